#pragma once

class QWidget;

namespace talix::controls {

// Enables or disables the window's own controls, its direct children; its secondary forms are
// windows of their own and are left alone. Disabling never hands the input focus on: Qt would
// otherwise move it from a control being disabled to the next one, and a readout receiving the
// focus that way would select itself on the board as if it had been touched.
void setDirectControlsEnabled(QWidget& window, bool enabled);

} // namespace talix::controls
