#include "display/readouts/ReadoutPainter.h"

#include "base/Tags.h"
#include "display/Fonts.h"
#include "display/readouts/ReadoutControls.h"
#include "display/readouts/ReadoutDrawing.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace talix::display {

namespace {

constexpr int kGuiRepaintMark = 2;

} // namespace

ReadoutPainter::ReadoutPainter(const FieldTable& table, Sources sources, QLocale locale)
    : m_table(table), m_sources(std::move(sources)), m_locale(std::move(locale)) {
    for (QWidget* control : m_table)
        if (control)
            control->installEventFilter(this);
    // The knob mark is drawn over the knob S_Geber, whichever was created last.
    if (QWidget* knobMark = m_table[int(Field::S_Pitch)])
        knobMark->raise();
}

ReadoutPainter::~ReadoutPainter() {
    for (QWidget* control : m_table)
        if (control)
            control->removeEventFilter(this);
}

void ReadoutPainter::paintPass() {
    std::optional<ReadoutState> state; // read once, when the first dirty field is found
    QWidget* selected = nullptr;
    std::array<bool, kFieldTableSize> handed{};
    for (int slot = 0; slot < kFieldTableSize; ++slot) {
        if (m_sources.closing())
            break;
        QWidget* control = m_table[slot];
        if (control == nullptr)
            continue;
        const int mark = tagFloatOf(control);
        if (mark == 0)
            continue;
        if (!state) {
            state = m_sources.state ? m_sources.state() : ReadoutState{};
            selected = m_sources.selectedField ? m_sources.selectedField() : nullptr;
        }
        if (readoutPlace(slot) != nullptr) {
            const FieldRequest request{Field(slot), mark, control == selected,
                                       QRectF(control->geometry()), fontColourOf(control)};
            ReadoutPicture picture = composeReadout(request, *state, m_locale);
            if (picture.newControlColour)
                setFontColour(control, *picture.newControlColour);
            // A value reported again as it stands costs the screen nothing.
            if (!m_pictures[slot] || *m_pictures[slot] != picture) {
                m_pictures[slot] = std::move(picture);
                handed[slot] = true;
                control->update();
            }
        }
        setTagFloat(control, 0);
    }
    expectPassRepaints(handed);
}

// A control's repaint also repaints the readouts that overlap it (Panel5 reaches 2 pixels into
// Panel6, Panel7 into Panel4): those paints are the pass's doing as well, or two overlapping fields
// would wake the painter for each other without end.
void ReadoutPainter::expectPassRepaints(const std::array<bool, kFieldTableSize>& handed) {
    for (int slot = 0; slot < kFieldTableSize; ++slot) {
        if (!handed[slot])
            continue;
        m_passRepaint[slot] = true;
        const QWidget* control = m_table[slot];
        for (int other = 0; other < kFieldTableSize; ++other) {
            const QWidget* neighbour = m_table[other];
            if (other != slot && neighbour &&
                neighbour->parentWidget() == control->parentWidget() && neighbour->isVisible() &&
                neighbour->geometry().intersects(control->geometry()))
                m_passRepaint[other] = true;
        }
    }
}

int ReadoutPainter::slotOf(const QObject* control) const {
    const int tag = tagOf(control);
    if (tag < 0 || tag >= kFieldTableSize || m_table[tag] != control)
        return -1;
    return tag;
}

bool ReadoutPainter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Paint)
        return QObject::eventFilter(watched, event);
    const int slot = slotOf(watched);
    if (slot < 0)
        return QObject::eventFilter(watched, event);
    paintControl(static_cast<QWidget*>(watched), slot);
    if (m_passRepaint[slot]) {
        m_passRepaint[slot] = false;
    } else {
        setTagFloat(watched, kGuiRepaintMark);
        m_sources.requestPaint();
    }
    return true; // the readout's own painting is replaced by ours
}

void ReadoutPainter::paintControl(QWidget* control, int slot) {
    QPainter painter(control);
    const ReadoutPlace* place = readoutPlace(slot);
    if (place && place->kind == ReadoutKind::Edit)
        drawEditBox(painter, control->size());
    const std::optional<ReadoutPicture>& picture = m_pictures[slot];
    if (!picture)
        return;
    QFont font = control->font();
    if (!picture->ownFont) {
        // The scales and the knob take EFreq1's font at the scale size.
        if (m_table[int(Field::EFreq1)])
            font = m_table[int(Field::EFreq1)]->font();
        font.setPixelSize(kScaleFontSize);
        if (picture->regularWeight)
            font.setWeight(QFont::Normal);
    }
    drawReadoutPicture(painter, *picture, font);
}

} // namespace talix::display
