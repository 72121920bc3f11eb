// Cost of one spectrum line (unpack, average, trace paths, waterfall row) and of painting the
// spectrum and waterfall panels into images of their size on the raster engine. One line arrives
// every 12.5 ms.
#include "display/spectrum/SpectrumDisplay.h"
#include "display/spectrum/SpectrumPicture.h"
#include "display/spectrum/WaterfallPicture.h"

#include <QImage>
#include <QPainter>
#include <array>
#include <benchmark/benchmark.h>
#include <random>
#include <vector>

using namespace talix::display;

namespace {

using LineBytes = std::array<uint8_t, kSpectrumLineBytes>;

LineBytes pack(const SpectrumBins& bins) {
    LineBytes bytes{};
    for (int i = 0; i < kSpectrumBins; ++i)
        for (int b = 0; b < 9; ++b)
            if ((bins[i] >> b) & 1)
                bytes[(9 * i + b) / 8] |= uint8_t(1 << ((9 * i + b) % 8));
    return bytes;
}

// Noise around 60 with a few strong carriers: a busy band, so every bin is a step of the trace.
std::vector<LineBytes> busyLines() {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> noise(40, 90);
    std::vector<LineBytes> lines;
    for (int k = 0; k < 16; ++k) {
        SpectrumBins b;
        for (int i = 0; i < kSpectrumBins; ++i)
            b[i] = uint16_t(noise(rng));
        for (int c : {100, 300, 512, 700, 900})
            b[(c + k) % kSpectrumBins] = 280;
        lines.push_back(pack(b));
    }
    return lines;
}

// LSB at 160 Hz bins with the grid resting: the trace and the rows move by 96 pixels.
SpectrumSettings busySettings() {
    SpectrumSettings s;
    s.binHz = 160;
    s.modeIndex = 2;
    s.audioResolution = 4;
    s.passbandLo = 420;
    s.passbandHi = 520;
    s.markerLo = 470;
    s.markerHi = 480;
    s.notchWidth = 100;
    s.insideBright = 60;
    s.outsideBright = 40;
    s.gridBright = 50;
    s.threshold = 200;
    s.topLevel = 190;
    s.dbPerDiv = 10;
    s.agcLimit = 1;
    s.agcLevelRow = 150;
    s.wfTimeUnit = 1; // the waterfall advances with every line: the costliest case
    return s;
}

SpectrumDisplay& preparedDisplay() {
    static SpectrumDisplay d;
    static bool ready = false;
    if (!ready) {
        d.RebuildGrid(busySettings());
        d.PlaceThresholdLine(busySettings());
        ready = true;
    }
    return d;
}

void BM_SpectrumLine(benchmark::State& state) {
    const std::vector<LineBytes> lines = busyLines();
    const SpectrumSettings s = busySettings();
    SpectrumDisplay& d = preparedDisplay();
    std::size_t k = 0;
    for (auto _ : state) {
        const SpectrumRepaint r = d.DrawSpectrumLine(lines[k++ % lines.size()], s);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_SpectrumLine)->Unit(benchmark::kMicrosecond);

// The whole panel shown again from the picture, as when a form above it closes.
void BM_PaintSpectrumPanel(benchmark::State& state) {
    SpectrumDisplay& d = preparedDisplay();
    d.DrawSpectrumLine(busyLines()[0], busySettings());
    QImage target(SpectrumPicture::kWidth, SpectrumPicture::kHeight, QImage::Format_RGB32);
    SpectrumPicture picture;
    for (auto _ : state) {
        QPainter p(&target);
        picture.paint(p, d);
    }
}
BENCHMARK(BM_PaintSpectrumPanel)->Unit(benchmark::kMicrosecond);

// A line, then only the part of the spectrum panel it changed: what the program does per line.
void BM_LineAndChangedSpectrum(benchmark::State& state) {
    const std::vector<LineBytes> lines = busyLines();
    const SpectrumSettings s = busySettings();
    SpectrumDisplay& d = preparedDisplay();
    QImage target(SpectrumPicture::kWidth, SpectrumPicture::kHeight, QImage::Format_RGB32);
    SpectrumPicture picture;
    std::size_t k = 0;
    for (auto _ : state) {
        d.DrawSpectrumLine(lines[k++ % lines.size()], s);
        const QRegion area = picture.update(d);
        QPainter p(&target);
        picture.paint(p, area);
    }
}
BENCHMARK(BM_LineAndChangedSpectrum)->Unit(benchmark::kMicrosecond);

// The picture brought up to a new line, without showing it.
void BM_LineUpdatesPicture(benchmark::State& state) {
    const std::vector<LineBytes> lines = busyLines();
    const SpectrumSettings s = busySettings();
    SpectrumDisplay& d = preparedDisplay();
    SpectrumPicture picture;
    std::size_t k = 0;
    for (auto _ : state) {
        d.DrawSpectrumLine(lines[k++ % lines.size()], s);
        benchmark::DoNotOptimize(picture.update(d));
    }
}
BENCHMARK(BM_LineUpdatesPicture)->Unit(benchmark::kMicrosecond);

// A line with marks that moved, as while tuning: the marks and the whole picture drawn anew.
void BM_LineWithMovedMarks(benchmark::State& state) {
    const std::vector<LineBytes> lines = busyLines();
    SpectrumSettings s = busySettings();
    SpectrumDisplay& d = preparedDisplay();
    SpectrumPicture picture;
    std::size_t k = 0;
    for (auto _ : state) {
        s.passbandLo = 420 + int(k % 2);
        d.DrawSpectrumLine(lines[k++ % lines.size()], s);
        benchmark::DoNotOptimize(picture.update(d));
    }
}
BENCHMARK(BM_LineWithMovedMarks)->Unit(benchmark::kMicrosecond);

void BM_PaintWaterfallPanel(benchmark::State& state) {
    SpectrumDisplay& d = preparedDisplay();
    for (const LineBytes& l : busyLines())
        d.DrawSpectrumLine(l, busySettings());
    QImage target(WaterfallPicture::kWidth, WaterfallPicture::kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&target);
        WaterfallPicture::paint(p, d.waterfall());
    }
}
BENCHMARK(BM_PaintWaterfallPanel)->Unit(benchmark::kMicrosecond);

// Everything one frame costs: the line, then both panels painted.
void BM_LineAndBothPanels(benchmark::State& state) {
    const std::vector<LineBytes> lines = busyLines();
    const SpectrumSettings s = busySettings();
    SpectrumDisplay& d = preparedDisplay();
    QImage spectrum(SpectrumPicture::kWidth, SpectrumPicture::kHeight, QImage::Format_RGB32);
    QImage waterfall(WaterfallPicture::kWidth, WaterfallPicture::kHeight, QImage::Format_RGB32);
    SpectrumPicture picture;
    std::size_t k = 0;
    for (auto _ : state) {
        d.DrawSpectrumLine(lines[k++ % lines.size()], s);
        const QRegion area = picture.update(d);
        {
            QPainter p(&spectrum);
            picture.paint(p, area);
        }
        QPainter p(&waterfall);
        WaterfallPicture::paint(p, d.waterfall(), WaterfallPicture::kInside);
    }
}
BENCHMARK(BM_LineAndBothPanels)->Unit(benchmark::kMicrosecond);

} // namespace
