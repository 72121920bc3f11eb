#pragma once

class QWidget;

namespace talix::display {

// Creates the readouts' captions and unit labels on the main window. The ones that other parts of
// the program rewrite (LGain, LGain_Unit, LThreshold_Unit, LETop, LEBot, LRefresh, Lms) carry those
// names; labels that exist already under such a name are placed and styled, keeping their text.
void createReadoutCaptions(QWidget* mainWindow);

} // namespace talix::display
