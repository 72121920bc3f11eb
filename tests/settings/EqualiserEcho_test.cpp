// The equaliser's echo rule: which board reports move a bar, which bar changes are sent, and the
// inverted mapping between the board's number and the bar.
#include "settings/EqualiserEcho.h"

#include <gtest/gtest.h>

using talix::settings::EqualiserEcho;

namespace {

constexpr uint32_t kForced = 1u << 15;

struct ReportCase {
    const char* name;
    bool tracking; // the echo flag before the report
    int barValue;
    uint32_t v;
    std::optional<int> moveTo;
    bool trackingAfter;
};

const ReportCase kReports[] = {
    {"ForcedMovesWhileTracking", true, 63, 20 | kForced, 43, false},
    {"UnforcedLeavesATrackingBar", true, 63, 20, std::nullopt, true},
    {"UnforcedMovesAfterABoardMove", false, 63, 20, 43, false},
    {"UnforcedSameValueAfterABoardMove", false, 43, 20, std::nullopt, false},
    {"ForcedToTheSameValueAwaitsNoEcho", true, 43, 20 | kForced, 43, true},
    {"OnlyTheLowSixBitsCount", true, 0, 0xFFC0 | kForced | 63, 0, true},
    {"ZeroIsTheTop", true, 0, kForced, 63, false},
};

class EqualiserReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(EqualiserReport, MovesTheBarOnlyWhenTheRuleSays) {
    const ReportCase& c = GetParam();
    EqualiserEcho echo;
    if (!c.tracking)
        echo.reported(kForced, 0); // the board moved the bar from 0 to 63
    ASSERT_EQ(echo.tracking(), c.tracking);
    EXPECT_EQ(echo.reported(c.v, c.barValue), c.moveTo);
    EXPECT_EQ(echo.tracking(), c.trackingAfter);
}

INSTANTIATE_TEST_SUITE_P(Table, EqualiserReport, ::testing::ValuesIn(kReports),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EqualiserEcho, TheFirstChangeAfterABoardMoveIsItsEchoTheNextIsSent) {
    EqualiserEcho echo;
    ASSERT_EQ(echo.reported(20 | kForced, 63), std::optional<int>(43));
    EXPECT_EQ(echo.tracked(43), std::nullopt);
    EXPECT_EQ(echo.tracked(44), std::optional<uint32_t>(19));
    EXPECT_EQ(echo.tracked(45), std::optional<uint32_t>(18));
}

TEST(EqualiserEcho, BarValuesMapInverted) {
    EqualiserEcho echo;
    EXPECT_EQ(echo.tracked(0), std::optional<uint32_t>(63));
    EXPECT_EQ(echo.tracked(63), std::optional<uint32_t>(0));
    EXPECT_EQ(echo.tracked(21), std::optional<uint32_t>(42));
}

} // namespace
