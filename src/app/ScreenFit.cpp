#include "app/ScreenFit.h"

#include <algorithm>
#include <cmath>

namespace talix::app {

namespace {
constexpr int kFrameWidth = 16;  // left and right border together
constexpr int kFrameHeight = 48; // title bar and bottom border
} // namespace

double fittedScale(QSize screen, bool windowed) {
    if (screen.width() <= 0 || screen.height() <= 0)
        return 1.0;
    const int width = windowed ? screen.width() - kFrameWidth : screen.width();
    const int height = windowed ? screen.height() - kFrameHeight : screen.height();
    double scale =
        std::min(double(width) / kLayoutSize.width(), double(height) / kLayoutSize.height());
    if (windowed)
        scale = std::floor(scale * 20 + 1e-9) / 20;
    scale = std::clamp(scale, kSmallestUsableScale, kLargestUsableScale);
    return std::abs(scale - 1.0) < 0.01 ? 1.0 : scale;
}

} // namespace talix::app
