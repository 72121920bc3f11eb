#pragma once

#include "QueueProbe.h"
#include "controls/BandwidthList.h"
#include "controls/DemodList.h"
#include "controls/MainWindowHandlers.h"
#include "controls/StepList.h"
#include "display/ScaledScreen.h"
#include "sync/ReceiverState.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>
#include <QWidget>
#include <memory>

namespace talix::controls::testing {

// A main window with its controls, the receiver state and a probed command queue, and the
// handlers on top, shown on the offscreen screen: drawn scaled down through the program's view
// when TALIX_TEST_SCALE gives a factor below 1.
struct MainWindowFixture {
    MainWindowFixture();
    ~MainWindowFixture();

    template <class T = QWidget> T* control(const char* name) const {
        return window->findChild<T*>(name);
    }
    QLineEdit* readout(const char* name) const { return control<QLineEdit>(name); }
    QAbstractButton* button(const char* name) const { return control<QAbstractButton>(name); }
    QAbstractSlider* bar(const char* name) const { return control<QAbstractSlider>(name); }

    QueueProbe probe;
    sync::ReceiverState state;
    int knobMarks = 0;
    bool frequencySelected = true;
    bool memoryOwnsTouches = false;
    int rotatorShown = 0;
    std::unique_ptr<QWidget> window;
    TF_Demods* demods = nullptr;
    TF_BWs* bandwidths = nullptr;
    TF_Steps* steps = nullptr;
    std::unique_ptr<MainWindowHandlers> handlers;
    std::unique_ptr<display::ScaledScreen> screen;
};

} // namespace talix::controls::testing
