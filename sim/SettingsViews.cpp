#include "sim/SettingsViews.h"

#include <cmath>

namespace talix::sim {

TuningView tuningViewOf(const BoardSettings& s) {
    TuningView v;
    v.tunedHz = s.tunedHz();
    v.mode = s.mode;
    v.bandwidthHz = bandwidthHz(s.mode, s.bandwidth);
    v.rf = passbandOf(s.mode, v.tunedHz, v.bandwidthHz, s.shift);
    v.binHz = s.binHz();
    if (s.notchWidth > 0 && !(s.settingsWord >> 28 & 1)) {
        v.notchHz = std::abs(double(s.notchPos)) +
                    (demodOf(s.mode, v.tunedHz) == Demod::Cw ? kCwPitchHz : 0);
        v.notchWidthHz = s.notchWidth;
    }
    v.agcAuto = s.agcAutomatic();
    v.agcLimitDbm = (5.0 * s.agcLimit - 1400) / 10;
    v.rfGainDb = (1400 - 5.0 * s.agcLimit) / 10;
    v.squelchDbm = s.threshold == 0 ? -1000 : s.threshold / 2.0 - 140;
    v.dnr = s.dnr;
    v.stereo = s.flags & 0x20;
    v.frontEndGainDb = double(s.attenuation) - 6;
    return v;
}

DisplayScale displayScaleOf(const BoardSettings& s) {
    DisplayScale scale;
    scale.topDbm = s.levelsInDbuv() ? s.topLevel - 50.0 - 107 : s.topLevel - 170.0;
    scale.dbPerDiv = s.dbPerDiv;
    return scale;
}

} // namespace talix::sim
