#include "display/readouts/ScaleLabels.h"

#include "display/readouts/ReadoutFormat.h"
#include "display/readouts/ReadoutNumbers.h"

namespace talix::display {

namespace {

constexpr uint32_t kGridFollowsPassband = 1u << 31;
constexpr int32_t kWideFreqAux = 1'000'000'000;

constexpr double kFineBinHz = 2.5;
constexpr double kPassbandBinHz = 160.0;
// At 160 Hz per bin the labels count from the tuned frequency: 20480 Hz per cell, the tuned
// frequency four cells from the left.
constexpr double kPassbandCellHz = 20480.0;
constexpr double kPassbandLeftHz = 81920.0;

struct ScaleGeometry {
    double offsetWithGrid; // first cell's left edge from the box left, plus GridOffset
    double offsetFixed;    // the same while the grid stays put
    int cells;
    double minLeft; // a cell is drawn only while minLeft < left edge < maxLeft
    double maxLeft;
    double binOffsetCells; // 0: cell k labels bin 128·k; 0.5: bin 128·k + 64
};

constexpr ScaleGeometry kSpectrumScale{14.0, 15.5, 10, 16.0, 1042.0, 0.0};
constexpr ScaleGeometry kWaterfallScale{78.0, 79.5, 9, 0.0, 1016.0, 0.5};

constexpr double kLabelHeight = 20.0;
constexpr double kLabelPitch = 40.0;
constexpr int kLevelLabels = 9;
constexpr int kTimeLabels = 8;

QString cellText(const FrequencyScaleInputs& in, const ScaleGeometry& g, int k,
                 const QLocale& locale) {
    const double r = in.binHz;
    const double left = in.spectrumLeftFreq * 0.1;
    const double cell = left + (k + g.binOffsetCells) * kScaleCellWidth * r;
    if (r == kFineBinHz)
        return numberText(cell, 1, locale, kFrequencyDigits);
    if (r < kPassbandBinHz)
        return numberText(cell, 0, locale, kFrequencyDigits);
    if (r == kPassbandBinHz) {
        const double tuned = in.tunedFreq * 0.1;
        return numberText(tuned + kPassbandCellHz * (k + g.binOffsetCells) - kPassbandLeftHz, 0,
                          locale, kFrequencyDigits);
    }
    return numberText(cell / 1000.0, 0, locale, kNumberDigits) + QLatin1Char('k');
}

std::vector<ScaleLabel> frequencyLabels(const QRectF& textBox, const FrequencyScaleInputs& in,
                                        const ScaleGeometry& g, const QLocale& locale) {
    const double first = (in.settingsWord & kGridFollowsPassband)
                             ? textBox.left() + in.gridOffset + g.offsetWithGrid
                             : textBox.left() + g.offsetFixed;
    std::vector<ScaleLabel> labels;
    for (int k = 0; k < g.cells; ++k) {
        const double left = first + k * kScaleCellWidth;
        if (!(left > g.minLeft && left < g.maxLeft))
            continue;
        labels.push_back({QRectF(left, textBox.top(), kScaleCellWidth, textBox.height()),
                          cellText(in, g, k, locale)});
    }
    return labels;
}

} // namespace

FrequencyScale spectrumFrequencyScale(const QRectF& textBox, const FrequencyScaleInputs& in,
                                      const QLocale& locale) {
    return {frequencyLabels(textBox, in, kSpectrumScale, locale), in.freqAux >= kWideFreqAux};
}

FrequencyScale waterfallFrequencyScale(const QRectF& textBox, const FrequencyScaleInputs& in,
                                       const QLocale& locale) {
    return {frequencyLabels(textBox, in, kWaterfallScale, locale),
            in.freqAux >= kWideFreqAux && double(in.binHz) == kFineBinHz};
}

std::vector<ScaleLabel> levelScale(const QRectF& textBox, int32_t topLevel, uint8_t dbPerDiv,
                                   uint8_t receiverFlags) {
    std::vector<ScaleLabel> labels;
    const int64_t top = topLevelValue(topLevel, receiverFlags);
    for (int k = 0; k < kLevelLabels; ++k)
        labels.push_back(
            {QRectF(textBox.left(), textBox.top() + kLabelPitch * k, textBox.width(), kLabelHeight),
             signedIntegerText(top - int64_t(k) * dbPerDiv)});
    return labels;
}

std::vector<ScaleLabel> timeScale(const QRectF& textBox, uint8_t wfTimeUnit, uint32_t settingsWord,
                                  const QLocale& locale) {
    std::vector<ScaleLabel> labels;
    const double perDivision = secondsPerDivision(wfTimeUnit, settingsWord);
    for (int i = 1; i <= kTimeLabels; ++i)
        labels.push_back({QRectF(textBox.left(), textBox.top() + kLabelPitch * (i - 1),
                                 textBox.width(), kLabelHeight),
                          numberText(i * perDivision, 1, locale)});
    return labels;
}

} // namespace talix::display
