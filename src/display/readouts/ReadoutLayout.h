#pragma once

#include "base/BoardWords.h"
#include "base/Palette.h"
#include "display/Fonts.h"

#include <QRect>
#include <QRgb>
#include <array>

namespace talix::display {

// The main window's fields by Tag (their slot in TFieldTable), as the board numbers them.
using Field = board::Field;

constexpr int kFieldTableSize = 38;

enum class ReadoutKind {
    Edit,     // a read-only edit box of style Edit1Style1
    Scale,    // Panel4 to Panel7: scale labels on the window's background
    KnobMark, // S_Pitch: the knob face and its position mark
};

// One readout control: name, place on the 1920 x 1200 main window, font and font colour, and the
// MaxLength its field selection reports to the board.
struct ReadoutPlace {
    constexpr ReadoutPlace(Field field, int x, int y, int w, int h, int fontSize, QRgb colour,
                           FontFace face, ReadoutKind kind, int maxLength)
        : field(field), name(board::fieldName(field)), x(x), y(y), w(w), h(h), fontSize(fontSize),
          colour(colour), face(face), kind(kind), maxLength(maxLength) {}

    Field field;
    const char* name; // the control's objectName
    int x, y, w, h;
    int fontSize;
    QRgb colour;
    FontFace face;
    ReadoutKind kind;
    int maxLength;

    constexpr QRect rect() const { return QRect(x, y, w, h); }
    constexpr int tag() const { return board::number(field); }
};

// S_Pitch is drawn over the knob S_Geber; its own size is kKnobMarkSize.
// clang-format off
constexpr std::array<ReadoutPlace, 30> kReadoutPlaces{{
    {Field::EFreq1, 40, 856, 468, 100, 72, kPaleGreen, FontFace::UiSemibold, ReadoutKind::Edit, 13},
    {Field::EDemod, 16, 994, 137, 64, 42, kLightPink, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::EBW, 166, 994, 166, 64, 40, kTurquoise, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::EShift, 346, 994, 144, 64, 36, kLime, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::ENotchW, 504, 994, 89, 64, 40, kKhaki, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::ENotchP, 608, 994, 164, 64, 36, kKhaki, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::EAGCL, 788, 994, 109, 64, 40, kFuchsia, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::EThresh, 912, 994, 106, 64, 40, kDeepSkyBlue, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::EDNR, 1032, 994, 75, 64, 40, kLightSkyBlue, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::ENBP, 1120, 994, 74, 64, 40, kGreenYellow, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::ENBD, 1208, 994, 73, 64, 40, kGreenYellow, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::EHold, 1296, 994, 74, 64, 40, kLemonChiffon, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::EAttack, 1384, 994, 98, 64, 40, kLemonChiffon, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::EFreq2, 664, 856, 468, 100, 72, kMediumSpringGreen, FontFace::UiSemibold, ReadoutKind::Edit, 13},
    {Field::EReso, 24, 746, 209, 64, 42, kYellow, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::EResoD, 256, 746, 265, 64, 42, kYellow, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::ELTop, 1128, 32, 113, 50, 36, kPaleGreen, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::ELBot, 1128, 352, 113, 50, 36, kPaleGreen, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::ESpan, 1128, 96, 113, 50, 36, kPaleGreen, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::ESigB, 1128, 160, 113, 50, 36, kYellow, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::ESpecB, 1128, 224, 113, 50, 36, kPink, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::EGridB, 1128, 288, 113, 50, 36, kGreenYellow, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::ERefresh, 1480, 746, 113, 64, 40, kPaleGreen, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::ETime, 1272, 848, 81, 57, 36, kYellow, FontFace::UiSemibold, ReadoutKind::Edit, 0},
    {Field::EStepsRX, 1640, 682, 248, 64, 44, kPaleGreen, FontFace::MonoBold, ReadoutKind::Edit, 9},
    {Field::Panel4, 0, 698, 1134, 22, 20, kYellow, FontFace::UiSemibold, ReadoutKind::Scale, 0},
    {Field::Panel5, 4, 26, 66, 341, 20, kYellow, FontFace::UiSemibold, ReadoutKind::Scale, 0},
    {Field::Panel6, 0, 6, 1210, 22, 20, kYellow, FontFace::UiSemibold, ReadoutKind::Scale, 0},
    {Field::Panel7, 4, 394, 66, 309, 20, kYellow, FontFace::UiSemibold, ReadoutKind::Scale, 0},
    {Field::S_Pitch, 1560, 847, 348, 348, 20, kYellow, FontFace::UiSemibold, ReadoutKind::KnobMark, 0},
}};
// clang-format on

// The place of a readout by Tag, or nullptr for a Tag without a readout.
constexpr const ReadoutPlace* readoutPlace(int tag) {
    for (const ReadoutPlace& p : kReadoutPlaces)
        if (p.tag() == tag)
            return &p;
    return nullptr;
}

// The six fields with a tenths format, used when a field is marked 2.
constexpr bool hasTenthsFormat(Field f) {
    return f == Field::EFreq1 || f == Field::ENBD || f == Field::EHold || f == Field::EAttack ||
           f == Field::EFreq2 || f == Field::EStepsRX;
}

} // namespace talix::display
