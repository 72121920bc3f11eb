#include "sim/CommandHandler.h"

#include "sim/ParamWords.h"
#include "sim/PlainSettings.h"

#include <algorithm>

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

// The readout Tags of the main window that a touch may select.
bool isMainField(uint8_t tag) {
    return tag <= number(Field::ENBD) || tag == number(Field::EHold) ||
           tag == number(Field::EAttack) || tag == number(Field::EFreq2) ||
           tag == number(Field::EResoD) || tag == number(Field::ELBot) ||
           tag == number(Field::EStepsRX);
}

} // namespace

void CommandHandler::handle(const std::vector<uint8_t>& r) {
    if (r.empty())
        return;
    switch (r[0]) {
    case number(Record::Button):
        if (r.size() == 3)
            button(r[1], r[2]);
        return;
    case number(Record::KnobStep):
        if (r.size() == 2)
            m.knob.turn(int8_t(r[1]));
        return;
    case number(Record::WiFiSet):
        if (m.settings.shownForm == number(Form::WiFi))
            m.forms.close(number(Form::WiFi));
        return;
    case number(Record::Setting):
        if (r.size() == 3 && r[1] == number(Setting::ExternalAntenna))
            m.settings.externalAntenna = r[2] != 0;
        else if (r.size() == 4 && r[1] == number(Setting::AccessorySerial))
            m.settings.accessorySerial = uint16_t(r[2] | r[3] << 8);
        return;
    case number(Record::FieldSelect):
        if (r.size() == 7 && r[2] == number(Form::Memory))
            m.keypad.line(r[1], r[5]);
        else if (r.size() == 4 || r.size() == 3)
            selectField(r[1], r[2]);
        return;
    case number(Record::SetValue):
        if (r.size() == 3 && r[2] == number(Form::DAB))
            m.dab.choose(r[1], m.reports);
        else if (r.size() == 7)
            setValue(r[1], r[2],
                     uint32_t(r[3]) | uint32_t(r[4]) << 8 | uint32_t(r[5]) << 16 |
                         uint32_t(r[6]) << 24);
        return;
    default:
        return;
    }
}

void CommandHandler::button(uint8_t code, uint8_t high) {
    const int shown = m.settings.shownForm;
    const bool closes = code == number(ButtonCode::Close);
    if (shown == number(Form::Memory)) {
        m.keypad.key(code, high);
        return;
    }
    if (shown == number(Form::Recorder) && closes && high == 0) {
        m.forms.close(number(Form::Recorder));
        return;
    }
    if (shown != 0 && high == shown && (closes || code == number(ButtonCode::Cancel))) {
        if (shown == number(Form::Undo) && closes)
            m.tuner.undoTuning();
        m.forms.close(shown);
        return;
    }
    if (code == number(ButtonCode::Show)) {
        if (const std::optional<Form> form = board::formShownBy(high))
            m.forms.show(number(*form));
        return;
    }
    if (high == 0)
        mainButton(code);
}

void CommandHandler::mainButton(uint8_t code) {
    BoardSettings& s = m.settings;
    switch (code) {
    case number(MainButton::B_Zero): // "-> Zero"
        m.tuner.zeroBeat();
        return;
    case number(MainButton::B_Tune):
        m.tuner.setTuneMode(!s.tuneMode);
        return;
    case number(MainButton::B_Filter): // spectrum filter: Off, Average, Max Hold, Min Hold
        s.spectrumMode = uint8_t(s.spectrumMode % 4 + 1);
        m.tuner.reportPassband();
        m.reports.item(MainItem::RefreshTime);
        return;
    case number(MainButton::B_Stereo):
        s.flags ^= 0x20;
        m.reports.item(MainItem::ReceiverFlags);
        return;
    case number(MainButton::B_Lock):
        s.lockWord ^= 1u << 29;
        m.reports.item(MainItem::LockWord);
        return;
    case number(MainButton::NotchPosition): // automatic notch on or off
        s.settingsWord ^= 1u << 28;
        m.reports.item(SetupItem::SpectrumPriority);
        m.reports.item(MainItem::NotchPos);
        return;
    default:
        return;
    }
}

void CommandHandler::selectField(uint8_t item, uint8_t form) {
    BoardSettings& s = m.settings;
    if (form == number(Form::Rotator)) {
        s.rotatorSelected = item != 0;
        m.reports.words({fieldSelectWord(item, number(Form::Rotator))});
        return;
    }
    s.rotatorSelected = false;
    if (form == number(Form::Main)) {
        if (item == number(Field::FrequencyEntry)) {
            m.tuner.setTuneMode(true);
            return;
        }
        if (!isMainField(item))
            return;
        if (item != number(Field::EFreq2) && s.tuneMode) {
            s.tuneMode = false;
            m.reports.item(MainItem::ModLevel);
            m.reports.item(MainItem::TxColour);
        }
        s.selectedField = item;
        m.reports.words({fieldSelectWord(item, number(Form::Main))});
        return;
    }
    if (form == number(Form::Setup)) {
        if (item >= board::kSetupItems)
            return;
        s.setupSelected = item;
        m.reports.words({fieldSelectWord(item, number(Form::Setup))});
        return;
    }
    if (SettingsForms::owns(form)) {
        m.settingsForms.select(form, item);
        return;
    }
    if (form == number(Form::DAB))
        m.reports.words({fieldSelectWord(item, form)});
}

void CommandHandler::setValue(uint8_t item, uint8_t form, uint32_t v) {
    if (SettingsForms::owns(form)) {
        m.settingsForms.setValue(form, item, v);
        return;
    }
    if (form != number(Form::Main))
        return;
    BoardSettings& s = m.settings;
    if (const PlainSetting* row = mainSetting(item, SettingInput::Value)) {
        row->setFrom(s, v);
        m.reports.item(number(Form::Main), item);
        return;
    }
    switch (MainItem(item)) {
    case MainItem::TunedFreq:
        m.tuner.tuneToOffered(int64_t(v));
        return;
    case MainItem::ModeIndex:
        if (isKnownMode(int(v)))
            m.tuner.setMode(uint8_t(v));
        return;
    case MainItem::Bandwidth: {
        uint16_t bw = 0;
        if (bandwidthForPosition(s.mode, s.fullFmList, int(v), bw))
            m.tuner.keepBandwidth(bw);
        m.reports.item(MainItem::Bandwidth);
        m.tuner.reportPassband();
        return;
    }
    case MainItem::WaterfallHigh:
        s.wfHigh = uint8_t(std::clamp<uint32_t>(v, std::max<uint32_t>(1, s.wfLow + 1u), 160));
        break;
    case MainItem::WaterfallLow:
        s.wfLow = uint8_t(std::min<uint32_t>(v, std::min<uint32_t>(159, s.wfHigh - 1u)));
        break;
    default:
        return;
    }
    m.reports.item(number(Form::Main), item);
}

} // namespace talix::sim
