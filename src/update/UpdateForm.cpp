#include "update/UpdateForm.h"

#include "base/MessageHook.h"
#include "base/Palette.h"
#include "update/ProgramInstall.h"

#include <QEvent>
#include <QMetaObject>

namespace talix::update {

const QString TF_Update::kNoFile = QStringLiteral("No File");

namespace {

constexpr QSize kSize{776, 756};
constexpr QPoint kPlace{4, 4};
constexpr int kRowY[] = {56, 144, 232};

const QString kNotStable = QStringLiteral("WiFi connection not stable!\n\rUpdate aborted!");
const QString kNoFileToUpload = QStringLiteral("No File found to upload!");
const QString kInstalled =
    QStringLiteral("New UI installed successfully!\n\rRestart Nimbrel to activate!");
const QString kCannotCopy = QStringLiteral("Can not copy file!");

QFont pixelFont(int pixels) {
    QFont f;
    f.setPixelSize(pixels);
    return f;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect box, int pixels,
              Qt::Alignment align) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(box);
    l->setFont(pixelFont(pixels));
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const char* text, QRect box) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(box);
    b->setFont(pixelFont(32));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

TF_Update::TF_Update(Context context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_context(std::move(context)) {
    // Above the Setup form that opens it, which stays on top itself.
    setObjectName("F_Update");
    setFixedSize(kSize);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor::fromRgba(kMediumVioletRed));
    setPalette(p);

    Label1 = label(this, "Label1", "Software Update", {8, 2, 500, 50}, 38, Qt::AlignLeft);
    Label1->setStyleSheet("color: yellow;");
    Rectangle1 = new QWidget(this);
    Rectangle1->setObjectName("Rectangle1");
    Rectangle1->setGeometry(7, 55, 762, 530);
    Rectangle1->setAutoFillBackground(true);
    QPalette azure = Rectangle1->palette();
    azure.setColor(QPalette::Window, QColor::fromRgba(kAzure));
    Rectangle1->setPalette(azure);

    GB_Update = new QGroupBox("Update", this);
    GB_Update->setObjectName("GB_Update");
    GB_Update->setGeometry(64, 120, 649, 321);
    GB_Update->setFont(pixelFont(28));
    const std::pair<const char*, const char*> radios[] = {{"RB_User", "User Interface"},
                                                          {"RB_Nimbrel", "Nimbrel Firmware"},
                                                          {"RB_WiFi", "WiFi Driver"}};
    const char* edits[] = {"E_User", "E_Nimbrel", "E_WiFi"};
    QRadioButton* made[3];
    QLineEdit* madeEdits[3];
    for (int row = 0; row < 3; ++row) {
        auto* r = new QRadioButton(radios[row].second, GB_Update);
        r->setObjectName(radios[row].first);
        r->setGeometry(16, kRowY[row], 300, 52);
        r->setFont(pixelFont(32));
        r->setFocusPolicy(Qt::NoFocus);
        made[row] = r;
        auto* e = new QLineEdit(kNoFile, GB_Update);
        e->setObjectName(edits[row]);
        e->setGeometry(328, kRowY[row], 297, 52);
        e->setFont(pixelFont(32));
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setContextMenuPolicy(Qt::NoContextMenu);
        e->setCursor(Qt::ArrowCursor);
        e->installEventFilter(this); // a touch on the edit selects its target as well
        madeEdits[row] = e;
    }
    RB_User = made[0];
    RB_Nimbrel = made[1];
    RB_WiFi = made[2];
    E_User = madeEdits[0];
    E_Nimbrel = madeEdits[1];
    E_WiFi = madeEdits[2];

    // A horizontal bar, as the designed vertical one turned by 90 degrees.
    PB_Sent = new QProgressBar(this);
    PB_Sent->setObjectName("PB_Sent");
    PB_Sent->setRange(0, 100);
    PB_Sent->setValue(0);
    PB_Sent->setTextVisible(false);
    PB_Sent->setGeometry(256, 472, 441, 28);
    L_Send = label(this, "L_Send", "Bytes:", {212, 512, 280, 40}, 24, Qt::AlignRight);
    L_Bytes = label(this, "L_Bytes", "0", {504, 512, 200, 40}, 24, Qt::AlignLeft);
    C_WLAN = new LinkCircle(this);
    C_WLAN->setObjectName("C_WLAN");
    C_WLAN->setGeometry(128, 456, 50, 50);
    L_WLAN = label(this, "L_WLAN", "WiFi unstable!", {8, 512, 240, 40}, 28, Qt::AlignHCenter);

    B_Start = button(this, "B_Start", "Start", {168, 639, 169, 65});
    B_Close = button(this, "B_Close", "Close", {440, 639, 169, 65});

    Timer = new QTimer(this);
    Timer->setObjectName("Timer");
    Timer->setSingleShot(true);
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(1000);

    connect(RB_User, &QRadioButton::clicked, this, [this] { RB_UserClick(); });
    connect(RB_Nimbrel, &QRadioButton::clicked, this, [this] { RB_NimbrelClick(); });
    connect(RB_WiFi, &QRadioButton::clicked, this, [this] { RB_WiFiClick(); });
    connect(B_Start, &QPushButton::clicked, this, [this] { B_StartClick(); });
    connect(B_Close, &QPushButton::clicked, this, [this] { B_CloseClick(); });
    connect(Timer, &QTimer::timeout, this, [this] { m_transfer.replyTimerExpired(); });
    connect(Timer2, &QTimer::timeout, this, [this] { m_transfer.clearingTick(); });
}

TF_Update::~TF_Update() {
    Timer->stop();
    Timer2->stop();
}

void TF_Update::updateReply(uint32_t replyWord) {
    QMetaObject::invokeMethod(
        this, [this, replyWord] { m_transfer.reply(replyWord); }, Qt::QueuedConnection);
}

void TF_Update::showLinkQuality(const sync::LinkQualityReport& report) {
    C_WLAN->setColour(QColor::fromRgba(report.circleArgb));
    L_WLAN->setText(report.stateText);
}

// At (4, 4) of the main window, wherever a desktop has put it.
void TF_Update::showEvent(QShowEvent* event) {
    const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    move(main ? main->mapToGlobal(kPlace) : kPlace);
    for (QLineEdit* e : {E_User, E_Nimbrel, E_WiFi})
        e->setText(kNoFile);
    clearRadios(nullptr);
    QDialog::showEvent(event);
}

void TF_Update::hideEvent(QHideEvent* event) {
    m_transfer.abort();
    QDialog::hideEvent(event);
}

bool TF_Update::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == E_User)
            RB_UserClick();
        else if (watched == E_Nimbrel)
            RB_NimbrelClick();
        else if (watched == E_WiFi)
            RB_WiFiClick();
    }
    return QDialog::eventFilter(watched, event);
}

