#pragma once

#include <QSize>

namespace talix::app {

// The fixed layout of the main window, in layout pixels.
constexpr QSize kLayoutSize{1920, 1200};

// The factor that scales the whole layout to fit a screen whose usable area is `screen` (logical
// pixels): the full screen area when the window fills it, the area left by the desktop's panels
// when it is a window, which also needs room for its frame and title bar. A window's factor is
// rounded down to a twentieth so that text is drawn at a tidy size; 1 within a hundredth.
double fittedScale(QSize screen, bool windowed);

constexpr double kSmallestUsableScale = 0.25;
constexpr double kLargestUsableScale = 4.0;

} // namespace talix::app
