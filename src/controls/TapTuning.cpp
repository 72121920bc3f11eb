#include "controls/TapTuning.h"

#include "base/BoardModes.h"
#include "base/TunableBands.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace talix::controls {

namespace {
constexpr uint8_t kStereoFlag = 1u << 5;
constexpr uint32_t kGridOnPassbandBit = 1u << 31;
constexpr int kFirstTuningAction = 3;
} // namespace

bool tapTunes(const TapInputs& in) {
    if (in.modeIndex == board::kModeFmWide && (in.receiverFlags & kStereoFlag) &&
        in.binHz <= kWidestBinHz)
        return false;
    if (in.touchAction < kFirstTuningAction)
        return false;
    if (in.binHz == kWidestBinHz && !(in.settingsWord & kGridOnPassbandBit))
        return false;
    return true;
}

int64_t tapPointFrequency(int32_t spectrumLeftFreq, float binHz, double x) {
    const double offset = std::trunc(x * double(binHz) * 10.0);
    // The bin width is the board's: keep an absurd value from overflowing the conversion.
    constexpr double kLimit = 1e15;
    return int64_t(spectrumLeftFreq) + int64_t(std::clamp(offset, -kLimit, kLimit));
}

int64_t snapToStep(int64_t p, int32_t s) {
    if (s <= 0)
        return p;
    const int64_t e = p / s;
    int64_t f = e * s;
    if (s % 10 == 3)
        f += e / 3;
    if ((p > f ? p - f : f - p) > s / 2)
        f += s;
    return f;
}

std::optional<uint32_t> tapTuneFrequency(const TapInputs& in, double x) {
    if (!tapTunes(in) || !std::isfinite(in.binHz) || !std::isfinite(x))
        return std::nullopt;
    const int64_t f = snapToStep(tapPointFrequency(in.spectrumLeftFreq, in.binHz, x), in.tuneStep);
    if (!board::inTunableBand(f))
        return std::nullopt;
    return uint32_t(f);
}

int dragSteps(double refX, double x) {
    const double d = std::trunc((refX - x) / kDragPixelsPerStep);
    if (std::isnan(d))
        return 0;
    return int(std::clamp(d, -128.0, 127.0));
}

bool dragTunes(int touchAction, bool frequencySelected) {
    if (touchAction == 0)
        return false;
    if (touchAction % 2 != 0)
        return frequencySelected;
    return true;
}

} // namespace talix::controls
