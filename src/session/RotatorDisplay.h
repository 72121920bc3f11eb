#pragma once

#include "sync/ItemEffect.h"

namespace talix::session {

// The rotator form as the rotator link sees it: what the board reports about the rotator, and
// the board's selection of the dial. UI thread only.
class RotatorDisplay {
public:
    virtual ~RotatorDisplay() = default;
    // Items 55 to 57, after RotatorOn, DialPosition and the target have followed them.
    virtual void rotatorReported(const sync::RotatorReport& report) = 0;
    // The dial's two circles in their selected colours, or white.
    virtual void paintCircles(bool selected) = 0;
};

} // namespace talix::session
