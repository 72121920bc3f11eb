#pragma once

#include "display/readouts/ReadoutLayout.h"
#include "display/readouts/ReadoutState.h"

#include <QLocale>
#include <QRectF>
#include <QRgb>
#include <QString>
#include <optional>
#include <vector>

namespace talix::display {

// One text of a readout, laid out right to left in `box`, vertically centred, without word wrap,
// at the right edge; or centred; or (the units of EReso and EResoD) with word wrap.
struct PictureText {
    QRectF box;
    QString text;
    bool centred = false;
    bool wrap = false;
    bool operator==(const PictureText&) const = default;
};

// The knob face and the position mark, as ellipses (black outline): the face grey, the mark white.
struct KnobPicture {
    QRectF face;
    QRectF mark;
    bool operator==(const KnobPicture&) const = default;
};

// Everything one paint pass draws for one field, in the coordinates of the field's control.
struct ReadoutPicture {
    QRectF box;          // cleared, or for the selected field filled with fillColour
    bool filled = false; // inverse video: box in the field's colour, texts in black
    QRgb fillColour = 0;
    QRgb textColour = 0;
    bool ownFont = true;        // edits use their control's font; the others EFreq1's at size 20
    bool regularWeight = false; // frequency scales drop semibold for very wide spans
    std::vector<PictureText> texts;
    std::optional<QRgb> newControlColour; // EDemod's font colour follows the mode
    std::optional<KnobPicture> knob;
    bool operator==(const ReadoutPicture&) const = default;
};

// What the pass knows of the field's control.
struct FieldRequest {
    Field field;
    int mark = 1;           // 1 normal format, 2 tenths format
    bool selected = false;  // the field is SelectedField
    QRectF controlRect;     // the control's place on the main window
    QRgb controlColour = 0; // the control's current font colour
};

// Font size of the scales and the knob mark.
constexpr int kScaleFontSize = 20;

// Composes the picture of one dirty field from the receiver's values.
ReadoutPicture composeReadout(const FieldRequest& request, const ReadoutState& state,
                              const QLocale& locale);

} // namespace talix::display
