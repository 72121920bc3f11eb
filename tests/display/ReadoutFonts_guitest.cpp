#include "display/Fonts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <gtest/gtest.h>

using namespace talix::display;

namespace {

TEST(ReadoutFonts, PinnedFamiliesResolveToTheInstalledLiberationFonts) {
    ASSERT_TRUE(pinFonts());
    EXPECT_EQ(QFontInfo(pinnedFont(FontFace::UiSemibold, 72)).family(), kUiFamily);
    EXPECT_EQ(QFontInfo(pinnedFont(FontFace::UiRegular, 20)).family(), kUiFamily);
    EXPECT_EQ(QFontInfo(pinnedFont(FontFace::MonoBold, 44)).family(), kMonoFamily);
    EXPECT_TRUE(QFontInfo(pinnedFont(FontFace::MonoBold, 44)).bold());
    EXPECT_EQ(QFontInfo(pinnedFont(FontFace::UiSemibold, 72)).pixelSize(), 72);
}

TEST(ReadoutFonts, MonospacedStepDigitsAndSeparatorsHaveOneWidth) {
    ASSERT_TRUE(pinFonts());
    const QFontMetricsF m(pinnedFont(FontFace::MonoBold, 44));
    const qreal digit = m.horizontalAdvance(QLatin1Char('0'));
    for (QChar c : QStringLiteral("123456789.,"))
        EXPECT_DOUBLE_EQ(m.horizontalAdvance(c), digit) << c.toLatin1();
}

TEST(ReadoutFonts, FrequencyFitsItsBox) {
    // The widest receive frequency in the tenths format must fit EFreq1's 462-pixel text box.
    ASSERT_TRUE(pinFonts());
    const QFontMetricsF m(pinnedFont(FontFace::UiSemibold, 72));
    EXPECT_LT(m.horizontalAdvance(QStringLiteral("214,748,364.7")), 462);
}

} // namespace
