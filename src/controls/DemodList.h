#pragma once

#include "controls/PickListForm.h"

namespace talix::controls {

// F_Demods: the demodulator list. A tap on a mode sends it as the main window's mode and closes
// the list; the board answers with the mode it set.
class TF_Demods : public PickListForm {
    Q_OBJECT
public:
    TF_Demods(link::CommandPort& commands, QWidget* parent = nullptr);

    QWidget* RSBSP;
    QWidget* Rectangle15;

protected:
    void Rectangle1Click(QObject* sender) override;
};

} // namespace talix::controls
