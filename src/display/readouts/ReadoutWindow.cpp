#include "display/readouts/ReadoutWindow.h"

#include "display/Fonts.h"
#include "display/MeterBlock.h"
#include "display/readouts/ReadoutCaptions.h"
#include "display/readouts/ReadoutControls.h"

namespace talix::display {

MeterBox* createReadoutDisplay(QWidget* mainWindow) {
    pinFonts();
    MeterBox* meter = createStatusBlock(mainWindow);
    createReadoutControls(mainWindow);
    createReadoutCaptions(mainWindow);
    return meter;
}

} // namespace talix::display
