#pragma once

#include <cstdint>

namespace talix::sync {

// The main-window controls that the board's items and the settings forms' items change directly,
// by the name the widget carries as its objectName.
#define TALIX_MAIN_CONTROLS(X)                                                                     \
    X(LM120dBm)                                                                                    \
    X(LM80dBm)                                                                                     \
    X(LM40dBm)                                                                                     \
    X(L0dBm)                                                                                       \
    X(PBMod)                                                                                       \
    X(LMod)                                                                                        \
    X(SBKH)                                                                                        \
    X(LHeadphone)                                                                                  \
    X(SBLSP)                                                                                       \
    X(LLoudspeaker)                                                                                \
    X(TB_Att)                                                                                      \
    X(L_Att)                                                                                       \
    X(Panel9)                                                                                      \
    X(B_Filter)                                                                                    \
    X(Lms)                                                                                         \
    X(LRefresh)                                                                                    \
    X(B_Lock)                                                                                      \
    X(TBWFH)                                                                                       \
    X(Lhigh)                                                                                       \
    X(TBWFL)                                                                                       \
    X(Llow)                                                                                        \
    X(RPegel)                                                                                      \
    X(EFreq2)                                                                                      \
    X(B_Stereo)                                                                                    \
    X(CB_Arrow)                                                                                    \
    X(EUndo)                                                                                       \
    X(LPTY)                                                                                        \
    X(LPI)                                                                                         \
    X(LRDS)                                                                                        \
    X(LCLK)                                                                                        \
    X(LUTC)                                                                                        \
    X(LLat)                                                                                        \
    X(LLong)                                                                                       \
    X(LAlt)                                                                                        \
    X(RNB)                                                                                         \
    X(B_KAP)                                                                                       \
    X(LPegel)                                                                                      \
    X(LSMeter)                                                                                     \
    X(LALC)                                                                                        \
    X(LETop)                                                                                       \
    X(LEBot)                                                                                       \
    X(LThreshold_Unit)                                                                             \
    X(LGain)                                                                                       \
    X(LGain_Unit)                                                                                  \
    X(L_Auto)

enum class MainControl : uint8_t {
#define TALIX_ENUM_ENTRY(name) name,
    TALIX_MAIN_CONTROLS(TALIX_ENUM_ENTRY)
#undef TALIX_ENUM_ENTRY
};

constexpr int kMainControls = 0
#define TALIX_COUNT_ENTRY(name) +1
    TALIX_MAIN_CONTROLS(TALIX_COUNT_ENTRY)
#undef TALIX_COUNT_ENTRY
    ;

const char* controlName(MainControl control);

} // namespace talix::sync
