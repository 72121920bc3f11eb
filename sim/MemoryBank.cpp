#include "sim/MemoryBank.h"

#include "base/BoardWords.h"
#include "sim/ModeFilters.h"
#include "sim/ParamWords.h"

#include <algorithm>
#include <cstdio>

namespace talix::sim {

namespace {

constexpr size_t kEntryDigits = 12;

// Four characters of the mode's name as the program shows it, padded with blanks; blanks for a
// mode the memory keeps no name of.
std::string modeField(uint8_t mode) {
    switch (mode) {
    case board::kModeLsb:
    case board::kModeUsb:
    case board::kModeCw:
    case board::kModeFmNarrow:
    case board::kModeFmWide:
    case board::kModeAmE: {
        std::string name = board::modeName(mode);
        name.resize(4, ' ');
        return name;
    }
    default:
        return "    ";
    }
}

} // namespace

MemoryBank::MemoryBank() {
    m_channels[1] = {60'700'000, board::kModeAmE, "Shortwave 49m"};
    m_channels[2] = {99'960'000, board::kModeAmE, "Time signal"};
    m_channels[3] = {142'000'000, board::kModeUsb, "20m SSB"};
    m_channels[4] = {70'740'000, board::kModeLsb,
                     "40m \xC3\x9C"
                     "bung"}; // UTF-8 "Übung"
    m_channels[5] = {1'450'000'000, board::kModeFmNarrow, "2m Calling"};
    m_channels[6] = {9'990'000, board::kModeAmE, "Longwave"};
    m_channels[7] = {70'300'000, board::kModeCw, "40m CW"};
}

std::vector<uint32_t> MemoryBank::lineWords(int tag) const {
    std::string field, text;
    uint8_t number = 0;
    if (tag == 0) {
        field = "DIR ";
        text = m_entry + "_";
    } else if (const Channel* c = channel(tag); c && c->freq != 0) {
        number = uint8_t(tag);
        field = modeField(c->mode);
        text = c->name;
    } else {
        number = uint8_t(tag);
        field = "----";
        text = "(empty)";
    }
    std::string block(20, '\0');
    block[0] = char(number);
    block.replace(1, 4, field.substr(0, 4));
    block.replace(5, std::min<size_t>(text.size(), 13), text.substr(0, 13));
    std::vector<uint32_t> words{
        valueWord(uint32_t(tag), uint32_t(board::number(board::Form::Memory)))};
    const std::vector<uint32_t> data = textWords(block, 5);
    words.insert(words.end(), data.begin(), data.end());
    return words;
}

bool MemoryBank::key(uint8_t code) {
    if (code <= 9) {
        if (m_entry.size() >= kEntryDigits)
            return false;
        m_entry += char('0' + code);
        return true;
    }
    if (code == board::number(board::MemoryKey::Backspace)) {
        if (m_entry.empty())
            return false;
        m_entry.pop_back();
        return true;
    }
    if (code == board::number(board::MemoryKey::Comma)) {
        if (m_entry.find('.') != std::string::npos || m_entry.size() >= kEntryDigits)
            return false;
        m_entry += '.';
        return true;
    }
    return false;
}

int64_t MemoryBank::takeEntry(bool megahertz) {
    const double value = m_entry.empty() || m_entry == "." ? 0 : std::stod(m_entry);
    m_entry.clear();
    return int64_t(value * (megahertz ? 10'000'000 : 10'000));
}

const MemoryBank::Channel* MemoryBank::channel(int tag) const {
    return tag >= 1 && tag <= 9 ? &m_channels[size_t(tag)] : nullptr;
}

void MemoryBank::store(int tag, int64_t freq, uint8_t mode) {
    if (tag < 1 || tag > 9)
        return;
    char name[16];
    std::snprintf(name, sizeof name, "%.4f MHz", double(freq) / 10'000'000);
    m_channels[size_t(tag)] = {freq, mode, name};
}

} // namespace talix::sim
