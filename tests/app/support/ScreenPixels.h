#pragma once

#include <QImage>
#include <QRgb>

class QWidget;

namespace talix::testing {

// What reaches the screen at a control's place: its window rendered (with everything that covers
// or shows through the control) over the control's rectangle.
QImage onScreen(const QWidget* control);

// How many pixels of the image have exactly this colour (alpha ignored).
int pixelsOf(const QImage& image, QRgb colour);

// The colour at the image's centre.
QColor centreOf(const QImage& image);

} // namespace talix::testing
