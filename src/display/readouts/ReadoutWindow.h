#pragma once

#include "display/readouts/ReadoutControls.h"

class QWidget;

namespace talix::display {

class MeterBox;

struct ReadoutDisplay {
    MeterBox* RPegel = nullptr;
    ReadoutControls controls;
};

// Everything the main window shows as the board reports it, built once on the main window: the
// readout controls, their captions and unit labels, and the status block.
ReadoutDisplay createReadoutDisplay(QWidget* mainWindow);

} // namespace talix::display
