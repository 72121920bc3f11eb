#include "display/spectrum/SpectrumTrace.h"
#include "display/spectrum/WaterfallImage.h"
#include "display/support/SpectrumLines.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace talix::display;
using namespace talix::display::testing;

namespace {

constexpr QRgb kBlack = 0xFF000000;

TEST(WaterfallImage, StartsBlack) {
    const WaterfallImage w;
    EXPECT_EQ(w.pixel(0, 0), kBlack);
    EXPECT_EQ(w.pixel(1023, 319), kBlack);
}

TEST(WaterfallImage, NewestRowOnTopOldRowsMoveDown) {
    WaterfallPalette palette; // window 5..70
    WaterfallImage w;
    w.advance(flatBins(140), kSpectrumBins, 0, palette);
    w.advance(flatBins(320), kSpectrumBins, 0, palette);
    EXPECT_EQ(w.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(w.pixel(1023, 0), qRgb(255, 0, 0));
    EXPECT_EQ(w.pixel(0, 1), qRgb(0, 255, 63));
    EXPECT_EQ(w.pixel(500, 2), kBlack);
}

TEST(WaterfallImage, OldestRowDropsOutAfter320Rows) {
    WaterfallPalette palette;
    palette.setWindow(0, 1);
    WaterfallImage w;
    // Rows of values 2, 4, 6, ... so that each row's colour tells which advance wrote it.
    const int advances = 330;
    for (int k = 1; k <= advances; ++k)
        w.advance(flatBins(uint16_t(2 * (k % 160) + 2)), kSpectrumBins, 0, palette);
    for (int row : {0, 1, 9, 10, 200, 319}) {
        const int k = advances - row;
        EXPECT_EQ(w.pixel(7, row), palette[uint16_t(2 * (k % 160) + 2)]) << "row " << row;
    }

    QImage painted(WaterfallImage::kWidth, WaterfallImage::kHeight, QImage::Format_RGB32);
    painted.fill(Qt::white);
    {
        QPainter p(&painted);
        w.paint(p, QPoint(0, 0));
    }
    for (int row = 0; row < WaterfallImage::kHeight; ++row)
        ASSERT_EQ(painted.pixel(300, row), w.pixel(300, row)) << "row " << row;
}

TEST(WaterfallImage, ShiftedRowLeavesTheLeftBlack) {
    WaterfallPalette palette;
    SpectrumBins v = flatBins(320);
    v[0] = 140;
    WaterfallImage w;
    w.advance(flatBins(200), kSpectrumBins, 0, palette);
    w.advance(v, 928, 96, palette);
    EXPECT_EQ(w.pixel(0, 0), kBlack);
    EXPECT_EQ(w.pixel(95, 0), kBlack);
    EXPECT_EQ(w.pixel(96, 0), qRgb(0, 255, 63)) << "bin 0";
    EXPECT_EQ(w.pixel(1023, 0), qRgb(255, 0, 0)) << "bin 927";
}

TEST(WaterfallImage, FractionalShiftTruncates) {
    WaterfallPalette palette;
    SpectrumBins v = flatBins(0);
    v[0] = 320;
    v[1] = 140;
    WaterfallImage w;
    w.advance(v, kSpectrumBins, -0.5, palette); // bins 0 and 1 both land on x = 0
    EXPECT_EQ(w.pixel(0, 0), qRgb(0, 255, 63));
    EXPECT_EQ(w.pixel(1023, 0), kBlack) << "no bin reaches the last column";

    WaterfallImage w2;
    w2.advance(v, shownBinCount(2.7), 2.7, palette);
    EXPECT_EQ(w2.pixel(1, 0), kBlack);
    EXPECT_EQ(w2.pixel(2, 0), qRgb(255, 0, 0));
    EXPECT_EQ(w2.pixel(3, 0), qRgb(0, 255, 63));
}

} // namespace
