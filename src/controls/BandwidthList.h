#pragma once

#include "controls/PickListForm.h"
#include "sync/ReceiverState.h"

#include <array>

namespace talix::controls {

// F_BWs: the bandwidth list. Each showing labels the cells for the current mode (and, in FM-W,
// the board's choice of the full list); a tap sends the cell's position, blank or not, and closes
// the list. The bottom-right cell only names the unit.
class TF_BWs : public PickListForm {
    Q_OBJECT
public:
    // The receiver state's ModeIndex and BwListFlag are read at every showing.
    TF_BWs(link::CommandPort& commands, const sync::ReceiverState& state,
           QWidget* parent = nullptr);

    // LBW[n - 1] is the label LBWn on the cell that sends n - 1.
    std::array<QLabel*, 15> LBW{};
    QLabel* Label16;
    PickCell* unitCell; // the sixteenth cell, without a Tag

protected:
    void showEvent(QShowEvent* event) override;
    void Rectangle1Click(QObject* sender) override;

private:
    void FormShow();

    const sync::ReceiverState& m_state;
};

} // namespace talix::controls
