#pragma once

#include "sync/ItemEffect.h"

#include <QRgb>

class QWidget;

namespace talix::app {

// Applies one change that a board's item decided to its control (nothing for a missing control).
void applyControlChange(QWidget* control, const sync::ControlChange& change);

// The font colour of a label, a button or a readout (whose text the painter draws).
void setFontColour(QWidget* control, QRgb argb);

} // namespace talix::app
