// The spectrum as the panel paints it against the plain way of drawing the same picture: the
// background and the whole overlay blended as one image each, every fill rectangle in one piece.
// The faster painting must give the screen the same pixels, for traces, brightnesses and marks of
// every kind.
#include "display/spectrum/SpectrumPicture.h"
#include "display/support/SpectrumLines.h"

#include <QLinearGradient>
#include <QPainter>
#include <gtest/gtest.h>
#include <random>

using namespace talix::display;
using namespace talix::display::testing;

namespace {

constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kPink = 0xFFFFC0CB;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kRoyalBlue = 0xFF4169E1;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kMagenta = 0xFFFF00FF;

double opacityOf(int percent) {
    return std::clamp(percent, 0, 100) / 100.0;
}

QPen pixelPen(QRgb colour) {
    return QPen(QColor::fromRgba(colour), 0);
}

void rowLine(QPainter& p, int row) {
    const double y = kBottomY - row;
    p.drawLine(QPointF(1.5, y), QPointF(1024.5, y));
}

void columnLine(QPainter& p, double x) {
    p.drawLine(QPointF(x, kBottomY), QPointF(x, 0.5));
}

void part(QPainter& p, const TracePart& t, QRgb colour, int brightness) {
    p.setPen(Qt::NoPen);
    if (brightness != 0 && !t.fill.empty()) {
        p.setOpacity(opacityOf(brightness));
        p.setBrush(QColor::fromRgba(colour));
        p.drawRects(t.fill.data(), int(t.fill.size()));
        p.setOpacity(1);
    }
    p.setBrush(QColor::fromRgba(colour));
    p.drawRects(t.outline.data(), int(t.outline.size()));
}

void paintPlainly(QPainter& p, const SpectrumDisplay& d) {
    const SpectrumSettings& s = d.settings();
    QImage background(SpectrumPicture::kWidth, SpectrumPicture::kHeight,
                      QImage::Format_ARGB32_Premultiplied);
    {
        QPainter b(&background);
        QLinearGradient fill(0, 0, 0, SpectrumPicture::kHeight);
        fill.setColorAt(0, QColor::fromRgba(0xFF001967));
        fill.setColorAt(1, Qt::black);
        b.fillRect(background.rect(), fill);
        b.setPen(pixelPen(kYellow));
        b.drawRect(QRectF(0.5, 0.5, SpectrumPicture::kWidth - 1, SpectrumPicture::kHeight - 1));
    }
    QImage overlay(background.size(), QImage::Format_ARGB32_Premultiplied);
    overlay.fill(Qt::transparent);
    {
        QPainter o(&overlay);
        const double shift = 0.5 + traceShift(s, d.gridOffset());
        if (s.gridBright != 0) {
            o.setOpacity(opacityOf(s.gridBright));
            o.strokePath(d.grid().gridPath, pixelPen(kYellow));
        }
        o.setPen(pixelPen(kRed));
        o.setOpacity(opacityOf(s.insideBright));
        columnLine(o, s.passbandLo + shift);
        columnLine(o, s.passbandHi + shift);
        if (s.notchWidth != 0 && s.modeIndex != 8) {
            columnLine(o, s.markerLo + shift);
            columnLine(o, s.markerHi + shift);
            if (s.outsideBright != 0) {
                o.setOpacity(opacityOf(s.outsideBright));
                o.fillPath(d.markerPath(), QColor::fromRgba(kRoyalBlue));
            }
        }
        if (d.thresholdRow() > 0 && d.thresholdRow() < kDisplayRows) {
            o.setOpacity(1);
            o.setPen(pixelPen(kBlue));
            rowLine(o, d.thresholdRow());
        }
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawImage(0, 0, background);
    part(p, d.trace().outside, kPink, s.outsideBright);
    part(p, d.trace().inside, kYellow, s.insideBright);
    p.drawImage(0, 0, overlay);
    if (s.agcLimit != 0 && s.agcLevelRow < kDisplayRows) {
        p.setPen(pixelPen(kMagenta));
        rowLine(p, s.agcLevelRow);
    }
}

// The panel's screen: opaque, as the backing store of a 24-bit display.
QImage screen() {
    QImage img(SpectrumPicture::kWidth, SpectrumPicture::kHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

// The panel drawn plainly on a fresh screen.
QImage plainlyDrawn(const SpectrumDisplay& d) {
    QImage img = screen();
    {
        QPainter p(&img);
        paintPlainly(p, d);
    }
    return img;
}

SpectrumBins noisyLine(uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(20, 90);
    SpectrumBins v{};
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = uint16_t(noise(random));
    for (int peak = 0; peak < 12; ++peak) { // carriers reaching up to the top and beyond
        const int at = std::uniform_int_distribution<int>(0, 1020)(random);
        v[size_t(at)] = uint16_t(std::uniform_int_distribution<int>(150, 340)(random));
    }
    return v;
}

struct Case {
    const char* name;
    int inside, outside, grid;
    int notchWidth;
    int agcRow;
    bool gridFollowsPassband;
};

class SameAsPlainDrawing : public ::testing::TestWithParam<Case> {};

// The case's settings, with the grid, the notch and the threshold line in place on `d`.
SpectrumSettings prepare(const Case& c, SpectrumDisplay& d) {
    SpectrumSettings s;
    s.binHz = 80;
    s.passbandLo = 380;
    s.passbandHi = 640;
    s.insideBright = c.inside;
    s.outsideBright = c.outside;
    s.gridBright = c.grid;
    s.notchWidth = c.notchWidth;
    s.modeIndex = 3;
    s.markerLo = 700;
    s.markerHi = 760;
    s.threshold = 200;
    s.topLevel = 190;
    s.dbPerDiv = 10;
    s.agcLimit = c.agcRow >= 0 ? 1 : 0;
    s.agcLevelRow = c.agcRow >= 0 ? c.agcRow : 0;
    if (c.gridFollowsPassband)
        s.settingsWord |= 0x80000000u;
    d.RebuildGrid(s);
    d.RebuildMarkerPath(s);
    d.PlaceThresholdLine(s);
    return s;
}

TEST_P(SameAsPlainDrawing, PixelForPixel) {
    const Case c = GetParam();
    SpectrumDisplay d;
    const SpectrumSettings s = prepare(c, d);
    SpectrumPicture picture;
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        d.DrawSpectrumLine(packLine(noisyLine(seed)), s);
        QImage fast = screen();
        {
            QPainter p(&fast);
            picture.paint(p, d);
        }
        ASSERT_EQ(fast, plainlyDrawn(d)) << c.name << " line " << seed;
    }
}

// Brings the picture up to the display and repaints `shown` only where it reports a change.
void repaintChanged(SpectrumPicture& picture, const SpectrumDisplay& d, QImage& shown) {
    const QRegion area = picture.update(d);
    QPainter p(&shown);
    picture.paint(p, area);
}

// A panel repainted line after line only where update() says shows, after every line, what a
// whole repaint shows: lines of noise and carriers, silence, a line over the top, and changes of
// the AGC line (onto the bottom row, off it, away and back), a brightness and the passband
// between them. Each change is followed by lines enough for the picture to put only the changed
// pixels in again.
TEST_P(SameAsPlainDrawing, RepaintingOnlyTheChangedAreaGivesTheWholePicture) {
    const Case c = GetParam();
    SpectrumDisplay d;
    SpectrumSettings s = prepare(c, d);
    SpectrumPicture partial;
    QImage shown = screen();
    SpectrumBins silence{};
    SpectrumBins overTheTop{};
    overTheTop.fill(400);
    for (int step = 0; step < 46; ++step) {
        SpectrumBins line = noisyLine(uint32_t(100 + step));
        if (step == 10 || step == 12)
            line = silence;
        if (step == 11)
            line = overTheTop;
        if (step == 14)
            s.agcLevelRow = (s.agcLevelRow + 37) % 320;
        if (step == 15)
            s.agcLevelRow = 0;
        if (step == 16)
            s.agcLevelRow = 150;
        if (step == 22 || step == 23) {
            s.agcLimit = s.agcLimit != 0 ? 0 : 1;
            s.agcLevelRow = uint16_t(180 + step);
        }
        if (step == 30)
            s.outsideBright = (s.outsideBright + 20) % 101;
        if (step == 38) {
            s.passbandLo = 200;
            s.passbandHi = 330;
        }
        d.DrawSpectrumLine(packLine(line), s);
        repaintChanged(partial, d, shown);
        QImage whole = screen();
        {
            SpectrumPicture fresh;
            QPainter p(&whole);
            fresh.paint(p, d);
        }
        ASSERT_EQ(shown, whole) << c.name << " line " << step;
    }
}

// The trace is built with the passband of its line, so after new marks the panel shows the old
// trace under them until the next line. That line changes the trace's bottom row under marks that
// stay the same, and must be shown whole, silent or not; so must the first trace after none.
TEST_P(SameAsPlainDrawing, ATraceThatFollowsNewMarksLaterIsShownWhole) {
    const Case c = GetParam();
    SpectrumDisplay d;
    SpectrumSettings s = prepare(c, d);
    SpectrumPicture partial;
    QImage shown = screen();
    // Repaints only what the picture reports and compares with a plain drawing.
    const auto showMatches = [&] {
        repaintChanged(partial, d, shown);
        return shown == plainlyDrawn(d);
    };
    const SpectrumBins silence{};
    ASSERT_TRUE(showMatches()) << c.name << ": before the first line";
    d.DrawSpectrumLine(packLine(silence), s);
    ASSERT_TRUE(showMatches()) << c.name << ": a silent first line";
    for (uint32_t k = 0; k < 6; ++k) {
        d.DrawSpectrumLine(packLine(noisyLine(200 + k)), s);
        ASSERT_TRUE(showMatches()) << c.name << ": noise " << k;
    }
    s.passbandLo = 200;
    s.passbandHi = 330;
    d.RebuildMarkerPath(s);
    ASSERT_TRUE(showMatches()) << c.name << ": new marks over the old trace";
    for (int k = 0; k < 2; ++k) {
        d.DrawSpectrumLine(packLine(silence), s);
        ASSERT_TRUE(showMatches()) << c.name << ": silence in the new passband " << k;
    }
    for (uint32_t k = 0; k < 6; ++k) {
        d.DrawSpectrumLine(packLine(noisyLine(300 + k)), s);
        ASSERT_TRUE(showMatches()) << c.name << ": noise in the new passband " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SameAsPlainDrawing,
    ::testing::Values(Case{"Full", 100, 100, 100, 0, 40, false},
                      Case{"HalfBright", 50, 30, 60, 0, -1, false},
                      Case{"NoFill", 0, 0, 25, 0, 0, false},
                      Case{"Notch", 80, 70, 100, 12, 120, false},
                      Case{"NotchDark", 100, 0, 0, 12, -1, false},
                      Case{"GridFollowsPassband", 90, 45, 100, 12, 300, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
