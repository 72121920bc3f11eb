#include "controls/ArmedBars.h"

#include <algorithm>

namespace talix::controls {

namespace {
constexpr const char* kArmed = "Armed";
} // namespace

bool isArmed(const QAbstractSlider* bar) {
    return bar->property(kArmed).toBool();
}

void setArmed(QAbstractSlider* bar, bool armed) {
    bar->setProperty(kArmed, armed);
}

void moveBarFromBoard(QAbstractSlider* bar, int value) {
    const int target = std::clamp(value, bar->minimum(), bar->maximum());
    if (target == bar->value())
        return;
    setArmed(bar, false);
    bar->setValue(target);
    // Should a bar ever not report the move, the user's next change must still count.
    setArmed(bar, true);
}

bool takeUserChange(QAbstractSlider* bar) {
    if (isArmed(bar))
        return true;
    setArmed(bar, true);
    return false;
}

} // namespace talix::controls
