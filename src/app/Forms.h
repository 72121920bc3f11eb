#pragma once

#include "app/HostControls.h"
#include "app/MainWindow.h"
#include "app/MainWindowView.h"
#include "app/MessageForm.h"
#include "app/ProgramContext.h"
#include "controls/BandwidthList.h"
#include "controls/DemodList.h"
#include "controls/MainWindowHandlers.h"
#include "controls/StepList.h"
#include "controls/UndoBox.h"
#include "dab/DabForm.h"
#include "memory/MemoryForm.h"
#include "recorder/RecorderForm.h"
#include "rotator/RotatorForm.h"
#include "session/Session.h"
#include "settings/MikeForm.h"
#include "settings/SetupForm.h"
#include "settings/SystemForm.h"
#include "settings/WiFiForm.h"
#include "update/UpdateForm.h"

#include <memory>

namespace talix::display {
class ReadoutPainter;
}
namespace talix::recorder {
class RecordButton;
}
namespace talix::rigctl {
class RigctlServer;
}

namespace talix::app {

class SettingsBridge;
class UpdateFormWatch;

// The running program, built in one place: the session, the fifteen forms, each handed what it
// uses, and around the main window its host controls, its view of the session, the readout painter
// and the handlers of its controls. The constructor does what the main window's FormCreate does, in
// its order: the audio device opens, and only with it the session's threads start (sender,
// receive thread, painter) and the handlers are made. The destructor (FormDestroy) stops the
// threads first. Tests may build and destroy a FormSet more than once.
class FormSet {
public:
    explicit FormSet(ProgramContext context);
    ~FormSet();
    FormSet(const FormSet&) = delete;
    FormSet& operator=(const FormSet&) = delete;

    TFMain& main() const { return *FMain; }
    session::Session& session() const { return *m_session; }
    // OFF, touch lock, brightness and battery.
    HostControls& hostControls() const { return *m_host; }
    // What the board's words show on the main window.
    MainWindowView& view() const { return *m_view; }
    // The handlers of the operating controls; nullptr when start-up stopped without audio, and so
    // without a link.
    controls::MainWindowHandlers* handlers() const { return m_handlers.get(); }

    // The forms, by the names the board's words and the user know them by. The main window owns
    // the secondary forms as its children.
    TF_Message* F_Message = nullptr;
    TFMain* FMain = nullptr;
    settings::TF_Setup* F_Setup = nullptr;
    settings::TF_System* F_System = nullptr;
    settings::TF_Mike* F_Mike = nullptr;
    settings::TF_WiFi* F_WiFi = nullptr;
    memory::TF_Memory* F_Memory = nullptr;
    controls::TF_Undo* F_Undo = nullptr;
    recorder::TF_Recorder* F_Recorder = nullptr;
    dab::TF_DAB* F_DAB = nullptr;
    update::TF_Update* F_Update = nullptr;
    controls::TF_Demods* F_Demods = nullptr;
    controls::TF_BWs* F_BWs = nullptr;
    controls::TF_Steps* F_Steps = nullptr;
    rotator::TF_KAP* F_KAP = nullptr;

private:
    void createForms(const ProgramContext& context);
    void fillFormSlots();
    void createHandlers();
    void startControlPort(const Endpoint& at);
    void FormDestroy();
    void wheel(int delta);

    std::unique_ptr<session::Session> m_session;
    // What the settings forms reach of the main window; outlives the forms.
    std::unique_ptr<SettingsBridge> m_settingsHost;
    std::unique_ptr<HostControls> m_host;
    std::unique_ptr<display::ReadoutPainter> m_readouts;
    std::unique_ptr<MainWindowView> m_view;
    std::unique_ptr<UpdateFormWatch> m_updateWatch;
    std::unique_ptr<controls::MainWindowHandlers> m_handlers;
    // B_Rec and E_File as the recording shows them.
    std::unique_ptr<recorder::RecordButton> m_recordButton;
    // The network control port, when asked for; it goes before the session stops.
    std::unique_ptr<rigctl::RigctlServer> m_rigctl;
};

} // namespace talix::app
