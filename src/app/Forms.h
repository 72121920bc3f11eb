#pragma once

#include "app/MainWindow.h"

#include <QWidget>
#include <memory>

namespace talix::app {

class TF_Message;
class SettingsBridge;

// The program's forms, one instance each, readable from every module of the application.
inline TFMain* FMain = nullptr;
inline QWidget* F_Setup = nullptr;
inline TF_Message* F_Message = nullptr;
inline QWidget* F_System = nullptr;
inline QWidget* F_Mike = nullptr;
inline QWidget* F_WiFi = nullptr;
inline QWidget* F_Memory = nullptr;
inline QWidget* F_Undo = nullptr;
inline QWidget* F_Recorder = nullptr;
inline QWidget* F_DAB = nullptr;
inline QWidget* F_Update = nullptr;
inline QWidget* F_Demods = nullptr;
inline QWidget* F_BWs = nullptr;
inline QWidget* F_Steps = nullptr;
inline QWidget* F_KAP = nullptr;

// Creates the fifteen forms in the start-up order (the message form is made available before the
// main window's FormCreate needs it) and tears them all down again, threads first. Tests may build
// and destroy a FormSet more than once.
class FormSet {
public:
    explicit FormSet(TFMain::Context context);
    ~FormSet();
    FormSet(const FormSet&) = delete;
    FormSet& operator=(const FormSet&) = delete;

    TFMain& main() const { return *FMain; }

private:
    // What the settings forms reach of the main window; outlives the forms.
    std::unique_ptr<SettingsBridge> m_settingsHost;
};

} // namespace talix::app
