#pragma once

#include "display/spectrum/WaterfallImage.h"

#include <QRect>
#include <QRegion>

class QPainter;

namespace talix::display {

// Paints the waterfall panel (1026 x 322): the yellow outline and the picture inside it. The
// panel has no fill of its own; the picture covers all of its inside.
class WaterfallPicture {
public:
    static constexpr int kWidth = 1026;
    static constexpr int kHeight = 322;
    // Where the picture lies; a new row changes only this.
    static constexpr QRect kInside{1, 1, kWidth - 2, kHeight - 2};

    static void paint(QPainter& painter, const WaterfallImage& image);
    // Paints what of the panel lies in `area`, or more.
    static void paint(QPainter& painter, const WaterfallImage& image, const QRegion& area);
};

} // namespace talix::display
