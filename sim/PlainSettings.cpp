#include "sim/PlainSettings.h"

#include "base/BoardWords.h"

#include <algorithm>
#include <span>
#include <type_traits>

namespace talix::sim {

using board::MainItem;
using board::number;
using board::SetupItem;

namespace {

template <auto Member> int64_t getMember(const BoardSettings& s) {
    return int64_t(s.*Member);
}

template <auto Member> void setMember(BoardSettings& s, int64_t v) {
    using T = std::remove_cvref_t<decltype(s.*Member)>;
    s.*Member = T(v);
}

template <auto Member> uint32_t wordOf(const BoardSettings& s) {
    using T = std::remove_cvref_t<decltype(s.*Member)>;
    if constexpr (std::is_signed_v<T> && sizeof(T) < sizeof(uint32_t))
        return uint32_t(std::make_unsigned_t<T>(s.*Member));
    else
        return uint32_t(s.*Member);
}

template <auto Member>
constexpr PlainSetting row(auto item, SettingInput input = SettingInput::Own, int step = 0,
                           int64_t lo = 0, int64_t hi = 0, int alsoReports = -1) {
    return {.item = number(item),
            .get = getMember<Member>,
            .set = setMember<Member>,
            .word = wordOf<Member>,
            .input = input,
            .step = step,
            .lo = lo,
            .hi = hi,
            .alsoReports = alsoReports};
}

constexpr auto K = SettingInput::Knob;
constexpr auto V = SettingInput::Value;
using S = BoardSettings;

const PlainSetting kMain[] = {
    row<&S::mode>(MainItem::ModeIndex),
    row<&S::bandwidth>(MainItem::Bandwidth),
    row<&S::shift>(MainItem::Shift, K, 10, -3000, 3000, number(MainItem::Passband)),
    row<&S::notchWidth>(MainItem::NotchWidth, K, 10, 0, 2000, number(MainItem::Passband)),
    row<&S::agcLimit>(MainItem::AgcLimit, K, 2, 0, 400),
    row<&S::threshold>(MainItem::Threshold, K, 2, 0, 400),
    row<&S::dnr>(MainItem::Dnr, K, 1, 0, 15),
    row<&S::binCode>(MainItem::BinCode),
    row<&S::topLevel>(MainItem::TopLevel, K, 1, 0, 255),
    row<&S::dbPerDiv>(MainItem::DbPerDiv),
    row<&S::refreshTime>(MainItem::RefreshTime),
    row<&S::wfTimeUnit>(MainItem::WfTimeUnit, K, 1, 1, 64),
    row<&S::insideBright>(MainItem::InsideBright, K, 5, 0, 100),
    row<&S::outsideBright>(MainItem::OutsideBright, K, 5, 0, 100),
    row<&S::gridBright>(MainItem::GridBright, K, 5, 0, 100),
    row<&S::nbLevel>(MainItem::NbLevel, K, 1, 0, 15, number(MainItem::NoiseBlanker)),
    row<&S::nbDuration>(MainItem::NbDuration, K, 1, 1, 100),
    row<&S::headphoneVolume>(MainItem::HeadphoneVolume, V, 0, 0, 255),
    row<&S::speakerVolume>(MainItem::SpeakerVolume, V, 0, 0, 255),
    row<&S::agcHold>(MainItem::AgcHold, K, 1, 0, 255),
    row<&S::agcAttack>(MainItem::AgcAttack, K, 5, 5, 995),
    row<&S::txFreq>(MainItem::TxFreq),
    row<&S::attenuation>(MainItem::Attenuation, V, 0, 0, 35),
    row<&S::tuneDigit>(MainItem::TuneDigit, V, 0, 0, 6),
    row<&S::brightness>(MainItem::Brightness, V, 0, 0, 100),
    row<&S::tuneStep>(MainItem::TuneStep, V, 0, 1, 10'000'000),
    row<&S::lockWord>(MainItem::LockWord),
    row<&S::wfHigh>(MainItem::WaterfallHigh), // each bounded by the other
    row<&S::wfLow>(MainItem::WaterfallLow),
    row<&S::fullFmList>(MainItem::BwListFlag),
    row<&S::flags>(MainItem::ReceiverFlags),
};

// Items sharing a word (the flags, the settings word) report the whole word.
const PlainSetting kSetup[] = {
    row<&S::scrollThreshold>(SetupItem::ScrollwheelThreshold, K, 1, 0, 31),
    row<&S::flags>(SetupItem::LevelUnits),
    row<&S::flags>(SetupItem::GainControl),
    row<&S::flags>(SetupItem::Deemphasis),
    row<&S::lowpass>(SetupItem::AudioLowpass, K, 5, 15, 150),
    row<&S::highpass>(SetupItem::AudioHighpass, K, 1, 0, 30),
    row<&S::impedance>(SetupItem::Impedance),
    row<&S::audioResolution>(SetupItem::AudioResolution),
    row<&S::rfFilter>(SetupItem::RfFilter, K, 1, 0, 7),
    row<&S::loudspeaker>(SetupItem::Loudspeaker, K, 1, 0, 3),
    row<&S::settingsWord>(SetupItem::FrequencyAutoActive),
    row<&S::settingsWord>(SetupItem::DisplayRate),
    row<&S::settingsWord>(SetupItem::SpectrumPriority),
    row<&S::touchAction>(SetupItem::TouchAction, K, 1, 0, 4),
};

const PlainSetting* find(std::span<const PlainSetting> rows, int item) {
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [item](const PlainSetting& r) { return r.item == item; });
    return it != rows.end() ? &*it : nullptr;
}

const PlainSetting* only(const PlainSetting* row, SettingInput input) {
    return row != nullptr && row->input == input ? row : nullptr;
}

} // namespace

void PlainSetting::stepBy(BoardSettings& s, int units) const {
    set(s, std::clamp(get(s) + int64_t(units) * step, lo, hi));
}

void PlainSetting::setFrom(BoardSettings& s, uint32_t value) const {
    set(s, std::clamp(int64_t(value), lo, hi));
}

const PlainSetting* mainSetting(int item) {
    return find(kMain, item);
}

const PlainSetting* setupSetting(int item) {
    return find(kSetup, item);
}

const PlainSetting* mainSetting(int item, SettingInput input) {
    return only(find(kMain, item), input);
}

const PlainSetting* setupSetting(int item, SettingInput input) {
    return only(find(kSetup, item), input);
}

} // namespace talix::sim
