#pragma once

#include "link/CommandPort.h"

#include <QAbstractSlider>
#include <QObject>
#include <cstdint>

namespace talix::controls {

// The main window's bars: the two volume bars with their mute areas and the track bars of the
// waterfall range and the attenuator. Each user's change sends the bar's position under its Tag;
// the change the board's own move raises sends nothing (see ArmedBars). The brightness bar keeps
// the same rules but belongs to the host duties, which also apply the board's brightness.
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

    // tunedFreq is the receiver state's TunedFreq (the attenuator snaps above 174 MHz).
    BarHandlers(const Bars& bars, link::CommandPort& queue, const int32_t& tunedFreq,
                QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SBLSPChange(QAbstractSlider* bar);
    void SBKHNClick(QAbstractSlider* bar);
    void TBWFHChange(QAbstractSlider* bar);
    void sendPosition(QAbstractSlider* bar);

    Bars m_bars;
    link::CommandPort& m_queue;
    const int32_t& m_tunedFreq;
};

} // namespace talix::controls
