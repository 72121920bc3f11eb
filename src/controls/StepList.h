#pragma once

#include "controls/PickListForm.h"

namespace talix::controls {

// F_Steps: the tuning step grid. A tap sends the step together with the digit of the step readout
// the knob is to change, as one record, and closes the grid.
class TF_Steps : public PickListForm {
    Q_OBJECT
public:
    TF_Steps(link::CommandPort& commands, QWidget* parent = nullptr);

protected:
    void Rectangle1Click(QObject* sender) override;
};

} // namespace talix::controls
