#pragma once

#include "sync/ItemEffect.h"
#include "sync/MainControl.h"

#include <QRgb>
#include <array>
#include <variant>

class QAbstractButton;
class QAbstractSlider;
class QLabel;
class QLineEdit;
class QProgressBar;
class QWidget;

namespace talix::controls {
class ArrowIndicator;
}
namespace talix::display {
class MeterBox;
}

namespace talix::app {

// The main-window controls that the board's items change directly, each held by its own type,
// taken once when the window is built. A change goes straight to the control of its type: a text
// to a label, button or readout, a move to a bar, a rotation to the arrow. The main window owns the
// controls and outlives the targets' use.
class ControlTargets {
public:
    explicit ControlTargets(QWidget& mainWindow);

    void apply(const sync::ControlChange& change) const;
    // Every control of the table was found (a control renamed on the window is not).
    bool complete() const;

private:
    using Target =
        std::variant<std::monostate, QLabel*, QAbstractButton*, QLineEdit*, QProgressBar*,
                     QAbstractSlider*, display::MeterBox*, controls::ArrowIndicator*, QWidget*>;
    static Target typed(QWidget* w);

    std::array<Target, sync::kMainControls> m_targets;
};

// The font colour of a label, a button or a readout (whose text the painter draws).
void setFontColour(QWidget* control, QRgb argb);

} // namespace talix::app
