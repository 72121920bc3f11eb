#pragma once

#include <QAbstractSlider>

namespace talix::controls {

// The armed flag of the volume bars and the track bars tells a user's change from the change the
// board's own move raises. A bar the board moves is disarmed; its change handler, finding it
// disarmed, re-arms it and sends nothing, so a value the board set never goes back to the board.

bool isArmed(const QAbstractSlider* bar);
void setArmed(QAbstractSlider* bar, bool armed);

// Moves a bar to the board's value without the value being sent back. Qt raises the change
// notification inside setValue, so the bar is disarmed just before; when the move changes
// nothing (the value is already there, or outside the bar's range and clamped to where it is)
// no notification comes, and the bar stays armed for the user's next change.
void moveBarFromBoard(QAbstractSlider* bar, int value);

// A change handler's first step: true for the user's change; for the board's move false, and
// the bar is armed again.
bool takeUserChange(QAbstractSlider* bar);

} // namespace talix::controls
