#pragma once

#include <cstdint>
#include <optional>

namespace talix::controls {

// Hz per bin of the widest spectrum span.
constexpr float kWidestBinHz = 160.0f;
// Pixels of drag per tuning step sent.
constexpr double kDragPixelsPerStep = 4.0;

// What a tap on the spectrum or waterfall reads from the receiver state and the settings.
struct TapInputs {
    int32_t spectrumLeftFreq = 0; // 0.1 Hz, at x = 0
    float binHz = 0;              // Hz per spectrum bin (one bin per pixel)
    int32_t tuneStep = 0;         // 0.1 Hz
    int modeIndex = 0;
    uint8_t receiverFlags = 0;
    int touchAction = 0;
    uint32_t settingsWord = 0;
};

// Whether a tap tunes at all with these settings (FM-W stereo on a narrow span, a touch action
// that only tracks, or the widest span without the passband grid do not).
bool tapTunes(const TapInputs& in);

// The frequency under x, in 0.1 Hz, before snapping.
int64_t tapPointFrequency(int32_t spectrumLeftFreq, float binHz, double x);

// p snapped to the nearest multiple of the step s. A step ending in 3 stands for a third more
// (83333 is 8333 1/3 Hz), so e steps add e div 3. A step of 0 or less (none reported yet) leaves
// p as it is.
int64_t snapToStep(int64_t p, int32_t s);

// The frequency a tap at x sends, or nothing when the tap must not tune.
std::optional<uint32_t> tapTuneFrequency(const TapInputs& in, double x);

// Tuning steps a drag from refX to x sends: a drag to the left is positive; 4 pixels a step,
// limited to a signed byte.
int dragSteps(double refX, double x);

// Whether a drag tunes with this touch action: 0 never, odd actions only while the frequency
// readout is the selected field.
bool dragTunes(int touchAction, bool frequencySelected);

} // namespace talix::controls
