#include "display/readouts/ReadoutControls.h"

#include "base/Tags.h"
#include "display/Fonts.h"
#include "display/readouts/ReadoutLayout.h"

#include <QLineEdit>
#include <QVariant>
#include <QWidget>

namespace talix::display {

namespace {

constexpr const char* kFontColourProperty = "FontColor";

QWidget* createControl(QWidget* mainWindow, const ReadoutPlace& place) {
    if (place.kind != ReadoutKind::Edit) {
        auto* w = new QWidget(mainWindow);
        // Scales and the knob mark only show: touches reach what lies beneath (the knob S_Geber).
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
        return w;
    }
    auto* e = new QLineEdit(mainWindow);
    e->setReadOnly(true);
    e->setFrame(false);
    e->setContextMenuPolicy(Qt::NoContextMenu);
    e->setCursor(Qt::ArrowCursor);
    e->setMaxLength(place.maxLength > 0 ? place.maxLength : 32767);
    return e;
}

} // namespace

ReadoutControls createReadoutControls(QWidget* mainWindow) {
    ReadoutControls made;
    for (const ReadoutPlace& place : kReadoutPlaces) {
        const QString name = QString::fromLatin1(place.name);
        auto* w = mainWindow->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        if (w == nullptr) {
            w = createControl(mainWindow, place);
            w->setObjectName(name);
        }
        setTag(w, place.tag());
        setTagFloat(w, 0);
        w->setGeometry(place.rect());
        w->setFont(pinnedFont(place.face, place.fontSize));
        if (!w->property(kFontColourProperty).isValid())
            setFontColour(w, place.colour);
        if (place.kind == ReadoutKind::Edit)
            made.edits.push_back(static_cast<QLineEdit*>(w));
        else if (place.kind == ReadoutKind::KnobMark)
            made.S_Pitch = w;
        else if (place.kind == ReadoutKind::Scale)
            made.scales.push_back(w);
    }
    return made;
}

QRgb fontColourOf(const QWidget* control) {
    const QVariant v = control ? control->property(kFontColourProperty) : QVariant();
    if (v.isValid())
        return QRgb(v.toUInt());
    const ReadoutPlace* place = control ? readoutPlace(tagOf(control)) : nullptr;
    return place ? place->colour : kYellow;
}

void setFontColour(QWidget* control, QRgb colour) {
    if (control)
        control->setProperty(kFontColourProperty, uint(colour));
}

} // namespace talix::display
