#pragma once

#include <QRgb>
#include <vector>

class QLineEdit;
class QWidget;

namespace talix::display {

// The readout controls: the edits that take touches, the knob mark that lies over the knob, and
// the scale panels Panel4 to Panel7, which only show.
struct ReadoutControls {
    std::vector<QLineEdit*> edits;
    QWidget* S_Pitch = nullptr;
    std::vector<QWidget*> scales;
};

// Creates the main window's readout controls that do not exist yet (the 25 read-only edits, the
// scale panels Panel4 to Panel7 and the knob mark S_Pitch), each a direct child of `mainWindow`
// named after the control, with its Tag, clean repaint mark, place, pinned font and font colour.
// Readouts that exist already (found by name) keep their widget and get the same settings.
ReadoutControls createReadoutControls(QWidget* mainWindow);

// The colour a readout's text is drawn in (its "font colour"); readouts whose colour changes at
// run time (EDemod by the painter, EFreq2 by the board) change it here.
QRgb fontColourOf(const QWidget* control);
void setFontColour(QWidget* control, QRgb colour);

} // namespace talix::display
