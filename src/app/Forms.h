#pragma once

#include "app/MainWindow.h"
#include "session/Session.h"

#include <QWidget>
#include <memory>
#include <vector>

namespace talix::sync {
class TSlotForm;
}

namespace talix::recorder {
class RecordButton;
}

namespace talix::app {

class TF_Message;
class SettingsBridge;

// The running program: the session, then the fifteen forms in the start-up order (the message
// form is made available before the main window's FormCreate needs it), each handed what it uses;
// torn down again with the session's threads first. Tests may build and destroy a FormSet more
// than once.
class FormSet {
public:
    explicit FormSet(TFMain::Context context);
    ~FormSet();
    FormSet(const FormSet&) = delete;
    FormSet& operator=(const FormSet&) = delete;

    TFMain& main() const { return *FMain; }
    session::Session& session() const { return *m_session; }

    // The forms, by the names the board's words and the user know them by. The main window owns
    // the secondary forms as its children.
    TF_Message* F_Message = nullptr;
    TFMain* FMain = nullptr;
    QWidget* F_Setup = nullptr;
    QWidget* F_System = nullptr;
    QWidget* F_Mike = nullptr;
    QWidget* F_WiFi = nullptr;
    QWidget* F_Memory = nullptr;
    QWidget* F_Undo = nullptr;
    QWidget* F_Recorder = nullptr;
    QWidget* F_DAB = nullptr;
    QWidget* F_Update = nullptr;
    QWidget* F_Demods = nullptr;
    QWidget* F_BWs = nullptr;
    QWidget* F_Steps = nullptr;
    QWidget* F_KAP = nullptr;

private:
    void fillFormSlots();

    std::unique_ptr<session::Session> m_session;
    // What the settings forms reach of the main window; outlives the forms.
    std::unique_ptr<SettingsBridge> m_settingsHost;
    // B_Rec and E_File as the recording shows them.
    std::unique_ptr<recorder::RecordButton> m_recordButton;
};

} // namespace talix::app
