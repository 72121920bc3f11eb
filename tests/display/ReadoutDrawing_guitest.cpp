#include "display/Fonts.h"
#include "display/readouts/ReadoutDrawing.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace talix::display;

namespace {

const QRectF kBox(2, 2, 296, 56);

QImage blank() {
    QImage image(300, 60, QImage::Format_ARGB32);
    image.fill(Qt::black);
    return image;
}

QImage readout(const QString& composed) {
    QImage image = blank();
    QPainter p(&image);
    p.setFont(pinnedFont(FontFace::UiSemibold, 36));
    p.setPen(Qt::white);
    drawReadoutText(p, {kBox, composed});
    return image;
}

QImage leftToRight(const QString& seen) {
    QImage image = blank();
    QPainter p(&image);
    p.setFont(pinnedFont(FontFace::UiSemibold, 36));
    p.setPen(Qt::white);
    p.drawText(kBox, Qt::AlignRight | Qt::AlignVCenter, seen);
    return image;
}

struct SeenCase {
    const char* composed;
    const char* seen;
};

class ReadoutTextOnScreen : public ::testing::TestWithParam<SeenCase> {};

TEST_P(ReadoutTextOnScreen, ShowsAsTheReaderExpects) {
    ASSERT_TRUE(pinFonts());
    EXPECT_EQ(readout(GetParam().composed), leftToRight(GetParam().seen));
}

INSTANTIATE_TEST_SUITE_P(Table, ReadoutTextOnScreen,
                         ::testing::Values(SeenCase{"250-", "-250"}, SeenCase{"1,500+", "+1,500"},
                                           SeenCase{"0", "0"}, SeenCase{">19.999", ">19.999"},
                                           SeenCase{"Auto 1.0", "Auto 1.0"}, SeenCase{"x8", "x8"},
                                           SeenCase{"300k HQ", "300k HQ"},
                                           SeenCase{"145,000,000.0", "145,000,000.0"}));

TEST(ReadoutTextOnScreen, SelectedFieldIsFilledAndWrittenInBlack) {
    ASSERT_TRUE(pinFonts());
    ReadoutPicture picture;
    picture.box = kBox;
    picture.filled = true;
    picture.fillColour = 0xFF98FB98;
    picture.textColour = 0xFF000000;
    picture.texts.push_back({kBox, "2,400"});
    QImage image = blank();
    {
        QPainter p(&image);
        drawReadoutPicture(p, picture, pinnedFont(FontFace::UiSemibold, 40));
    }
    EXPECT_EQ(image.pixel(4, 4), 0xFF98FB98);
    int black = 0;
    for (int x = 2; x < 298; ++x)
        for (int y = 2; y < 58; ++y)
            black += image.pixel(x, y) == 0xFF000000;
    EXPECT_GT(black, 100);
}

} // namespace
