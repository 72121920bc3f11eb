#include "sim/MemoryKeypad.h"

namespace talix::sim {

using board::ButtonCode;
using board::Form;
using board::MemoryFunction;
using board::MemoryZone;
using board::number;

MemoryKeypad::MemoryKeypad(BoardSettings& settings, ReportQueue& reports, MemoryBank& memory,
                           FormSwitcher& forms, Tuner& tuner, DabEnsemble& dab)
    : m_settings(settings), m_reports(reports), m_memory(memory), m_forms(forms), m_tuner(tuner),
      m_dab(dab) {}

void MemoryKeypad::key(uint8_t code, uint8_t high) {
    if (high == 0) {
        if (m_memory.key(code))
            m_reports.words(m_memory.lineWords(0));
        return;
    }
    const bool closes = code == number(ButtonCode::Close);
    if (closes &&
        (high == number(MemoryFunction::MHzOK) || high == number(MemoryFunction::KHzOK))) {
        const int64_t freq = m_memory.takeEntry(high == number(MemoryFunction::MHzOK));
        m_forms.close(number(Form::Memory));
        m_tuner.tuneToOffered(freq);
        return;
    }
    if (closes && high == number(MemoryFunction::OK)) {
        m_forms.close(number(Form::Memory));
        recall(m_selected);
        return;
    }
    if (closes && high == number(MemoryFunction::DiscoverDab)) {
        m_memory.clearEntry();
        m_forms.close(number(Form::Memory));
        m_dab.start(m_reports);
        return;
    }
    if (code == number(ButtonCode::Cancel) && high == number(MemoryFunction::Escape)) {
        m_memory.clearEntry();
        m_forms.close(number(Form::Memory));
    }
}

void MemoryKeypad::line(uint8_t tag, uint8_t zone) {
    if (m_settings.shownForm != number(Form::Memory) || tag > 9)
        return;
    m_selected = tag;
    if (zone == number(MemoryZone::Channel) && tag > 0) {
        m_memory.store(tag, m_settings.tunedFreq, m_settings.mode);
        m_reports.words(m_memory.lineWords(tag));
    } else if (zone == number(MemoryZone::ShortField) || zone == number(MemoryZone::LongField)) {
        m_forms.close(number(Form::Memory));
        recall(tag);
    }
}

void MemoryKeypad::recall(int tag) {
    const MemoryBank::Channel* c = m_memory.channel(tag);
    if (c == nullptr || c->freq == 0)
        return;
    if (c->mode != m_settings.mode)
        m_tuner.setMode(c->mode);
    m_tuner.tuneTo(c->freq, true);
}

} // namespace talix::sim
