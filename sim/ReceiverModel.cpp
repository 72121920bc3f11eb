// The simulated receiver's answers to the program's commands.
#include "sim/ReceiverModel.h"

#include "sim/ParamWords.h"

#include <algorithm>

namespace talix::sim {

namespace {

constexpr size_t kUndoDepth = 20;
constexpr uint8_t kFieldTuneMode = 19;
constexpr uint8_t kFieldTx = 24;

// Button codes: a main-window button's Tag, and the "show a form" buttons whose high byte names
// the form.
constexpr uint8_t kCodeShow = 13;
constexpr uint8_t kCodeClose = 10;
constexpr uint8_t kCodeCancel = 11;

int formOfShowButton(uint8_t high) {
    switch (high) {
    case 11:
        return kFormSetup;
    case 12:
        return kFormSystem;
    case 13:
        return kFormUndo;
    case 14:
        return kFormMike;
    case 17:
        return kFormWiFi;
    case 18:
        return kFormMemory;
    case 19:
        return kFormRecorder;
    default:
        return -1;
    }
}

// The readout Tags of the main window that a touch may select.
bool isMainField(uint8_t tag) {
    return tag <= 18 || tag == 22 || tag == 23 || tag == 24 || tag == 30 || tag == 31 || tag == 32;
}

// Frequencies the board tunes to: the coverage the program accepts for tap-to-tune.
bool inCoverage(int64_t f) {
    return (f > 0 && f <= 300'000'000) || (f >= 500'000'000 && f <= 710'000'000) ||
           (f >= 870'000'000 && f <= 1'100'000'000) || (f >= 1'300'000'000 && f <= 1'560'000'000);
}

} // namespace

ReceiverModel::ReceiverModel(uint32_t seed, Endpoint rotator, bool rotatorFound)
    : m_seed(seed), m_rotator(std::move(rotator)), m_rotatorFound(rotatorFound), m_plan(seed),
      m_audio(seed), m_spectrum(seed) {
    reportClock();
}

void ReceiverModel::greeted() {
    measureLevels(); // current levels for the state below
    m_reports.clear();
    m_state.shownForm = 0;
    m_state.rotatorSelected = false;
    m_knobRemainder = 0;
    // DeviceHello: LAN version, serial number, board type and firmware version.
    const uint32_t serial = 100 + m_seed % 900;
    m_reports.words({uint32_t(kIdDeviceHello) | 0x21u << 8 | serial << 16, 0x0815u | 0x131u << 16});
    // The gain-control bit number first: the Setup form decodes the flags with it.
    m_reports.item(kFormMain, 25);
    for (int item = 0; item <= 13; ++item)
        m_reports.item(kFormSetup, item);
    for (int item = 0; item <= 57; ++item)
        if (item != 25 && !encode(kFormMain, item).empty())
            m_reports.item(kFormMain, item);
    m_reports.words(
        {fieldSelectWord(m_state.tuneMode ? kFieldTuneMode : m_state.selectedField, kFormMain)});
}

std::optional<ParamBlock> ReceiverModel::takeBlock() {
    return m_reports.take([this](int form, int item) { return encode(form, item); });
}

void ReceiverModel::handleCommand(const std::vector<uint8_t>& r) {
    if (r.empty())
        return;
    switch (r[0]) {
    case 1:
        if (r.size() == 3)
            button(r[1], r[2]);
        return;
    case 2:
        if (r.size() == 2)
            knob(int8_t(r[1]));
        return;
    case 8:
        if (m_state.shownForm == kFormWiFi)
            closeForm(kFormWiFi);
        return;
    case 23:
        if (r.size() == 3 && r[1] == 178)
            m_state.externalAntenna = r[2] != 0;
        else if (r.size() == 4 && r[1] == 179)
            m_state.accessorySerial = uint16_t(r[2] | r[3] << 8);
        return;
    case 192:
        if (r.size() == 4 || r.size() == 3)
            selectField(r[1], r[2]);
        return;
    case 245:
        if (r.size() == 7)
            setValue(r[1], r[2],
                     uint32_t(r[3]) | uint32_t(r[4]) << 8 | uint32_t(r[5]) << 16 |
                         uint32_t(r[6]) << 24);
        return;
    default:
        return;
    }
}

void ReceiverModel::button(uint8_t code, uint8_t high) {
    ReceiverState& s = m_state;
    if (s.shownForm == kFormMemory) {
        memoryKey(code, high);
        return;
    }
    if (s.shownForm == kFormRecorder && code == kCodeClose && high == 0) {
        closeForm(kFormRecorder);
        return;
    }
    if (s.shownForm != 0 && high == s.shownForm && (code == kCodeClose || code == kCodeCancel)) {
        if (s.shownForm == kFormUndo && code == kCodeClose)
            undoTuning();
        closeForm(s.shownForm);
        return;
    }
    if (code == kCodeShow) {
        const int form = formOfShowButton(high);
        if (form > 0)
            showForm(form);
        return;
    }
    if (high != 0)
        return;
    switch (code) {
    case 0: // "-> Zero"
        zeroBeat();
        return;
    case 12: // Tune
        setTuneMode(!s.tuneMode);
        return;
    case 21: // spectrum filter: Off, Average, Max Hold, Min Hold
        s.spectrumMode = uint8_t(s.spectrumMode % 4 + 1);
        reportPassband();
        m_reports.item(kFormMain, 12);
        return;
    case 23: // Stereo
        s.flags ^= 0x20;
        m_reports.item(kFormMain, 43);
        return;
    case 34: // TX Lock
        s.lockWord ^= 1u << 29;
        m_reports.item(kFormMain, 34);
        return;
    case 35: // double click on the notch position: automatic notch on or off
        s.settingsWord ^= 1u << 28;
        m_reports.item(kFormSetup, 12);
        m_reports.item(kFormMain, 5);
        return;
    default:
        return;
    }
}

// The memory keypad: digits build a direct entry, "MHz OK" and "kHz OK" tune to it.
void ReceiverModel::memoryKey(uint8_t code, uint8_t high) {
    if (high == 0 && code <= 9) {
        if (m_entry.size() < 12)
            m_entry += char('0' + code);
        return;
    }
    if (high == 0 && code == 12) {
        if (!m_entry.empty())
            m_entry.pop_back();
        return;
    }
    if (high == 0 && code == 13) {
        if (m_entry.find('.') == std::string::npos)
            m_entry += '.';
        return;
    }
    if (code == kCodeClose && (high == 53 || high == 37)) {
        const double value = m_entry.empty() || m_entry == "." ? 0 : std::stod(m_entry);
        const auto freq = int64_t(value * (high == 53 ? 10'000'000 : 10'000));
        m_entry.clear();
        if (inCoverage(freq))
            tuneTo(freq, true);
        closeForm(kFormMemory);
        return;
    }
    if ((code == kCodeClose && (high == 5 || high == 69)) || (code == kCodeCancel && high == 21)) {
        m_entry.clear();
        closeForm(kFormMemory);
    }
}

void ReceiverModel::knob(int step) {
    ReceiverState& s = m_state;
    // Two counts make one step of the selected value; odd counts from drags carry over.
    const int total = m_knobRemainder + step;
    const int units = total / 2;
    m_knobRemainder = total - 2 * units;
    if (units == 0)
        return;
    if (s.rotatorSelected && m_rotatorFound) {
        int p = s.rotatorPosition + units;
        while (p < 1)
            p += 232;
        while (p > 232)
            p -= 232;
        s.rotatorPosition = uint8_t(p);
        s.rotatorOn = true;
        m_reports.words({rotatorRelayWord(), s.rotatorPosition});
        m_reports.item(kFormMain, 55);
        return;
    }
    if (s.shownForm == kFormSetup) {
        editSetupItem(s.setupSelected, units);
        return;
    }
    if (s.shownForm != 0 && s.shownForm != kFormUndo && s.shownForm != kFormMemory)
        return; // forms whose settings this board does not keep
    editMainField(s.tuneMode ? 0 : s.selectedField, units);
}

void ReceiverModel::selectField(uint8_t item, uint8_t form) {
    ReceiverState& s = m_state;
    if (form == kFormRotator) {
        s.rotatorSelected = item != 0;
        m_reports.words({fieldSelectWord(item, kFormRotator)});
        return;
    }
    s.rotatorSelected = false;
    if (form == kFormMain) {
        if (item == kFieldTuneMode) {
            setTuneMode(true);
            return;
        }
        if (!isMainField(item))
            return;
        if (item != kFieldTx && s.tuneMode) {
            s.tuneMode = false;
            m_reports.item(kFormMain, 19);
            m_reports.item(kFormMain, 42);
        }
        s.selectedField = item;
        m_reports.words({fieldSelectWord(item, kFormMain)});
        return;
    }
    if (form == kFormSetup) {
        if (item > 13)
            return;
        s.setupSelected = item;
        m_reports.words({fieldSelectWord(item, kFormSetup)});
        return;
    }
    if (form == kFormSystem || form == kFormMike || form == kFormWiFi || form == kFormDab)
        m_reports.words({fieldSelectWord(item, form)});
}

void ReceiverModel::setValue(uint8_t item, uint8_t form, uint32_t v) {
    if (form != kFormMain)
        return;
    ReceiverState& s = m_state;
    switch (item) {
    case 0:
        if (inCoverage(int64_t(v)))
            tuneTo(int64_t(v), true);
        return;
    case 1:
        if (isKnownMode(int(v)))
            setMode(uint8_t(v));
        return;
    case 2: {
        uint16_t bw = 0;
        if (bandwidthForPosition(s.mode, s.fullFmList, int(v), bw)) {
            s.bandwidth = bw;
            s.bandwidthByMode[s.mode] = bw;
        }
        m_reports.item(kFormMain, 2);
        reportPassband();
        return;
    }
    case 20:
        s.headphoneVolume = uint8_t(std::min<uint32_t>(v, 255));
        break;
    case 21:
        s.speakerVolume = uint8_t(std::min<uint32_t>(v, 255));
        break;
    case 26:
        s.attenuation = uint8_t(std::min<uint32_t>(v, 35));
        break;
    case 27:
        s.tuneDigit = std::min<uint32_t>(v, 6);
        break;
    case 28:
        s.brightness = uint8_t(std::min<uint32_t>(v, 100));
        break;
    case 32:
        s.tuneStep = std::clamp<int64_t>(int64_t(v), 1, 10'000'000);
        break;
    case 35:
        s.wfHigh = uint8_t(std::clamp<uint32_t>(v, std::max<uint32_t>(1, s.wfLow + 1u), 160));
        break;
    case 36:
        s.wfLow = uint8_t(std::min<uint32_t>(v, std::min<uint32_t>(159, s.wfHigh - 1u)));
        break;
    default:
        return;
    }
    m_reports.item(kFormMain, item);
}

void ReceiverModel::tuneTo(int64_t freq, bool remember) {
    ReceiverState& s = m_state;
    freq = std::clamp<int64_t>(freq, 100, 1'560'000'000);
    if (freq == s.tunedFreq)
        return;
    if (remember) {
        s.undo.push_back(s.tunedFreq);
        if (s.undo.size() > kUndoDepth)
            s.undo.erase(s.undo.begin());
        m_reports.item(kFormMain, 46);
    }
    s.tunedFreq = freq;
    reportTuning();
}

// A new receive frequency: the transmitter follows unless it is locked.
void ReceiverModel::reportTuning() {
    ReceiverState& s = m_state;
    m_reports.item(kFormMain, 0);
    if (!(s.lockWord >> 29 & 1) && s.txFreq != s.tunedFreq) {
        s.txFreq = s.tunedFreq;
        m_reports.item(kFormMain, 24);
        m_reports.item(kFormMain, 42);
    }
    reportPassband(); // SBCW changes sides at 10 MHz
}

void ReceiverModel::setMode(uint8_t mode) {
    ReceiverState& s = m_state;
    s.mode = mode;
    const auto it = s.bandwidthByMode.find(mode);
    s.bandwidth = it != s.bandwidthByMode.end() ? it->second : defaultBandwidth(mode);
    m_reports.item(kFormMain, 1);
    m_reports.item(kFormMain, 2);
    reportPassband();
}

void ReceiverModel::setTuneMode(bool on) {
    ReceiverState& s = m_state;
    s.tuneMode = on;
    if (on)
        s.selectedField = 0;
    m_reports.words({fieldSelectWord(on ? kFieldTuneMode : s.selectedField, kFormMain)});
    m_reports.item(kFormMain, 19);
    m_reports.item(kFormMain, 42);
}

// "-> Zero": on a frequency, tune onto the strongest carrier nearby; elsewhere, back to the
// field's neutral value.
void ReceiverModel::zeroBeat() {
    ReceiverState& s = m_state;
    const uint8_t field = s.tuneMode ? 0 : s.selectedField;
    switch (field) {
    case 0:
    case kFieldTx: {
        const double half = std::max(500.0, bandwidthHz(s.mode, s.bandwidth) / 2);
        const int found = m_plan.strongestNear(s.tunedHz(), int64_t(half));
        if (found >= 0)
            tuneTo(m_plan.stations()[size_t(found)].freqHz * 10, true);
        return;
    }
    case 3:
        s.shift = 0;
        break;
    case 5:
        s.notchPos = 0;
        break;
    case 10:
        s.topLevel = 125;
        break;
    default:
        return;
    }
    m_reports.item(kFormMain, field);
    reportPassband();
}

void ReceiverModel::showForm(int form) {
    ReceiverState& s = m_state;
    if (s.shownForm != 0 && s.shownForm != form)
        closeForm(s.shownForm);
    s.shownForm = form;
    s.rotatorSelected = false;
    m_reports.words({showFormWord(uint32_t(form))});
    if (form == kFormSetup) {
        for (int item = 0; item <= 13; ++item)
            m_reports.item(kFormSetup, item);
        m_reports.words({fieldSelectWord(s.setupSelected, kFormSetup)});
    } else if (form == kFormUndo) {
        m_reports.item(kFormUndo, 0);
    } else if (form == kFormMemory) {
        m_entry.clear();
    }
}

void ReceiverModel::closeForm(int form) {
    if (m_state.shownForm == form)
        m_state.shownForm = 0;
    m_reports.words({closeFormWord(uint32_t(form))});
}

void ReceiverModel::undoTuning() {
    ReceiverState& s = m_state;
    if (s.undo.empty())
        return;
    const int64_t back = s.undo.back();
    s.undo.pop_back();
    tuneTo(back, false);
    m_reports.item(kFormMain, 46);
    m_reports.item(kFormUndo, 0);
}

void ReceiverModel::setRotatorPosition(uint8_t position, bool on) {
    m_state.rotatorOn = on;
    if (position != 0)
        m_state.rotatorPosition = std::min<uint8_t>(position, 232);
    m_reports.item(kFormMain, 55);
}

void ReceiverModel::rotatorGreeted() {
    m_reports.item(kFormMain, 55);
    m_reports.item(kFormMain, 56);
}

} // namespace talix::sim
