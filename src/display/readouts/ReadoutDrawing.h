#pragma once

#include "display/readouts/ReadoutPicture.h"

#include <QFont>
#include <QRgb>

class QPainter;

namespace talix::display {

// The dark inner line of an edit box's double frame.
constexpr QRgb kEditInnerLine = 0xFF181818;

// Style Edit1Style1 over a control of `size`: a black rectangle with a 1-pixel pale green outline
// and a 1-pixel kEditInnerLine inside it.
void drawEditBox(QPainter& painter, const QSizeF& size);

// Draws one text the readouts' way: right to left, so that a trailing sign ("250-") shows in
// front of the digits, at the right edge or centred, vertically centred.
void drawReadoutText(QPainter& painter, const PictureText& text);

// Draws one readout's picture: the box (filled for the selected field), the texts right to left
// in `font`, and for the knob mark the face and the mark.
void drawReadoutPicture(QPainter& painter, const ReadoutPicture& picture, const QFont& font);

} // namespace talix::display
