#pragma once

#include "base/GridOffset.h"
#include "sync/MainControl.h"

#include <QByteArray>
#include <array>
#include <cstdint>

namespace talix::sync {

// Where the bars that the board moves stand: SBKH, SBLSP, TB_Att, TBWFH and TBWFL.
struct SliderPositions {
    int SBKH = 0;
    int SBLSP = 0;
    int TB_Att = 0;
    int TBWFH = 0;
    int TBWFL = 0;

    // nullptr for a control that is none of these bars.
    int* of(MainControl bar);
    int at(MainControl bar) const;
};

// ReceiverState: what the board reports for the main window, written by the main-window items of
// the parameter stream (and the shared settings words by the settings forms), read on the UI
// thread by the readouts, the spectrum, the meters and the controls. Never reset: after a
// reconnect the board's reports overwrite it item by item. Frequencies are in 0.1 Hz.
struct ReceiverState {
    int32_t TunedFreq = 0;
    int32_t SpectrumLeftFreq = 0;
    int32_t FreqAux = 0;
    uint8_t ModeIndex = 0;
    uint16_t Bandwidth = 0;
    int16_t Shift = 0;
    uint16_t NotchWidth = 0;
    int16_t NotchPos = 0;
    std::array<uint8_t, 256> AutoNotch{}; // indexed by NotchIndex
    uint16_t AgcLimit = 0;
    uint16_t Threshold = 0;
    uint8_t Dnr = 0;
    float BinHz = 0;
    int32_t TopLevel = 0;
    uint8_t DbPerDiv = 0;
    uint16_t RefreshTime = 0;
    uint8_t WfTimeUnit = 16;
    uint8_t InsideBright = 0;
    uint8_t OutsideBright = 0;
    uint8_t GridBright = 0;
    uint8_t NbLevel = 0;
    uint8_t NbDuration = 0;
    uint8_t ModLevel = 0;
    uint8_t HeadphoneVolume = 0;
    uint8_t SpeakerVolume = 0;
    uint16_t AgcHold = 0;
    uint16_t AgcAttack = 0;
    int32_t TxFreq = 0;
    uint8_t GainCtrlIndex = 0;
    uint8_t NotchIndex = 0;
    uint8_t Attenuation = 0;
    int32_t TuneDigit = 0;
    uint8_t Brightness = 0;
    int32_t TuneStep = 0;
    uint16_t PassbandLo = 0;
    uint16_t PassbandHi = 0;
    int32_t MarkerLo = 0;
    int32_t MarkerHi = 0;
    uint8_t SpectrumMode = 0;
    int32_t LockWord = 0;
    bool BwListFlag = false;
    int32_t LevelMarker = 0;
    int32_t SignalLevel = 0; // the S-meter reading of item 40, tenths of dBm
    uint8_t UndoCount = 0;
    std::array<uint32_t, 2> SlideHeader{};
    QByteArray SlideStream;

    // From the status word of every full frame.
    uint16_t AgcLevelRow = 0;
    bool ExternalAntenna = false; // the board uses its external WiFi antenna: RBAnt shows it

    // Shared settings, written whole by several items (main-window item 43, the Setup, System and
    // Microphone forms); every reader decodes only its own bits. ReceiverFlags bit 4: levels in
    // dBµV; bit 5: stereo. SettingsWord bits 20/21: modulation colour thresholds, 28: notch
    // automatic, 29-30: display rate divider, 31: grid follows the passband.
    uint8_t ReceiverFlags = 0;
    uint32_t SettingsWord = 0;
    uint8_t TouchAction = 0;
    uint8_t AudioResolution = 0;
    uint8_t LoudspeakerMode = 0; // bit 1: the host plays the board's audio

    // The tuning knob's mark and the finger's reference angle, radians; moved by the knob, the
    // wheel and the board's knob-step words.
    float KnobAngle = 3 * 3.141592654f / 2;
    float KnobRefAngle = 0;

    // Tune mode (B_Tune): the board's selection of the frequency entry offers it and switches it
    // on; its selection of any other field but EFreq2 withdraws it; a touch on the offered button
    // switches it over.
    bool TuneModeOffered = false;
    bool TuneMode = false;

    // Moved by the board's reports and by the user's drags; the board moves a bar only to a
    // value it does not already stand at.
    SliderPositions Sliders;

    // GridOffset: where the spectrum's grid line 0 stands for the current mode.
    float gridOffset() const {
        return gridOffsetFor(GridPlace{BinHz, TunedFreq, ModeIndex, Bandwidth, AudioResolution});
    }
    bool levelsInDbuV() const { return (ReceiverFlags & 0x10) != 0; }
    bool playsOnHost() const { return (LoudspeakerMode & 0x02) != 0; }
    uint32_t slidePictureSize() const { return SlideHeader[0] & 0x0FFFFFFF; }
};

} // namespace talix::sync
