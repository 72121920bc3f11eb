#include "sync/MainItems.h"

#include "base/BoardModes.h"
#include "base/BoardWords.h"
#include "base/Palette.h"
#include "sync/AnsiText.h"
#include "sync/MainItemTable.h"
#include "sync/MainItemTexts.h"
#include "sync/ParamWord.h"

#include <algorithm>
#include <cmath>

namespace talix::sync {

namespace {

using C = MainControl;
using K = ControlChange;
using board::Field;
using board::MainItem;
using board::number;

constexpr int32_t k30MHz = 300'000'000;
constexpr int32_t k10MHz = 100'000'000;
constexpr uint8_t kFirstFmMode = 7;
constexpr float kWideBin = 160.0f;

uint8_t v8(uint32_t v) {
    return uint8_t(v);
}
uint16_t v16(uint32_t v) {
    return uint16_t(v);
}
bool bit(uint32_t v, int n) {
    return ((v >> n) & 1u) != 0;
}

// The slider rule: the bar moves to the board's value only when it differs from where the bar
// stands and the value word's upper half is zero (a nonzero upper half means "the user is moving
// it"). Returns the bar's position afterwards.
int sliderRule(ReceiverState& s, ItemEffect& e, C slider, uint32_t v) {
    const SliderRange range = sliderRange(slider);
    int& position = *s.Sliders.of(slider);
    const int target = std::clamp(int(v8(v)), range.min, range.max);
    if (position == target || param::upperHalfOf(v) != 0)
        return position;
    position = target;
    e.change(slider, K::MoveSlider, target);
    return target;
}

QString whole(double x) {
    return QString::number(std::lround(x));
}

} // namespace

MainItems::MainItems(const QLocale& locale) : m_locale(locale) {
    m_locale.setNumberOptions(m_locale.numberOptions() | QLocale::OmitGroupSeparator);
}

ItemEffect MainItems::apply(ReceiverState& s, int item, std::span<const uint32_t> values,
                            uint32_t w) const {
    ItemEffect e;
    if (item < 0 || item >= board::kMainItems || values.size() < mainItemWords(item, values))
        return e;
    const uint32_t v = values[0];
    const int h = param::tenthsOf(w) ? 2 : 1;
    auto mark = [&](Field field, int value = 1) { e.mark(number(field), value); };
    auto markRepaint = [&](Field field, int value = 1) {
        mark(field, value);
        e.repaint = true;
    };

    switch (MainItem(item)) {
    case MainItem::TunedFreq:
        frequencies(s, values, w, e);
        break;
    case MainItem::ModeIndex:
        s.ModeIndex = v8(v);
        e.rebuildGrid = s.BinHz == kWideBin;
        markRepaint(Field::EDemod);
        break;
    case MainItem::Bandwidth:
        s.Bandwidth = v16(v);
        e.rebuildGrid = s.ModeIndex >= kFirstFmMode && s.BinHz == kWideBin;
        markRepaint(Field::EBW);
        break;
    case MainItem::Shift:
        s.Shift = int16_t(v16(v));
        markRepaint(Field::EShift);
        break;
    case MainItem::NotchWidth:
        s.NotchWidth = v16(v);
        markRepaint(Field::ENotchW);
        break;
    case MainItem::NotchPos:
        if (bit(s.SettingsWord, 28))
            s.AutoNotch[s.NotchIndex] = v8(v);
        else
            s.NotchPos = int16_t(v16(v));
        markRepaint(Field::ENotchP);
        break;
    case MainItem::AgcLimit:
        s.AgcLimit = v16(v);
        markRepaint(Field::EAGCL);
        break;
    case MainItem::Threshold:
        s.Threshold = v16(v);
        e.placeThresholdLine = true;
        markRepaint(Field::EThresh);
        break;
    case MainItem::Dnr:
        s.Dnr = v8(v);
        markRepaint(Field::EDNR);
        break;
    case MainItem::BinCode:
        s.BinHz = float(v) * 2.5f;
        e.rebuildGrid = true;
        mark(Field::EReso);
        mark(Field::EResoD);
        mark(Field::Panel4);
        markRepaint(Field::Panel6);
        break;
    case MainItem::TopLevel:
        if (int32_t(v8(v)) != s.TopLevel) {
            s.TopLevel = v8(v);
            mark(Field::ELTop);
            mark(Field::ELBot);
            e.placeThresholdLine = true;
            markRepaint(Field::Panel5);
        }
        break;
    case MainItem::DbPerDiv:
        s.DbPerDiv = v8(v);
        mark(Field::ESpan);
        e.placeThresholdLine = true;
        markRepaint(Field::Panel5);
        break;
    case MainItem::RefreshTime:
        s.RefreshTime = v16(v);
        markRepaint(Field::ERefresh);
        break;
    case MainItem::WfTimeUnit:
        s.WfTimeUnit = v8(v);
        mark(Field::ETime);
        markRepaint(Field::Panel7);
        break;
    case MainItem::InsideBright:
        s.InsideBright = v8(v);
        markRepaint(Field::ESigB);
        break;
    case MainItem::OutsideBright:
        s.OutsideBright = v8(v);
        markRepaint(Field::ESpecB);
        break;
    case MainItem::GridBright:
        s.GridBright = v8(v);
        markRepaint(Field::EGridB);
        break;
    case MainItem::NbLevel:
        s.NbLevel = v8(v);
        markRepaint(Field::ENBP);
        break;
    case MainItem::NbDuration:
        s.NbDuration = v8(v);
        markRepaint(Field::ENBD, h);
        break;
    case MainItem::ModLevel: {
        s.ModLevel = v8(v);
        // 63 is full scale; the bar holds 0..100.
        const double bar = std::clamp(s.ModLevel * 1.5873, 0.0, 100.0);
        e.change(C::PBMod, K::BarValue, int(std::lround(bar)));
        e.text(C::LMod, whole(bar) + "%");
        e.colour(C::LMod, K::FontColour, modulationColour(s.ModLevel, s.TuneMode, s.SettingsWord));
        break;
    }
    case MainItem::HeadphoneVolume:
        s.HeadphoneVolume = v8(v);
        e.text(C::LHeadphone, "Headphone " + volumePercent(sliderRule(s, e, C::SBKH, v)));
        break;
    case MainItem::SpeakerVolume:
        s.SpeakerVolume = v8(v);
        {
            const int position = sliderRule(s, e, C::SBLSP, v);
            e.playbackVolume = s.SpeakerVolume;
            e.text(C::LLoudspeaker, "Loudspeaker " + volumePercent(position));
        }
        break;
    case MainItem::AgcHold:
        s.AgcHold = v16(v);
        markRepaint(Field::EHold, h);
        break;
    case MainItem::AgcAttack:
        s.AgcAttack = v16(v);
        markRepaint(Field::EAttack, h);
        break;
    case MainItem::TxFreq:
        s.TxFreq = int32_t(v);
        markRepaint(Field::EFreq2, h);
        break;
    case MainItem::GainCtrlIndex:
        s.GainCtrlIndex = uint8_t(v);
        s.NotchIndex = uint8_t(v >> 8);
        break;
    case MainItem::Attenuation:
        s.Attenuation = v8(v);
        sliderRule(s, e, C::TB_Att, v);
        e.text(C::L_Att, attenuatorText(s.Attenuation, s.levelsInDbuV()));
        break;
    case MainItem::TuneDigit:
        s.TuneDigit = int32_t(v);
        e.change(C::Panel9, K::RepaintNow);
        break;
    case MainItem::Brightness:
        s.Brightness = v8(v);
        e.brightnessReport = v;
        break;
    case MainItem::TuneStep:
        s.TuneStep = int32_t(v);
        markRepaint(Field::EStepsRX, h);
        break;
    case MainItem::Passband:
        passband(s, values, e);
        break;
    case MainItem::LockWord:
        s.LockWord = int32_t(v);
        e.change(C::B_Lock, K::Pressed, bit(v, 29));
        break;
    case MainItem::WaterfallHigh:
        e.text(C::Lhigh, QString::number(std::lround(sliderRule(s, e, C::TBWFH, v) / 1.6) + 1));
        break;
    case MainItem::WaterfallLow:
        e.text(C::Llow, whole(sliderRule(s, e, C::TBWFL, v) / 1.6));
        break;
    case MainItem::BwListFlag:
        s.BwListFlag = v != 0;
        break;
    case MainItem::Levels:
        levels(s, values, e);
        break;
    case MainItem::LevelMarker:
        if (int32_t(v) != s.LevelMarker) {
            s.LevelMarker = int32_t(v);
            e.change(C::RPegel, K::RepaintNow);
        }
        break;
    case MainItem::TxColour: {
        static constexpr uint32_t kTxColours[] = {kLightGreen, kLightPink, kRed};
        if (v < std::size(kTxColours))
            e.colour(C::EFreq2, K::FontColour, kTxColours[v]);
        break;
    }
    case MainItem::ReceiverFlags:
        s.ReceiverFlags = v8(v);
        e.change(C::B_Stereo, K::Pressed, bit(v, 5));
        break;
    case MainItem::Arrow:
        e.change(C::CB_Arrow, K::Visible, v != 0);
        if (v != 0)
            e.change(C::CB_Arrow, K::Rotation, v == 1 ? 270 : 90);
        break;
    case MainItem::Overload:
        e.colour(C::RPegel, K::Fill, v != 0 ? kRed : kBlack);
        e.change(C::RPegel, K::RepaintNow);
        break;
    case MainItem::UndoCount:
        s.UndoCount = v8(v);
        e.text(C::EUndo, QString::number(s.UndoCount));
        break;
    case MainItem::ProgrammeType:
    case MainItem::ProgrammeIdent:
    case MainItem::RadioText:
    case MainItem::ClockCalibration:
    case MainItem::GpsPosition:
    case MainItem::GpsAltitude:
        texts(item, values, e);
        break;
    case MainItem::NoiseBlanker:
        e.change(C::RNB, K::Visible, v != 0);
        break;
    case MainItem::OptionsMessage:
        e.modalMessage = v != 0 ? QStringLiteral("Options NOT set!")
                                : QStringLiteral("Options set successfully!");
        break;
    case MainItem::RotatorPresent:
    case MainItem::RotatorVersion:
    case MainItem::RotatorNotFound:
        rotator(item, values, e);
        break;
    case MainItem::SlideHeader:
        s.SlideHeader = {values[0], values[1]};
        s.SlideStream.clear();
        e.slideProgress = 0;
        break;
    case MainItem::SlideData:
        slideData(s, values, e);
        break;
    default: // 29-31, 37, 38: consumed, no effect
        break;
    }
    return e;
}

// Item 0: the tuned frequency, the spectrum's left edge and the auxiliary frequency.
void MainItems::frequencies(ReceiverState& s, std::span<const uint32_t> v, uint32_t w,
                            ItemEffect& e) const {
    const auto tuned = int32_t(v[0]);
    const auto left = int32_t(v[1]);
    const auto aux = int32_t(v[2]);
    if (tuned == s.TunedFreq && left == s.SpectrumLeftFreq && aux == s.FreqAux)
        return;
    // The level scale moves when the tuning crosses 30 MHz.
    const bool wasAbove = s.TunedFreq > k30MHz;
    const bool isAbove = tuned > k30MHz;
    if (wasAbove != isAbove) {
        const auto labels = levelScaleLabels(s.levelsInDbuV(), isAbove);
        const C scale[] = {C::LM120dBm, C::LM80dBm, C::LM40dBm, C::L0dBm};
        for (size_t i = 0; i < labels.size(); ++i)
            e.text(scale[i], labels[i]);
    }
    if (s.ModeIndex == board::kModeSbcw && (tuned < k10MHz) != (s.TunedFreq < k10MHz))
        e.rebuildGrid = true;
    s.TunedFreq = tuned;
    s.SpectrumLeftFreq = left;
    s.FreqAux = aux;
    e.mark(number(Field::EFreq1), param::tenthsOf(w) ? 2 : 1);
    e.mark(number(Field::Panel4));
    e.mark(number(Field::Panel6));
    e.repaint = true;
}

// Item 33: passband, notch marker and spectrum mode.
void MainItems::passband(ReceiverState& s, std::span<const uint32_t> v, ItemEffect& e) const {
    const uint32_t a = v[0], b = v[1], m = v[2];
    s.PassbandLo = uint16_t(uint16_t(a) + 1);
    s.PassbandHi = uint16_t(uint16_t(a >> 16) + 1);
    s.MarkerLo = int32_t(b & 0xFFFF) + 1;
    s.MarkerHi = int32_t(b >> 16) + 1;
    e.markerPathChanged = true;
    s.SpectrumMode = uint8_t(m);
    const SpectrumModeTexts t = spectrumModeTexts(s.SpectrumMode);
    e.text(C::B_Filter, t.filterText);
    e.change(C::Lms, K::Visible, t.lmsVisible);
    e.text(C::LRefresh, t.refreshText);
}

// Item 40: level, S-meter reading and ALC, in tenths of a dB.
void MainItems::levels(ReceiverState& s, std::span<const uint32_t> v, ItemEffect& e) const {
    const bool dbuv = s.levelsInDbuV();
    e.text(C::LPegel, levelText(int32_t(v[0]), dbuv, m_locale));
    s.SignalLevel = int32_t(v[1]);
    e.text(C::LSMeter, sMeterText(s.SignalLevel, m_locale));
    e.text(C::LALC, levelText(int32_t(v[2]), dbuv, m_locale));
}

// Items 47-52: RDS and GPS texts.
void MainItems::texts(int item, std::span<const uint32_t> v, ItemEffect& e) const {
    switch (MainItem(item)) {
    case MainItem::ProgrammeType:
        if (v[0] == 0) {
            e.text(C::LPTY, {});
            e.text(C::LPI, {});
            e.text(C::LRDS, {});
        } else {
            e.text(C::LPTY, ansiTextOfWords(v.subspan(0, 5), 19));
        }
        break;
    case MainItem::ProgrammeIdent:
        e.text(C::LPI, programmeIdentText(v.first<4>()));
        break;
    case MainItem::RadioText:
        e.text(C::LRDS, radioText(v.first<16>()));
        break;
    case MainItem::ClockCalibration:
        e.text(C::LCLK, QString::number(int32_t(v[0])) + " Hz");
        break;
    case MainItem::GpsPosition:
        e.text(C::LUTC, ansiTextOfWords(v.subspan(0, 2), 8));
        e.text(C::LLat, ansiTextOfWords(v.subspan(2, 4), 14));
        e.text(C::LLong, ansiTextOfWords(v.subspan(6, 4), 15));
        break;
    case MainItem::GpsAltitude:
        e.text(C::LAlt, ansiTextOfWords(v.subspan(0, 2), 7) + "m");
        break;
    default:
        break;
    }
}

// Items 55-57: the antenna rotator as the board sees it.
void MainItems::rotator(int item, std::span<const uint32_t> v, ItemEffect& e) const {
    RotatorReport r;
    if (item == number(MainItem::RotatorPresent)) {
        r.kind = RotatorReport::Present;
        r.connectText = QStringLiteral("KAP connected!");
        r.currentText = QString::number(v[0] & 0xFF) + " mA";
        r.position = int((v[0] >> 8) & 0xFF);
        r.address = dottedAddress(v[1]);
        e.change(C::B_KAP, K::Pressed, 1);
    } else if (item == number(MainItem::RotatorVersion)) {
        r.kind = RotatorReport::Version;
        r.versionText = "Ver: " + QString::number(v[0] & 0xFF, 16).toUpper().rightJustified(2, '0');
        r.address = dottedAddress(v[1]);
    } else {
        r.kind = RotatorReport::NotFound;
        r.connectText = QStringLiteral("KAP not found!");
        e.change(C::B_KAP, K::Pressed, 0);
    }
    e.rotator = std::move(r);
}

// Item 59: n bytes of the slide-show picture announced by item 58.
void MainItems::slideData(ReceiverState& s, std::span<const uint32_t> v, ItemEffect& e) const {
    const uint32_t size = s.slidePictureSize();
    if (size == 0)
        return; // no picture announced: the bytes are skipped
    const uint32_t n = v[0];
    if (s.SlideStream.size() + qsizetype(n) > kSlideStreamCap) {
        s.SlideStream.clear();
        s.SlideHeader[0] &= ~0x0FFFFFFFu;
        e.slideProgress = 0;
        return;
    }
    const qsizetype start = s.SlideStream.size();
    s.SlideStream.resize(start + qsizetype(n));
    char* out = s.SlideStream.data() + start;
    for (uint32_t i = 0; i < n; ++i)
        out[i] = char(uint8_t(v[1 + i / 4] >> (8 * (i % 4))));
    e.slideProgress = int(uint64_t(s.SlideStream.size()) * 100 / size);
    e.slideComplete = uint64_t(s.SlideStream.size()) >= size;
}

void MainItems::finishSlide(ReceiverState& s) {
    s.SlideStream.clear();
    s.SlideHeader[0] &= ~0x0FFFFFFFu;
}

} // namespace talix::sync
