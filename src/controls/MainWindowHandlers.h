#pragma once

#include "controls/BarHandlers.h"
#include "controls/DigitSelector.h"
#include "controls/SpectrumTouch.h"
#include "controls/TuningKnob.h"
#include "controls/WindowWheel.h"
#include "link/CommandPort.h"
#include "sync/ReceiverState.h"

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QAbstractButton;
class QLineEdit;

namespace talix::controls {

// The handlers of the main window's controls: readout touches, the twelve buttons, the double
// clicks that open the pick-lists, the tuning knob and the wheel anywhere on the window, taps and
// drags on the spectrum and the waterfall, the step-digit selector and the bars. They find the
// controls by name among the main window's children and turn every touch into a command; the
// board's answer, not the handler, changes what the window shows.
class MainWindowHandlers : public QObject {
    Q_OBJECT
public:
    struct Context {
        QWidget* mainWindow = nullptr;
        link::CommandPort* queue = nullptr;
        sync::ReceiverState* state = nullptr;
        // The knob's mark moved: S_Pitch is marked for the painter and PaintEvent set.
        std::function<void()> knobMoved;
        // SelectedField is EFreq1.
        std::function<bool()> frequencySelected;
        // The memory keypad is visible and the rotator not selected: readout touches are its.
        std::function<bool()> memoryKeypadOwnsTouches;
        // The pick-lists, shown modally by the double clicks, and the rotator form.
        QPointer<QDialog> demods, bandwidths, steps;
        std::function<void()> showRotator;
    };

    explicit MainWindowHandlers(Context context);
    ~MainWindowHandlers() override;

    // The wheel handler of the main window; the other forms hand their wheel turns to it.
    void S_GeberMouseWheel(int wheelDelta);

    // Tune mode: B_Tune stays pressed.
    bool tuneMode() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EFreq1Enter(QLineEdit* field);
    void B_TuneClick(QAbstractButton* button);
    void readoutDoubleClick(QLineEdit* field);
    bool knobEvent(QEvent* event, QWidget* from);
    bool spectrumEvent(QEvent* event);
    bool digitSelectorEvent(QEvent* event);
    TapInputs tapInputs() const;

    Context m_context;
    link::CommandPort& m_queue;
    sync::ReceiverState& m_state;
    QWidget* m_knob = nullptr;     // S_Geber
    QWidget* m_knobMark = nullptr; // S_Pitch, lying over the knob
    QWidget* m_panel2 = nullptr;
    QWidget* m_panel3 = nullptr;
    QWidget* m_panel9 = nullptr;
    QAbstractButton* m_tune = nullptr;
    TuningKnob m_tuningKnob;
    SpectrumTouch m_spectrumTouch;
    DigitSelector m_digitSelector;
    std::unique_ptr<BarHandlers> m_bars;
    std::unique_ptr<WindowWheel> m_wheel;
};

} // namespace talix::controls
