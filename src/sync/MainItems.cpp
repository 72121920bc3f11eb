#include "sync/MainItems.h"

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

// Field Tags of the readouts the items mark beyond their own.
constexpr int kEFreq1 = 0;
constexpr int kEResoD = 30;
constexpr int kELBot = 31;
constexpr int kPanel4 = 33;
constexpr int kPanel5 = 34;
constexpr int kPanel6 = 35;
constexpr int kPanel7 = 36;

constexpr int32_t k30MHz = 300'000'000;
constexpr int32_t k10MHz = 100'000'000;
constexpr uint8_t kModeSbcw = 5;
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
int sliderRule(ItemEffect& e, C slider, uint32_t v, const ItemInputs& inputs) {
    const SliderRange range = sliderRange(slider);
    const int current = inputs.sliderPosition(slider);
    const int target = std::clamp(int(v8(v)), range.min, range.max);
    if (current == target || param::upperHalfOf(v) != 0)
        return current;
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
                            uint32_t w, const ItemInputs& inputs) const {
    ItemEffect e;
    if (item < 0 || item >= kMainItemCount || values.size() < mainItemWords(item, values))
        return e;
    const uint32_t v = values[0];
    const int h = param::tenthsOf(w) ? 2 : 1;
    auto markRepaint = [&](int tag, int mark = 1) {
        e.mark(tag, mark);
        e.repaint = true;
    };

    switch (item) {
    case 0:
        frequencies(s, values, w, e);
        break;
    case 1:
        s.ModeIndex = v8(v);
        e.rebuildGrid = s.BinHz == kWideBin;
        markRepaint(1);
        break;
    case 2:
        s.Bandwidth = v16(v);
        e.rebuildGrid = s.ModeIndex >= kFirstFmMode && s.BinHz == kWideBin;
        markRepaint(2);
        break;
    case 3:
        s.Shift = int16_t(v16(v));
        markRepaint(3);
        break;
    case 4:
        s.NotchWidth = v16(v);
        markRepaint(4);
        break;
    case 5:
        if (bit(s.SettingsWord, 28))
            s.AutoNotch[s.NotchIndex] = v8(v);
        else
            s.NotchPos = int16_t(v16(v));
        markRepaint(5);
        break;
    case 6:
        s.AgcLimit = v16(v);
        markRepaint(6);
        break;
    case 7:
        s.Threshold = v16(v);
        e.placeThresholdLine = true;
        markRepaint(7);
        break;
    case 8:
        s.Dnr = v8(v);
        markRepaint(8);
        break;
    case 9:
        s.BinHz = float(v) * 2.5f;
        e.rebuildGrid = true;
        e.mark(9);
        e.mark(kEResoD);
        e.mark(kPanel4);
        markRepaint(kPanel6);
        break;
    case 10:
        if (int32_t(v8(v)) != s.TopLevel) {
            s.TopLevel = v8(v);
            e.mark(10);
            e.mark(kELBot);
            e.placeThresholdLine = true;
            markRepaint(kPanel5);
        }
        break;
    case 11:
        s.DbPerDiv = v8(v);
        e.mark(11);
        e.placeThresholdLine = true;
        markRepaint(kPanel5);
        break;
    case 12:
        s.RefreshTime = v16(v);
        markRepaint(12);
        break;
    case 13:
        s.WfTimeUnit = v8(v);
        e.mark(13);
        markRepaint(kPanel7);
        break;
    case 14:
        s.InsideBright = v8(v);
        markRepaint(14);
        break;
    case 15:
        s.OutsideBright = v8(v);
        markRepaint(15);
        break;
    case 16:
        s.GridBright = v8(v);
        markRepaint(16);
        break;
    case 17:
        s.NbLevel = v8(v);
        markRepaint(17);
        break;
    case 18:
        s.NbDuration = v8(v);
        markRepaint(18, h);
        break;
    case 19: {
        s.ModLevel = v8(v);
        // 63 is full scale; the bar holds 0..100.
        const double bar = std::clamp(s.ModLevel * 1.5873, 0.0, 100.0);
        e.change(C::PBMod, K::BarValue, int(std::lround(bar)));
        e.text(C::LMod, whole(bar) + "%");
        e.colour(C::LMod, K::FontColour,
                 modulationColour(s.ModLevel, inputs.tuneButtonPressed(), s.SettingsWord));
        break;
    }
    case 20:
        s.HeadphoneVolume = v8(v);
        e.text(C::LHeadphone, "Headphone " + volumePercent(sliderRule(e, C::SBKH, v, inputs)));
        break;
    case 21:
        s.SpeakerVolume = v8(v);
        {
            const int position = sliderRule(e, C::SBLSP, v, inputs);
            e.playbackVolume = s.SpeakerVolume;
            e.text(C::LLoudspeaker, "Loudspeaker " + volumePercent(position));
        }
        break;
    case 22:
        s.AgcHold = v16(v);
        markRepaint(22, h);
        break;
    case 23:
        s.AgcAttack = v16(v);
        markRepaint(23, h);
        break;
    case 24:
        s.TxFreq = int32_t(v);
        markRepaint(24, h);
        break;
    case 25:
        s.GainCtrlIndex = uint8_t(v);
        s.NotchIndex = uint8_t(v >> 8);
        break;
    case 26:
        s.Attenuation = v8(v);
        sliderRule(e, C::TB_Att, v, inputs);
        e.text(C::L_Att, attenuatorText(s.Attenuation, s.levelsInDbuV()));
        break;
    case 27:
        s.TuneDigit = int32_t(v);
        e.change(C::Panel9, K::RepaintNow);
        break;
    case 28:
        s.Brightness = v8(v);
        e.brightnessReport = v;
        break;
    case 32:
        s.TuneStep = int32_t(v);
        markRepaint(32, h);
        break;
    case 33:
        passband(s, values, inputs, e);
        break;
    case 34:
        s.LockWord = int32_t(v);
        e.change(C::B_Lock, K::Pressed, bit(v, 29));
        break;
    case 35:
        e.text(C::Lhigh,
               QString::number(std::lround(sliderRule(e, C::TBWFH, v, inputs) / 1.6) + 1));
        break;
    case 36:
        e.text(C::Llow, whole(sliderRule(e, C::TBWFL, v, inputs) / 1.6));
        break;
    case 39:
        s.BwListFlag = v != 0;
        break;
    case 40:
        levels(s, values, e);
        break;
    case 41:
        if (int32_t(v) != s.LevelMarker) {
            s.LevelMarker = int32_t(v);
            e.change(C::RPegel, K::RepaintNow);
        }
        break;
    case 42: {
        static constexpr uint32_t kTxColours[] = {0xFF90EE90, 0xFFFFB6C1, 0xFFFF0000};
        if (v < std::size(kTxColours))
            e.colour(C::EFreq2, K::FontColour, kTxColours[v]);
        break;
    }
    case 43:
        s.ReceiverFlags = v8(v);
        e.change(C::B_Stereo, K::Pressed, bit(v, 5));
        break;
    case 44:
        e.change(C::CB_Arrow, K::Visible, v != 0);
        if (v != 0)
            e.change(C::CB_Arrow, K::Rotation, v == 1 ? 270 : 90);
        break;
    case 45:
        e.colour(C::RPegel, K::Fill, v != 0 ? 0xFFFF0000 : 0xFF000000);
        e.change(C::RPegel, K::RepaintNow);
        break;
    case 46:
        s.UndoCount = v8(v);
        e.text(C::EUndo, QString::number(s.UndoCount));
        break;
    case 47:
    case 48:
    case 49:
    case 50:
    case 51:
    case 52:
        texts(item, values, e);
        break;
    case 53:
        e.change(C::RNB, K::Visible, v != 0);
        break;
    case 54:
        e.modalMessage = v != 0 ? QStringLiteral("Options NOT set!")
                                : QStringLiteral("Options set successfully!");
        break;
    case 55:
    case 56:
    case 57:
        rotator(item, values, e);
        break;
    case 58:
        s.SlideHeader = {values[0], values[1]};
        s.SlideStream.clear();
        e.slideProgress = 0;
        break;
    case 59:
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
    if (s.ModeIndex == kModeSbcw && (tuned < k10MHz) != (s.TunedFreq < k10MHz))
        e.rebuildGrid = true;
    s.TunedFreq = tuned;
    s.SpectrumLeftFreq = left;
    s.FreqAux = aux;
    e.mark(kEFreq1, param::tenthsOf(w) ? 2 : 1);
    e.mark(kPanel4);
    e.mark(kPanel6);
    e.repaint = true;
}

// Item 33: passband, notch marker and spectrum mode.
void MainItems::passband(ReceiverState& s, std::span<const uint32_t> v, const ItemInputs& inputs,
                         ItemEffect& e) const {
    const uint32_t a = v[0], b = v[1], m = v[2];
    s.PassbandLo = uint16_t(uint16_t(a) + 1);
    s.PassbandHi = uint16_t(uint16_t(a >> 16) + 1);
    s.MarkerLo = int32_t(b & 0xFFFF) + 1;
    s.MarkerHi = int32_t(b >> 16) + 1;
    MarkerRect r{s.MarkerLo + 0.5f, 0.5f, s.MarkerHi + 0.5f, 320.5f};
    if (!bit(s.SettingsWord, 31)) {
        const float dx = 1.5f - inputs.gridOffset();
        r.left += dx;
        r.right += dx;
    }
    s.MarkerPath = r;
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
    e.text(C::LSMeter, sMeterText(int32_t(v[1]), m_locale));
    e.text(C::LALC, levelText(int32_t(v[2]), dbuv, m_locale));
}

// Items 47-52: RDS and GPS texts.
void MainItems::texts(int item, std::span<const uint32_t> v, ItemEffect& e) const {
    switch (item) {
    case 47:
        if (v[0] == 0) {
            e.text(C::LPTY, {});
            e.text(C::LPI, {});
            e.text(C::LRDS, {});
        } else {
            e.text(C::LPTY, ansiTextOfWords(v.subspan(0, 5), 19));
        }
        break;
    case 48:
        e.text(C::LPI, programmeIdentText(v.first<4>()));
        break;
    case 49:
        e.text(C::LRDS, radioText(v.first<16>()));
        break;
    case 50:
        e.text(C::LCLK, QString::number(int32_t(v[0])) + " Hz");
        break;
    case 51:
        e.text(C::LUTC, ansiTextOfWords(v.subspan(0, 2), 8));
        e.text(C::LLat, ansiTextOfWords(v.subspan(2, 4), 14));
        e.text(C::LLong, ansiTextOfWords(v.subspan(6, 4), 15));
        break;
    case 52:
        e.text(C::LAlt, ansiTextOfWords(v.subspan(0, 2), 7) + "m");
        break;
    default:
        break;
    }
}

// Items 55-57: the antenna rotator as the board sees it.
void MainItems::rotator(int item, std::span<const uint32_t> v, ItemEffect& e) const {
    RotatorReport r;
    if (item == 55) {
        r.kind = RotatorReport::Present;
        r.connectText = QStringLiteral("KAP connected!");
        r.currentText = QString::number(v[0] & 0xFF) + " mA";
        r.position = int((v[0] >> 8) & 0xFF);
        r.address = dottedAddress(v[1]);
        e.change(C::B_KAP, K::Pressed, 1);
    } else if (item == 56) {
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
