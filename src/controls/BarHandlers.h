#pragma once

#include "link/CommandPort.h"
#include "sync/ReceiverState.h"

#include <QAbstractSlider>
#include <QObject>
#include <cstdint>

namespace talix::controls {

// The main window's bars: the two volume bars with their mute areas and the track bars of the
// waterfall range and the attenuator. Each user's change sends the bar's position under its Tag;
// the change the board's own move raises sends nothing (see ArmedBars). The brightness bar keeps
// the same rules but belongs to the host duties, which also apply the board's brightness. Wherever
// a bar comes to stand, by a touch, a correction or the board's move, the receiver state learns it:
// the board's next report is compared with it.
class BarHandlers : public QObject {
    Q_OBJECT
public:
    struct Bars {
        QAbstractSlider* SBKH;
        QAbstractSlider* SBLSP;
        QWidget* SBKHN; // mute areas at the left ends of the volume bars
        QWidget* SBLSPN;
        QAbstractSlider* TBWFH;
        QAbstractSlider* TBWFL;
        QAbstractSlider* TB_Att;
    };

    // The attenuator snaps by the state's TunedFreq (above 174 MHz); the bars' positions go to its
    // Sliders.
    BarHandlers(const Bars& bars, link::CommandPort& queue, sync::ReceiverState& state,
                QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SBLSPChange(QAbstractSlider* bar);
    void SBKHNClick(QAbstractSlider* bar);
    void TBWFHChange(QAbstractSlider* bar);
    void sendPosition(QAbstractSlider* bar);
    // Sets a bar's value from its own change handler without raising another change.
    void correct(QAbstractSlider* bar, int value);
    void followPosition(QAbstractSlider* bar);

    Bars m_bars;
    link::CommandPort& m_queue;
    sync::ReceiverState& m_state;
};

} // namespace talix::controls
