#include "display/spectrum/VisibleCover.h"

#include <utility>

namespace talix::display {

namespace {

using Runs = std::vector<std::pair<int, int>>; // [first, last] columns

Runs visibleRuns(const QRgb* row, int width) {
    Runs runs;
    for (int x = 0; x < width;) {
        if (row[x] == 0) {
            ++x;
            continue;
        }
        const int first = x;
        while (x < width && row[x] != 0)
            ++x;
        runs.emplace_back(first, x - 1);
    }
    return runs;
}

} // namespace

std::vector<QRect> visibleCover(const QImage& image) {
    std::vector<QRect> cover;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        return {image.rect()};
    Runs open;     // the runs of the rows since `openFrom`
    int openFrom = 0;
    const auto close = [&](int endRow) {
        for (const auto& [first, last] : open)
            cover.emplace_back(QPoint(first, openFrom), QPoint(last, endRow - 1));
    };
    for (int y = 0; y < image.height(); ++y) {
        Runs runs = visibleRuns(reinterpret_cast<const QRgb*>(image.constScanLine(y)),
                                image.width());
        if (runs == open)
            continue;
        close(y);
        open = std::move(runs);
        openFrom = y;
    }
    close(image.height());
    return cover;
}

} // namespace talix::display
