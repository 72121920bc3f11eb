// The simulated receiver's answers to the program's commands.
#include "sim/ReceiverModel.h"

#include "base/TunableBands.h"
#include "sim/ParamWords.h"

#include <algorithm>
#include <cstdlib>

namespace talix::sim {

using board::ButtonCode;
using board::Field;
using board::Form;
using board::MainButton;
using board::MainItem;
using board::number;
using board::Record;
using board::Setting;
using board::SetupItem;

namespace {

constexpr size_t kUndoDepth = 20;

// The readout Tags of the main window that a touch may select.
bool isMainField(uint8_t tag) {
    return tag <= number(Field::ENBD) || tag == number(Field::EHold) ||
           tag == number(Field::EAttack) || tag == number(Field::EFreq2) ||
           tag == number(Field::EResoD) || tag == number(Field::ELBot) ||
           tag == number(Field::EStepsRX);
}

// Frequencies the board tunes to: the coverage the program accepts for tap-to-tune.
bool inCoverage(int64_t f) {
    return f > 0 && board::inTunableBand(f);
}

} // namespace

ReceiverModel::ReceiverModel(uint32_t seed, Endpoint rotator, bool rotatorFound)
    : m_seed(seed), m_rotator(std::move(rotator)), m_rotatorFound(rotatorFound), m_plan(seed),
      m_audio(seed), m_spectrum(seed), m_dab(seed) {
    reportClock();
}

void ReceiverModel::greeted() {
    measureLevels(); // current levels for the state below
    m_reports.clear();
    m_state.shownForm = 0;
    m_state.rotatorSelected = false;
    m_knobRemainder = 0;
    m_dab.reset();
    // DeviceHello: LAN version, serial number, board type and firmware version.
    const uint32_t serial = 100 + m_seed % 900;
    m_reports.words(
        {paramId(board::ParamId::DeviceHello) | 0x21u << 8 | serial << 16, 0x0815u | 0x131u << 16});
    // The gain-control bit number first: the Setup form decodes the flags with it.
    m_reports.item(MainItem::GainCtrlIndex);
    for (int item = 0; item < board::kSetupItems; ++item)
        m_reports.item(number(Form::Setup), item);
    for (int item = 0; item <= number(MainItem::RotatorNotFound); ++item)
        if (item != number(MainItem::GainCtrlIndex) && !encode(number(Form::Main), item).empty())
            m_reports.item(number(Form::Main), item);
    m_reports.words(
        {fieldSelectWord(m_state.tuneMode ? number(Field::FrequencyEntry) : m_state.selectedField,
                         number(Form::Main))});
}

std::optional<ParamBlock> ReceiverModel::takeBlock() {
    return m_reports.take([this](int form, int item) { return encode(form, item); });
}

void ReceiverModel::handleCommand(const std::vector<uint8_t>& r) {
    if (r.empty())
        return;
    switch (r[0]) {
    case number(Record::Button):
        if (r.size() == 3)
            button(r[1], r[2]);
        return;
    case number(Record::KnobStep):
        if (r.size() == 2)
            knob(int8_t(r[1]));
        return;
    case number(Record::WiFiSet):
        if (m_state.shownForm == number(Form::WiFi))
            closeForm(number(Form::WiFi));
        return;
    case number(Record::Setting):
        if (r.size() == 3 && r[1] == number(Setting::ExternalAntenna))
            m_state.externalAntenna = r[2] != 0;
        else if (r.size() == 4 && r[1] == number(Setting::AccessorySerial))
            m_state.accessorySerial = uint16_t(r[2] | r[3] << 8);
        return;
    case number(Record::FieldSelect):
        if (r.size() == 7 && r[2] == number(Form::Memory))
            memoryLine(r[1], r[5]);
        else if (r.size() == 4 || r.size() == 3)
            selectField(r[1], r[2]);
        return;
    case number(Record::SetValue):
        if (r.size() == 3 && r[2] == number(Form::DAB))
            m_dab.choose(r[1], m_reports);
        else if (r.size() == 7)
            setValue(r[1], r[2],
                     uint32_t(r[3]) | uint32_t(r[4]) << 8 | uint32_t(r[5]) << 16 |
                         uint32_t(r[6]) << 24);
        return;
    default:
        return;
    }
}

void ReceiverModel::button(uint8_t code, uint8_t high) {
    BoardSettings& s = m_state;
    const bool closes = code == number(ButtonCode::Close);
    if (s.shownForm == number(Form::Memory)) {
        memoryKey(code, high);
        return;
    }
    if (s.shownForm == number(Form::Recorder) && closes && high == 0) {
        closeForm(number(Form::Recorder));
        return;
    }
    if (s.shownForm != 0 && high == s.shownForm && (closes || code == number(ButtonCode::Cancel))) {
        if (s.shownForm == number(Form::Undo) && closes)
            undoTuning();
        closeForm(s.shownForm);
        return;
    }
    if (code == number(ButtonCode::Show)) {
        if (const std::optional<Form> form = board::formShownBy(high))
            showForm(number(*form));
        return;
    }
    if (high != 0)
        return;
    switch (code) {
    case number(MainButton::B_Zero): // "-> Zero"
        zeroBeat();
        return;
    case number(MainButton::B_Tune):
        setTuneMode(!s.tuneMode);
        return;
    case number(MainButton::B_Filter): // spectrum filter: Off, Average, Max Hold, Min Hold
        s.spectrumMode = uint8_t(s.spectrumMode % 4 + 1);
        reportPassband();
        m_reports.item(MainItem::RefreshTime);
        return;
    case number(MainButton::B_Stereo):
        s.flags ^= 0x20;
        m_reports.item(MainItem::ReceiverFlags);
        return;
    case number(MainButton::B_Lock):
        s.lockWord ^= 1u << 29;
        m_reports.item(MainItem::LockWord);
        return;
    case number(MainButton::NotchPosition): // automatic notch on or off
        s.settingsWord ^= 1u << 28;
        m_reports.item(SetupItem::SpectrumPriority);
        m_reports.item(MainItem::NotchPos);
        return;
    default:
        return;
    }
}

// The memory keypad: digits build a direct entry (line 0), "MHz OK" and "kHz OK" tune to it, "OK"
// tunes to the memory line touched last, "Discover DAB" starts the DAB receiver.
void ReceiverModel::memoryKey(uint8_t code, uint8_t high) {
    using board::MemoryFunction;
    if (high == 0) {
        if (m_memory.key(code))
            m_reports.words(m_memory.lineWords(0));
        return;
    }
    if (code == number(ButtonCode::Close) &&
        (high == number(MemoryFunction::MHzOK) || high == number(MemoryFunction::KHzOK))) {
        const int64_t freq = m_memory.takeEntry(high == number(MemoryFunction::MHzOK));
        closeForm(number(Form::Memory));
        if (inCoverage(freq))
            tuneTo(freq, true);
        return;
    }
    if (code == number(ButtonCode::Close) && high == number(MemoryFunction::OK)) {
        closeForm(number(Form::Memory));
        recallMemory(m_memorySelected);
        return;
    }
    if (code == number(ButtonCode::Close) && high == number(MemoryFunction::DiscoverDab)) {
        m_memory.clearEntry();
        closeForm(number(Form::Memory));
        m_dab.start(m_reports);
        return;
    }
    if (code == number(ButtonCode::Cancel) && high == number(MemoryFunction::Escape)) {
        m_memory.clearEntry();
        closeForm(number(Form::Memory));
    }
}

// A touched memory line: the number selects it, "S" stores the tuned frequency there, the text
// fields tune to it.
void ReceiverModel::memoryLine(uint8_t tag, uint8_t zone) {
    using board::MemoryZone;
    if (m_state.shownForm != number(Form::Memory) || tag > 9)
        return;
    m_memorySelected = tag;
    if (zone == number(MemoryZone::Channel) && tag > 0) {
        m_memory.store(tag, m_state.tunedFreq, m_state.mode);
        m_reports.words(m_memory.lineWords(tag));
    } else if (zone == number(MemoryZone::ShortField) || zone == number(MemoryZone::LongField)) {
        closeForm(number(Form::Memory));
        recallMemory(tag);
    }
}

void ReceiverModel::recallMemory(int tag) {
    const MemoryBank::Channel* c = m_memory.channel(tag);
    if (c == nullptr || c->freq == 0)
        return;
    if (c->mode != m_state.mode)
        setMode(c->mode);
    tuneTo(c->freq, true);
}

void ReceiverModel::knob(int step) {
    BoardSettings& s = m_state;
    // Two counts make one step of the selected value; odd counts from drags carry over.
    const int total = m_knobRemainder + step;
    const int units = total / 2;
    m_knobRemainder = total - 2 * units;
    if (units == 0)
        return;
    if (s.rotatorSelected && m_rotatorFound) {
        int p = m_rotatorMotor.target() + units;
        while (p < 1)
            p += 232;
        while (p > 232)
            p -= 232;
        m_rotatorMotor.command(uint8_t(p));
        s.rotatorOn = true;
        m_reports.words({rotatorRelayWord(), uint32_t(p)});
        m_reports.item(MainItem::RotatorPresent);
        return;
    }
    if (s.shownForm == number(Form::Recorder)) {
        // The recorder's list scrolls a line a step: anticlockwise up (not 0), clockwise down (0).
        for (int i = 0; i < std::abs(units); ++i)
            m_reports.words({valueWord(0, number(Form::Recorder)), units < 0 ? 1u : 0u});
        return;
    }
    if (s.shownForm == number(Form::Setup)) {
        editSetupItem(s.setupSelected, units);
        return;
    }
    if (s.shownForm == 0 && m_dab.active()) {
        m_dab.scroll(units, m_reports);
        return;
    }
    if (SettingsForms::owns(s.shownForm)) {
        m_forms.edit(s.shownForm, units);
        return;
    }
    if (s.shownForm != 0 && s.shownForm != number(Form::Undo) &&
        s.shownForm != number(Form::Memory))
        return; // forms whose settings this board does not keep
    editMainField(s.tuneMode ? 0 : s.selectedField, units);
}

void ReceiverModel::selectField(uint8_t item, uint8_t form) {
    BoardSettings& s = m_state;
    if (form == number(Form::Rotator)) {
        s.rotatorSelected = item != 0;
        m_reports.words({fieldSelectWord(item, number(Form::Rotator))});
        return;
    }
    s.rotatorSelected = false;
    if (form == number(Form::Main)) {
        if (item == number(Field::FrequencyEntry)) {
            setTuneMode(true);
            return;
        }
        if (!isMainField(item))
            return;
        if (item != number(Field::EFreq2) && s.tuneMode) {
            s.tuneMode = false;
            m_reports.item(MainItem::ModLevel);
            m_reports.item(MainItem::TxColour);
        }
        s.selectedField = item;
        m_reports.words({fieldSelectWord(item, number(Form::Main))});
        return;
    }
    if (form == number(Form::Setup)) {
        if (item >= board::kSetupItems)
            return;
        s.setupSelected = item;
        m_reports.words({fieldSelectWord(item, number(Form::Setup))});
        return;
    }
    if (SettingsForms::owns(form)) {
        m_forms.select(form, item);
        return;
    }
    if (form == number(Form::DAB))
        m_reports.words({fieldSelectWord(item, form)});
}

void ReceiverModel::setValue(uint8_t item, uint8_t form, uint32_t v) {
    if (SettingsForms::owns(form)) {
        m_forms.setValue(form, item, v);
        return;
    }
    if (form != number(Form::Main))
        return;
    BoardSettings& s = m_state;
    switch (MainItem(item)) {
    case MainItem::TunedFreq:
        if (inCoverage(int64_t(v)))
            tuneTo(int64_t(v), true);
        return;
    case MainItem::ModeIndex:
        if (isKnownMode(int(v)))
            setMode(uint8_t(v));
        return;
    case MainItem::Bandwidth: {
        uint16_t bw = 0;
        if (bandwidthForPosition(s.mode, s.fullFmList, int(v), bw)) {
            s.bandwidth = bw;
            s.bandwidthByMode[s.mode] = bw;
        }
        m_reports.item(MainItem::Bandwidth);
        reportPassband();
        return;
    }
    case MainItem::HeadphoneVolume:
        s.headphoneVolume = uint8_t(std::min<uint32_t>(v, 255));
        break;
    case MainItem::SpeakerVolume:
        s.speakerVolume = uint8_t(std::min<uint32_t>(v, 255));
        break;
    case MainItem::Attenuation:
        s.attenuation = uint8_t(std::min<uint32_t>(v, 35));
        break;
    case MainItem::TuneDigit:
        s.tuneDigit = std::min<uint32_t>(v, 6);
        break;
    case MainItem::Brightness:
        s.brightness = uint8_t(std::min<uint32_t>(v, 100));
        break;
    case MainItem::TuneStep:
        s.tuneStep = std::clamp<int64_t>(int64_t(v), 1, 10'000'000);
        break;
    case MainItem::WaterfallHigh:
        s.wfHigh = uint8_t(std::clamp<uint32_t>(v, std::max<uint32_t>(1, s.wfLow + 1u), 160));
        break;
    case MainItem::WaterfallLow:
        s.wfLow = uint8_t(std::min<uint32_t>(v, std::min<uint32_t>(159, s.wfHigh - 1u)));
        break;
    default:
        return;
    }
    m_reports.item(number(Form::Main), item);
}

void ReceiverModel::tuneTo(int64_t freq, bool remember) {
    BoardSettings& s = m_state;
    freq = std::clamp<int64_t>(freq, 100, 1'560'000'000);
    m_dab.stop(m_reports); // a frequency of its own leaves DAB
    if (freq == s.tunedFreq)
        return;
    if (remember) {
        s.undo.push_back(s.tunedFreq);
        if (s.undo.size() > kUndoDepth)
            s.undo.erase(s.undo.begin());
        m_reports.item(MainItem::UndoCount);
    }
    s.tunedFreq = freq;
    reportTuning();
}

// A new receive frequency: the transmitter follows unless it is locked.
void ReceiverModel::reportTuning() {
    BoardSettings& s = m_state;
    m_reports.item(MainItem::TunedFreq);
    if (!(s.lockWord >> 29 & 1) && s.txFreq != s.tunedFreq) {
        s.txFreq = s.tunedFreq;
        m_reports.item(MainItem::TxFreq);
        m_reports.item(MainItem::TxColour);
    }
    reportPassband(); // SBCW changes sides at 10 MHz
}

void ReceiverModel::setMode(uint8_t mode) {
    BoardSettings& s = m_state;
    s.mode = mode;
    const auto it = s.bandwidthByMode.find(mode);
    s.bandwidth = it != s.bandwidthByMode.end() ? it->second : defaultBandwidth(mode);
    m_reports.item(MainItem::ModeIndex);
    m_reports.item(MainItem::Bandwidth);
    reportPassband();
}

void ReceiverModel::setTuneMode(bool on) {
    BoardSettings& s = m_state;
    s.tuneMode = on;
    if (on)
        s.selectedField = 0;
    m_reports.words({fieldSelectWord(on ? number(Field::FrequencyEntry) : s.selectedField,
                                     number(Form::Main))});
    m_reports.item(MainItem::ModLevel);
    m_reports.item(MainItem::TxColour);
}

// "-> Zero": on a frequency, tune onto the strongest carrier nearby; elsewhere, back to the
// field's neutral value.
void ReceiverModel::zeroBeat() {
    BoardSettings& s = m_state;
    const uint8_t field = s.tuneMode ? 0 : s.selectedField;
    switch (Field(field)) {
    case Field::EFreq1:
    case Field::EFreq2: {
        const double half = std::max(500.0, bandwidthHz(s.mode, s.bandwidth) / 2);
        const int found = m_plan.strongestNear(s.tunedHz(), int64_t(half));
        if (found >= 0)
            tuneTo(m_plan.stations()[size_t(found)].freqHz * 10, true);
        return;
    }
    case Field::EShift:
        s.shift = 0;
        break;
    case Field::ENotchP:
        s.notchPos = 0;
        break;
    case Field::ELTop:
        s.topLevel = 125;
        break;
    default:
        return;
    }
    m_reports.item(number(Form::Main), field);
    reportPassband();
}

void ReceiverModel::showForm(int form) {
    BoardSettings& s = m_state;
    if (s.shownForm != 0 && s.shownForm != form)
        closeForm(s.shownForm);
    s.shownForm = form;
    s.rotatorSelected = false;
    m_reports.words({showFormWord(uint32_t(form))});
    if (form == number(Form::Setup)) {
        for (int item = 0; item < board::kSetupItems; ++item)
            m_reports.item(number(Form::Setup), item);
        m_reports.words({fieldSelectWord(s.setupSelected, number(Form::Setup))});
    } else if (form == number(Form::Undo)) {
        m_reports.item(number(Form::Undo), 0);
    } else if (form == number(Form::Memory)) {
        m_memory.clearEntry();
        for (int tag = 0; tag < 10; ++tag)
            m_reports.words(m_memory.lineWords(tag));
    } else if (SettingsForms::owns(form)) {
        m_forms.shown(form);
    }
}

void ReceiverModel::closeForm(int form) {
    if (m_state.shownForm == form)
        m_state.shownForm = 0;
    m_reports.words({closeFormWord(uint32_t(form))});
}

void ReceiverModel::undoTuning() {
    BoardSettings& s = m_state;
    if (s.undo.empty())
        return;
    const int64_t back = s.undo.back();
    s.undo.pop_back();
    tuneTo(back, false);
    m_reports.item(MainItem::UndoCount);
    m_reports.item(number(Form::Undo), 0);
}

void ReceiverModel::setRotatorPosition(uint8_t position, bool on) {
    m_rotatorMotor.command(on ? position : 0);
    m_state.rotatorOn = m_rotatorMotor.on();
    m_reports.item(MainItem::RotatorPresent);
}

// The antenna turns in view: every step it takes is reported.
void ReceiverModel::turnRotator() {
    if (!m_rotatorMotor.step())
        return;
    m_state.rotatorPosition = uint8_t(m_rotatorMotor.position());
    m_reports.item(MainItem::RotatorPresent);
}

void ReceiverModel::rotatorGreeted() {
    m_reports.item(MainItem::RotatorPresent);
    m_reports.item(MainItem::RotatorVersion);
}

} // namespace talix::sim
