#include "recorder/RecordingList.h"

#include "audio/RecordingFiles.h"

namespace talix::recorder {

RecordingList RecordingList::build(const std::function<bool(int n)>& fileExists) {
    RecordingList list;
    for (int n = 0; n < audio::kMaxRecordingFiles; ++n)
        list.m_lines.push_back(fileExists && fileExists(n) ? QString("File%1").arg(n) : kEmpty);
    for (int line = int(list.m_lines.size()) - 1; line >= 1; --line) {
        if (list.m_lines[line] != kEmpty) {
            list.m_selected = line;
            break;
        }
        list.m_lines.pop_back();
    }
    const int last = int(list.m_lines.size()) - 1;
    list.m_topLine = list.m_lastTopLine = last - (kVisibleLines - 1);
    return list;
}

bool RecordingList::selectedIsFile() const {
    return m_selected >= 0 && m_selected < int(m_lines.size()) && m_lines[m_selected] != kEmpty;
}

void RecordingList::select(int line) {
    if (line >= 0 && line < int(m_lines.size()))
        m_selected = line;
}

void RecordingList::scroll(bool up) {
    if (up) {
        if (m_topLine > 0)
            --m_topLine;
    } else if (m_topLine < m_lastTopLine) {
        ++m_topLine;
    }
}

void RecordingList::markSelectedDeleted() {
    if (!selectedIsFile())
        return;
    m_lines[m_selected] = kEmpty;
    int line = m_selected;
    while (line == int(m_lines.size()) - 1 && line != 0 && m_lines[line] == kEmpty) {
        m_lines.pop_back();
        m_selected = line - 1;
        m_lastTopLine = line - kVisibleLines;
        if (m_topLine > m_lastTopLine)
            m_topLine = m_lastTopLine > 0 ? m_lastTopLine : 0;
        --line;
    }
}

} // namespace talix::recorder
