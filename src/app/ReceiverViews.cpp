#include "app/ReceiverViews.h"

namespace talix::app {

display::ReadoutState readoutStateOf(const sync::ReceiverState& s) {
    display::ReadoutState r;
    r.tunedFreq = s.TunedFreq;
    r.spectrumLeftFreq = s.SpectrumLeftFreq;
    r.freqAux = s.FreqAux;
    r.modeIndex = s.ModeIndex;
    r.bandwidth = s.Bandwidth;
    r.shift = s.Shift;
    r.notchWidth = s.NotchWidth;
    r.notchPos = s.NotchPos;
    r.autoNotch = s.AutoNotch[s.NotchIndex];
    r.agcLimit = s.AgcLimit;
    r.threshold = s.Threshold;
    r.dnr = s.Dnr;
    r.binHz = s.BinHz;
    r.topLevel = s.TopLevel;
    r.dbPerDiv = s.DbPerDiv;
    r.refreshTime = s.RefreshTime;
    r.wfTimeUnit = s.WfTimeUnit;
    r.insideBright = s.InsideBright;
    r.outsideBright = s.OutsideBright;
    r.gridBright = s.GridBright;
    r.nbLevel = s.NbLevel;
    r.nbDuration = s.NbDuration;
    r.agcHold = s.AgcHold;
    r.agcAttack = s.AgcAttack;
    r.txFreq = s.TxFreq;
    r.gainCtrlIndex = s.GainCtrlIndex;
    r.tuneStep = s.TuneStep;
    r.spectrumMode = s.SpectrumMode;
    r.receiverFlags = s.ReceiverFlags;
    r.settingsWord = s.SettingsWord;
    r.gridOffset = s.gridOffset();
    r.knobAngle = s.KnobAngle;
    return r;
}

} // namespace talix::app

namespace talix::app {

display::SpectrumSettings spectrumSettingsOf(const sync::ReceiverState& s) {
    display::SpectrumSettings d;
    d.binHz = s.BinHz;
    d.tunedFreq = s.TunedFreq;
    d.modeIndex = s.ModeIndex;
    d.bandwidth = s.Bandwidth;
    d.notchWidth = s.NotchWidth;
    d.agcLimit = s.AgcLimit;
    d.threshold = s.Threshold;
    d.topLevel = s.TopLevel;
    d.dbPerDiv = s.DbPerDiv;
    d.wfTimeUnit = s.WfTimeUnit;
    d.insideBright = s.InsideBright;
    d.outsideBright = s.OutsideBright;
    d.gridBright = s.GridBright;
    d.passbandLo = s.PassbandLo;
    d.passbandHi = s.PassbandHi;
    d.markerLo = s.MarkerLo;
    d.markerHi = s.MarkerHi;
    d.receiverFlags = s.ReceiverFlags;
    d.settingsWord = s.SettingsWord;
    d.audioResolution = s.AudioResolution;
    d.agcLevelRow = s.AgcLevelRow;
    d.waterfallHigh = s.Sliders.TBWFH;
    d.waterfallLow = s.Sliders.TBWFL;
    return d;
}

} // namespace talix::app
