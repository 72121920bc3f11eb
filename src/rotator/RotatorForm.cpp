#include "rotator/RotatorForm.h"

#include "display/Fonts.h"
#include "display/FormPlace.h"
#include "display/WidgetColours.h"
#include "link/CommandRecords.h"
#include "rotator/RotatorDial.h"

#include <QLinearGradient>
#include <QPainter>
#include <QShowEvent>
#include <QWheelEvent>

namespace talix::rotator {

namespace {

constexpr Qt::WindowFlags kFormFlags =
    Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
const char* const kVersionUnknown = "Ver: xx";

QLabel* label(QWidget* form, const char* name, const char* text, QRect box, int pixels,
              QColor colour = Qt::white) {
    auto* l = new QLabel(QString::fromUtf8(text), form);
    l->setObjectName(name);
    l->setGeometry(box);
    l->setFont(display::pinnedFont(display::FontFace::UiRegular, pixels));
    display::setTextColour(l, colour);
    return l;
}

QPushButton* button(QWidget* form, const char* name, const char* text, QRect box) {
    auto* b = new QPushButton(QString::fromUtf8(text), form);
    b->setObjectName(name);
    b->setGeometry(box);
    b->setFont(display::pinnedFont(display::FontFace::UiRegular, 26));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

TF_KAP::TF_KAP(session::RotatorPort& rotator, link::CommandPort& queue,
               std::function<void()> focusKapButton, QWidget* mainWindow)
    : QWidget(mainWindow, kFormFlags), m_rotator(rotator), m_queue(queue),
      m_focusKapButton(std::move(focusKapButton)), m_mainWindow(mainWindow) {
    setObjectName("F_KAP");
    setFixedSize(kClient);

    Label1 = label(this, "Label1", "KAP Control", {16, 2, 445, 52}, 38, Qt::yellow);
    S_Geber = new RotatorDial(this);
    S_Geber->move(12, 62);
    L_Grad = label(this, "L_Grad", "0°", {380, 62, 90, 48}, 34);
    L_Grad->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    B_Off = button(this, "B_Off", "On/Off", {382, 250, 86, 76});
    // Stays pressed while the board reports the rotator on; a click alone does not press it.
    B_Off->setCheckable(true);
    B_Close = button(this, "B_Close", "Close", {382, 346, 86, 76});
    LConnect = label(this, "LConnect", "KAP not found!", {16, 430, 445, 44}, 32);
    L_Current = label(this, "L_Current", "0 mA", {16, 480, 200, 44}, 30);
    L_Ver = label(this, "L_Ver", kVersionUnknown, {250, 480, 211, 44}, 30);
    L_Ver->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    connect(S_Geber, &RotatorDial::touched, this, &TF_KAP::S_GeberMouseDown);
    connect(S_Geber, &RotatorDial::dragged, this, &TF_KAP::S_GeberMouseMove);
    connect(B_Off, &QPushButton::clicked, this, &TF_KAP::B_OffClick);
    connect(B_Close, &QPushButton::clicked, this, &TF_KAP::B_CloseClick);

    redrawDial();
    m_rotator.setDisplay(this);
}

TF_KAP::~TF_KAP() {
    m_rotator.setDisplay(nullptr);
}

void TF_KAP::rotatorReported(const sync::RotatorReport& r) {
    switch (r.kind) {
    case sync::RotatorReport::Present:
        LConnect->setText(r.connectText);
        L_Current->setText(r.currentText);
        B_Off->setChecked(m_rotator.on());
        redrawDial();
        break;
    case sync::RotatorReport::Version:
        L_Ver->setText(r.versionText);
        break;
    case sync::RotatorReport::NotFound:
        LConnect->setText(r.connectText);
        break;
    }
}

void TF_KAP::paintCircles(bool selected) {
    S_Geber->paintCircles(selected);
}

void TF_KAP::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return; // the window system's own show, not the form being opened
    place();
    S_Geber->paintCircles(true);
    m_rotator.greet();
}

void TF_KAP::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, QColor(0x4682B4));
    fill.setColorAt(1, QColor(0x102A44));
    p.fillRect(rect(), fill);
}

// Over the whole form, the dial, buttons and labels alike.
void TF_KAP::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return; // a sideways scroll is no turn of the wheel
    m_rotator.turnTo(wheelPosition(m_rotator.dialPosition(), delta));
}

void TF_KAP::S_GeberMouseDown(QPointF pos) {
    m_drag.touch(pos.x(), pos.y(), S_Geber->width(), S_Geber->height());
    if (m_focusKapButton)
        m_focusKapButton();
    // The board then lets its knob turn the rotator (field selection of form 16).
    m_queue.QueueCommand(link::commands::rotatorSelect(true), link::LimitRule::None);
}

void TF_KAP::S_GeberMouseMove(QPointF pos) {
    const auto position = m_drag.move(pos.x(), pos.y(), S_Geber->width(), S_Geber->height());
    if (!position)
        return;
    m_rotator.turnTo(*position);
}

// The board's next report, not the click, decides whether the button stays pressed.
void TF_KAP::B_OffClick() {
    B_Off->setChecked(m_rotator.on());
    if (m_rotator.on())
        m_rotator.switchOff();
    else
        m_rotator.turnTo(m_rotator.dialPosition());
}

void TF_KAP::B_CloseClick() {
    m_queue.QueueCommand(link::commands::rotatorSelect(false), link::LimitRule::None);
    L_Ver->setText(kVersionUnknown);
    close();
}

void TF_KAP::redrawDial() {
    S_Geber->showPosition(m_rotator.dialPosition());
    L_Grad->setText(degreesText(m_rotator.dialPosition()));
}

// Centred on the main window, like the board's forms.
void TF_KAP::place() {
    if (!m_mainWindow)
        return;
    move(display::centredOn(m_mainWindow, size()));
}

} // namespace talix::rotator
