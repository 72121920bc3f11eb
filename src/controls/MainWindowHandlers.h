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
#include <vector>

class QAbstractButton;
class QLineEdit;

namespace talix::controls {

// The handlers of the main window's controls: readout touches, the twelve buttons, the double
// clicks that open the pick-lists, the tuning knob and the wheel anywhere on the window, taps and
// drags on the spectrum and the waterfall, the step-digit selector and the bars. They are handed
// the controls they serve and turn every touch into a command; the board's answer, not the
// handler, changes what the window shows.
class MainWindowHandlers : public QObject {
    Q_OBJECT
public:
    // The controls served; each is required.
    struct Controls {
        QWidget* mainWindow = nullptr;    // the wheel turns anywhere on it; pick-lists centre on it
        std::vector<QLineEdit*> readouts; // a touch enters the readout
        std::vector<QAbstractButton*> buttons; // a click sends the button's Tag
        QAbstractButton* B_Tune = nullptr;     // one of `buttons`, pressed in tune mode
        QAbstractButton* B_KAP = nullptr;      // shows the rotator form
        QWidget* S_Geber = nullptr;            // the tuning knob
        QWidget* S_Pitch = nullptr;            // its mark, lying over it
        QWidget* Panel2 = nullptr;             // the spectrum
        QWidget* Panel3 = nullptr;             // the waterfall
        QWidget* Panel9 = nullptr;             // the step-digit selector
        BarHandlers::Bars bars{};
    };
    struct Context {
        Controls controls;
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

    // Tune mode (the receiver state's): B_Tune stays pressed.
    bool tuneMode() const { return m_state.TuneMode; }

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
    const Controls& m_controls;
    TuningKnob m_tuningKnob;
    SpectrumTouch m_spectrumTouch;
    DigitSelector m_digitSelector;
    std::unique_ptr<BarHandlers> m_bars;
    std::unique_ptr<WindowWheel> m_wheel;
};

} // namespace talix::controls
