#include "sim/FormSwitcher.h"

#include "sim/ParamWords.h"

namespace talix::sim {

using board::Form;
using board::number;

FormSwitcher::FormSwitcher(BoardSettings& settings, ReportQueue& reports, MemoryBank& memory,
                           SettingsForms& forms)
    : m_settings(settings), m_reports(reports), m_memory(memory), m_forms(forms) {}

void FormSwitcher::show(int form) {
    BoardSettings& s = m_settings;
    if (s.shownForm != 0 && s.shownForm != form)
        close(s.shownForm);
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

void FormSwitcher::close(int form) {
    if (m_settings.shownForm == form)
        m_settings.shownForm = 0;
    m_reports.words({closeFormWord(uint32_t(form))});
}

} // namespace talix::sim
