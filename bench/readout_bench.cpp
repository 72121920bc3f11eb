// The readouts' cost per paint pass: composing every field's texts and drawing them.
#include "display/Fonts.h"
#include "display/readouts/ReadoutDrawing.h"
#include "display/readouts/ReadoutLayout.h"
#include "display/readouts/ReadoutPicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

using namespace talix::display;

namespace {

ReadoutState busyState() {
    ReadoutState s;
    s.tunedFreq = 1'450'012'345;
    s.txFreq = 1'450'012'345;
    s.spectrumLeftFreq = 1'449'000'000;
    s.modeIndex = 8;
    s.bandwidth = 2400;
    s.shift = -250;
    s.notchWidth = 150;
    s.notchPos = 1200;
    s.agcLimit = 100;
    s.threshold = 300;
    s.dnr = 5;
    s.binHz = 100.0f;
    s.topLevel = 170;
    s.dbPerDiv = 10;
    s.refreshTime = 40;
    s.insideBright = 80;
    s.outsideBright = 40;
    s.gridBright = 30;
    s.nbLevel = 3;
    s.nbDuration = 25;
    s.agcHold = 20;
    s.agcAttack = 60;
    s.receiverFlags = 0x04;
    s.gainCtrlIndex = 2;
    s.tuneStep = 10'000;
    return s;
}

// Every readout marked: the largest pass there is (the start-up pass after the first paint).
std::vector<ReadoutPicture> composeAll(const ReadoutState& s, const QLocale& locale) {
    std::vector<ReadoutPicture> pictures;
    pictures.reserve(kReadoutPlaces.size());
    for (const ReadoutPlace& p : kReadoutPlaces)
        pictures.push_back(composeReadout(
            {p.field, 2, p.field == Field::EFreq1, QRectF(p.rect()), p.colour}, s, locale));
    return pictures;
}

void BM_ComposeAllReadouts(benchmark::State& state) {
    const ReadoutState s = busyState();
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    for (auto _ : state)
        benchmark::DoNotOptimize(composeAll(s, locale));
}
BENCHMARK(BM_ComposeAllReadouts);

void BM_ComposeFrequency(benchmark::State& state) {
    const ReadoutState s = busyState();
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    const ReadoutPlace& p = *readoutPlace(int(Field::EFreq1));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            composeReadout({p.field, 1, false, QRectF(p.rect()), p.colour}, s, locale));
}
BENCHMARK(BM_ComposeFrequency);

// Drawing every readout's box and picture into a window-sized image on the raster engine.
void BM_DrawAllReadouts(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "readout_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto app = std::make_unique<QGuiApplication>(argc, argv);
    pinFonts();
    const std::vector<ReadoutPicture> pictures =
        composeAll(busyState(), QLocale(QLocale::English, QLocale::UnitedStates));
    QImage image(1920, 1200, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        for (size_t i = 0; i < pictures.size(); ++i) {
            const ReadoutPlace& p = kReadoutPlaces[i];
            painter.save();
            painter.translate(p.x, p.y);
            if (p.kind == ReadoutKind::Edit)
                drawEditBox(painter, QSizeF(p.w, p.h));
            drawReadoutPicture(painter, pictures[i],
                               pinnedFont(pictures[i].ownFont ? p.face : FontFace::UiSemibold,
                                          pictures[i].ownFont ? p.fontSize : kScaleFontSize));
            painter.restore();
        }
    }
}
BENCHMARK(BM_DrawAllReadouts)->Unit(benchmark::kMicrosecond);

} // namespace
