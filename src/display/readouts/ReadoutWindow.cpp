#include "display/readouts/ReadoutWindow.h"

#include "display/Fonts.h"
#include "display/MeterBlock.h"
#include "display/readouts/ReadoutCaptions.h"
#include "display/readouts/ReadoutControls.h"

namespace talix::display {

ReadoutDisplay createReadoutDisplay(QWidget* mainWindow) {
    pinFonts();
    ReadoutDisplay made;
    made.RPegel = createStatusBlock(mainWindow);
    made.controls = createReadoutControls(mainWindow);
    createReadoutCaptions(mainWindow);
    return made;
}

} // namespace talix::display
