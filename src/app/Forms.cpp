#include "app/Forms.h"

#include "app/HostControls.h"
#include "app/MainWindow.h"
#include "app/MainWindowView.h"
#include "app/MessageForm.h"
#include "app/ReceiverViews.h"
#include "app/SettingsBridge.h"
#include "app/UpdateFormWatch.h"
#include "audio/OpenResultText.h"
#include "audio/RecordingFiles.h"
#include "base/BoardWords.h"
#include "base/MessageHook.h"
#include "controls/BandwidthList.h"
#include "controls/DemodList.h"
#include "controls/MainControls.h"
#include "controls/MainWindowHandlers.h"
#include "controls/StepList.h"
#include "controls/UndoBox.h"
#include "dab/DabForm.h"
#include "display/MeterBox.h"
#include "display/readouts/ReadoutPainter.h"
#include "display/spectrum/SpectrumPanel.h"
#include "display/spectrum/SpectrumScreen.h"
#include "display/spectrum/WaterfallPanel.h"
#include "host/HostServices.h"
#include "memory/MemoryForm.h"
#include "recorder/RecordButton.h"
#include "recorder/RecorderForm.h"
#include "rigctl/RigctlServer.h"
#include "rotator/RotatorForm.h"
#include "session/Session.h"
#include "settings/MikeForm.h"
#include "settings/SetupForm.h"
#include "settings/SystemForm.h"
#include "settings/WiFiForm.h"
#include "update/UpdateForm.h"

#include <QPointer>
#include <cstdio>

