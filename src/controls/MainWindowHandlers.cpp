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
// The buttons whose clicks report their Tag (B_TuneClick).
constexpr const char* kTagButtons[] = {"B_Zero",   "B_Tune",     "B_Stereo", "B_Filter",
                                       "B_Setup",  "B_System",   "B_Mike",   "B_WiFi",
                                       "B_Memory", "B_Recorder", "B_Lock",   "EUndo"};

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

template <class T> T* child(QWidget* w, const char* name) {
    return w->findChild<T*>(name);
}
} // namespace

MainWindowHandlers::MainWindowHandlers(Context context)
    : m_context(std::move(context)), m_queue(*m_context.queue), m_state(*m_context.state),
      m_tuningKnob(m_queue, m_state.KnobAngle, m_state.KnobRefAngle, m_context.knobMoved),
      m_spectrumTouch(m_queue), m_digitSelector(m_queue, m_state.TuneDigit) {
    QWidget* w = m_context.mainWindow;

    for (const auto& place : display::kReadoutPlaces) {
        if (place.kind != display::ReadoutKind::Edit)
            continue;
        if (auto* field = child<QLineEdit>(w, place.name))
            field->installEventFilter(this);
    }

    for (const char* name : kTagButtons) {
        if (auto* b = child<QAbstractButton>(w, name))
            connect(b, &QAbstractButton::clicked, this, [this, b] { B_TuneClick(b); });
    }
    m_tune = child<QAbstractButton>(w, "B_Tune");
    if (auto* kap = child<QAbstractButton>(w, "B_KAP"))
        connect(kap, &QAbstractButton::clicked, this, [this] {
            if (m_context.showRotator)
                m_context.showRotator();
        });

    m_knob = child<QWidget>(w, "S_Geber");
    m_knobMark = child<QWidget>(w, "S_Pitch");
    for (QWidget* k : {m_knob, m_knobMark}) {
        if (!k)
            continue;
        k->setMouseTracking(true); // a pending step leaves with any move, dragging or not
        k->installEventFilter(this);
    }

    m_panel2 = child<QWidget>(w, "Panel2");
    m_panel3 = child<QWidget>(w, "Panel3");
    for (QWidget* p : {m_panel2, m_panel3}) {
        if (!p)
            continue;
        p->setMouseTracking(true);
        p->installEventFilter(this);
    }
    m_panel9 = child<QWidget>(w, "Panel9");
    if (m_panel9)
        m_panel9->installEventFilter(this);

    BarHandlers::Bars bars{child<QAbstractSlider>(w, "SBKH"),  child<QAbstractSlider>(w, "SBLSP"),
                           child<QWidget>(w, "SBKHN"),         child<QWidget>(w, "SBLSPN"),
                           child<QAbstractSlider>(w, "TBWFH"), child<QAbstractSlider>(w, "TBWFL"),
                           child<QAbstractSlider>(w, "TB_Att")};
    if (bars.SBKH && bars.SBLSP && bars.SBKHN && bars.SBLSPN && bars.TBWFH && bars.TBWFL &&
        bars.TB_Att)
        m_bars = std::make_unique<BarHandlers>(bars, m_queue, m_state.TunedFreq);

    // The wheel tunes wherever it turns on the main window, over any of its controls.
    m_wheel = std::make_unique<WindowWheel>(w, [this](int d) { S_GeberMouseWheel(d); });
}

MainWindowHandlers::~MainWindowHandlers() = default;

bool MainWindowHandlers::tuneMode() const {
    return m_tune && m_tune->isChecked();
}

bool MainWindowHandlers::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_knob || (watched == m_knobMark && m_knobMark))
        return knobEvent(event, static_cast<QWidget*>(watched));
    if (watched == m_panel2 || watched == m_panel3)
        return spectrumEvent(event);
    if (watched == m_panel9 && m_panel9)
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
    m_queue.QueueCommand(link::commands::button(tagOf(button)), link::LimitRule::Notify);
}

void MainWindowHandlers::readoutDoubleClick(QLineEdit* field) {
    const auto show = [main = m_context.mainWindow](QDialog* list) {
        if (!list || list->isVisible())
            return;
        if (main)
            list->move(display::centredOn(main, list->size()));
        list->exec();
    };
    const QString name = field->objectName();
    if (name == "ENotchP")
        m_queue.QueueCommand(
            link::commands::button(board::number(board::MainButton::NotchPosition)),
            link::LimitRule::Notify);
    else if (name == "EDemod" && !tuneMode())
        show(m_context.demods);
    else if (name == "EBW" && m_state.ModeIndex >= board::kModeFmNarrow && !tuneMode())
        show(m_context.bandwidths);
    else if (name == "EStepsRX")
        show(m_context.steps);
}

void MainWindowHandlers::S_GeberMouseWheel(int wheelDelta) {
    m_tuningKnob.S_GeberMouseWheel(wheelDelta);
}

bool MainWindowHandlers::knobEvent(QEvent* event, QWidget* from) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove)
        return false;
    if (!m_knob)
        return false;
    auto* e = static_cast<QMouseEvent*>(event);
    const QPointF p = m_knob->mapFromGlobal(from->mapToGlobal(e->position()));
    const double w = m_knob->width(), h = m_knob->height();
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
        paintDigitTriangle(m_panel9, m_state.TuneDigit);
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        auto* e = static_cast<QMouseEvent*>(event);
        if (m_digitSelector.Panel9MouseMove(e->position().x(), leftHeld(e)))
            m_panel9->update();
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
