#pragma once

namespace talix::dab {

// The slide's zoom: a double tap on RMOT switches its scale between 1 and 1.54, from exactly 1 to
// 1.54 and from anything else back to 1.
constexpr double kSlideZoom = 1.54;
constexpr double nextSlideScale(double scale) {
    return scale == 1.0 ? kSlideZoom : 1.0;
}

} // namespace talix::dab