TF_Update::TargetControls TF_Update::controlsOf(UpdateTarget target) const {
    switch (target) {
    case UpdateTarget::UserInterface:
        return {RB_User, E_User};
    case UpdateTarget::Firmware:
        return {RB_Nimbrel, E_Nimbrel};
    case UpdateTarget::WiFi:
        return {RB_WiFi, E_WiFi};
    }
    return {};
}

void TF_Update::clearRadios(QRadioButton* except) {
    for (QRadioButton* r : {RB_User, RB_Nimbrel, RB_WiFi}) {
        if (r == except)
            continue;
        r->setAutoExclusive(false);
        r->setChecked(false);
        r->setAutoExclusive(true);
    }
}

// A target whose file has gone shows "No File" again, so that Start never sends the file found
// for another target under this one's name.
void TF_Update::selectTarget(UpdateTarget target) {
    const TargetControls controls = controlsOf(target);
    if (std::optional<UpdateFile> found = findUpdateFile(m_context.drives, target)) {
        controls.edit->setText(found->name);
        m_source = std::move(found);
        controls.radio->setChecked(true);
    } else {
        controls.edit->setText(kNoFile);
    }
    clearRadios(controls.radio);
}

void TF_Update::B_StartClick() {
    if (C_WLAN->colour() != QColor::fromRgba(sync::kLinkReadyArgb)) {
        talix::showMessage(kNotStable);
        return;
    }
    if (RB_User->isChecked()) {
        installThisProgram();
        return;
    }
    const bool firmware = RB_Nimbrel->isChecked();
    if (!firmware && !RB_WiFi->isChecked())
        return;
    QLineEdit* edit = firmware ? E_Nimbrel : E_WiFi;
    if (edit->text() == kNoFile || !m_source) {
        talix::showMessage(kNoFileToUpload);
        return;
    }
    // A board that connects anew in the middle has lost the transfer: it ends as a failed link.
    m_connection = m_context.linkConnection ? m_context.linkConnection() : 0;
    m_transfer.start(firmware ? UpdateTransfer::Target::Firmware : UpdateTransfer::Target::WiFi,
                     m_source->hostPath, m_source->name);
}

void TF_Update::installThisProgram() {
    if (E_User->text() == kNoFile || !m_source) {
        talix::showMessage(kNoFileToUpload);
        return;
    }
    const bool installed = installProgram(m_context.drives, m_source->hostPath, E_User->text());
    talix::showMessage(installed ? kInstalled : kCannotCopy);
}

void TF_Update::B_CloseClick() {
    m_transfer.abort();
    done(QDialog::Rejected);
}

bool TF_Update::linkConnected() {
    return m_context.linkConnected && m_context.linkConnected();
}

bool TF_Update::send(std::span<const uint8_t> record) {
    return m_context.send && m_context.send(record, m_connection);
}

void TF_Update::startReplyTimer(int ms) {
    Timer->start(ms);
}

void TF_Update::stopReplyTimer() {
    Timer->stop();
}

void TF_Update::startClearingTick() {
    Timer2->start();
}

void TF_Update::stopClearingTick() {
    Timer2->stop();
}

void TF_Update::setSendCaption(const QString& text) {
    L_Send->setText(text);
}

void TF_Update::setBytes(int64_t number) {
    L_Bytes->setText(m_context.locale.toString(qlonglong(number)));
}

void TF_Update::setProgress(int percent) {
    PB_Sent->setValue(percent);
}

void TF_Update::setStartEnabled(bool enabled) {
    B_Start->setEnabled(enabled);
}

void TF_Update::setTargetsEnabled(bool enabled) {
    GB_Update->setEnabled(enabled);
}

void TF_Update::showMessage(const QString& text) {
    talix::showMessage(text);
}

} // namespace talix::update
