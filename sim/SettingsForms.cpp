#include "sim/SettingsForms.h"

#include "sim/ModeFilters.h"
#include "sim/ParamWords.h"

#include <algorithm>
#include <span>

namespace talix::sim {

using board::Form;
using board::MikeItem;
using board::number;
using board::SystemItem;
using board::WiFiItem;

namespace {

constexpr int kSystem = number(Form::System);
constexpr int kMike = number(Form::Microphone);
constexpr int kWiFi = number(Form::WiFi);
constexpr int kFirstBar = number(MikeItem::Equaliser1);
constexpr uint32_t kForced = 1u << 15; // moves an equaliser bar whatever the user does with it

// A bit field of a word: `width` bits from `shift`, read as signed when `isSigned`.
struct Bits {
    int shift;
    int width;
    bool isSigned = false;

    uint32_t mask() const { return (width >= 32 ? ~0u : (1u << width) - 1) << shift; }
    int get(uint32_t word) const {
        const uint32_t raw = (word & mask()) >> shift;
        if (isSigned && width < 32 && (raw >> (width - 1)) & 1)
            return int(raw) - (1 << width);
        return int(raw);
    }
    uint32_t set(uint32_t word, int value) const {
        return (word & ~mask()) | ((uint32_t(value) << shift) & mask());
    }
};

uint32_t stepBits(uint32_t word, Bits bits, int units, int step, int lo, int hi) {
    return bits.set(word, std::clamp(bits.get(word) + units * step, lo, hi));
}

// The settings word's bits of the connector contacts and the baud rate (one field).
constexpr Bits kKeyRingBits{26, 2};

// An item the knob steps within a bit field: of the item's own value word, or of the settings
// word.
struct StepRule {
    int item;
    Bits bits;
    int step, lo, hi;
    bool inSettingsWord = false;
};

const StepRule kSystemSteps[] = {
    {number(SystemItem::OscillatorCalibration), {0, 16}, 1, 0, 4000},
    {number(SystemItem::CalibrationLevel), {0, 16, true}, 1, -200, 200},
    {number(SystemItem::AfLevel), {0, 8}, 1, 0, 100},
    {number(SystemItem::FrequencyLeft), {0, 16, true}, 1, -1, 600},   // -1: "Noise"
    {number(SystemItem::FrequencyRight), {16, 16, true}, 1, -1, 600}, // -1: "NPR"
    {number(SystemItem::RxDelay), {0, 6}, 1, 0, 63},
    {number(SystemItem::Pep), {0, 16}, 5, 0, 600}, // tenths of a dBm, 0: off
    {number(SystemItem::DelayRfOutput), {0, 8}, 1, 0, 255},
    {number(SystemItem::SsbShift), {0, 8}, 1, 0, 255},
    {number(SystemItem::RisetimeRfOutput), {0, 8, true}, 1, -50, 50},
    {number(SystemItem::MikeRing), {22, 2}, 1, 0, 3, true},
    {number(SystemItem::KeyTip), {24, 2}, 1, 0, 3, true},
    {number(SystemItem::Limiter), {20, 2}, 1, 0, 3, true},
};

const StepRule kMikeSteps[] = {
    {number(MikeItem::MikeVolume), {0, 8}, 1, 0, 100},
    {number(MikeItem::AlcEffect), {0, 8}, 1, 0, 100},
    {number(MikeItem::Monitoring), {16, 8, true}, 1, -20, 20},
    {number(MikeItem::Squelch), {0, 8, true}, 1, -83, 0}, // -83: off
    {number(MikeItem::VoxHold), {3, 3}, 1, 0, 7},
    {number(MikeItem::VoxLevel), {8, 4}, 1, 0, 15, true},
    {number(MikeItem::Highpass), {6, 2}, 1, 0, 3}, // 0: off, which also switches the equaliser off
};

// Steps an item that has a rule in `rules`; false for an item without one.
bool stepByRule(std::span<const StepRule> rules, int item, uint32_t& own, uint32_t& settingsWord,
                int units) {
    for (const StepRule& r : rules) {
        if (r.item != item)
            continue;
        uint32_t& word = r.inSettingsWord ? settingsWord : own;
        word = stepBits(word, r.bits, units, r.step, r.lo, r.hi);
        return true;
    }
    return false;
}

// The transmitter's audio bandwidth setting has a field per kind of mode: AM, SSB, and the rest.
bool amMode(uint8_t mode) {
    return mode == board::kModeSync || mode == board::kModeDsb || mode == board::kModeDsbQ ||
           mode == board::kModeAmE;
}

bool ssbMode(uint8_t mode) {
    return mode == board::kModeLsb || mode == board::kModeUsb || mode == board::kModeEusb ||
           mode == board::kModeSbcw || mode == board::kModeUsbQ || mode == board::kModeLsbQ ||
           mode == board::kModeDigi;
}

} // namespace

SettingsForms::SettingsForms(BoardSettings& state, ReportQueue& reports)
    : m_state(state), m_reports(reports) {
    // Plausible settings of a receiver with its transmitter interface.
    m_system[number(SystemItem::OscillatorCalibration)] = 2037;           // +37 Hz
    m_system[number(SystemItem::CalibrationLevel)] = 15;                  // +1.5 dB
    m_system[number(SystemItem::AfLevel)] = 80;                           // %
    m_system[number(SystemItem::FmDeviation)] = 75u << 8 | 25;            // 75 / 2.5 kHz
    m_system[number(SystemItem::FrequencyLeft)] = 30;                     // 300 Hz
    m_system[number(SystemItem::FrequencyRight)] = 300u << 16;            // 3000 Hz
    m_system[number(SystemItem::RxDelay)] = 5;                            // 50 ms
    m_system[number(SystemItem::Pep)] = 500;                              // 50.0 dBm raw
    m_system[number(SystemItem::DelayRfOutput)] = 10;                     // ms
    m_system[number(SystemItem::RisetimeRfOutput)] = 5;                   // 0.5 ms
    m_system[number(SystemItem::SsbShift)] = 15;                          // 150 Hz
    m_system[number(SystemItem::Gps)] = 0;                                // enabled
    m_mike[number(MikeItem::MikeBias)] = 2;                               // 5 V
    m_mike[number(MikeItem::MikeVolume)] = 80;                            // %
    m_mike[number(MikeItem::AlcEffect)] = 60;                             // %
    m_mike[number(MikeItem::Monitoring)] = 10u << 16;                     // +10
    m_mike[number(MikeItem::Squelch)] = uint8_t(-60);                     // -60 dB
    m_mike[number(MikeItem::VoxHold)] = 3u << 3;                          // 250 ms
    m_mike[number(MikeItem::Bandwidth)] = 1u << 24 | 2u << 26 | 3u << 29; // 3.8/2.7/2.9
    m_mike[number(MikeItem::Highpass)] = 2u << 6;                         // 260 Hz
    constexpr std::array<uint32_t, board::kEqualiserBars> kCurve{36, 33, 31, 30, 28, 26};
    for (size_t i = 0; i < kCurve.size(); ++i)
        m_mike[kFirstBar + i] = kCurve[i];
    m_wifi[number(WiFiItem::Channel)] = 6;
    m_wifi[number(WiFiItem::Ssid)] = 7;
    m_wifi[number(WiFiItem::Passkey)] = 12345678;
}

bool SettingsForms::owns(int form) {
    return form == kSystem || form == kMike || form == kWiFi;
}

uint32_t SettingsForms::value(int form, int item) const {
    if (form == kSystem) {
        switch (SystemItem(item)) {
        case SystemItem::MikeRing:
        case SystemItem::KeyTip:
        case SystemItem::KeyRing:
        case SystemItem::Baudrate:
        case SystemItem::Limiter:
            return m_state.settingsWord;
        case SystemItem::AccessorySerial:
            return m_state.accessorySerial;
        default:
            return m_system[size_t(item)];
        }
    }
    if (form == kMike)
        return item == number(MikeItem::VoxLevel) ? m_state.settingsWord : m_mike[size_t(item)];
    return m_wifi[size_t(item)];
}

std::vector<uint32_t> SettingsForms::encode(int form, int item) const {
    const bool known = (form == kSystem && item >= 0 && item < board::kSystemItems) ||
                       (form == kMike && item >= 1 && item < board::kMikeItems) ||
                       (form == kWiFi && item >= 1 && item < board::kWiFiItems);
    if (!known)
        return {};
    return {valueWord(uint32_t(item), uint32_t(form)), value(form, item)};
}

void SettingsForms::shown(int form) {
    if (form == kSystem) {
        for (int item = 0; item < board::kSystemItems; ++item)
            report(form, item);
        m_reports.words({fieldSelectWord(m_systemSelected, uint32_t(form))});
    } else if (form == kMike) {
        for (int item = 1; item < kFirstBar; ++item)
            report(form, item);
        // The bars take the board's positions whatever the user left them at.
        for (int item = kFirstBar; item < board::kMikeItems; ++item)
            m_reports.words(
                {valueWord(uint32_t(item), uint32_t(form)), m_mike[size_t(item)] | kForced});
        m_reports.words({fieldSelectWord(m_mikeSelected, uint32_t(form))});
    } else if (form == kWiFi) {
        // The channel is selected by the user in each showing before the knob changes it.
        m_wifiSelected = false;
        for (int item = 1; item < board::kWiFiItems; ++item)
            report(form, item);
    }
}

bool SettingsForms::selectable(int form, int item) const {
    if (form == kSystem)
        return item >= 0 && item < board::kSystemItems;
    if (form == kMike)
        return item >= 1 && item < kFirstBar;
    return form == kWiFi && item == number(WiFiItem::Channel);
}

void SettingsForms::select(int form, uint8_t item) {
    if (!selectable(form, item))
        return;
    if (form == kSystem)
        m_systemSelected = item;
    else if (form == kMike)
        m_mikeSelected = item;
    else
        m_wifiSelected = true;
    m_reports.words({fieldSelectWord(item, uint32_t(form))});
}

void SettingsForms::edit(int form, int units) {
    if (form == kWiFi && m_wifiSelected) {
        uint32_t& channel = m_wifi[number(WiFiItem::Channel)];
        channel = uint32_t(std::clamp(int(channel) + units, 1, 13));
        report(form, number(WiFiItem::Channel));
    }
    if (form != kSystem && form != kMike)
        return;
    const bool system = form == kSystem;
    const int item = system ? m_systemSelected : m_mikeSelected;
    uint32_t& own = system ? m_system[size_t(item)] : m_mike[size_t(item)];
    const std::span<const StepRule> rules =
        system ? std::span<const StepRule>(kSystemSteps) : std::span<const StepRule>(kMikeSteps);
    if (stepByRule(rules, item, own, m_state.settingsWord, units))
        report(form, item);
    else if (system)
        editSystem(item, units);
    else
        editMike(item, units);
}

void SettingsForms::editSystem(int item, int units) {
    uint32_t& v = m_system[size_t(item)];
    switch (SystemItem(item)) {
    case SystemItem::FmDeviation:
        v = m_state.mode == board::kModeFmNarrow ? stepBits(v, {0, 8}, units, 1, 0, 50)
                                                 : stepBits(v, {8, 8}, units, 1, 0, 150);
        break;
    case SystemItem::KeyRing:
    case SystemItem::Baudrate:
        m_state.settingsWord = stepBits(m_state.settingsWord, kKeyRingBits, units, 1, 0, 3);
        report(kSystem, number(SystemItem::KeyRing));
        report(kSystem, number(SystemItem::Baudrate));
        return;
    case SystemItem::Gps: // GPS standby
        if (units % 2 != 0)
            v ^= 0x02;
        break;
    case SystemItem::AccessorySerial:
        m_state.accessorySerial =
            uint16_t(std::clamp(int(m_state.accessorySerial) + units, 0, 0xFFFF));
        break;
    default:
        return;
    }
    report(kSystem, item);
}

void SettingsForms::editMike(int item, int units) {
    uint32_t& v = m_mike[size_t(item)];
    switch (MikeItem(item)) {
    case MikeItem::MikeBias: // 0 or 5 V
        if (units % 2 != 0)
            v ^= 0x02;
        break;
    case MikeItem::Bandwidth: {
        const uint8_t mode = m_state.mode;
        if (mode == board::kModeCw)
            return;
        const bool am = amMode(mode);
        const Bits bits = am ? Bits{24, 2} : ssbMode(mode) ? Bits{26, 3} : Bits{29, 3};
        v = stepBits(v, bits, units, 1, 0, am ? 3 : 7);
        break;
    }
    default:
        return;
    }
    report(kMike, item);
}

void SettingsForms::setValue(int form, uint8_t item, uint32_t value) {
    if (form != kMike || item < kFirstBar || item >= board::kMikeItems)
        return;
    m_mike[item] = std::min<uint32_t>(value, 63);
    // Reported without the forced bit: the bar the user holds stays where it is.
    report(kMike, item);
}

void SettingsForms::report(int form, int item) {
    m_reports.item(form, item);
}

} // namespace talix::sim
