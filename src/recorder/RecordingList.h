#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace talix::recorder {

// LV_Files as the recorder form keeps it: one line per file position n ("File<n>" or "empty"),
// the trailing "empty" lines removed, the selected line and the scroll position (top line, the
// first visible one of ten, and the largest value it may take).
class RecordingList {
public:
    static constexpr int kVisibleLines = 10;
    static inline const QString kEmpty = QStringLiteral("empty");

    // FormShow: lines for n = 0 to 199, "empty" lines after the last file removed, the last file
    // selected (line 0 is never selected by this step), scrolled to the end.
    static RecordingList build(const std::function<bool(int n)>& fileExists);

    const std::vector<QString>& lines() const { return m_lines; }
    int selected() const { return m_selected; } // -1: none
    int topLine() const { return m_topLine; }
    int lastTopLine() const { return m_lastTopLine; }
    // The selected line, when there is one and it names a file.
    bool selectedIsFile() const;

    void select(int line);
    // The board's value for the form: not 0 scrolls one line up, 0 one line down.
    void scroll(bool up);
    // After the selected file was deleted: its line reads "empty", the trailing "empty" lines go
    // and the selection moves to the last line that remains.
    void markSelectedDeleted();

private:
    std::vector<QString> m_lines;
    int m_selected = -1;
    int m_topLine = 0;
    int m_lastTopLine = 0;
};

} // namespace talix::recorder
