#include "sim/CommandParser.h"

#include "base/BoardWords.h"

namespace talix::sim {

using board::Form;
using board::number;
using board::Record;
using board::Setting;

int CommandParser::recordLength(const uint8_t* data, size_t available) {
    if (available == 0)
        return 0;
    switch (data[0]) {
    case number(Record::Button):
        return 3; // 1, Tag low, Tag high
    case number(Record::KnobStep):
        return 2;
    case number(Record::WiFiSet):
        return 1;
    case number(Record::Acknowledge):
        return 5;
    case number(Record::Greeting):
        return 1;
    case number(Record::Setting): // with sub-code
        if (available < 2)
            return 0;
        if (data[1] == number(Setting::ExternalAntenna))
            return 3;
        if (data[1] == number(Setting::AccessorySerial))
            return 4;
        return -1;
    case number(Record::FieldSelect): // the form index in byte 2 tells the layout
        if (available < 3)
            return 0;
        if (data[2] == number(Form::Rotator))
            return 3;
        if (data[2] == number(Form::Memory))
            return 7;
        return 4;
    case number(Record::SetValue): // or a DAB programme choice
        if (available < 3)
            return 0;
        return data[2] == number(Form::DAB) ? 3 : 7;
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
