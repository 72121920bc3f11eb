#pragma once

#include "sim/BoardSettings.h"
#include "sim/MemoryBank.h"
#include "sim/ReportQueue.h"
#include "sim/SettingsForms.h"

namespace talix::sim {

// Which form the board shows: showing one closes the one shown before and reports what the new
// one needs to fill itself (every Setup item and its selection, the undo level, the memory lines,
// the settings forms' items).
class FormSwitcher {
public:
    FormSwitcher(BoardSettings& settings, ReportQueue& reports, MemoryBank& memory,
                 SettingsForms& forms);

    void show(int form);
    void close(int form);

private:
    BoardSettings& m_settings;
    ReportQueue& m_reports;
    MemoryBank& m_memory;
    SettingsForms& m_forms;
};

} // namespace talix::sim
