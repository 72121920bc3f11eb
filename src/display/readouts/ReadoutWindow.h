#pragma once

class QWidget;

namespace talix::display {

class MeterBox;

// Everything the main window shows as the board reports it, built once on the main window: the
// readout controls, their captions and unit labels, and the status block. Returns RPegel.
MeterBox* createReadoutDisplay(QWidget* mainWindow);

} // namespace talix::display
