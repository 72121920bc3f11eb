#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The board's demodulation modes: its number for each and the name the mode readout and the
// modulation list show. The program, its network services and the simulated board take them from
// here.
namespace talix::board {

// X(name, mode index, shown name, Hamlib's name, whether that name sets this mode), in the board's
// numbering order. Network clients speak Hamlib's mode names: a mode Hamlib has no name for reads
// back as the nearest one (marked false), and that name sets the mode it is the own name of.
#define TALIX_BOARD_MODES(X)                                                                       \
    X(Sync, 0, "SYNC", "SAM", true)                                                                \
    X(Dsb, 1, "DSB", "DSB", true)                                                                  \
    X(Lsb, 2, "LSB", "LSB", true)                                                                  \
    X(Usb, 3, "USB", "USB", true)                                                                  \
    X(Eusb, 4, "EUSB", "USB", false) /* no Hamlib name: nearest USB */                             \
    X(Sbcw, 5, "SBCW", "CW", false)  /* no Hamlib name: nearest CW */                              \
    X(Cw, 6, "CW", "CW", true)                                                                     \
    X(FmNarrow, 7, "FM-N", "FM", true)                                                             \
    X(FmWide, 8, "FM-W", "WFM", true)                                                              \
    X(UsbQ, 9, "USBQ", "USB", false)  /* no Hamlib name: nearest USB */                            \
    X(DsbQ, 10, "DSBQ", "DSB", false) /* no Hamlib name: nearest DSB */                            \
    X(AmE, 11, "AM-E", "AM", true)                                                                 \
    X(LsbQ, 25, "LSBQ", "LSB", false)   /* no Hamlib name: nearest LSB */                          \
    X(Digi, 41, "DIGI", "PKTUSB", true) /* digital modes' USB, as WSJT-X asks */

// kModeSync, kModeDsb, ...: mode indexes as the receiver state holds them (a byte).
#define TALIX_BOARD_ENTRY(name, index, text, hamlib, sets) constexpr uint8_t kMode##name = index;
TALIX_BOARD_MODES(TALIX_BOARD_ENTRY)
#undef TALIX_BOARD_ENTRY

struct ModeEntry {
    uint8_t index;
    const char* name;
    const char* hamlibName;
    bool hamlibSets; // hamlibName sets this mode (for exactly one entry per name)
};

constexpr ModeEntry kModes[] = {
#define TALIX_BOARD_ENTRY(name, index, text, hamlib, sets) {index, text, hamlib, sets},
    TALIX_BOARD_MODES(TALIX_BOARD_ENTRY)
#undef TALIX_BOARD_ENTRY
};

// The entry of a mode index, or nullptr for a number that names no mode.
constexpr const ModeEntry* modeEntry(int index) {
    for (const ModeEntry& m : kModes)
        if (m.index == index)
            return &m;
    return nullptr;
}

// The shown name of a mode index; "" for a number that names no mode.
constexpr const char* modeName(int index) {
    const ModeEntry* m = modeEntry(index);
    return m ? m->name : "";
}

// Hamlib's name of a mode index (the nearest where Hamlib has none); "" for a number that names no
// mode.
constexpr const char* hamlibModeName(int index) {
    const ModeEntry* m = modeEntry(index);
    return m ? m->hamlibName : "";
}

// The mode index a Hamlib mode name sets, or -1 for a name no mode answers to.
constexpr int modeForHamlibName(std::string_view hamlibName) {
    for (const ModeEntry& m : kModes)
        if (m.hamlibSets && hamlibName == m.hamlibName)
            return m.index;
    return -1;
}

} // namespace talix::board
