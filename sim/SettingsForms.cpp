#include "sim/SettingsForms.h"

#include "sim/ModeFilters.h"
#include "sim/ParamWords.h"

#include <algorithm>

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

// The settings word's bits of the connector contacts, baud rate, limiter and VOX level.
constexpr Bits kMikeRingBits{22, 2};
constexpr Bits kKeyTipBits{24, 2};
constexpr Bits kKeyRingBits{26, 2}; // also the baud rate
constexpr Bits kLimiterBits{20, 2};
constexpr Bits kVoxLevelBits{8, 4};

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
    if (form == kSystem) {
        editSystem(m_systemSelected, units);
    } else if (form == kMike) {
        editMike(m_mikeSelected, units);
    } else if (form == kWiFi && m_wifiSelected) {
        uint32_t& channel = m_wifi[number(WiFiItem::Channel)];
        channel = uint32_t(std::clamp(int(channel) + units, 1, 13));
        report(form, number(WiFiItem::Channel));
    }
}

void SettingsForms::editSystem(int item, int units) {
    uint32_t& v = m_system[size_t(item)];
    uint32_t& word = m_state.settingsWord;
    switch (SystemItem(item)) {
    case SystemItem::OscillatorCalibration:
        v = stepBits(v, {0, 16}, units, 1, 0, 4000);
        break;
    case SystemItem::CalibrationLevel:
        v = stepBits(v, {0, 16, true}, units, 1, -200, 200);
        break;
    case SystemItem::AfLevel:
        v = stepBits(v, {0, 8}, units, 1, 0, 100);
        break;
    case SystemItem::FmDeviation:
        v = m_state.mode == board::kModeFmNarrow ? stepBits(v, {0, 8}, units, 1, 0, 50)
                                                 : stepBits(v, {8, 8}, units, 1, 0, 150);
        break;
    case SystemItem::FrequencyLeft: // -1: "Noise"
        v = stepBits(v, {0, 16, true}, units, 1, -1, 600);
        break;
    case SystemItem::FrequencyRight: // -1: "NPR"
        v = stepBits(v, {16, 16, true}, units, 1, -1, 600);
        break;
    case SystemItem::RxDelay:
        v = stepBits(v, {0, 6}, units, 1, 0, 63);
        break;
    case SystemItem::Pep: // tenths of a dBm, 0: off
        v = stepBits(v, {0, 16}, units, 5, 0, 600);
        break;
    case SystemItem::DelayRfOutput:
    case SystemItem::SsbShift:
        v = stepBits(v, {0, 8}, units, 1, 0, 255);
        break;
    case SystemItem::RisetimeRfOutput:
        v = stepBits(v, {0, 8, true}, units, 1, -50, 50);
        break;
    case SystemItem::MikeRing:
        word = stepBits(word, kMikeRingBits, units, 1, 0, 3);
        break;
    case SystemItem::KeyTip:
        word = stepBits(word, kKeyTipBits, units, 1, 0, 3);
        break;
    case SystemItem::KeyRing:
    case SystemItem::Baudrate:
        word = stepBits(word, kKeyRingBits, units, 1, 0, 3);
        report(kSystem, number(SystemItem::KeyRing));
        report(kSystem, number(SystemItem::Baudrate));
        return;
    case SystemItem::Limiter:
        word = stepBits(word, kLimiterBits, units, 1, 0, 3);
        break;
    case SystemItem::Gps: // GPS standby
        if (units % 2 != 0)
            v ^= 0x02;
        break;
    case SystemItem::AccessorySerial:
        m_state.accessorySerial =
            uint16_t(std::clamp(int(m_state.accessorySerial) + units, 0, 0xFFFF));
        break;
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
    case MikeItem::MikeVolume:
    case MikeItem::AlcEffect:
        v = stepBits(v, {0, 8}, units, 1, 0, 100);
        break;
    case MikeItem::Monitoring:
        v = stepBits(v, {16, 8, true}, units, 1, -20, 20);
        break;
    case MikeItem::Squelch: // -83: off
        v = stepBits(v, {0, 8, true}, units, 1, -83, 0);
        break;
    case MikeItem::VoxHold:
        v = stepBits(v, {3, 3}, units, 1, 0, 7);
        break;
    case MikeItem::VoxLevel:
        m_state.settingsWord = stepBits(m_state.settingsWord, kVoxLevelBits, units, 1, 0, 15);
        break;
    case MikeItem::Bandwidth: {
        const uint8_t mode = m_state.mode;
        if (mode == board::kModeCw)
            return;
        const bool am = mode == 0 || mode == 1 || mode == 10 || mode == 11;
        const bool ssb = (mode >= 2 && mode <= 5) || (mode & 15) == 9;
        const Bits bits = am ? Bits{24, 2} : ssb ? Bits{26, 3} : Bits{29, 3};
        v = stepBits(v, bits, units, 1, 0, am ? 3 : 7);
        break;
    }
    case MikeItem::Highpass: // 0: off, which also switches the equaliser off
        v = stepBits(v, {6, 2}, units, 1, 0, 3);
        break;
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
