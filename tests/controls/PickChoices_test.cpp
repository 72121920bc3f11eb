#include "base/BoardModes.h"
#include "controls/BandwidthLabels.h"
#include "controls/PickChoices.h"
#include "controls/PickListCells.h"
#include "controls/UndoText.h"

#include <gtest/gtest.h>

using namespace talix::controls;
using talix::link::Command;

namespace {

TEST(PickChoices, DemodulatorAndBandwidth) {
    EXPECT_EQ(demodChoice(41), (Command{245, 1, 0, 41, 0, 0, 0}));
    EXPECT_EQ(bandwidthChoice(14), (Command{245, 2, 0, 14, 0, 0, 0}));
}

TEST(PickChoices, StepWithItsDigitInOneRecord) {
    EXPECT_EQ(stepChoice(125000), (Command{245, 32, 0, 72, 232, 1, 0, 245, 27, 0, 3, 0, 0, 0}));
    EXPECT_EQ(stepChoice(5000000),
              (Command{245, 32, 0, 0x40, 0x4B, 0x4C, 0, 245, 27, 0, 6, 0, 0, 0}));
    EXPECT_EQ(stepChoice(kStep8333),
              (Command{245, 32, 0, 0x85, 0x45, 0x01, 0, 245, 27, 0, kDigitFor8333, 0, 0, 0}));
}

struct Digit {
    int32_t step;
    int digit;
};

class StepDigitTable : public testing::TestWithParam<Digit> {};

TEST_P(StepDigitTable, DigitOfEachStep) {
    EXPECT_EQ(stepDigit(GetParam().step), GetParam().digit);
}

INSTANTIATE_TEST_SUITE_P(Table, StepDigitTable,
                         testing::Values(Digit{10, 0}, Digit{100, 1}, Digit{1000, 2},
                                         Digit{10000, 3}, Digit{45000, 3}, Digit{125000, 3},
                                         Digit{50000, 4}, Digit{90000, 4}, Digit{100000, 4},
                                         Digit{250000, 4}, Digit{500000, 5}, Digit{1000000, 5},
                                         Digit{5000000, 6}, Digit{83333, 4}));

TEST(PickChoices, EveryGridStepHasADigit) {
    for (const auto& cell : kStepCells)
        EXPECT_LE(stepDigit(cell.tag), 6) << cell.text;
}

struct BwCase {
    const char* name;
    int mode;
    bool full;
    std::array<std::string_view, 15> labels;
};

class BandwidthLabelTable : public testing::TestWithParam<BwCase> {};

TEST_P(BandwidthLabelTable, PerMode) {
    EXPECT_EQ(bandwidthLabels(GetParam().mode, GetParam().full), GetParam().labels);
}

constexpr std::array<std::string_view, 15> kWide{"3,0k",  "3,5k",  "4,0k",  "4,5k",  "5,0k",
                                                 "6,0k",  "7,0k",  "8,0k",  "9,0k",  "10,0k",
                                                 "12,0k", "14,0k", "16,0k", "18,0k", "20,0k"};
constexpr std::array<std::string_view, 15> kQ{"1,5k", "1,75k", "2,0k", "2,25k", "2,5k",
                                              "3,0k", "3,5k",  "4,0k", "4,5k",  "5,0k",
                                              "6,0k", "7,0k",  "8,0k", "9,0k",  "10,0k"};

INSTANTIATE_TEST_SUITE_P(
    Table, BandwidthLabelTable,
    testing::Values(
        BwCase{"FmWideShort",
               talix::board::kModeFmWide,
               false,
               {"", "50k S", "60k HQ", "", "120k HQ", "", "240k HQ", ""}},
        BwCase{"FmWideFull",
               talix::board::kModeFmWide,
               true,
               {"38k S", "50k S", "60k HQ", "60k S", "120k HQ", "140k S", "240k HQ", "300k HQ"}},
        BwCase{
            "Digi", talix::board::kModeDigi, false, {"125", "250", "500", "1,0k", "2,0k", "4,0k"}},
        BwCase{"UsbQ", talix::board::kModeUsbQ, false, kQ},
        BwCase{"LsbQ", talix::board::kModeLsbQ, true, kQ},
        BwCase{"Cw", talix::board::kModeCw, false, kWide},
        BwCase{"FmNarrow", talix::board::kModeFmNarrow, true, kWide},
        BwCase{"Sync", 0, false, kWide}),
    [](const auto& info) { return std::string(info.param.name); });

struct Undo {
    uint32_t value;
    const char* text;
};

class UndoTextTable : public testing::TestWithParam<Undo> {};

TEST_P(UndoTextTable, LevelAndState) {
    EXPECT_EQ(undoText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, UndoTextTable,
                         testing::Values(Undo{0x105, "5  available"}, Undo{0x200, "0  empty"},
                                         Undo{0x307, "7  Defaults!"}, Undo{0x0FF, "255  Defaults!"},
                                         Undo{0x10203, "3  Defaults!"}));

} // namespace
