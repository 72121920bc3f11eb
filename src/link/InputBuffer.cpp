#include "link/InputBuffer.h"

#include "base/LittleEndian.h"

#include <algorithm>
#include <cstring>

namespace talix::link {

InputBuffer::InputBuffer(size_t capacity) : m_data(capacity) {}

void InputBuffer::compact() {
    if (m_head == 0)
        return;
    const size_t n = size();
    if (n > 0)
        std::memmove(m_data.data(), m_data.data() + m_head, n);
    m_head = 0;
    m_tail = n;
}

uint8_t* InputBuffer::writePointer() {
    compact();
    return m_data.data() + m_tail;
}

void InputBuffer::commit(size_t n) {
    m_tail = std::min(m_tail + n, m_data.size());
}

void InputBuffer::append(const uint8_t* data, size_t n) {
    uint8_t* p = writePointer();
    n = std::min(n, writeSpace());
    std::memcpy(p, data, n);
    commit(n);
}

uint32_t InputBuffer::peekWord(size_t offset) const {
    return readLe32(m_data.data() + m_head + offset);
}

uint32_t InputBuffer::readWord() {
    const uint32_t w = peekWord(0);
    m_head += 4;
    return w;
}

void InputBuffer::read(uint8_t* out, size_t n) {
    n = std::min(n, size());
    std::memcpy(out, m_data.data() + m_head, n);
    m_head += n;
}

void InputBuffer::discard(size_t n) {
    m_head += std::min(n, size());
    if (m_head == m_tail)
        m_head = m_tail = 0;
}

} // namespace talix::link
