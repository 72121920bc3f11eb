#include "display/ReadoutWindow.h"

#include "display/Fonts.h"
#include "display/MeterBlock.h"
#include "display/ReadoutCaptions.h"
#include "display/ReadoutControls.h"

namespace talix::display {

MeterBox* createReadoutDisplay(QWidget* mainWindow) {
    pinFonts();
    MeterBox* meter = createStatusBlock(mainWindow);
    createReadoutControls(mainWindow);
    createReadoutCaptions(mainWindow);
    return meter;
}

} // namespace talix::display
