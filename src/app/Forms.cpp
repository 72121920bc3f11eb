#include "app/Forms.h"

#include "app/MessageForm.h"
#include "app/SettingsBridge.h"
#include "audio/AudioDeviceFactory.h"
#include "base/BoardWords.h"
#include "base/MessageHook.h"
#include "controls/BandwidthList.h"
#include "controls/DemodList.h"
#include "controls/MainControls.h"
#include "controls/MainWindowHandlers.h"
#include "controls/StepList.h"
#include "controls/UndoBox.h"
#include "dab/DabForm.h"
#include "memory/MemoryForm.h"
#include "recorder/RecordButton.h"
#include "recorder/RecorderForm.h"
#include "rotator/RotatorForm.h"
#include "session/Session.h"
#include "settings/MikeForm.h"
#include "settings/SetupForm.h"
#include "settings/SystemForm.h"
#include "settings/WiFiForm.h"
#include "update/UpdateForm.h"

#include <QPointer>

namespace talix::app {

namespace {

// Its records go straight to the link and the board's replies straight back to it.
QWidget* updateForm(const TFMain::Context& c, session::Session& s, QWidget* parent) {
    update::TF_Update::Context context;
    context.drives = c.drives;
    context.linkConnected = [&s] { return s.linkConnected(); };
    context.linkConnection = [&s] { return s.linkConnection(); };
    context.send = [&s](std::span<const uint8_t> record, uint64_t onConnection) {
        return s.writeUpdateRecord(record, onConnection);
    };
    auto* form = new update::TF_Update(std::move(context), parent);
    s.updateReplies().setReceiver(
        [form = QPointer<update::TF_Update>(form)](uint32_t reply) {
            if (form)
                form->updateReply(reply);
        });
    return form;
}

session::SessionSettings sessionSettingsOf(const TFMain::Context& c) {
    session::SessionSettings s;
    s.board = c.options.board;
    s.rotator = c.options.rotator;
    s.audio = c.options.audio;
    s.drives = c.drives;
    s.receiveTimings = c.receiveTimings;
    s.senderWait = c.senderWait;
    s.painterWait = c.painterWait;
    return s;
}

} // namespace

FormSet::FormSet(TFMain::Context context)
    : m_session(std::make_unique<session::Session>(sessionSettingsOf(context))) {
    session::Session& s = *m_session;
    // The message form must exist before the main window's FormCreate can report a failure.
    F_Message = new TF_Message();
    setMessageHandler([form = F_Message](const QString& text, bool offerShutdown) {
        return form->ask(text, offerShutdown);
    });
    FMain = new TFMain(context, s);
    F_Message->setParent(FMain, F_Message->windowFlags());
    F_Update = updateForm(context, s, FMain);

    const auto queue = [&s] { return &s.commands(); };
    const auto state = [&s] { return &s.state(); };
    m_settingsHost = std::make_unique<SettingsBridge>(*FMain, F_Update);
    F_Setup = new settings::TF_Setup(*m_settingsHost, FMain);
    F_System = new settings::TF_System(*m_settingsHost, FMain);
    F_Mike = new settings::TF_Mike(*m_settingsHost, FMain);
    F_WiFi = new settings::TF_WiFi(*m_settingsHost, FMain);
    const auto wheel = [main = FMain](int delta) {
        if (main->handlers())
            main->handlers()->S_GeberMouseWheel(delta);
    };
    auto* memory = new memory::TF_Memory(
        queue,
        [&s] {
            if (sync::TSlotForm* dab = s.formSlots().at(board::number(board::Form::DAB)))
                dab->closeForm();
        },
        FMain);
    memory->setWheelHandler(wheel);
    F_Memory = memory;
    auto* undo = new controls::TF_Undo(queue, state, FMain);
    undo->setWheelHandler(wheel);
    F_Undo = undo;
    recorder::TF_Recorder::Context recording;
    recording.queue = queue;
    recording.session = &s;
    recording.drives = context.drives;
    recording.playerDevice = [name = audio::recorderDeviceName(context.options.audio)] {
        return audio::createAudioDevice(name);
    };
    recording.wheel = wheel;
    F_Recorder = new recorder::TF_Recorder(std::move(recording), FMain);
    auto* dab = new dab::TF_DAB(queue, FMain);
    dab->setWheelHandler(wheel);
    F_DAB = dab;
    F_Demods = new controls::TF_Demods(queue, FMain);
    F_BWs = new controls::TF_BWs(queue, state, FMain);
    F_Steps = new controls::TF_Steps(queue, FMain);
    F_KAP = new rotator::TF_KAP(
        s.rotator(), s.commands(),
        [main = FMain] {
            if (main->controls())
                main->controls()->B_KAP->setFocus();
        },
        FMain);
    fillFormSlots();

    MainWindowForms forms;
    forms.update = F_Update;
    forms.dab = F_DAB;
    forms.rotator = F_KAP;
    forms.memory = F_Memory;
    forms.demods = qobject_cast<QDialog*>(F_Demods);
    forms.bandwidths = qobject_cast<QDialog*>(F_BWs);
    forms.steps = qobject_cast<QDialog*>(F_Steps);
    controls::MainControls& c = *FMain->controls();
    m_recordButton = std::make_unique<recorder::RecordButton>(
        recorder::RecordButton::Controls{c.B_Rec, c.E_File, c.B_Recorder, F_DAB},
        s.recordingSink());
    FMain->FormCreate(forms);
}

// The forms that take values from the board, by their TFormSlots index.
void FormSet::fillFormSlots() {
    using board::Form;
    const std::pair<Form, sync::TSlotForm*> slotForms[] = {
        {Form::Setup, dynamic_cast<sync::TSlotForm*>(F_Setup)},
        {Form::System, dynamic_cast<sync::TSlotForm*>(F_System)},
        {Form::Undo, dynamic_cast<sync::TSlotForm*>(F_Undo)},
        {Form::Microphone, dynamic_cast<sync::TSlotForm*>(F_Mike)},
        {Form::Memory, dynamic_cast<sync::TSlotForm*>(F_Memory)},
        {Form::WiFi, dynamic_cast<sync::TSlotForm*>(F_WiFi)},
        {Form::Recorder, dynamic_cast<sync::TSlotForm*>(F_Recorder)},
        {Form::DAB, dynamic_cast<sync::TSlotForm*>(F_DAB)}};
    for (auto [index, form] : slotForms)
        m_session->formSlots().set(board::number(index), form);
}

FormSet::~FormSet() {
    FMain->FormDestroy();
    m_recordButton.reset();
    for (int k = 0; k < sync::TFormSlots::kSlots; ++k)
        m_session->formSlots().clear(k);
    setMessageHandler(nullptr);
    delete F_Message;
    delete FMain; // its child forms go with it
}

} // namespace talix::app
