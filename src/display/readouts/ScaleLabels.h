#pragma once

#include <QLocale>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <vector>

namespace talix::display {

// One label of a scale: its text laid out in `box` (centred for the frequency scales, at the right
// edge for the level and time scales).
struct ScaleLabel {
    QRectF box;
    QString text;
};

// What the frequency scales read. Frequencies in 0.1 Hz.
struct FrequencyScaleInputs {
    int32_t spectrumLeftFreq = 0;
    int32_t tunedFreq = 0;
    int32_t freqAux = 0;
    float binHz = 0;
    uint32_t settingsWord = 0;
    float gridOffset = 0; // pixels; used while the grid follows the passband (SettingsWord bit 31)
};

struct FrequencyScale {
    std::vector<ScaleLabel> labels;
    bool regularWeight = false; // the labels use the regular weight instead of semibold
};

// Width of one frequency label cell: 128 spectrum bins.
constexpr double kScaleCellWidth = 128.0;

// Panel6: labels over bins 0, 128, ... above the spectrum. `textBox` is the panel's text box in the
// panel's own coordinates (its left edge is 2 for a panel at x = 0).
FrequencyScale spectrumFrequencyScale(const QRectF& textBox, const FrequencyScaleInputs& in,
                                      const QLocale& locale);

// Panel4: labels under bins 64, 192, ... below the waterfall.
FrequencyScale waterfallFrequencyScale(const QRectF& textBox, const FrequencyScaleInputs& in,
                                       const QLocale& locale);

// Panel5: nine level labels, one per horizontal grid line of the spectrum, 40 pixels apart.
std::vector<ScaleLabel> levelScale(const QRectF& textBox, int32_t topLevel, uint8_t dbPerDiv,
                                   uint8_t receiverFlags);

// Panel7: eight time labels beside the waterfall, 40 pixels apart.
std::vector<ScaleLabel> timeScale(const QRectF& textBox, uint8_t wfTimeUnit, uint32_t settingsWord,
                                  const QLocale& locale);

} // namespace talix::display
