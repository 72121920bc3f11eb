#include "app/MainWindow.h"

#include "app/Forms.h"
#include "app/HostControls.h"
#include "app/MainWindowItems.h"
#include "app/ReceiverViews.h"
#include "audio/AudioDeviceFactory.h"
#include "audio/OpenResultText.h"
#include "audio/RecordingFiles.h"
#include "base/MessageHook.h"
#include "base/Tags.h"
#include "base/ThreadPriority.h"
#include "controls/MainControls.h"
#include "controls/MainWindowHandlers.h"
#include "display/MeterBox.h"
#include "display/ReadoutPainter.h"
#include "display/SpectrumScreen.h"
#include "display/XThread.h"
#include "host/HostServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QShowEvent>
#include <cstdio>

namespace talix::app {

namespace {
constexpr uint8_t kInitialSpeakerVolume = 0;
} // namespace

TFMain::TFMain(Context context) : QWidget(nullptr), m_context(std::move(context)) {
    setObjectName("FMain");
    setWindowTitle("Talix");
    setFixedSize(1920, 1200);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    if (!m_context.options.windowed)
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    m_controls = std::make_unique<controls::MainControls>(this);
    m_spectrum = std::make_unique<display::SpectrumScreen>(this);
}

TFMain::~TFMain() {
    FormDestroy();
}

void TFMain::FormCreate() {
    if (m_created)
        return;
    m_created = true;
    Closing = false;
    raiseProcess();
    raiseCurrentThread(ThreadPriority::TimeCritical);
    fillFieldTable();
    m_host = std::make_unique<HostControls>(
        *this, host::makeHostServices(m_context.options.hostServices),
        HostControls::Timings{m_context.batteryInterval, m_context.touchLockReenable});
    m_items = std::make_unique<MainWindowItems>(*this);
    m_items->fillFormSlots();
    m_controls->RPegel->setLevelSource(
        [this] { return m_items ? m_items->state().LevelMarker : 0; });

    if (F_Update)
        F_Update->installEventFilter(this);
    m_linkWindow = std::make_unique<LinkWindow>(*this, Closing);

    // The wave output, reporting to LinkWindow. The board has not reported its loudspeaker volume
    // yet, so output starts almost silent. Without it the program runs without a link.
    m_devicePoster = std::make_unique<audio::DeviceEventPoster>(m_linkWindow.get());
    const audio::OpenResult opened = m_playbackRing.OpenPlayback(
        audio::createAudioDevice(m_context.options.audio), *m_devicePoster, kInitialSpeakerVolume);
    if (opened != audio::OpenResult::Ok) {
        showMessage(audio::openResultText(opened));
        return;
    }

    // The display device; without it brightness reports reach no display.
    m_host->services().openDisplay();
    m_host->brightness().request.policy = host::kPolicyBoth;

    NextFileNumber = audio::scanNextFileNumber(wavFolder());
    m_controls->E_File->setText(audio::nextFileText(NextFileNumber));

    m_queue = std::make_unique<link::TCommandQueue>();
    m_queue->setFullNotifier([] { showMessage("No WiFi Connection!"); });
    m_port = std::make_unique<link::LinkPort>(*m_queue);
    m_sender = std::make_unique<link::TSThread>(*m_queue, *m_port, Closing, m_context.senderWait);
    link::LinkSettings settings;
    settings.board = m_context.options.board;
    m_receiver = std::make_unique<link::TWLAN>(*m_port, settings, *m_linkWindow, Closing,
                                               m_context.receiveTimings);

    PaintEvent.reset();
    m_readouts = std::make_unique<display::ReadoutPainter>(
        TFieldTable, PaintEvent, Closing,
        display::ReadoutPainter::Sources{
            [this] { return readoutStateOf(m_items->state(), m_spectrum->gridOffset()); },
            [this] { return static_cast<QWidget*>(m_items->SelectedField()); }});
    paintPass = [this] { m_readouts->paintPass(); };
    m_painter = std::make_unique<display::TXLAN>(
        PaintEvent, this,
        [this] {
            if (paintPass)
                paintPass();
        },
        Closing, m_context.painterWait);

    createHandlers();
}

// Every touch on the main window becomes a command in the queue; the knob's mark is repainted
// by the painter.
void TFMain::createHandlers() {
    constexpr int kKnobMarkTag = 37; // S_Pitch
    controls::MainWindowHandlers::Context c;
    c.mainWindow = this;
    c.queue = m_queue.get();
    c.state = &m_items->state();
    c.knobMoved = [this] {
        m_items->markField(kKnobMarkTag, 1);
        PaintEvent.set();
    };
    c.frequencySelected = [this] { return m_items->SelectedField() == m_controls->EFreq1; };
    c.memoryKeypadOwnsTouches = [this] {
        return F_Memory && F_Memory->isVisible() && !m_items->dispatcher().rotatorSelected();
    };
    c.demods = qobject_cast<QDialog*>(F_Demods);
    c.bandwidths = qobject_cast<QDialog*>(F_BWs);
    c.steps = qobject_cast<QDialog*>(F_Steps);
    c.showRotator = [] {
        if (F_KAP)
            F_KAP->show();
    };
    m_handlers = std::make_unique<controls::MainWindowHandlers>(std::move(c));
}

void TFMain::FormDestroy() {
    if (m_destroyed || !m_created)
        return;
    m_destroyed = true;
    Closing = true;
    m_handlers.reset();
    if (m_sender) {
        m_queue->CommandReady.reset();
        m_sender->requestStop();
        m_sender->join();
        m_sender.reset();
    }
    if (m_receiver) {
        m_receiver->requestStop();
        m_receiver->join(); // disconnects the link on its way out
        m_receiver.reset();
    }
    if (m_painter) {
        PaintEvent.set();
        m_painter->requestStop();
        m_painter->join();
        m_painter.reset();
    }
    m_readouts.reset();
    m_items.reset();
    m_port.reset();
    m_queue.reset();
    reportPlayback();
    m_playbackRing.ClosePlayback();
    if (F_Update)
        F_Update->removeEventFilter(this);
    m_linkWindow.reset();
    m_host.reset();
}

// A line on stderr after a session with host playback, so that gaps a user heard can be told apart
// from gaps in what the board sent.
void TFMain::reportPlayback() const {
    const audio::PlaybackRing::Statistics& s = m_playbackRing.statistics();
    if (s.played == 0 && s.dropped == 0)
        return;
    std::fprintf(stderr, "talix: audio: %llu blocks played, %llu underruns, %llu blocks dropped\n",
                 static_cast<unsigned long long>(s.played),
                 static_cast<unsigned long long>(s.underruns),
                 static_cast<unsigned long long>(s.dropped));
}

// Every edit of the main window with a Tag below 38 sits in the slot of its Tag, then the five
// other readouts at their Tags. Edits also lose their caret and context menu here.
void TFMain::fillFieldTable() {
    TFieldTable.fill(nullptr);
    for (QObject* child : children()) {
        auto* edit = qobject_cast<QLineEdit*>(child);
        if (edit == nullptr)
            continue;
        edit->setReadOnly(true);
        edit->setCursor(Qt::ArrowCursor);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        const int tag = tagOf(edit);
        if (tag >= 0 && tag < kFieldTableSize)
            TFieldTable[tag] = edit;
    }
    for (const char* name : {"S_Pitch", "Panel4", "Panel5", "Panel6", "Panel7"}) {
        if (auto* w = findChild<QWidget*>(name, Qt::FindDirectChildrenOnly)) {
            const int tag = tagOf(w);
            if (tag >= 0 && tag < kFieldTableSize)
                TFieldTable[tag] = w;
        }
    }
}

// "OK" to the OFF question: the program ends, the host stays on.
void TFMain::endProgram() {
    Closing = true;
    close();
    QCoreApplication::quit();
}

void TFMain::applyBrightnessReport(uint32_t valueWord) {
    if (m_host)
        m_host->brightness().applyReport(valueWord);
}

QString TFMain::wavFolder() const {
    return m_context.drives.path('C', "WAV");
}

void TFMain::linkFrame(const uint8_t* payload, uint32_t lParam) {
    ++m_framesHandled;
    if (m_items)
        m_items->handleFrame(payload, lParam);
}

void TFMain::linkLostDisplay() {
    m_controls->LWiFi->setText("0%");
    m_controls->PBWiFi->setValue(0);
}

void TFMain::updateReply(uint32_t replyWord) {
    if (updateReplyReceiver)
        updateReplyReceiver(replyWord);
}

void TFMain::deviceMessage(audio::DeviceEvent::Kind kind) {
    if (const auto level = audio::deliverDeviceEvent(kind, m_playbackRing))
        m_controls->PBWiFi->setValue(*level);
}

bool TFMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == F_Update && m_linkWindow) {
        if (event->type() == QEvent::Show)
            m_linkWindow->setUpdateFormVisible(true);
        else if (event->type() == QEvent::Hide)
            m_linkWindow->setUpdateFormVisible(false);
    }
    return QWidget::eventFilter(watched, event);
}

void TFMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The first touch must act, not merely activate the window.
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace talix::app
