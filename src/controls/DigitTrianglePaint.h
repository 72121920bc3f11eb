#pragma once

class QWidget;

namespace talix::controls {

// Panel9Paint: the yellow triangle under the step readout, pointing up at the digit tuneDigit.
void paintDigitTriangle(QWidget* panel9, int tuneDigit);

} // namespace talix::controls
