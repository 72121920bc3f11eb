#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace talix::link {

// The client's input buffer: bytes received but not yet taken. Fixed capacity, allocated once;
// the receive side appends into free space and the frame reader takes from the front.
class InputBuffer {
public:
    explicit InputBuffer(size_t capacity = 256 * 1024);

    size_t size() const { return m_tail - m_head; }
    bool empty() const { return m_tail == m_head; }
    size_t freeSpace() const { return m_data.size() - size(); }

    // Contiguous free space at the end (compacts first); call commit() with what was written.
    uint8_t* writePointer();
    size_t writeSpace() const { return m_data.size() - m_tail; }
    void commit(size_t n);
    void append(const uint8_t* data, size_t n); // as much as fits; for tests and fuzzing

    const uint8_t* data() const { return m_data.data() + m_head; } // size() bytes
    uint32_t peekWord(size_t offset) const; // caller checks size() >= offset + 4
    uint32_t readWord();
    void read(uint8_t* out, size_t n);
    void discard(size_t n);
    void clear() { m_head = m_tail = 0; }

private:
    void compact();
    std::vector<uint8_t> m_data;
    size_t m_head = 0;
    size_t m_tail = 0;
};

} // namespace talix::link