namespace talix::app {

namespace {

// Its records go straight to the link and the board's replies straight back to it.
update::TF_Update* updateForm(const ProgramContext& c, session::Session& s, QWidget* parent) {
    update::TF_Update::Context context;
    context.drives = c.drives;
    context.linkConnected = [&s] { return s.linkConnected(); };
    context.linkConnection = [&s] { return s.linkConnection(); };
    context.send = [&s](std::span<const uint8_t> record, uint64_t onConnection) {
        return s.writeUpdateRecord(record, onConnection);
    };
    auto* form = new update::TF_Update(std::move(context), parent);
    s.updateReplies().setReceiver([form = QPointer<update::TF_Update>(form)](uint32_t reply) {
        if (form)
            form->updateReply(reply);
    });
    return form;
}

session::SessionSettings sessionSettingsOf(const ProgramContext& c) {
    session::SessionSettings s;
    s.board = c.options.board;
    s.rotator = c.options.rotator;
    s.audio = c.options.audio;
    s.drives = c.drives;
    s.receiveTimings = c.receiveTimings;
    return s;
}

} // namespace

FormSet::FormSet(ProgramContext context)
    : m_session(std::make_unique<session::Session>(sessionSettingsOf(context))) {
    session::Session& s = *m_session;
    // The message form must exist before anything can report a failure.
    F_Message = new TF_Message();
    setMessageHandler([form = F_Message](const QString& text, bool offerShutdown) {
        return form->ask(text, offerShutdown);
    });
    FMain = new TFMain([&s] { s.beginClosing(); }, context.options.windowed);
    F_Message->setParent(FMain, F_Message->windowFlags());
    F_Update = updateForm(context, s, FMain);

    m_readouts = std::make_unique<display::ReadoutPainter>(
        FMain->TFieldTable,
        display::ReadoutPainter::Sources{
            [this] { return readoutStateOf(m_session->state()); },
            [this] { return m_view ? static_cast<QWidget*>(m_view->SelectedField()) : nullptr; },
            [this] { m_session->requestPaint(); }, [this] { return m_session->closing(); }});
    m_view = std::make_unique<MainWindowView>(
        *FMain,
        MainWindowView::Sources{s.state(), s.formSlots(), s.rotator(),
                                [&s] { return s.touchLocked(); }},
        F_Update, *m_readouts, [this](uint32_t brightness) {
            if (m_host)
                m_host->brightness().applyReport(brightness);
        });
    m_updateWatch = std::make_unique<UpdateFormWatch>(
        F_Update, [&s](bool shown) { s.setUpdateFormShown(shown); });
    createForms(context);
    fillFormSlots();

    controls::MainControls& c = *FMain->controls();
    m_host = std::make_unique<HostControls>(
        *FMain,
        HostControls::Sources{s.commands(), s.formSlots(), [&s] { return s.touchLocked(); },
                              [&s](bool locked) { s.setTouchLocked(locked); }},
        host::makeHostServices(context.options.hostServices), context.hostTimings, F_DAB);
    c.RPegel->setLevelSource([&s] { return s.state().LevelMarker; });
    m_recordButton = std::make_unique<recorder::RecordButton>(
        recorder::RecordButton::Controls{c.B_Rec, c.E_File, c.B_Recorder, F_DAB}, s.recordings());

    // FormCreate: without the audio device the program runs on without a link.
    const audio::OpenResult opened = s.open(*m_view);
    if (opened != audio::OpenResult::Ok) {
        showMessage(audio::openResultText(opened));
        return;
    }
    // The display device; without it brightness reports reach no display.
    m_host->services().openDisplay();
    m_host->brightness().request.policy = host::kPolicyBoth;
    c.E_File->setText(audio::nextFileText(s.recordings().nextFileNumber()));
    s.startThreads();
    createHandlers();
    if (context.options.rigctl)
        startControlPort(*context.options.rigctl);
}

// Other radio programs reach the receiver through its port; one that cannot listen is reported and
// the radio goes on without it.
void FormSet::startControlPort(const Endpoint& at) {
    auto server = std::make_unique<rigctl::RigctlServer>(m_session->receiver());
    QString error;
    if (!server->listen(at, &error)) {
        std::fprintf(stderr, "talix: %s\n", error.toLocal8Bit().constData());
        return;
    }
    std::fprintf(stderr, "talix: rigctl: listening on %s:%u\n", at.host.c_str(),
                 unsigned(server->port()));
    m_rigctl = std::move(server);
}

// The secondary forms in the start-up order, each with what it uses.
void FormSet::createForms(const ProgramContext& context) {
    session::Session& s = *m_session;
    const auto wheel = [this](int delta) { this->wheel(delta); };
    m_settingsHost =
        std::make_unique<SettingsBridge>(*FMain, s.commands(), s.state(), *m_view, F_Update, wheel);
    F_Setup = new settings::TF_Setup(*m_settingsHost, FMain);
    F_System = new settings::TF_System(*m_settingsHost, FMain);
    F_Mike = new settings::TF_Mike(*m_settingsHost, FMain);
    F_WiFi = new settings::TF_WiFi(*m_settingsHost, FMain);
    F_Memory = new memory::TF_Memory(
        s.commands(),
        [this] {
            if (F_DAB)
                F_DAB->closeForm();
        },
        FMain);
    F_Memory->setWheelHandler(wheel);
    F_Undo = new controls::TF_Undo(s.commands(), s.state(), FMain);
    F_Undo->setWheelHandler(wheel);
    recorder::TF_Recorder::Context recording;
    recording.commands = &s.commands();
    recording.playback = &s.playback();
    recording.recordings = &s.recordings();
    recording.drives = context.drives;
    recording.wheel = wheel;
    F_Recorder = new recorder::TF_Recorder(std::move(recording), FMain);
    F_DAB = new dab::TF_DAB(s.commands(), FMain);
    F_DAB->setWheelHandler(wheel);
    F_Demods = new controls::TF_Demods(s.commands(), FMain);
    F_BWs = new controls::TF_BWs(s.commands(), s.state(), FMain);
    F_Steps = new controls::TF_Steps(s.commands(), FMain);
    F_KAP = new rotator::TF_KAP(
        s.rotator(), s.commands(), [main = FMain] { main->controls()->B_KAP->setFocus(); }, FMain);
}

// The forms that take values from the board, by their FormSlots index.
void FormSet::fillFormSlots() {
    using board::Form;
    const std::pair<Form, sync::SlotForm*> slotForms[] = {
        {Form::Setup, F_Setup},       {Form::System, F_System}, {Form::Undo, F_Undo},
        {Form::Microphone, F_Mike},   {Form::Memory, F_Memory}, {Form::WiFi, F_WiFi},
        {Form::Recorder, F_Recorder}, {Form::DAB, F_DAB}};
    for (auto [index, form] : slotForms)
        m_session->formSlots().set(board::number(index), form);
}

// Every touch on the main window becomes a command in the queue; the knob's mark is repainted
// by the painter.
void FormSet::createHandlers() {
    session::Session& s = *m_session;
    const controls::MainControls& m = *FMain->controls();
    controls::MainWindowHandlers::Context c;
    c.controls = {FMain,
                  m.readouts,
                  m.tagButtons(),
                  m.B_Tune,
                  m.B_KAP,
                  m.S_Geber,
                  m.S_Pitch,
                  FMain->spectrum()->spectrumPanel(),
                  FMain->spectrum()->waterfallPanel(),
                  m.Panel9,
                  {m.SBKH, m.SBLSP, m.SBKHN, m.SBLSPN, m.TBWFH, m.TBWFL, m.TB_Att}};
    c.queue = &s.commands();
    c.state = &s.state();
    c.knobMoved = [this] {
        m_view->markField(board::number(board::Field::S_Pitch), 1);
        m_session->requestPaint();
    };
    c.frequencySelected = [this] { return m_view->SelectedField() == FMain->controls()->EFreq1; };
    c.memoryKeypadOwnsTouches = [this] {
        return F_Memory->isVisible() && m_session->dispatcher() &&
               !m_session->dispatcher()->rotatorSelected();
    };
    c.demods = F_Demods;
    c.bandwidths = F_BWs;
    c.steps = F_Steps;
    c.showRotator = [this] { F_KAP->show(); };
    m_handlers = std::make_unique<controls::MainWindowHandlers>(std::move(c));
}

// A wheel turn over a form tunes as over the main window, while there is a link.
void FormSet::wheel(int delta) {
    if (m_handlers)
        m_handlers->S_GeberMouseWheel(delta);
}

// The shutdown order: the handlers go, the session's threads stop, and only then what they used.
void FormSet::FormDestroy() {
    m_session->beginClosing();
    m_rigctl.reset();
    m_handlers.reset();
    m_session->stop();
    m_readouts.reset();
    m_updateWatch.reset();
    m_host.reset();
}

FormSet::~FormSet() {
    FormDestroy();
    m_recordButton.reset();
    for (int k = 0; k < sync::FormSlots::kSlots; ++k)
        m_session->formSlots().clear(k);
    setMessageHandler(nullptr);
    delete F_Message;
    delete FMain; // its child forms go with it
    // Last: the settings forms reach the view through their host until they are gone.
    m_view.reset();
}

} // namespace talix::app
