#include "display/readouts/ScaleLabels.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace talix::display;

namespace {

const QLocale kEn(QLocale::English, QLocale::UnitedStates);

// Panel6 and Panel4 stand at x = 0 on the main window: their boxes start at x = 2 and their text
// boxes are 4 pixels narrower on the right.
const QRectF kPanel6TextBox(QPointF(2, 2), QPointF(1210 - 2 - 4, 22 - 2));
const QRectF kPanel4TextBox(QPointF(2, 2), QPointF(1134 - 2 - 4, 22 - 2));
// Panel5 and Panel7 keep the unshifted right edge.
const QRectF kPanel5Box(QPointF(2, 2), QPointF(66 - 2, 341 - 2));
const QRectF kPanel7Box(QPointF(2, 2), QPointF(66 - 2, 309 - 2));

constexpr uint32_t kGridFollowsPassband = 1u << 31;
constexpr int32_t k14MHz = 140'000'000;

std::vector<std::string> texts(const std::vector<ScaleLabel>& labels) {
    std::vector<std::string> out;
    for (const ScaleLabel& l : labels)
        out.push_back(l.text.toStdString());
    return out;
}

std::vector<double> centres(const std::vector<ScaleLabel>& labels) {
    std::vector<double> out;
    for (const ScaleLabel& l : labels)
        out.push_back(l.box.center().x());
    return out;
}

std::vector<double> series(double first, double step, int n) {
    std::vector<double> out;
    for (int k = 0; k < n; ++k)
        out.push_back(first + step * k);
    return out;
}

TEST(SpectrumScale, LabelsCentredAt81Point5Plus128kWithBit31Clear) {
    FrequencyScaleInputs in{k14MHz, k14MHz, 0, 100.0f, 0, -94.5f};
    const FrequencyScale s = spectrumFrequencyScale(kPanel6TextBox, in, kEn);
    // Cell 9 would start at 1169.5, beyond the 1042 limit.
    EXPECT_EQ(centres(s.labels), series(81.5, 128, 9));
    for (const ScaleLabel& l : s.labels) {
        EXPECT_EQ(l.box.width(), 128);
        EXPECT_EQ(l.box.top(), 2);
        EXPECT_EQ(l.box.height(), 18);
    }
}

TEST(SpectrumScale, FollowsGridOffsetWithBit31Set) {
    // GridOffset -94.5: cell 0 starts at -78.5 and is skipped; the others sit on the moved grid.
    FrequencyScaleInputs in{k14MHz, k14MHz, 0, 100.0f, kGridFollowsPassband, -94.5f};
    const FrequencyScale s = spectrumFrequencyScale(kPanel6TextBox, in, kEn);
    EXPECT_EQ(centres(s.labels), series(113.5, 128, 8));
    EXPECT_EQ(s.labels.front().text.toStdString(), "14,012,800");

    in.gridOffset = 1.5f; // the usual offset: the same places as with the bit clear
    EXPECT_EQ(centres(spectrumFrequencyScale(kPanel6TextBox, in, kEn).labels),
              series(81.5, 128, 9));
}

TEST(WaterfallScale, LabelsUnderBins64To960) {
    FrequencyScaleInputs in{k14MHz, k14MHz, 0, 100.0f, 0, 0};
    const FrequencyScale s = waterfallFrequencyScale(kPanel4TextBox, in, kEn);
    EXPECT_EQ(centres(s.labels), series(145.5, 128, 8));
    EXPECT_EQ(texts(s.labels).front(), "14,006,400");
    EXPECT_EQ(texts(s.labels).back(), "14,096,000");
}

struct FormatCase {
    const char* name;
    float binHz;
    bool waterfall;
    std::vector<std::string> firstTwo;
};

class FrequencyLabelFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FrequencyLabelFormat, FollowsTheBinWidth) {
    const FormatCase& c = GetParam();
    FrequencyScaleInputs in{k14MHz, 141'000'000, 0, c.binHz, 0, 0};
    const FrequencyScale s = c.waterfall ? waterfallFrequencyScale(kPanel4TextBox, in, kEn)
                                         : spectrumFrequencyScale(kPanel6TextBox, in, kEn);
    ASSERT_GE(s.labels.size(), 2u);
    EXPECT_EQ((std::vector<std::string>{texts(s.labels)[0], texts(s.labels)[1]}), c.firstTwo);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FrequencyLabelFormat,
    ::testing::Values(FormatCase{"fine_above", 2.5f, false, {"14,000,000.0", "14,000,320.0"}},
                      FormatCase{"fine_below", 2.5f, true, {"14,000,160.0", "14,000,480.0"}},
                      FormatCase{"whole_above", 100.0f, false, {"14,000,000", "14,012,800"}},
                      FormatCase{"whole_below", 159.0f, true, {"14,010,176", "14,030,528"}},
                      // At 160 Hz per bin the labels count from the tuned frequency (14.1 MHz).
                      FormatCase{"passband_above", 160.0f, false, {"14,018,080", "14,038,560"}},
                      FormatCase{"passband_below", 160.0f, true, {"14,028,320", "14,048,800"}},
                      FormatCase{"khz_above", 500.0f, false, {"14,000k", "14,064k"}},
                      FormatCase{"khz_below", 500.0f, true, {"14,032k", "14,096k"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FrequencyScales, RegularWeightForWideFreqAux) {
    FrequencyScaleInputs in{k14MHz, k14MHz, 1'000'000'000, 100.0f, 0, 0};
    EXPECT_TRUE(spectrumFrequencyScale(kPanel6TextBox, in, kEn).regularWeight);
    EXPECT_FALSE(waterfallFrequencyScale(kPanel4TextBox, in, kEn).regularWeight);
    in.binHz = 2.5f;
    EXPECT_TRUE(waterfallFrequencyScale(kPanel4TextBox, in, kEn).regularWeight);
    in.freqAux = 999'999'999;
    EXPECT_FALSE(spectrumFrequencyScale(kPanel6TextBox, in, kEn).regularWeight);
    EXPECT_FALSE(waterfallFrequencyScale(kPanel4TextBox, in, kEn).regularWeight);
}

TEST(LevelScale, NineLabelsOnTheGridLinesInDbm) {
    const std::vector<ScaleLabel> l = levelScale(kPanel5Box, 170, 10, 0x00);
    EXPECT_EQ(texts(l), (std::vector<std::string>{"0", "10-", "20-", "30-", "40-", "50-", "60-",
                                                  "70-", "80-"}));
    for (size_t k = 0; k < l.size(); ++k) {
        EXPECT_EQ(l[k].box.top(), 2 + 40.0 * k);
        EXPECT_EQ(l[k].box.height(), 20);
        EXPECT_EQ(l[k].box.right(), 64);
    }
}

TEST(LevelScale, DbuvShiftsByFifty) {
    EXPECT_EQ(
        texts(levelScale(kPanel5Box, 100, 5, 0x10)),
        (std::vector<std::string>{"50+", "45+", "40+", "35+", "30+", "25+", "20+", "15+", "10+"}));
}

TEST(TimeScale, EightLabelsOfTheTimePerDivision) {
    const std::vector<ScaleLabel> l = timeScale(kPanel7Box, 16, 0, kEn);
    EXPECT_EQ(texts(l), (std::vector<std::string>{"8.0", "16.0", "24.0", "32.0", "40.0", "48.0",
                                                  "56.0", "64.0"}));
    for (size_t i = 0; i < l.size(); ++i) {
        EXPECT_EQ(l[i].box.top(), 2 + 40.0 * i);
        EXPECT_EQ(l[i].box.right(), 64);
    }
    EXPECT_EQ(texts(timeScale(kPanel7Box, 3, 2u << 29, kEn)).front(), "4.5");
}

} // namespace
