#pragma once

#include <QWheelEvent>
#include <functional>

namespace talix::controls {

// Where a form sends its wheel turns: the tuning knob's wheel handler, with the wheel delta.
using WheelHandler = std::function<void(int wheelDelta)>;

// Hands a wheel event to the handler. Only a vertical turn counts; a purely horizontal scroll
// (no vertical delta) is no turn of the wheel.
inline void forwardWheel(const QWheelEvent* event, const WheelHandler& handler) {
    const int delta = event->angleDelta().y();
    if (delta != 0 && handler)
        handler(delta);
}

} // namespace talix::controls
