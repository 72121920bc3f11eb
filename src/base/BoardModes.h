#pragma once

#include <cstdint>
#include <span>

// The board's demodulation modes: its number for each and the name the mode readout and the
// modulation list show. The program, its network services and the simulated board take them from
// here.
namespace talix::board {

// X(name, mode index, shown name), in the board's numbering order.
#define TALIX_BOARD_MODES(X)                                                                       \
    X(Sync, 0, "SYNC")                                                                             \
    X(Dsb, 1, "DSB")                                                                               \
    X(Lsb, 2, "LSB")                                                                               \
    X(Usb, 3, "USB")                                                                               \
    X(Eusb, 4, "EUSB")                                                                             \
    X(Sbcw, 5, "SBCW")                                                                             \
    X(Cw, 6, "CW")                                                                                 \
    X(FmNarrow, 7, "FM-N")                                                                         \
    X(FmWide, 8, "FM-W")                                                                           \
    X(UsbQ, 9, "USBQ")                                                                             \
    X(DsbQ, 10, "DSBQ")                                                                            \
    X(AmE, 11, "AM-E")                                                                             \
    X(LsbQ, 25, "LSBQ")                                                                            \
    X(Digi, 41, "DIGI")

// kModeSync, kModeDsb, ...: mode indexes as the receiver state holds them (a byte).
#define TALIX_BOARD_ENTRY(name, index, text) constexpr uint8_t kMode##name = index;
TALIX_BOARD_MODES(TALIX_BOARD_ENTRY)
#undef TALIX_BOARD_ENTRY

struct ModeEntry {
    uint8_t index;
    const char* name;
};

constexpr ModeEntry kModes[] = {
#define TALIX_BOARD_ENTRY(name, index, text) {index, text},
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

} // namespace talix::board
