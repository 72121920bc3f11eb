#include "sim/CommandParser.h"

#include "base/BoardWords.h"

#include <array>
#include <utility>

namespace talix::sim {

using board::Form;
using board::number;
using board::Record;
using board::Setting;

namespace {

// The length of a record of each kind. Some kinds come in layouts told by a later byte (a
// setting's sub-code, the form index): `at` names that byte, `cases` the length for each of its
// values, `otherwise` the length for any other value (-1: not a record the board knows).
struct Layout {
    Record kind;
    int length = 0;
    size_t at = 0;
    std::array<std::pair<int, int>, 2> cases{{{-1, 0}, {-1, 0}}};
    int otherwise = -1;
};

const Layout kLayouts[] = {
    {Record::Button, 3}, // 1, Tag low, Tag high
    {Record::KnobStep, 2},
    {Record::WiFiSet, 1},
    {Record::Acknowledge, 5},
    {Record::Greeting, 1},
    {Record::Setting,
     0,
     1,
     {{{number(Setting::ExternalAntenna), 3}, {number(Setting::AccessorySerial), 4}}}},
    {Record::FieldSelect, 0, 2, {{{number(Form::Rotator), 3}, {number(Form::Memory), 7}}}, 4},
    {Record::SetValue, 0, 2, {{{number(Form::DAB), 3}, {-1, 0}}}, 7}, // or a DAB programme choice
};

} // namespace

int CommandParser::recordLength(const uint8_t* data, size_t available) {
    if (available == 0)
        return 0;
    for (const Layout& l : kLayouts) {
        if (data[0] != number(l.kind))
            continue;
        if (l.at == 0)
            return l.length;
        if (available <= l.at)
            return 0;
        for (const auto& [value, length] : l.cases)
            if (data[l.at] == value)
                return length;
        return l.otherwise;
    }
    return -1;
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
