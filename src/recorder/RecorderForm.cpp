#include "recorder/RecorderForm.h"

#include "audio/RecordingFiles.h"
#include "base/BoardWords.h"
#include "base/MessageHook.h"
#include "base/Tags.h"
#include "display/FormPlace.h"
#include "link/CommandRecords.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace talix::recorder {

namespace {

constexpr QSize kSize{552, 736};
constexpr int kLineHeight = 66;
const QColor kLightSkyBlue(0x87, 0xCE, 0xFA);

QFont pixelFont(int pixels, bool bold = false) {
    QFont f;
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QPushButton* button(QWidget* form, const char* name, const char* text, QRect box, int tag = 0) {
    auto* b = new QPushButton(text, form);
    b->setObjectName(name);
    setTag(b, tag);
    b->setGeometry(box);
    b->setFont(pixelFont(32));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QLabel* label(QWidget* form, const char* name, const char* text, QRect box, int pixels) {
    auto* l = new QLabel(text, form);
    l->setObjectName(name);
    l->setGeometry(box);
    l->setFont(pixelFont(pixels));
    return l;
}

} // namespace

TF_Recorder::TF_Recorder(Context context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_context(std::move(context)), m_playback(*m_context.playback),
      m_recordings(*m_context.recordings) {
    setObjectName(board::formName(board::Form::Recorder));
    setFixedSize(kSize);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kLightSkyBlue);
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);

    Label1 = label(this, "Label1", "Recorder", {20, 4, 300, 50}, 38);
    Label1->setFont(pixelFont(38, true));

    LV_Files = new QListWidget(this);
    LV_Files->setObjectName("LV_Files");
    LV_Files->setGeometry(20, 62, 300, kLineHeight * RecordingList::kVisibleLines + 4);
    LV_Files->setFont(pixelFont(34));
    LV_Files->setAlternatingRowColors(true);
    LV_Files->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    LV_Files->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LV_Files->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LV_Files->setFocusPolicy(Qt::NoFocus);
    LV_Files->setStyleSheet(QString("QListWidget::item { height: %1px; }").arg(kLineHeight));
    connect(LV_Files, &QListWidget::currentRowChanged, this,
            [this](int row) { m_list.select(row); });

    B_Play = button(this, "B_Play", "Play", {340, 62, 192, 80});
    B_Play->setCheckable(true);
    B_Stop = button(this, "B_Stop", "Stop", {340, 152, 192, 80});
    B_Delete = button(this, "B_Delete", "Delete", {340, 242, 192, 80});
    B_Export = button(this, "B_Export", "Export", {340, 332, 192, 80});
    B_Export->setCheckable(true);
    B_Exit = button(this, "B_Exit", "Close", {340, 642, 192, 80},
                    board::buttonTag(0, board::ButtonCode::Close));

    TB_Play = new SeekBar(this);
    TB_Play->setObjectName("TB_Play");
    TB_Play->setRange(0, 100);
    TB_Play->setGeometry(340, 432, 192, 56);
    TB_Play->setFocusPolicy(Qt::NoFocus);
    L_Bytes = label(this, "L_Bytes", "Bytes:", {340, 496, 192, 40}, 28);
    L_Progress = label(this, "L_Progress", "0", {340, 540, 192, 40}, 28);

    Timer1 = new QTimer(this);
    Timer1->setInterval(m_context.progressMs);
    m_copyTimer.setInterval(m_context.progressMs);

    connect(B_Play, &QPushButton::clicked, this, [this] { B_PlayClick(); });
    connect(B_Stop, &QPushButton::clicked, this, [this] { B_StopClick(); });
    connect(B_Export, &QPushButton::clicked, this, [this] { B_ExportClick(); });
    connect(B_Exit, &QPushButton::clicked, this, [this] { B_ExitClick(); });
    connect(TB_Play, &QSlider::sliderMoved, this, [this](int v) { TB_PlayMouseMove(v); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(&m_copyTimer, &QTimer::timeout, this, [this] { showCopyProgress(); });
    setIdleControls();

    // Last, once every control the filter looks at exists: style and layout changes send events
    // through a filter as soon as it is installed.
    LV_Files->viewport()->installEventFilter(this); // its wheel tunes, as over the form
    TB_Play->installEventFilter(this);              // so does the bar's
    B_Delete->installEventFilter(this);             // a double click only
}

TF_Recorder::~TF_Recorder() {
    m_recordings.cancelExport();
    if (m_playback.playing() || Timer1->isActive())
        B_StopClick();
}

QString TF_Recorder::wavFolder() const {
    return m_context.drives.path('C', "WAV");
}

QString TF_Recorder::fileName(int n) const {
    return audio::recordingFilePath(wavFolder(), n);
}

// FormShow: the list, centred on the main window.
void TF_Recorder::showEvent(QShowEvent* event) {
    if (QWidget* main = parentWidget())
        move(display::centredOn(main, size()));
    if (!m_copying) {
        m_list = RecordingList::build([this](int n) { return QFileInfo::exists(fileName(n)); });
        showList();
        TB_Play->setValue(2);
    }
    QDialog::showEvent(event);
}

// A form the board closes while it plays: the live audio comes back.
void TF_Recorder::hideEvent(QHideEvent* event) {
    if (m_playback.playing() || Timer1->isActive())
        B_StopClick();
    QDialog::hideEvent(event);
}

void TF_Recorder::showList() {
    const QSignalBlocker block(LV_Files);
    LV_Files->clear();
    for (const QString& line : m_list.lines())
        LV_Files->addItem(line);
    LV_Files->setCurrentRow(m_list.selected());
    if (m_list.selected() < 0)
        LV_Files->clearSelection();
    scrollToTopLine();
}

void TF_Recorder::scrollToTopLine() {
    LV_Files->verticalScrollBar()->setValue(std::max(m_list.topLine(), 0));
}

sync::ApplyResult TF_Recorder::ApplyItem(int, std::span<const uint32_t> words) {
    if (words.empty())
        return sync::ApplyResult::Applied;
    m_list.scroll(words[0] != 0);
    scrollToTopLine();
    return sync::ApplyResult::Applied;
}

void TF_Recorder::B_PlayClick() {
    B_Play->setChecked(false);
    const int n = m_list.selected();
    if (n < 0 || m_copying || m_playback.playing())
        return;
    if (!m_playback.play(fileName(n)))
        return;
    L_Bytes->setText("Time:");
    L_Progress->setText(m_context.locale.toString(0.0, 'f', 1) + " s");
    setBusyControls();
    B_Play->setChecked(true);
    Timer1->start();
}

void TF_Recorder::Timer1Timer() {
    const std::int64_t duration = m_playback.duration();
    const std::int64_t time = m_playback.position();
    if (duration > 0 && !TB_Play->isSliderDown())
        TB_Play->setValue(int(time * 100 / duration));
    L_Progress->setText(m_context.locale.toString(
                            double(time) / session::PlaybackPort::kTimeUnitsPerSecond, 'f', 1) +
                        " s");
    if (time >= duration || !m_playback.playing())
        B_StopClick();
}

void TF_Recorder::TB_PlayMouseMove(int value) {
    if (m_playback.playing())
        m_playback.seek(value * m_playback.duration() / 100);
}

void TF_Recorder::B_StopClick() {
    m_recordings.cancelExport();
    if (m_copying)
        return; // the copy ends at its next chunk and restores the buttons
    Timer1->stop();
    setIdleControls();
    m_playback.stop();
}

void TF_Recorder::B_DeleteDblClick() {
    if (!m_list.selectedIsFile() || m_copying || m_playback.playing())
        return;
    QFile::remove(fileName(m_list.selected()));
    m_list.markSelectedDeleted();
    showList();
}

void TF_Recorder::B_ExportClick() {
    const int n = m_list.selected();
    if (!m_list.selectedIsFile() || m_copying || m_playback.playing()) {
        B_Export->setChecked(false);
        return;
    }
    const QString folder = m_context.drives.path('F', "WAV");
    const QString destination = audio::recordingFilePath(folder, n);
    if (m_context.drives.root('F').isEmpty() || !QDir().mkpath(folder)) {
        B_Export->setChecked(false);
        showMessage("Can't copy file, please check USB drive!");
        return;
    }
    if (QFileInfo::exists(destination) && showMessage("File already exists! Overwrite?") == 0) {
        B_Export->setChecked(false);
        return;
    }
    L_Bytes->setText("Bytes:");
    L_Progress->setText("0");
    TB_Play->setValue(0);
    setBusyControls();
    B_Stop->setText("Abort");
    m_copying = true;
    m_recordings.startExport(fileName(n), destination);
    m_copyTimer.start();
}

void TF_Recorder::showCopyProgress() {
    const session::RecordingPort::ExportProgress progress = m_recordings.exportProgress();
    TB_Play->setValue(progress.percent);
    L_Progress->setText(m_context.locale.toString(qulonglong(progress.copiedBytes)));
    if (progress.state != session::FileExport::State::Copying)
        copyEnded(progress.state);
}

void TF_Recorder::copyEnded(session::FileExport::State state) {
    m_copyTimer.stop();
    m_copying = false;
    setIdleControls();
    B_Stop->setText("Stop");
    if (state != session::FileExport::State::Done)
        showMessage("Can't copy file!");
}

void TF_Recorder::B_ExitClick() {
    if (m_context.commands->QueueCommand(link::commands::button(tagOf(B_Exit)),
                                         link::LimitRule::Notify) != link::QueueResult::Queued)
        return;
    m_recordings.rescan();
    m_playback.release();
}

void TF_Recorder::setIdleControls() {
    B_Play->setEnabled(true);
    B_Play->setChecked(false);
    B_Delete->setEnabled(true);
    B_Export->setEnabled(true);
    B_Export->setChecked(false);
    B_Exit->setEnabled(true);
    LV_Files->setEnabled(true);
    B_Stop->setEnabled(false);
}

void TF_Recorder::setBusyControls() {
    B_Play->setEnabled(false);
    B_Delete->setEnabled(false);
    B_Export->setEnabled(false);
    B_Exit->setEnabled(false);
    LV_Files->setEnabled(false);
    B_Stop->setEnabled(true);
}

void TF_Recorder::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0 && m_context.wheel)
        m_context.wheel(delta);
    event->accept();
}

bool TF_Recorder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == B_Delete && event->type() == QEvent::MouseButtonDblClick) {
        if (B_Delete->isEnabled())
            B_DeleteDblClick();
        return true;
    }
    if ((watched == LV_Files->viewport() || watched == TB_Play) && event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace talix::recorder
