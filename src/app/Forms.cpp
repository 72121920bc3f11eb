#include "app/Forms.h"

#include "app/FormShell.h"
#include "app/MessageForm.h"
#include "app/SettingsBridge.h"
#include "app/SlotFormShell.h"
#include "base/BoardWords.h"
#include "base/MessageHook.h"
#include "controls/BandwidthList.h"
#include "controls/DemodList.h"
#include "controls/MainWindowHandlers.h"
#include "controls/StepList.h"
#include "controls/UndoBox.h"
#include "dab/DabForm.h"
#include "memory/MemoryForm.h"
#include "session/Session.h"
#include "settings/SetupForm.h"

namespace talix::app {

namespace {

// Designed size, fill and heading of the forms whose contents are built elsewhere or still to come.
const TFormShell::Design kSystem{"F_System", {1233, 867}, QColor(0x9400D3), "System", true};
const TFormShell::Design kMike{"F_Mike", {1690, 520}, QColor(0x3CB371), "Microphone", true};
const TFormShell::Design kWiFi{"F_WiFi", {455, 736}, QColor(0xB22222), "WiFi Configuration", true};
const TFormShell::Design kRecorder{"F_Recorder", {552, 736}, QColor(0x87CEFA), "Recorder", true};
const TFormShell::Design kUpdate{
    "F_Update", {776, 756}, QColor(0xC71585), "Software Update", false};
const TFormShell::Design kKAP{"F_KAP", {477, 535}, QColor(0x4682B4), "KAP Control", true};

QWidget* shell(const TFormShell::Design& design, QWidget* parent) {
    return new TFormShell(design, parent);
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
    F_Update = shell(kUpdate, FMain);

    const auto queue = [&s] { return &s.commands(); };
    const auto state = [&s] { return &s.state(); };
    m_settingsHost = std::make_unique<SettingsBridge>(*FMain, F_Update);
    F_Setup = new settings::TF_Setup(*m_settingsHost, FMain);
    F_System = shell(kSystem, FMain);
    F_Mike = shell(kMike, FMain);
    F_WiFi = shell(kWiFi, FMain);
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
    undo->setWheelHandler([main = FMain](int delta) {
        if (main->handlers())
            main->handlers()->S_GeberMouseWheel(delta);
    });
    F_Undo = undo;
    F_Recorder = shell(kRecorder, FMain);
    auto* dab = new dab::TF_DAB(queue, FMain);
    dab->setWheelHandler(wheel);
    F_DAB = dab;
    F_Demods = new controls::TF_Demods(queue, FMain);
    F_BWs = new controls::TF_BWs(queue, state, FMain);
    F_Steps = new controls::TF_Steps(queue, FMain);
    F_KAP = shell(kKAP, FMain);
    fillFormSlots();

    MainWindowForms forms;
    forms.update = F_Update;
    forms.dab = F_DAB;
    forms.rotator = F_KAP;
    forms.memory = F_Memory;
    forms.demods = qobject_cast<QDialog*>(F_Demods);
    forms.bandwidths = qobject_cast<QDialog*>(F_BWs);
    forms.steps = qobject_cast<QDialog*>(F_Steps);
    FMain->FormCreate(forms);
}

// The forms that take values from the board, by their TFormSlots index: a form that is a
// sync::TSlotForm itself, otherwise a shell that shows and closes it and passes its values by.
void FormSet::fillFormSlots() {
    using board::Form;
    const std::pair<Form, QWidget*> slotForms[] = {
        {Form::Setup, F_Setup},       {Form::System, F_System}, {Form::Undo, F_Undo},
        {Form::Microphone, F_Mike},   {Form::Memory, F_Memory}, {Form::WiFi, F_WiFi},
        {Form::Recorder, F_Recorder}, {Form::DAB, F_DAB}};
    for (auto [index, form] : slotForms) {
        if (auto* own = dynamic_cast<sync::TSlotForm*>(form)) {
            m_session->formSlots().set(board::number(index), own);
        } else {
            m_shells.push_back(std::make_unique<SlotFormShell>(*form));
            m_session->formSlots().set(board::number(index), m_shells.back().get());
        }
    }
}

FormSet::~FormSet() {
    FMain->FormDestroy();
    for (int k = 0; k < sync::TFormSlots::kSlots; ++k)
        m_session->formSlots().clear(k);
    delete FMain; // its child forms go with it
    setMessageHandler(nullptr);
    delete F_Message;
}

} // namespace talix::app
