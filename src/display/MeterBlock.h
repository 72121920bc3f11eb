#pragma once

class QWidget;

namespace talix::display {

class MeterBox;

// Builds the status block at the upper right of the main window: the background Rectangle4, the
// meter box RPegel with its scales, the dBm scale numbers, the three level texts, the three bars
// with their values and captions, and the RDS, GPS and clock lines with their captions, at their
// places, sizes, fonts and colours. Labels and bars that exist already (found by name) are placed
// and styled instead of created again. Returns RPegel.
MeterBox* createStatusBlock(QWidget* mainWindow);

} // namespace talix::display
