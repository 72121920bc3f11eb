// A memory line's text, its touch zones, its highlight and the keypad's records.
#include "link/CommandRecords.h"
#include "memory/MemoryHighlight.h"
#include "memory/MemoryLayout.h"
#include "memory/MemoryLineText.h"
#include "memory/MemoryLineZone.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace talix::memory;

namespace {

// The 20-byte block as five words, first byte lowest.
std::vector<uint32_t> block(const std::string& bytes) {
    std::vector<uint32_t> words(5, 0);
    for (size_t i = 0; i < bytes.size() && i < 20; ++i)
        words[i / 4] |= uint32_t(uint8_t(bytes[i])) << (8 * (i % 4));
    return words;
}

} // namespace

TEST(MemoryLineText, FollowsTheTwentyEightCharacterLayout) {
    const struct {
        std::string bytes;
        QString text;
    } cases[] = {
        {std::string("\x07") + "ABCD" + "abcdefghijklm" + "xy", "  7 C  S  ABCD abcdefghijklm"},
        {std::string("\xFF") + "AB" + std::string(1, '\0') + "Dabc", "255 C  S  AB"},
        {std::string("\x0C") + std::string(4, '\0'), " 12 C  S  "},
        {std::string("\x01") + "FM-N" +
             "\xC3\x9C"
             "bung",
         "  1 C  S  FM-N \u00DCbung"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(memoryLineText(block(c.bytes)), c.text) << c.text.toStdString();
    }
    EXPECT_EQ(memoryLineText(block(std::string("\x07") + "ABCD" + "abcdefghijklm")).size(), 28);
    // Fewer words than a block: the missing bytes end the text.
    EXPECT_EQ(memoryLineText(std::vector<uint32_t>{0x41414103}), "  3 C  S  AAA");
}

TEST(MemoryLineZone, ZonesOfTheLineAtTheirBoundaries) {
    const struct {
        double x;
        LineZone zone;
    } cases[] = {
        {0, {24, 3}},      {129.9, {24, 3}},  {130, {25, 3}}, {200, {25, 3}},
        {200.5, {138, 0}}, {319.9, {138, 0}}, {320, {10, 0}}, {616, {10, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lineZone(c.x, 3), c.zone) << c.x;
    EXPECT_EQ(talix::link::commands::memoryFieldSelect(3, lineZone(200.5, 3).zone, 0),
              (talix::link::Command{192, 3, 5, 0, 1, 138, 0}));
}

TEST(MemoryHighlight, FollowsTouchesShowingAndTheBoardsUpdates) {
    MemoryHighlight h;
    EXPECT_EQ(h.TagObject(), 0);
    EXPECT_EQ(h.colourOf(0), kLineArgb); // nothing lit at start
    h.linePressed(2);
    EXPECT_EQ(h.colourOf(2), kHighlightArgb);
    EXPECT_EQ(h.colourOf(3), kLineArgb);
    h.lineWritten(2); // the highlighted line itself keeps it
    EXPECT_EQ(h.colourOf(2), kHighlightArgb);
    h.lineWritten(6); // any other line takes it away
    EXPECT_EQ(h.colourOf(2), kLineArgb);
    EXPECT_EQ(h.TagObject(), 2);
    h.linePressed(4);
    h.formShown(); // showing removes the colour, not the choice
    EXPECT_EQ(h.colourOf(4), kLineArgb);
    EXPECT_EQ(h.TagObject(), 4);
}

TEST(MemoryKeypad, EveryButtonSendsItsRecord) {
    const struct {
        const char* name;
        talix::link::Command record;
    } cases[] = {
        {"Button0", {1, 0, 0}},   {"Button5", {1, 5, 0}},    {"Button9", {1, 9, 0}},
        {"Button10", {1, 12, 0}}, {"Button11", {1, 13, 0}},  {"Button14", {1, 10, 69}},
        {"B_Esc", {1, 11, 21}},   {"Button13", {1, 10, 53}}, {"Button12", {1, 10, 37}},
        {"B_OK", {1, 10, 5}},
    };
    for (const auto& c : cases) {
        bool found = false;
        for (const MemoryButton& b : memoryButtons())
            if (std::string(b.name) == c.name) {
                found = true;
                EXPECT_EQ(talix::link::commands::button(b.tag), c.record) << c.name;
            }
        EXPECT_TRUE(found) << c.name;
    }
}

TEST(MemoryLayout, LinesStandInTheirRowsWithAWidenedTouchArea) {
    EXPECT_EQ(memoryLineBox(0), QRect(800, 24, 617, 60));
    EXPECT_EQ(memoryLineBox(5).y(), 344); // Edit5 above Edit4
    EXPECT_EQ(memoryLineBox(4).y(), 424);
    EXPECT_EQ(memoryLineBox(9).y(), 744);
    EXPECT_EQ(memoryLineAt({900, 20}), 0);  // 4 above Edit0
    EXPECT_EQ(memoryLineAt({900, 88}), 0);  // 4 below it
    EXPECT_EQ(memoryLineAt({900, 94}), -1); // between the lines
    EXPECT_EQ(memoryLineAt({900, 100}), 1);
    EXPECT_EQ(memoryLineAt({700, 50}), -1);
}
