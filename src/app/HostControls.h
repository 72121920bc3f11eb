#pragma once

#include "controls/BrightnessBar.h"
#include "controls/TouchLock.h"
#include "host/HostServices.h"
#include "link/CommandPort.h"
#include "sync/FormSlots.h"

#include <QObject>
#include <QTimer>
#include <chrono>
#include <memory>

namespace talix::controls {
class MainControls;
}
namespace talix::dab {
class TF_DAB;
}

namespace talix::app {

class TFMain;

// The host's duties that the main window takes over: the OFF button, the touch lock, the display
// brightness and the battery display. Everything runs on the UI thread.
class HostControls : public QObject {
    Q_OBJECT
public:
    struct Timings {
        std::chrono::milliseconds battery{1111};           // Timer1
        std::chrono::milliseconds touchLockReenable{3000}; // Timer2
    };

    // What the host controls reach of the session: the brightness bar's commands, the forms the
    // touch lock closes, and the lock's state.
    struct Sources {
        link::CommandPort& commands;
        sync::FormSlots& forms;
        std::function<bool()> touchLocked;
        std::function<void(bool locked)> setTouchLocked;
    };

    // `dabForm` stays open, frozen, under the touch lock.
    HostControls(TFMain& main, Sources session, std::unique_ptr<host::HostServices> host,
                 Timings timings, dab::TF_DAB* dabForm);

    void B_OffClick();
    void Timer1Timer();

    host::HostServices& services() { return *m_host; }
    controls::BrightnessBar& brightness() { return m_brightness; }
    controls::TouchLock& touchLock() { return m_touchLock; }

    QTimer Timer1; // battery display

private:
    void closeBoardFormsBelowDab();

    TFMain& m_main;
    sync::FormSlots& m_forms;
    controls::MainControls& m_controls;
    std::unique_ptr<host::HostServices> m_host;
    controls::BrightnessBar m_brightness;
    controls::TouchLock m_touchLock;
};

} // namespace talix::app
