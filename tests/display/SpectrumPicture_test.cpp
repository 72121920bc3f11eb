#include "display/spectrum/SpectrumPicture.h"
#include "display/spectrum/WaterfallPicture.h"
#include "display/support/SpectrumLines.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace talix::display;
using namespace talix::display::testing;

namespace {

constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kPink = 0xFFFFC0CB;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kRoyalBlue = 0xFF4169E1;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kMagenta = 0xFFFF00FF;

// A known line: 50 outside the passband 400..600, 100 inside it.
SpectrumBins knownLine() {
    SpectrumBins v = flatBins(50);
    for (int i = 400; i < 600; ++i)
        v[i] = 100;
    return v;
}

SpectrumSettings knownSettings() {
    SpectrumSettings s;
    s.binHz = 80;
    s.passbandLo = 400;
    s.passbandHi = 600;
    s.insideBright = 100;
    s.outsideBright = 100;
    s.gridBright = 0;
    return s;
}

QImage render(const SpectrumDisplay& d) {
    QImage img(SpectrumPicture::kWidth, SpectrumPicture::kHeight,
               QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    SpectrumPicture picture;
    QPainter p(&img);
    picture.paint(p, d);
    return img;
}

struct Rendered {
    SpectrumDisplay display;
    QImage image;
    explicit Rendered(const SpectrumSettings& s, const SpectrumBins& line = knownLine()) {
        display.RebuildGrid(s);
        display.PlaceThresholdLine(s);
        const LineBytes bytes = packLine(line);
        display.DrawSpectrumLine(bytes, s);
        image = render(display);
    }
    QRgb at(int x, int y) const { return image.pixel(x, y); }
};

bool isBackground(QRgb c) {
    // The gradient runs from #001967 at the top to black at the bottom.
    return qAlpha(c) == 255 && qRed(c) == 0 && qGreen(c) <= 0x19 && qBlue(c) <= 0x67;
}

TEST(SpectrumPicture, TraceColoursAndOutline) {
    const Rendered r(knownSettings());
    EXPECT_EQ(r.at(200, 300), kPink) << "outside fill";
    EXPECT_EQ(r.at(200, 271), kPink);
    EXPECT_TRUE(isBackground(r.at(200, 260))) << "above the outside trace";
    EXPECT_EQ(r.at(500, 300), kYellow) << "inside fill";
    EXPECT_EQ(r.at(500, 230), kYellow);
    EXPECT_TRUE(isBackground(r.at(500, 200))) << "above the inside trace";
    EXPECT_EQ(r.at(800, 300), kPink) << "outside again after the passband";
    EXPECT_EQ(r.at(0, 100), kYellow) << "outline";
    EXPECT_EQ(r.at(1025, 100), kYellow);
    EXPECT_EQ(r.at(500, 0), kYellow);
    EXPECT_EQ(r.at(500, 321), kYellow);
    EXPECT_EQ(r.at(400, 100), kRed) << "passband start mark";
    EXPECT_EQ(r.at(600, 100), kRed) << "passband end mark";
    EXPECT_TRUE(isBackground(r.at(65, 100))) << "grid brightness 0";
}

TEST(SpectrumPicture, GradientRunsFromBlueAtTheTopToBlackAtTheBottom) {
    SpectrumSettings s = knownSettings();
    const Rendered r(s, flatBins(0));
    const QRgb top = r.at(300, 1);
    const QRgb bottom = r.at(300, 319);
    EXPECT_GT(qBlue(top), 0x60);
    EXPECT_LT(qBlue(bottom), 0x08);
}

TEST(SpectrumPicture, HalfBrightFillsBlendWithTheBackground) {
    SpectrumSettings s = knownSettings();
    s.outsideBright = 50;
    s.insideBright = 0;
    const Rendered r(s);
    const QRgb c = r.at(200, 310);
    EXPECT_NEAR(qRed(c), 0xFF / 2, 3);
    EXPECT_EQ(r.at(200, 320 - 50), kPink) << "the trace's outline stays opaque";
    EXPECT_TRUE(isBackground(r.at(500, 300))) << "inside not filled at brightness 0";
    EXPECT_EQ(r.at(500, 220), kYellow) << "but outlined";
    EXPECT_TRUE(isBackground(r.at(400, 100))) << "marks take the inside brightness";
}

TEST(SpectrumPicture, GridNotchThresholdAndAgcLines) {
    SpectrumSettings s = knownSettings();
    s.gridBright = 100;
    s.notchWidth = 10;
    s.modeIndex = 3;
    s.markerLo = 800;
    s.markerHi = 850;
    s.threshold = 200; // row 80
    s.topLevel = 190;
    s.dbPerDiv = 10;
    s.agcLimit = 1;
    s.agcLevelRow = 0;
    const Rendered r(s);
    EXPECT_EQ(r.at(65, 100), kYellow) << "vertical grid line at 65.5";
    EXPECT_EQ(r.at(300, 41), kYellow) << "horizontal grid line at 41.5";
    EXPECT_EQ(r.at(820, 100), kRoyalBlue) << "notch rectangle";
    // The rectangle is filled after the marks, so its right edge column may cover that mark.
    EXPECT_EQ(r.at(800, 100), kRed) << "notch mark";
    EXPECT_TRUE(isBackground(r.at(852, 100))) << "right of the rectangle";
    EXPECT_EQ(r.at(500, 240), kBlue) << "threshold line over the trace";
    EXPECT_EQ(r.at(300, 240), kBlue);
    EXPECT_EQ(r.at(700, 320), kMagenta) << "AGC level 0 on the bottom edge";
}

TEST(SpectrumPicture, LinesThatAreNotDrawn) {
    SpectrumSettings s = knownSettings();
    s.notchWidth = 10;
    s.modeIndex = 8; // FM-W: no notch
    s.markerLo = 800;
    s.markerHi = 850;
    s.agcLimit = 1;
    s.agcLevelRow = 320; // above the display
    s.dbPerDiv = 1;      // no threshold line
    const Rendered r(s);
    EXPECT_TRUE(isBackground(r.at(820, 100)));
    EXPECT_TRUE(isBackground(r.at(800, 100)));
    for (int y = 1; y < 321; ++y) {
        const QRgb c = r.at(300, y);
        ASSERT_NE(c, kBlue) << y;
        ASSERT_NE(c, kMagenta) << y;
    }
    s.modeIndex = 3;
    s.agcLimit = 0;
    s.agcLevelRow = 100;
    const Rendered off(s);
    EXPECT_EQ(off.at(820, 100), kRoyalBlue);
    EXPECT_NE(off.at(300, 220), kMagenta) << "AGC line off while AgcLimit is 0";
}

TEST(SpectrumPicture, EmptyPassbandIsAllPink) {
    SpectrumSettings s = knownSettings();
    s.passbandLo = s.passbandHi = 500;
    s.insideBright = 0; // no passband marks either
    const Rendered r(s);
    for (int y = 1; y < 321; ++y)
        for (int x = 1; x < 1025; ++x)
            ASSERT_NE(r.at(x, y), kYellow) << x << "," << y;
    EXPECT_EQ(r.at(500, 300), kPink);
}

TEST(SpectrumPicture, ZeroLineDrawsTheBottomRowOnly) {
    const Rendered r(knownSettings(), flatBins(0));
    EXPECT_EQ(r.at(200, 320), kPink);
    EXPECT_EQ(r.at(500, 320), kYellow);
    EXPECT_TRUE(isBackground(r.at(200, 319)));
    EXPECT_TRUE(isBackground(r.at(500, 319)));
}

TEST(SpectrumPicture, OverlayFollowsChangedMarks) {
    SpectrumSettings s = knownSettings();
    SpectrumDisplay d;
    d.RebuildGrid(s);
    const LineBytes bytes = packLine(knownLine());
    d.DrawSpectrumLine(bytes, s);
    SpectrumPicture picture;
    QImage img(SpectrumPicture::kWidth, SpectrumPicture::kHeight,
               QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&img);
        picture.paint(p, d);
    }
    EXPECT_EQ(img.pixel(400, 100), kRed);
    s.passbandLo = 300;
    d.DrawSpectrumLine(bytes, s);
    {
        QPainter p(&img);
        picture.paint(p, d);
    }
    EXPECT_EQ(img.pixel(300, 100), kRed);
    EXPECT_TRUE(isBackground(img.pixel(400, 100)));
}

// What the picture reports as changed: nothing while the display stays as it is (a repaint for a
// form closing above it), the new peak's strip after a line, everything after new marks, and the
// difference to another display that has seen as many changes.
TEST(SpectrumPicture, ReportsWhatChangedSinceItWasLastBroughtUp) {
    const SpectrumSettings s = knownSettings();
    SpectrumDisplay d;
    d.RebuildGrid(s);
    d.DrawSpectrumLine(packLine(knownLine()), s);
    SpectrumPicture picture;
    const QRect whole(0, 0, SpectrumPicture::kWidth, SpectrumPicture::kHeight);
    EXPECT_EQ(picture.update(d), QRegion(whole));
    EXPECT_TRUE(picture.update(d).isEmpty());

    SpectrumBins peak = knownLine();
    peak[700] = 250;
    d.DrawSpectrumLine(packLine(peak), s);
    const QRect changed = picture.update(d).boundingRect();
    EXPECT_TRUE(changed.contains(700, 320 - 250)) << changed.x() << "," << changed.y();
    EXPECT_LT(changed.width(), 200);
    EXPECT_TRUE(picture.update(d).isEmpty());

    d.PlaceThresholdLine(s);
    EXPECT_TRUE(picture.update(d).isEmpty()) << "the same threshold row";
    SpectrumSettings lower = s;
    lower.gridBright = 40;
    d.RebuildGrid(lower);
    EXPECT_EQ(picture.update(d), QRegion(whole));

    SpectrumDisplay other;
    other.RebuildGrid(s);
    other.DrawSpectrumLine(packLine(knownLine()), s);
    other.DrawSpectrumLine(packLine(knownLine()), s);
    other.PlaceThresholdLine(s);
    other.RebuildGrid(lower);
    ASSERT_EQ(other.generation(), d.generation());
    EXPECT_TRUE(picture.update(other).boundingRect().contains(700, 320 - 250));
}

// A new row repaints only the inside of the panel; over what the panel showed before, that must
// give the whole new panel. An area that reaches the edge gets the outline.
TEST(WaterfallPicture, RepaintingTheInsideAfterANewRowGivesTheWholePanel) {
    WaterfallImage w;
    const WaterfallPalette palette;
    const auto canvas = [] {
        QImage img(WaterfallPicture::kWidth, WaterfallPicture::kHeight,
                   QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::white);
        return img;
    };
    w.advance(flatBins(140), kSpectrumBins, 0, palette);
    QImage shown = canvas();
    {
        QPainter p(&shown);
        WaterfallPicture::paint(p, w);
    }
    w.advance(flatBins(300), kSpectrumBins, 0, palette);
    {
        QPainter p(&shown);
        WaterfallPicture::paint(p, w, WaterfallPicture::kInside);
    }
    QImage whole = canvas();
    {
        QPainter p(&whole);
        WaterfallPicture::paint(p, w);
    }
    EXPECT_EQ(shown, whole);

    QImage edge = canvas();
    {
        QPainter p(&edge);
        WaterfallPicture::paint(p, w, QRect(0, 100, 4, 4));
    }
    EXPECT_EQ(edge.pixel(0, 100), kYellow);
    EXPECT_EQ(edge.pixel(1025, 200), kYellow) << "the outline is drawn whole";
}

TEST(WaterfallPicture, OutlineAndNewestRowOnTop) {
    WaterfallImage w;
    WaterfallPalette palette;
    SpectrumBins v = flatBins(140);
    v[1023] = 320;
    w.advance(flatBins(0), kSpectrumBins, 0, palette);
    w.advance(v, kSpectrumBins, 0, palette);
    QImage img(WaterfallPicture::kWidth, WaterfallPicture::kHeight,
               QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        WaterfallPicture::paint(p, w);
    }
    EXPECT_EQ(img.pixel(0, 100), kYellow);
    EXPECT_EQ(img.pixel(1025, 100), kYellow);
    EXPECT_EQ(img.pixel(500, 0), kYellow);
    EXPECT_EQ(img.pixel(500, 321), kYellow);
    EXPECT_EQ(img.pixel(1, 1), qRgb(0, 255, 63)) << "bin 0 of the newest row";
    EXPECT_EQ(img.pixel(1024, 1), qRgb(255, 0, 0)) << "bin 1023";
    EXPECT_EQ(img.pixel(1, 2), qRgb(0, 0, 0)) << "the row before: black at value 0";
    EXPECT_EQ(img.pixel(500, 320), qRgb(0, 0, 0));
}

} // namespace
