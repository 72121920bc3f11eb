#include "display/spectrum/RasterBands.h"
#include "display/spectrum/VisibleCover.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace talix::display;

namespace {

// How often each pixel is covered.
std::vector<int> coverCount(QSize size, const std::vector<QRect>& rects) {
    std::vector<int> count(size_t(size.width() * size.height()), 0);
    for (const QRect& r : rects)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                ++count[size_t(y * size.width() + x)];
    return count;
}

TEST(VisibleCover, CoversEveryVisiblePixelOnceAndNoOther) {
    QImage overlay(200, 150, QImage::Format_ARGB32_Premultiplied);
    overlay.fill(Qt::transparent);
    {
        QPainter p(&overlay);
        p.setPen(QPen(QColor(255, 255, 0), 0));
        for (int x = 5; x < 200; x += 40)
            p.drawLine(QPointF(x + 0.5, 0.5), QPointF(x + 0.5, 149.5));
        for (int y = 10; y < 150; y += 40)
            p.drawLine(QPointF(0.5, y + 0.5), QPointF(199.5, y + 0.5));
        p.setOpacity(0.3);
        p.fillRect(QRect(60, 30, 25, 90), QColor(65, 105, 225));
    }
    const std::vector<QRect> cover = visibleCover(overlay);
    const std::vector<int> count = coverCount(overlay.size(), cover);
    for (int y = 0; y < overlay.height(); ++y)
        for (int x = 0; x < overlay.width(); ++x)
            ASSERT_EQ(count[size_t(y * overlay.width() + x)], overlay.pixel(x, y) != 0 ? 1 : 0)
                << x << "," << y;
    EXPECT_LT(cover.size(), 60u) << "rows with the same runs share rectangles";
}

TEST(VisibleCover, EmptyAndFullImages) {
    QImage image(30, 20, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    EXPECT_TRUE(visibleCover(image).empty());
    image.fill(Qt::red);
    EXPECT_EQ(visibleCover(image), std::vector<QRect>{image.rect()});
}

TEST(RasterBands, TallRectanglesAreCutIntoBandsThatCoverTheSamePixels) {
    const std::vector<QRect> rects{{3, 0, 1, 322}, {10, 5, 20, 64}, {40, 7, 5, 65}};
    std::vector<QRect> banded;
    appendInBands(rects, banded);
    for (const QRect& r : banded)
        EXPECT_LE(r.height(), kBandRows);
    EXPECT_EQ(coverCount({60, 330}, banded), coverCount({60, 330}, rects));
    EXPECT_EQ(banded.size(), 6u + 1u + 2u);
}

} // namespace
