#include "controls/MainWindowHandlers.h"

#include "base/BoardModes.h"
#include "base/BoardWords.h"
#include "base/Tags.h"
#include "controls/DigitTrianglePaint.h"
#include "controls/FieldTouch.h"
#include "controls/WindowWheel.h"
#include "display/FormPlace.h"
#include "display/readouts/ReadoutLayout.h"
#include "link/CommandRecords.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace talix::controls {

namespace {
// A readout is entered when the user or the board gives it the focus, not when the window it is
// on becomes active again.
bool entersField(const QFocusEvent* e) {
    switch (e->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}

bool leftHeld(const QMouseEvent* e) {
    return e->buttons() & Qt::LeftButton;
}

} // namespace

MainWindowHandlers::MainWindowHandlers(Context context)
    : m_context(std::move(context)), m_queue(*m_context.queue), m_state(*m_context.state),
      m_controls(m_context.controls),
      m_tuningKnob(m_queue, m_state.KnobAngle, m_state.KnobRefAngle, m_context.knobMoved),
      m_spectrumTouch(m_queue), m_digitSelector(m_queue, m_state.TuneDigit) {
    const Controls& c = m_controls;
    for (QLineEdit* field : c.readouts)
        field->installEventFilter(this);
    for (QAbstractButton* b : c.buttons)
        connect(b, &QAbstractButton::clicked, this, [this, b] { B_TuneClick(b); });
    connect(c.B_KAP, &QAbstractButton::clicked, this, [this] {
        if (m_context.showRotator)
            m_context.showRotator();
    });
    for (QWidget* k : {c.S_Geber, c.S_Pitch}) {
        k->setMouseTracking(true); // a pending step leaves with any move, dragging or not
        k->installEventFilter(this);
    }
    for (QWidget* p : {c.Panel2, c.Panel3}) {
        p->setMouseTracking(true);
        p->installEventFilter(this);
    }
    c.Panel9->installEventFilter(this);
    m_bars = std::make_unique<BarHandlers>(c.bars, m_queue, m_state);

    // The wheel tunes wherever it turns on the main window, over any of its controls.
    m_wheel = std::make_unique<WindowWheel>(c.mainWindow, [this](int d) { S_GeberMouseWheel(d); });
}

MainWindowHandlers::~MainWindowHandlers() = default;

bool MainWindowHandlers::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_controls.S_Geber || watched == m_controls.S_Pitch)
        return knobEvent(event, static_cast<QWidget*>(watched));
    if (watched == m_controls.Panel2 || watched == m_controls.Panel3)
        return spectrumEvent(event);
    if (watched == m_controls.Panel9)
        return digitSelectorEvent(event);
    if (auto* field = qobject_cast<QLineEdit*>(watched)) {
        if (event->type() == QEvent::FocusIn && entersField(static_cast<QFocusEvent*>(event)))
            EFreq1Enter(field);
        else if (event->type() == QEvent::MouseButtonDblClick)
            readoutDoubleClick(field);
    }
    return false;
}

void MainWindowHandlers::EFreq1Enter(QLineEdit* field) {
    const int tag = tagOf(field);
    const display::ReadoutPlace* place = display::readoutPlace(tag);
    FieldTouchInputs in;
    in.memoryKeypadOwnsTouches =
        m_context.memoryKeypadOwnsTouches && m_context.memoryKeypadOwnsTouches();
    in.receiverFlags = m_state.ReceiverFlags;
    in.gainCtrlIndex = m_state.GainCtrlIndex;
    in.tuneMode = tuneMode();
    if (auto record = fieldSelectCommand(tag, place ? place->maxLength : 0, in))
        m_queue.QueueCommand(std::move(*record), link::LimitRule::Notify);
}

void MainWindowHandlers::B_TuneClick(QAbstractButton* button) {
    // The offered B_Tune switches over with the touch, as the button itself does.
    if (button == m_controls.B_Tune && m_state.TuneModeOffered)
        m_state.TuneMode = !m_state.TuneMode;
    m_queue.QueueCommand(link::commands::button(tagOf(button)), link::LimitRule::Notify);
}

void MainWindowHandlers::readoutDoubleClick(QLineEdit* field) {
    const auto show = [main = m_controls.mainWindow](QDialog* list) {
        if (!list || list->isVisible())
            return;
        list->move(display::centredOn(main, list->size()));
        list->exec();
    };
    using board::Field;
    const int tag = tagOf(field);
    if (tag == board::number(Field::ENotchP))
        m_queue.QueueCommand(
            link::commands::button(board::number(board::MainButton::NotchPosition)),
            link::LimitRule::Notify);
    else if (tag == board::number(Field::EDemod) && !tuneMode())
        show(m_context.demods);
    else if (tag == board::number(Field::EBW) && m_state.ModeIndex >= board::kModeFmNarrow &&
             !tuneMode())
        show(m_context.bandwidths);
    else if (tag == board::number(Field::EStepsRX))
        show(m_context.steps);
}

void MainWindowHandlers::S_GeberMouseWheel(int wheelDelta) {
    m_tuningKnob.S_GeberMouseWheel(wheelDelta);
}

bool MainWindowHandlers::knobEvent(QEvent* event, QWidget* from) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove)
        return false;
    auto* e = static_cast<QMouseEvent*>(event);
    const QPointF p = m_controls.S_Geber->mapFromGlobal(from->mapToGlobal(e->position()));
    const double w = m_controls.S_Geber->width(), h = m_controls.S_Geber->height();
    if (type == QEvent::MouseButtonPress)
        m_tuningKnob.S_GeberMouseDown(p.x(), p.y(), w, h);
    else
        m_tuningKnob.S_GeberMouseMove(p.x(), p.y(), w, h, leftHeld(e));
    return false;
}

bool MainWindowHandlers::spectrumEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        m_spectrumTouch.Panel2MouseDown(static_cast<QMouseEvent*>(event)->position().x(),
                                        tapInputs());
    } else if (event->type() == QEvent::MouseMove) {
        auto* e = static_cast<QMouseEvent*>(event);
        const bool frequencySelected = m_context.frequencySelected && m_context.frequencySelected();
        m_spectrumTouch.Panel2MouseMove(e->position().x(), leftHeld(e), m_state.TouchAction,
                                        frequencySelected);
    }
    return false;
}

bool MainWindowHandlers::digitSelectorEvent(QEvent* event) {
    if (event->type() == QEvent::Paint) {
        paintDigitTriangle(m_controls.Panel9, m_state.TuneDigit);
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        auto* e = static_cast<QMouseEvent*>(event);
        if (m_digitSelector.Panel9MouseMove(e->position().x(), leftHeld(e)))
            m_controls.Panel9->update();
    }
    return false;
}

TapInputs MainWindowHandlers::tapInputs() const {
    TapInputs in;
    in.spectrumLeftFreq = m_state.SpectrumLeftFreq;
    in.binHz = m_state.BinHz;
    in.tuneStep = m_state.TuneStep;
    in.modeIndex = m_state.ModeIndex;
    in.receiverFlags = m_state.ReceiverFlags;
    in.touchAction = m_state.TouchAction;
    in.settingsWord = m_state.SettingsWord;
    return in;
}

} // namespace talix::controls
