#pragma once

#include "display/readouts/ReadoutLayout.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

namespace talix::controls {
class MainControls;
} // namespace talix::controls
namespace talix::display {
class SpectrumScreen;
} // namespace talix::display

namespace talix::app {

// TFMain: the main window: its controls, the spectrum and waterfall, and TFieldTable, the readouts
// by Tag. It knows no session; FormSet builds and starts what works around it.
class TFMain : public QWidget {
    Q_OBJECT
public:
    // `framed`: a window with the desktop's frame (--windowed) rather than a frameless one;
    // `beginClosing` starts the session's shutdown when the program ends.
    TFMain(std::function<void()> beginClosing, bool framed);
    ~TFMain() override;

    controls::MainControls* controls() const { return m_controls.get(); }
    // The spectrum Panel2 and the waterfall Panel3 with their tick strip and side marks.
    display::SpectrumScreen* spectrum() const { return m_spectrum.get(); }
    std::array<QWidget*, display::kFieldTableSize> TFieldTable{};

    // Ends the program in order (threads, then forms); the host stays on.
    void endProgram();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillFieldTable();

    std::function<void()> m_beginClosing;
    std::unique_ptr<controls::MainControls> m_controls;
    std::unique_ptr<display::SpectrumScreen> m_spectrum;
};

} // namespace talix::app
