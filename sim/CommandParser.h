#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace talix::sim {

// Cuts the bytes the program writes into command records. The length of a record follows from
// its kind byte (and for some kinds from a later byte); a record that is not yet complete waits
// for more bytes. A kind the board does not know takes everything buffered with it, so that the
// next write starts on a kind byte again.
class CommandParser {
public:
    void feed(const uint8_t* data, size_t size);
    // The next complete record, oldest first.
    std::optional<std::vector<uint8_t>> next();
    void reset() { m_pending.clear(); }
    size_t pendingBytes() const { return m_pending.size(); }

    // Record length for the bytes at the front of a record: 0 while more bytes are needed to
    // tell, -1 for a kind that is not known.
    static int recordLength(const uint8_t* data, size_t available);

private:
    std::deque<uint8_t> m_pending;
};

} // namespace talix::sim
