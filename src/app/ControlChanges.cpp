#include "app/ControlChanges.h"

#include "base/Tags.h"
#include "controls/ArmedBars.h"
#include "controls/ArrowIndicator.h"
#include "display/MeterBox.h"
#include "display/readouts/ReadoutControls.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace talix::app {

namespace {

void setText(QWidget* control, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
}

void setFill(QWidget* control, QRgb argb) {
    if (auto* meter = dynamic_cast<display::MeterBox*>(control)) {
        meter->setFill(argb);
        return;
    }
    if (control->property("Fill") == QVariant(uint(argb)))
        return;
    control->setProperty("Fill", uint(argb));
    control->update();
}

} // namespace

void setFontColour(QWidget* control, QRgb argb) {
    if (control == nullptr)
        return;
    if (qobject_cast<QLineEdit*>(control)) {
        display::setFontColour(control, argb); // drawn by the painter
        return;
    }
    QPalette p = control->palette();
    p.setColor(QPalette::WindowText, QColor::fromRgba(argb));
    p.setColor(QPalette::ButtonText, QColor::fromRgba(argb));
    control->setPalette(p);
}

void applyControlChange(QWidget* control, const sync::ControlChange& change) {
    using K = sync::ControlChange;
    if (control == nullptr)
        return;
    switch (change.kind) {
    case K::Text:
        setText(control, change.text);
        break;
    case K::FontColour:
        setFontColour(control, change.argb);
        break;
    case K::Fill:
        setFill(control, change.argb);
        break;
    case K::BarValue:
        if (auto* bar = qobject_cast<QProgressBar*>(control))
            bar->setValue(change.value);
        break;
    case K::MoveSlider:
        if (auto* bar = qobject_cast<QAbstractSlider*>(control))
            controls::moveBarFromBoard(bar, change.value);
        break;
    case K::Visible:
        control->setVisible(change.value != 0);
        break;
    case K::Pressed:
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            button->setCheckable(change.value != 0);
            button->setChecked(change.value != 0);
        }
        break;
    case K::Rotation:
        if (auto* arrow = dynamic_cast<controls::ArrowIndicator*>(control))
            arrow->setRotation(change.value);
        break;
    case K::RepaintNow:
        control->repaint();
        break;
    }
}

} // namespace talix::app
