#pragma once

#include "display/readouts/ReadoutLayout.h"

#include <QWidget>
#include <array>
#include <memory>

namespace talix::controls {
class MainControls;
} // namespace talix::controls
namespace talix::display {
class SpectrumScreen;
} // namespace talix::display
namespace talix::session {
class Session;
}

namespace talix::app {

// TFMain: the main window: its controls, the spectrum and waterfall, and TFieldTable, the readouts
// by Tag. It is a view of the session; FormSet builds and starts what works around it.
class TFMain : public QWidget {
    Q_OBJECT
public:
    // `framed`: a window with the desktop's frame (--windowed) rather than a frameless one.
    TFMain(session::Session& session, bool framed);
    ~TFMain() override;

    controls::MainControls* controls() const { return m_controls.get(); }
    // The spectrum Panel2 and the waterfall Panel3 with their tick strip and side marks.
    display::SpectrumScreen* spectrum() const { return m_spectrum.get(); }
    std::array<QWidget*, display::kFieldTableSize> TFieldTable{};
    session::Session& session() const { return m_session; }

    // Ends the program in order (threads, then forms); the host stays on.
    void endProgram();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillFieldTable();

    session::Session& m_session;
    std::unique_ptr<controls::MainControls> m_controls;
    std::unique_ptr<display::SpectrumScreen> m_spectrum;
};

} // namespace talix::app
