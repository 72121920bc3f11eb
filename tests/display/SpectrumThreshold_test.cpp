#include "display/spectrum/SpectrumThreshold.h"

#include <gtest/gtest.h>

using namespace talix::display;

namespace {

struct RowCase {
    int threshold;
    int topLevel;
    int dbPerDiv;
    bool dbMicroVolt;
    int row;
    const char* what;
};

class ThresholdRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(ThresholdRow, Row) {
    const RowCase c = GetParam();
    SpectrumSettings s;
    s.threshold = uint16_t(c.threshold);
    s.topLevel = c.topLevel;
    s.dbPerDiv = uint8_t(c.dbPerDiv);
    s.receiverFlags = c.dbMicroVolt ? 0x10 : 0;
    EXPECT_EQ(thresholdRowFor(s), c.row) << c.what;
}

// Top of the display T - 170 dBm, 40/q pixels per dB. With T = 190 (top at +20 dBm) and
// q = 10 (4 pixels per dB, bottom at -60 dBm), a threshold t lies at t/2 - 140 dBm, that is
// t/2 - 80 dB above the bottom: row = 2t - 320.
INSTANTIATE_TEST_SUITE_P(
    Table, ThresholdRow,
    ::testing::Values(RowCase{200, 190, 10, false, 80, "t = 200 -> 2t - 320"},
                      RowCase{160, 190, 10, false, 0, "on the bottom: no line"},
                      RowCase{0, 190, 10, false, 0, "below the bottom: limited to 0"},
                      RowCase{319, 190, 10, false, 318, "just below the top"},
                      RowCase{320, 190, 10, false, 319, "at the top: limited to 319"},
                      RowCase{200, 200, 10, false, 40, "top 10 dB higher: 40 rows lower"},
                      RowCase{300, 190, 5, false, 240, "c = 4: 4 * 300 - 1280 + 320"},
                      RowCase{200, 190, 1, false, 0, "q = 1: no line"},
                      RowCase{200, 190, 0, false, 0, "q = 0: no line, no division"},
                      RowCase{200, 190, 10, true, 28, "dBuV: 80 - 520 / 10"},
                      RowCase{300, 190, 30, false, 319, "q > 20: c = 0, limited to 319"},
                      RowCase{65535, 0, 2, false, 319, "largest values stay in range"},
                      RowCase{0, 255, 2, true, 0, "lowest values stay in range"}));

} // namespace
