// The recorder's list: built from the files present, scrolled by the board, trimmed on deletion.
#include "recorder/RecordingList.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <set>

using namespace talix::recorder;

namespace {

RecordingList listOf(std::set<int> files) {
    return RecordingList::build([files](int n) { return files.count(n) > 0; });
}

QStringList lines(const RecordingList& l) {
    return QStringList(l.lines().begin(), l.lines().end());
}

TEST(RecordingList, IsBuiltFromTheFilesPresent) {
    struct Case {
        std::set<int> files;
        QStringList lines;
        int selected;
    };
    const Case cases[] = {
        {{0, 1, 5}, {"File0", "File1", "empty", "empty", "empty", "File5"}, 5},
        {{}, {"empty"}, -1},
        {{0}, {"File0"}, -1},
        {{3}, {"empty", "empty", "empty", "File3"}, 3},
        {{199}, {}, 199},
    };
    for (const Case& c : cases) {
        const RecordingList l = listOf(c.files);
        if (!c.lines.isEmpty()) {
            EXPECT_EQ(lines(l), c.lines);
        }
        EXPECT_EQ(l.selected(), c.selected);
        EXPECT_EQ(l.topLine(), int(l.lines().size()) - 10);
        EXPECT_EQ(l.lastTopLine(), l.topLine());
    }
    EXPECT_EQ(listOf({199}).lines().size(), 200u);
}

TEST(RecordingList, DeletingTheLastFileRemovesTheTrailingEmptyLines) {
    struct Case {
        std::set<int> files;
        int select;
        QStringList after;
        int selected;
    };
    const Case cases[] = {
        {{0, 1, 5}, 5, {"File0", "File1"}, 1},
        {{0, 1, 5}, 1, {"File0", "empty", "empty", "empty", "empty", "File5"}, 1},
        {{1}, 1, {"empty"}, 0},
        {{0, 1}, 0, {"empty", "File1"}, 0},
        {{0, 1, 5},
         3,
         {"File0", "File1", "empty", "empty", "empty", "File5"},
         3}, // "empty": nothing
    };
    for (const Case& c : cases) {
        RecordingList l = listOf(c.files);
        l.select(c.select);
        l.markSelectedDeleted();
        EXPECT_EQ(lines(l), c.after);
        EXPECT_EQ(l.selected(), c.selected);
    }
}

TEST(RecordingList, TheBoardScrollsOneLineAtATimeWithinTheList) {
    RecordingList l = listOf({0, 14}); // 15 lines: top line 5 at most
    EXPECT_EQ(l.topLine(), 5);
    l.scroll(false);
    EXPECT_EQ(l.topLine(), 5);
    for (int k = 0; k < 7; ++k)
        l.scroll(true);
    EXPECT_EQ(l.topLine(), 0);
    l.scroll(false);
    EXPECT_EQ(l.topLine(), 1);

    RecordingList shortList = listOf({0, 2});
    shortList.scroll(true);
    shortList.scroll(false);
    EXPECT_EQ(shortList.topLine(), -7);
}

} // namespace
