#pragma once

#include "display/spectrum/SpectrumLine.h"
#include "display/spectrum/WaterfallColour.h"

#include <QImage>
#include <QPoint>

class QPainter;

namespace talix::display {

// The waterfall picture: 320 rows of 1024 pixels, newest row on top. The rows live in a ring, so
// that advancing writes one row and never moves old ones; painting copies the ring in two pieces
// so that the newest row appears on top.
class WaterfallImage {
public:
    static constexpr int kWidth = kSpectrumBins;
    static constexpr int kHeight = kDisplayRows;

    WaterfallImage();

    // Moves the picture down one row (the oldest row drops out) and fills the new top row from the
    // first `binCount` values: bin i goes to x = trunc(i + shift), pixels outside the row are
    // skipped, and pixels no bin reaches stay black.
    void advance(const SpectrumBins& values, int binCount, double shift,
                 const WaterfallPalette& palette);

    // Draws the picture with its top-left corner at `at`, newest row on top.
    void paint(QPainter& painter, QPoint at) const;

    // The colour of column x in row `row` (0 = newest) as painted.
    QRgb pixel(int x, int row) const;

private:
    QImage m_image;
    int m_top = 0; // ring index of the newest row
};

} // namespace talix::display
