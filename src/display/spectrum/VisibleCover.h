#pragma once

#include <QImage>
#include <QRect>
#include <vector>

namespace talix::display {

// Rectangles that together cover every pixel of a premultiplied ARGB image that is not fully
// transparent, and no pixel twice: the parts of an overlay worth blending. Rows with the same runs
// of visible pixels merge into one rectangle per run, so a grid of lines gives a few rectangles per
// cell edge rather than one per pixel row.
std::vector<QRect> visibleCover(const QImage& image);

} // namespace talix::display
