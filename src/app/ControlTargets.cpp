#include "app/ControlTargets.h"

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

template <class... F> struct Overloads : F... { using F::operator()...; };
template <class... F> Overloads(F...) -> Overloads<F...>; // for clang 14

} // namespace

// The most specific type the board's changes know the control by.
ControlTargets::Target ControlTargets::typed(QWidget* w) {
    if (w == nullptr)
        return std::monostate{};
    if (auto* meter = dynamic_cast<display::MeterBox*>(w))
        return meter;
    if (auto* arrow = dynamic_cast<controls::ArrowIndicator*>(w))
        return arrow;
    if (auto* label = qobject_cast<QLabel*>(w))
        return label;
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button;
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit;
    if (auto* bar = qobject_cast<QProgressBar*>(w))
        return bar;
    if (auto* slider = qobject_cast<QAbstractSlider*>(w))
        return slider;
    return w;
}

namespace {

QWidget* widgetOf(const auto& target) {
    return std::visit(Overloads{[](std::monostate) -> QWidget* { return nullptr; },
                                [](auto* w) -> QWidget* { return w; }},
                      target);
}

// A Fill the control paints itself from (the status block's boxes and indicators).
void setFill(QWidget* control, QRgb argb) {
    if (control->property("Fill") == QVariant(uint(argb)))
        return;
    control->setProperty("Fill", uint(argb));
    control->update();
}

} // namespace

ControlTargets::ControlTargets(QWidget& mainWindow) {
    for (int i = 0; i < sync::kMainControls; ++i)
        m_targets[size_t(i)] = typed(mainWindow.findChild<QWidget*>(
            QLatin1String(sync::controlName(sync::MainControl(i))), Qt::FindDirectChildrenOnly));
}

bool ControlTargets::complete() const {
    for (const Target& t : m_targets)
        if (std::holds_alternative<std::monostate>(t))
            return false;
    return true;
}

void ControlTargets::apply(const sync::ControlChange& change) const {
    using K = sync::ControlChange;
    const size_t i = size_t(change.control);
    if (i >= m_targets.size())
        return;
    const Target& target = m_targets[i];
    QWidget* control = widgetOf(target);
    if (control == nullptr)
        return;
    const auto any = [](auto*) {};
    switch (change.kind) {
    case K::Text:
        std::visit(Overloads{[&](QLabel* l) { l->setText(change.text); },
                             [&](QAbstractButton* b) { b->setText(change.text); },
                             [&](QLineEdit* e) { e->setText(change.text); }, any,
                             [](std::monostate) {}},
                   target);
        break;
    case K::FontColour:
        setFontColour(control, change.argb);
        break;
    case K::Fill:
        std::visit(Overloads{[&](display::MeterBox* m) { m->setFill(change.argb); },
                             [&](auto* w) { setFill(w, change.argb); }, [](std::monostate) {}},
                   target);
        break;
    case K::BarValue:
        std::visit(Overloads{[&](QProgressBar* b) { b->setValue(change.value); }, any,
                             [](std::monostate) {}},
                   target);
        break;
    case K::MoveSlider:
        std::visit(
            Overloads{[&](QAbstractSlider* s) { controls::moveBarFromBoard(s, change.value); }, any,
                      [](std::monostate) {}},
            target);
        break;
    case K::Visible:
        control->setVisible(change.value != 0);
        break;
    case K::Pressed:
        std::visit(Overloads{[&](QAbstractButton* b) {
                                 b->setCheckable(change.value != 0);
                                 b->setChecked(change.value != 0);
                             },
                             any, [](std::monostate) {}},
                   target);
        break;
    case K::Rotation:
        std::visit(Overloads{[&](controls::ArrowIndicator* a) { a->setRotation(change.value); },
                             any, [](std::monostate) {}},
                   target);
        break;
    case K::RepaintNow:
        control->repaint();
        break;
    }
}

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

} // namespace talix::app
