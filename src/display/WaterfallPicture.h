#pragma once

#include "display/WaterfallImage.h"

class QPainter;

namespace talix::display {

// Paints the waterfall panel (1026 x 322): the yellow outline and the picture inside it. The
// panel has no fill of its own; the picture covers all of its inside.
class WaterfallPicture {
public:
    static constexpr int kWidth = 1026;
    static constexpr int kHeight = 322;

    static void paint(QPainter& painter, const WaterfallImage& image);
};

} // namespace talix::display
