#include "display/Fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <array>

namespace talix::display {

namespace {

constexpr std::array<const char*, 4> kFontFiles{
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationMono-Regular.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationMono-Bold.ttf",
};

bool familyKnown(const char* family) {
    return QFontDatabase::families().contains(QString::fromLatin1(family));
}

} // namespace

QFont pinnedFont(FontFace face, int pixelSize) {
    QFont font(QString::fromLatin1(face == FontFace::MonoBold ? kMonoFamily : kUiFamily));
    font.setStyleHint(face == FontFace::MonoBold ? QFont::TypeWriter : QFont::SansSerif);
    font.setPixelSize(pixelSize);
    switch (face) {
    case FontFace::UiSemibold:
        font.setWeight(QFont::DemiBold);
        break;
    case FontFace::UiRegular:
        font.setWeight(QFont::Normal);
        break;
    case FontFace::MonoBold:
        font.setWeight(QFont::Bold);
        break;
    }
    return font;
}

bool pinFonts() {
    if (familyKnown(kUiFamily) && familyKnown(kMonoFamily))
        return true;
    for (const char* file : kFontFiles)
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    return familyKnown(kUiFamily) && familyKnown(kMonoFamily);
}

} // namespace talix::display
