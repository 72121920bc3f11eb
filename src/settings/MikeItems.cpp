#include "settings/MikeItems.h"

#include "base/BoardWords.h"
#include "settings/ItemNumbers.h"
#include "settings/SharedSettings.h"

#include <array>

namespace talix::settings {

using board::MikeItem;

namespace {

constexpr uint8_t kCw = 6; // ModeIndex of "CW"
constexpr int kSquelchOff = -82;

constexpr std::array<int, 8> kVoxHolds{0, 10, 150, 250, 500, 1000, 1500, 2000};
constexpr std::array<int, 4> kHighpasses{0, 140, 260, 420};
// Transmit bandwidths in units of 100 Hz: the AM family's four, the others' eight.
constexpr std::array<int, 4> kAmBandwidths{32, 38, 48, 96};
constexpr std::array<int, 8> kBandwidths{18, 24, 27, 29, 32, 38, 48, 96};

QString monitoringText(uint32_t v) {
    const auto m = int8_t(uint8_t(v >> 16));
    return (m > 0 ? QStringLiteral("+") : QString()) + decimal(m);
}

QString voxLevelText(uint32_t v) {
    const uint32_t steps = (v >> 8) & 15;
    const uint32_t r = steps == 0 ? 50 : 100 * steps;
    return (v & (1u << 12) ? QStringLiteral("AV ") : QString()) + decimal(r / 16);
}

QString bandwidthText(uint32_t v, uint8_t modeIndex, const QLocale& locale) {
    if (modeIndex == kCw)
        return QStringLiteral("<=10");
    int r = 0;
    if (modeIndex == 0 || modeIndex == 1 || modeIndex == 10 || modeIndex == 11)
        r = kAmBandwidths[(v >> 24) & 3];
    else if ((modeIndex >= 2 && modeIndex <= 5) || (modeIndex & 15) == 9)
        r = kBandwidths[(v >> 26) & 7];
    else
        r = kBandwidths[(v >> 29) & 7];
    return oneDecimal(r, locale) + QStringLiteral(" kHz");
}

} // namespace

FormItemEffect applyMikeItem(int item, uint32_t v, sync::ReceiverState& state,
                             const QLocale& locale) {
    FormItemEffect e;
    const auto b = uint8_t(v);
    switch (item) {
    case board::number(MikeItem::MikeBias):
        e.editText = (v & 6) != 0 ? QStringLiteral("5") : QStringLiteral("0");
        break;
    case board::number(MikeItem::MikeVolume):
    case board::number(MikeItem::AlcEffect):
        e.editText = decimal(b);
        break;
    case board::number(MikeItem::Monitoring):
        e.editText = monitoringText(v);
        break;
    case board::number(MikeItem::Squelch): {
        const auto s = int8_t(b);
        e.editText = s < kSquelchOff ? QStringLiteral("Off") : decimal(s);
        break;
    }
    case board::number(MikeItem::VoxHold): {
        const int hold = kVoxHolds[(v >> 3) & 7];
        e.editText = hold == 0 ? QStringLiteral("Off") : decimal(hold);
        break;
    }
    case board::number(MikeItem::VoxLevel):
        storeSettingsWord(state, v, e);
        e.editText = voxLevelText(v);
        break;
    case board::number(MikeItem::Bandwidth):
        e.editText = bandwidthText(v, state.ModeIndex, locale);
        break;
    case board::number(MikeItem::Highpass): {
        const int highpass = kHighpasses[(v >> 6) & 3];
        e.editText = highpass == 0 ? QStringLiteral("Off") : decimal(highpass);
        break;
    }
    default:
        break;
    }
    return e;
}

std::optional<bool> equaliserEnabledBy(int item, uint32_t v) {
    if (item != board::number(MikeItem::Highpass))
        return std::nullopt;
    return ((v >> 6) & 3) != 0;
}

} // namespace talix::settings
