#include "dab/DabForm.h"

#include "base/BoardWords.h"
#include "base/Palette.h"
#include "controls/FieldHighlight.h"
#include "controls/FormActivation.h"
#include "dab/DabItems.h"
#include "dab/ServiceCells.h"
#include "dab/SlidePanel.h"
#include "display/Fonts.h"
#include "link/CommandRecords.h"
#include "settings/StyleBook.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

namespace talix::dab {

namespace {

constexpr Qt::WindowFlags kFormFlags =
    Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
constexpr QSize kClient{1282, 703};
constexpr QPoint kPlace{4, 4};
constexpr int kStatusMaxLength = 13;

QFont uiFont(int pixels) {
    return display::pinnedFont(display::FontFace::UiRegular, pixels);
}

void setColours(QWidget* w, QPalette::ColorRole role, QColor colour) {
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

QLabel* caption(QWidget* form, const char* name, const char* text, QRect box, int pixels = 36) {
    auto* label = new QLabel(text, form);
    label->setObjectName(name);
    label->setGeometry(box);
    label->setFont(uiFont(pixels));
    setColours(label, QPalette::WindowText, Qt::white);
    return label;
}

QLineEdit* readout(QWidget* form, const char* name, QRect box, int pixels) {
    auto* edit = new QLineEdit(form);
    edit->setObjectName(name);
    edit->setGeometry(box);
    edit->setReadOnly(true);
    edit->setFont(uiFont(pixels));
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setCursor(Qt::ArrowCursor);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    controls::setEditStyle(edit, settings::kEdit1Style1);
    return edit;
}

} // namespace

TF_DAB::TF_DAB(link::CommandPort& commands, QWidget* mainWindow)
    : QWidget(mainWindow, kFormFlags), m_commands(commands), m_mainWindow(mainWindow) {
    setObjectName(board::formName(board::Form::DAB));
    setFixedSize(kClient);
    setAutoFillBackground(true);
    setColours(this, QPalette::Window, QColor::fromRgba(kDarkRed));
    setStyleSheet(settings::styleBook());

    Edit0 = readout(this, "Edit0", {16, 8, 513, 90}, 72);
    Edit0->setAlignment(Qt::AlignCenter);
    Edit0->setMaxLength(kStatusMaxLength);
    controls::setEditStyle(Edit0, settings::kEdit1Style2);
    controls::setCurrentField(this, Edit0);

    const auto row = [this](const char* label, const char* text, const char* edit, int y) {
        caption(this, label, text, {16, y, 260, 50});
        QLineEdit* e = readout(this, edit, {280, y, 249, 50}, 40);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return e;
    };
    Edit1 = row("Label1", "Samplerate:", "Edit1", 104);
    Edit2 = row("Label2", "Bitrate:", "Edit2", 160);
    Edit3 = row("Label6", "MOT 1:", "Edit3", 216);
    Edit4 = row("Label7", "MOT 2:", "Edit4", 272);

    PB_SL = new QProgressBar(this);
    PB_SL->setObjectName("PB_SL");
    PB_SL->setGeometry(31, 572, 324, 12);
    PB_SL->setRange(0, 100);
    PB_SL->setValue(0);
    PB_SL->setTextVisible(false);

    PBRSSI = new QProgressBar(this);
    PBRSSI->setObjectName("PBRSSI");
    PBRSSI->setOrientation(Qt::Vertical);
    PBRSSI->setGeometry(480, 340, 28, 241);
    PBRSSI->setRange(0, 100);
    PBRSSI->setValue(10);
    PBRSSI->setTextVisible(false);
    caption(this, "Label3", "100%", {470, 306, 70, 30}, 20);
    // Beside the bar's foot: under it there is no room above the dynamic label's box.
    QLabel* bottom = caption(this, "Label4", "0%", {400, 555, 76, 26}, 20);
    bottom->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    QLabel* rssi = caption(this, "Label5", "RSSIBER", {400, 440, 80, 30}, 16);
    rssi->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* dynamicLabel = new ServiceCells(this, {32, 592, 489, 98}, 0);
    dynamicLabel->setObjectName("Rectangle2");
    LText = caption(this, "LText", "", {38, 596, 477, 90}, 24);
    LText->setWordWrap(true);
    LText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* cells = new ServiceCells(this, {552, 10, 721, 685}, kRowHeight);
    cells->setObjectName("RCells");

    LV_Prog = new QListWidget(this);
    LV_Prog->setObjectName("LV_Prog");
    LV_Prog->setGeometry(556, 10, 742, 684);
    LV_Prog->setFrameShape(QFrame::NoFrame);
    LV_Prog->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    LV_Prog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LV_Prog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LV_Prog->setSelectionMode(QAbstractItemView::NoSelection);
    LV_Prog->setFocusPolicy(Qt::NoFocus);
    LV_Prog->setUniformItemSizes(true);
    LV_Prog->setWordWrap(true);
    LV_Prog->setFont(display::pinnedFont(display::FontFace::MonoBold, 28));
    LV_Prog->setStyleSheet(
        QStringLiteral("QListWidget { background: transparent; border: none; }"));
    LV_Prog->viewport()->setAutoFillBackground(false);
    connect(LV_Prog, &QListWidget::itemClicked, this, &TF_DAB::LV_ProgItemClick);
    connect(LV_Prog->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &TF_DAB::LV_ProgScrollViewChange);

    RSelect = new QWidget(this);
    RSelect->setObjectName("RSelect");
    RSelect->setAttribute(Qt::WA_TransparentForMouseEvents);
    RSelect->setStyleSheet(QStringLiteral("#RSelect { border: 2px solid #00FFFF; }"));
    RSelect->setAttribute(Qt::WA_StyledBackground);
    RSelect->setGeometry(550, kCellsTop - 2, 725, 81);
    RSelect->hide();

    RMOT = new SlidePanel(this, {32, 330, 322, 242});

    // Last, once every control the filter looks at exists: style and layout changes send events
    // through a filter as soon as it is installed.
    Edit0->installEventFilter(this);
    LV_Prog->viewport()->installEventFilter(this);
}

sync::ApplyResult TF_DAB::ApplyItem(int item, std::span<const uint32_t> words) {
    const DabUpdate u = applyDabItem(m_list, item, words);
    const std::pair<const std::optional<QString>&, QLineEdit*> edits[] = {
        {u.status, Edit0}, {u.sampleRate, Edit1}, {u.bitRate, Edit2},
        {u.mot1, Edit3},   {u.mot2, Edit4},
    };
    for (const auto& [text, edit] : edits)
        if (text)
            edit->setText(*text);
    if (u.signal)
        PBRSSI->setValue(*u.signal);
    if (u.dynamicLabel)
        LText->setText(*u.dynamicLabel);
    if (u.serviceName)
        if (QListWidgetItem* service = LV_Prog->item(u.serviceName->first))
            service->setText(u.serviceName->second);
    if (u.listMoved)
        scrollToTop();
    return u.failed ? sync::ApplyResult::Failed : sync::ApplyResult::Applied;
}

void TF_DAB::setEntryFieldSelected(bool selected) {
    controls::setEditStyle(Edit0, selected ? settings::kEdit1Style1 : settings::kEdit1Style2);
}

void TF_DAB::setSlideProgress(int percent) {
    PB_SL->setValue(std::clamp(percent, 0, 100));
}

void TF_DAB::showSlide(const QByteArray& picture) {
    RMOT->showPicture(picture);
}

// Shown by the board at (4, 4) on the main window, and active so that the board hears of it.
void TF_DAB::showForm() {
    if (!isVisible()) {
        FormShow();
        if (m_mainWindow)
            move(m_mainWindow->mapToGlobal(kPlace));
    }
    show();
    raise();
    activateWindow();
}

// Every showing starts a fresh list, "1" to "256"; the board names the services again.
void TF_DAB::FormShow() {
    LV_Prog->setUpdatesEnabled(false);
    LV_Prog->clear();
    for (int i = 1; i <= kServices; ++i) {
        auto* service = new QListWidgetItem(QString::number(i), LV_Prog);
        service->setSizeHint(QSize(LV_Prog->width(), kRowHeight));
        service->setForeground(QColor::fromRgba(kLightGoldenrodYellow));
        service->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    LV_Prog->setUpdatesEnabled(true);
    m_list.reset();
    m_edit0Entered = false;
    controls::setCurrentField(this, Edit0);
    scrollToTop();
    Edit0->setText(QStringLiteral("Search DAB..."));
}

void TF_DAB::changeEvent(QEvent* event) {
    controls::announceActivation(*this, *event, m_commands);
    QWidget::changeEvent(event);
}

void TF_DAB::Edit0Enter() {
    m_commands.QueueCommand(
        link::commands::fieldSelect(0, board::number(board::Form::DAB), kStatusMaxLength),
        link::LimitRule::Notify);
}

// RSelect frames the selected service while it is on screen.
void TF_DAB::LV_ProgChange() {
    if (const std::optional<int> y = m_list.frameY()) {
        RSelect->move(RSelect->x(), *y);
        RSelect->show();
        RSelect->raise();
    } else {
        RSelect->hide();
    }
}

void TF_DAB::LV_ProgItemClick(QListWidgetItem* item) {
    m_edit0Entered = false;
    const int index = LV_Prog->row(item);
    if (index < 0 || m_commands.QueueCommand(link::commands::dabChoice(index),
                                             link::LimitRule::Notify) != link::QueueResult::Queued)
        return;
    m_list.select(index);
    LV_ProgChange();
}

// Only the board scrolls the list: any other change of its position is undone.
void TF_DAB::LV_ProgScrollViewChange() {
    if (LV_Prog->verticalScrollBar()->value() != m_list.topIndex())
        scrollToTop();
}

void TF_DAB::scrollToTop() {
    LV_Prog->verticalScrollBar()->setValue(m_list.topIndex());
    LV_ProgChange();
}

bool TF_DAB::eventFilter(QObject* watched, QEvent* event) {
    if (watched == LV_Prog->viewport() && event->type() == QEvent::Wheel) {
        controls::forwardWheel(static_cast<QWheelEvent*>(event), m_wheel);
        return true;
    }
    if (watched == Edit0 && (event->type() == QEvent::MouseButtonPress ||
                             event->type() == QEvent::MouseButtonDblClick)) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && !m_edit0Entered) {
            m_edit0Entered = true;
            Edit0Enter();
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TF_DAB::wheelEvent(QWheelEvent* event) {
    controls::forwardWheel(event, m_wheel);
}

} // namespace talix::dab
