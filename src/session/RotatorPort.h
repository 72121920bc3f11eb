#pragma once

#include "session/RotatorDisplay.h"

namespace talix::session {

// The antenna rotator as its form drives it: the state the board last reported, and the
// rotator's own datagrams. UI thread only.
class RotatorPort {
public:
    virtual ~RotatorPort() = default;
    // Where reports and the dial's selection are shown; nullptr: nowhere. It must outlive its
    // registration.
    virtual void setDisplay(RotatorDisplay* display) = 0;
    // The rotator is on (RotatorOn).
    virtual bool on() const = 0;
    // 0 to 232; 0 stands for north-south (DialPosition).
    virtual int dialPosition() const = 0;
    // The form greets the rotator.
    virtual void greet() = 0;
    // The dial goes to `position` and the rotator turns there and is on.
    virtual void turnTo(int position) = 0;
    virtual void switchOff() = 0;
};

} // namespace talix::session
