#include "display/spectrum/SpectrumSideMarks.h"

#include "base/Palette.h"

#include <QPainter>

namespace talix::display {

namespace {
constexpr int kMarksPerPanel = 9;
constexpr int kRowStep = 40;
constexpr int kSpectrumFirst = 1;    // row 1 of the spectrum panel, whose top is this widget's top
constexpr int kWaterfallFirst = 329; // row 1 of the waterfall panel
} // namespace

SpectrumSideMarks::SpectrumSideMarks(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SpectrumSideMarks::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int first : {kSpectrumFirst, kWaterfallFirst})
        for (int k = 0; k < kMarksPerPanel; ++k)
            p.fillRect(0, first + k * kRowStep, kWidth, 1, QColor::fromRgba(kYellow));
}

} // namespace talix::display
