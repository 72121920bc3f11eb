#pragma once

#include "link/CommandPort.h"

#include <QEvent>
#include <QWidget>

namespace talix::controls {

// FormActivate of the memory and DAB forms: when `event` brings `form` to the front, the board is
// told that it became the active form.
void announceActivation(const QWidget& form, const QEvent& event, link::CommandPort& commands);

} // namespace talix::controls
