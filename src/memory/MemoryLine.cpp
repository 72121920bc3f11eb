#include "memory/MemoryLine.h"

#include "base/Tags.h"
#include "display/Fonts.h"
#include "memory/MemoryHighlight.h"
#include "memory/MemoryLayout.h"

#include <QMouseEvent>

namespace talix::memory {

namespace {
constexpr int kLineFontPixels = 36;
} // namespace

MemoryLine::MemoryLine(QWidget* form, int tag) : QLineEdit(form) {
    setObjectName(QStringLiteral("Edit%1").arg(tag));
    setTag(this, tag);
    setGeometry(memoryLineBox(tag));
    setReadOnly(true);
    setFont(display::pinnedFont(display::FontFace::MonoBold, kLineFontPixels));
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setContextMenuPolicy(Qt::NoContextMenu);
    setFontColour(kLineArgb);
}

// The readout box (Edit1Style1) with the line's font colour.
void MemoryLine::setFontColour(uint32_t argb) {
    if (argb == m_argb)
        return;
    m_argb = argb;
    setStyleSheet(QStringLiteral("QLineEdit { background: #000000; border: 1px solid #98FB98; "
                                 "padding: 0px; color: %1; }")
                      .arg(QColor::fromRgba(argb).name()));
}

void MemoryLine::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit pressed(event->position().x());
    event->accept();
}

// The line never selects or drags its text. The second press of a double tap came as a press
// already.
void MemoryLine::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}
void MemoryLine::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
void MemoryLine::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace talix::memory
