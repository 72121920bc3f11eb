#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace talix::sim {

// The board's memories and its direct-entry buffer, as the memory keypad shows them: line 0 is the
// entry being typed, lines 1 to 9 the memory channels. A line goes out as the form's value: the
// ValueWord and five words of its 20-byte block.
class MemoryBank {
public:
    struct Channel {
        int64_t freq = 0; // 0.1 Hz; 0: empty
        uint8_t mode = 0;
        std::string name; // UTF-8, at most 13 bytes
    };

    MemoryBank();

    std::vector<uint32_t> lineWords(int tag) const;

    // Keypad keys: digits, backspace and the decimal comma build the entry (true when it changed).
    bool key(uint8_t code);
    // The entry as a frequency in 0.1 Hz, read in MHz or kHz; the entry is emptied.
    int64_t takeEntry(bool megahertz);
    void clearEntry() { m_entry.clear(); }

    // Memory lines 1..9.
    const Channel* channel(int tag) const;
    void store(int tag, int64_t freq, uint8_t mode);

private:
    std::string m_entry;
    std::array<Channel, 10> m_channels;
};

} // namespace talix::sim
