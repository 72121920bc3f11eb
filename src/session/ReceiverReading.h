#pragma once

#include <cstdint>

namespace talix::session {

// What a client away from the screen reads of the receiver: the board's last reports, never what
// a client asked for.
struct ReceiverReading {
    int32_t tunedFreq = 0;   // 0.1 Hz
    uint8_t modeIndex = 0;   // the board's numbering of modes
    uint16_t bandwidth = 0;  // as reported: Hz from 10 on, below that an FM-W code
    int32_t signalLevel = 0; // the S-meter reading, tenths of dBm
    uint8_t speakerVolume = 0;
    uint32_t linkQuality = 0; // percent of the frames that arrived, at the last measurement
    bool linkUp = false;      // frames are arriving

    bool operator==(const ReceiverReading&) const = default;
};

} // namespace talix::session
