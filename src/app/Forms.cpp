#include "app/Forms.h"

#include "app/FormShell.h"
#include "app/MainWindowItems.h"
#include "app/MessageForm.h"
#include "app/SettingsBridge.h"
#include "base/MessageHook.h"
#include "controls/BandwidthList.h"
#include "controls/DemodList.h"
#include "controls/MainWindowHandlers.h"
#include "controls/StepList.h"
#include "controls/UndoBox.h"
#include "settings/SetupForm.h"

namespace talix::app {

namespace {

// Designed size, fill and heading of the forms whose contents are built elsewhere or still to come.
const TFormShell::Design kSystem{"F_System", {1233, 867}, QColor(0x9400D3), "System", true};
const TFormShell::Design kMike{"F_Mike", {1690, 520}, QColor(0x3CB371), "Microphone", true};
const TFormShell::Design kWiFi{"F_WiFi", {455, 736}, QColor(0xB22222), "WiFi Configuration", true};
const TFormShell::Design kMemory{"F_Memory", {1440, 829}, QColor(0x008080), "Memory", true};
const TFormShell::Design kRecorder{"F_Recorder", {552, 736}, QColor(0x87CEFA), "Recorder", true};
const TFormShell::Design kDAB{"F_DAB", {1282, 703}, QColor(0x8B0000), "DAB", true};
const TFormShell::Design kUpdate{
    "F_Update", {776, 756}, QColor(0xC71585), "Software Update", false};
const TFormShell::Design kKAP{"F_KAP", {477, 535}, QColor(0x4682B4), "KAP Control", true};

QWidget* shell(const TFormShell::Design& design, QWidget* parent) {
    return new TFormShell(design, parent);
}

// The queue and the receiver state of the main window, for the forms that outlive them.
link::TCommandQueue* mainQueue() {
    return FMain ? FMain->commandQueue() : nullptr;
}
sync::ReceiverState* mainState() {
    return FMain && FMain->items() ? &FMain->items()->state() : nullptr;
}

} // namespace

FormSet::FormSet(TFMain::Context context) {
    // The message form must exist before the main window's FormCreate can report a failure.
    F_Message = new TF_Message();
    setMessageHandler([](const QString& text, bool offerShutdown) {
        return F_Message ? F_Message->ask(text, offerShutdown) : 0;
    });
    FMain = new TFMain(std::move(context));
    // Created only here; the main window's FormCreate hands it to the receive thread.
    F_Update = shell(kUpdate, FMain);

    m_settingsHost = std::make_unique<SettingsBridge>(*FMain);
    F_Setup = new settings::TF_Setup(*m_settingsHost, FMain);
    F_System = shell(kSystem, FMain);
    F_Mike = shell(kMike, FMain);
    F_WiFi = shell(kWiFi, FMain);
    F_Memory = shell(kMemory, FMain);
    auto* undo = new controls::TF_Undo(mainQueue, mainState, FMain);
    undo->setWheelHandler([](int delta) {
        if (FMain && FMain->handlers())
            FMain->handlers()->S_GeberMouseWheel(delta);
    });
    F_Undo = undo;
    F_Recorder = shell(kRecorder, FMain);
    F_DAB = shell(kDAB, FMain);
    F_Demods = new controls::TF_Demods(mainQueue, FMain);
    F_BWs = new controls::TF_BWs(mainQueue, mainState, FMain);
    F_Steps = new controls::TF_Steps(mainQueue, FMain);
    F_KAP = shell(kKAP, FMain);
    FMain->FormCreate();
}

FormSet::~FormSet() {
    FMain->FormDestroy();
    delete FMain; // its child forms go with it
    FMain = nullptr;
    for (QWidget** form : {&F_Setup, &F_System, &F_Mike, &F_WiFi, &F_Memory, &F_Undo, &F_Recorder,
                           &F_DAB, &F_Update, &F_Demods, &F_BWs, &F_Steps, &F_KAP})
        *form = nullptr;
    setMessageHandler(nullptr);
    delete F_Message;
    F_Message = nullptr;
}

} // namespace talix::app
