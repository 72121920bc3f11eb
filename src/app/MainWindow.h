#pragma once

#include "app/StartOptions.h"
#include "base/DriveMap.h"
#include "display/ReadoutLayout.h"
#include "link/ReceiveThread.h"

#include <QDialog>
#include <QWidget>
#include <array>
#include <chrono>
#include <memory>

namespace talix::controls {
class MainControls;
class MainWindowHandlers;
} // namespace talix::controls
namespace talix::display {
class ReadoutPainter;
class SpectrumScreen;
} // namespace talix::display
namespace talix::session {
class Session;
}

namespace talix::app {

class HostControls;
class MainWindowView;

// The forms the main window works with: it shows the pick-lists and the rotator form on touches,
// the memory keypad takes the readout touches while it is shown, the touch lock freezes the DAB
// list, and the update form's visibility changes what the board's greeting resets.
struct MainWindowForms {
    QWidget* update = nullptr;
    QWidget* dab = nullptr;
    QWidget* rotator = nullptr;
    QWidget* memory = nullptr;
    QDialog* demods = nullptr;
    QDialog* bandwidths = nullptr;
    QDialog* steps = nullptr;
};

// TFMain: the main window, a view of the session. FormCreate fills TFieldTable, starts the session
// and sets up the window's handlers; FormDestroy stops the session and releases them.
class TFMain : public QWidget {
    Q_OBJECT
public:
    struct Context {
        StartOptions options;
        DriveMap drives;
        link::ReceiveTimings receiveTimings;
        std::chrono::milliseconds senderWait{666};
        std::chrono::milliseconds painterWait{700};
        std::chrono::milliseconds batteryInterval{1111};   // Timer1
        std::chrono::milliseconds touchLockReenable{3000}; // Timer2
    };

    TFMain(const Context& context, session::Session& session);
    ~TFMain() override;

    void FormCreate(const MainWindowForms& forms);
    void FormDestroy();

    controls::MainControls* controls() const { return m_controls.get(); }
    // The spectrum Panel2 and the waterfall Panel3 with their tick strip and side marks.
    display::SpectrumScreen* spectrum() const { return m_spectrum.get(); }
    std::array<QWidget*, display::kFieldTableSize> TFieldTable{};
    session::Session& session() const { return m_session; }

    // OFF, touch lock, brightness and battery; present from FormCreate to FormDestroy.
    HostControls* hostControls() const { return m_host.get(); }
    // What the board's words show on this window; present from FormCreate to FormDestroy.
    MainWindowView* view() const { return m_view.get(); }
    // The handlers of the operating controls (S_GeberMouseWheel among them); present from
    // FormCreate to FormDestroy while there is a link.
    controls::MainWindowHandlers* handlers() const { return m_handlers.get(); }

    // The board's brightness report (main-window item 28, its value word): L_Bright, TB_Bright and
    // the host display's brightness follow it.
    void applyBrightnessReport(uint32_t valueWord);
    // One paint pass of the marked readouts.
    void paintReadouts();

    // Ends the program in order (threads, then forms); the host stays on.
    void endProgram();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fillFieldTable();
    void createHandlers(const MainWindowForms& forms);

    const Context m_context;
    session::Session& m_session;
    std::unique_ptr<controls::MainControls> m_controls;
    std::unique_ptr<display::SpectrumScreen> m_spectrum;
    std::unique_ptr<HostControls> m_host;
    std::unique_ptr<MainWindowView> m_view;
    std::unique_ptr<display::ReadoutPainter> m_readouts;
    std::unique_ptr<controls::MainWindowHandlers> m_handlers;
    QWidget* m_updateForm = nullptr;
    bool m_created = false;
    bool m_destroyed = false;
};

} // namespace talix::app
