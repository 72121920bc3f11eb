#include "sim/CommandParser.h"

namespace talix::sim {

int CommandParser::recordLength(const uint8_t* data, size_t available) {
    if (available == 0)
        return 0;
    switch (data[0]) {
    case 1:
        return 3; // button: 1, Tag low, Tag high
    case 2:
        return 2; // knob step
    case 8:
        return 1; // WiFi set
    case 13:
        return 5; // acknowledgement
    case 18:
        return 1; // greeting
    case 23:      // setting with sub-code
        if (available < 2)
            return 0;
        if (data[1] == 178)
            return 3;
        if (data[1] == 179)
            return 4;
        return -1;
    case 192: // field selection; the form index in byte 2 tells the layout
        if (available < 3)
            return 0;
        if (data[2] == 16)
            return 3;
        if (data[2] == 5)
            return 7;
        return 4;
    case 245: // set value, or a DAB programme choice (form index 15)
        if (available < 3)
            return 0;
        return data[2] == 15 ? 3 : 7;
    default:
        return -1;
    }
}

void CommandParser::feed(const uint8_t* data, size_t size) {
    m_pending.insert(m_pending.end(), data, data + size);
}

std::optional<std::vector<uint8_t>> CommandParser::next() {
    if (m_pending.empty())
        return std::nullopt;
    uint8_t head[3] = {};
    const size_t available = m_pending.size();
    for (size_t i = 0; i < 3 && i < available; ++i)
        head[i] = m_pending[i];
    const int length = recordLength(head, available < 3 ? available : 3);
    size_t take = 0;
    if (length < 0)
        take = available; // unknown kind: the rest of what arrived, as one record
    else if (length == 0 || size_t(length) > available)
        return std::nullopt;
    else
        take = size_t(length);
    std::vector<uint8_t> record(m_pending.begin(), m_pending.begin() + long(take));
    m_pending.erase(m_pending.begin(), m_pending.begin() + long(take));
    return record;
}

} // namespace talix::sim
