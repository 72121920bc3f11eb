#include "controls/BarHandlers.h"

#include "base/BoardWords.h"
#include "base/Tags.h"
#include "controls/ArmedBars.h"
#include "controls/SliderRules.h"
#include "link/CommandRecords.h"

#include <QEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace talix::controls {

BarHandlers::BarHandlers(const Bars& bars, link::CommandPort& queue, sync::ReceiverState& state,
                         QObject* parent)
    : QObject(parent), m_bars(bars), m_queue(queue), m_state(state) {
    // First, so that a change handler's correction is what stays recorded.
    for (QAbstractSlider* bar :
         {m_bars.SBKH, m_bars.SBLSP, m_bars.TBWFH, m_bars.TBWFL, m_bars.TB_Att}) {
        followPosition(bar);
        connect(bar, &QAbstractSlider::valueChanged, this, [this, bar] { followPosition(bar); });
    }
    for (QAbstractSlider* bar : {m_bars.SBKH, m_bars.SBLSP}) {
        // The window starts with its volume bars disarmed.
        setArmed(bar, false);
        connect(bar, &QAbstractSlider::valueChanged, this, [this, bar] { SBLSPChange(bar); });
    }
    for (QAbstractSlider* bar : {m_bars.TBWFH, m_bars.TBWFL, m_bars.TB_Att}) {
        connect(bar, &QAbstractSlider::valueChanged, this, [this, bar] { TBWFHChange(bar); });
        bar->installEventFilter(this);
    }
    m_bars.SBKHN->installEventFilter(this);
    m_bars.SBLSPN->installEventFilter(this);
}

bool BarHandlers::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        // TBWFHPaint: a painted track bar is armed again.
        if (auto* bar = qobject_cast<QAbstractSlider*>(watched))
            setArmed(bar, true);
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == m_bars.SBKHN)
            SBKHNClick(m_bars.SBKH);
        else if (watched == m_bars.SBLSPN)
            SBKHNClick(m_bars.SBLSP);
    }
    return false;
}

void BarHandlers::SBLSPChange(QAbstractSlider* bar) {
    if (!takeUserChange(bar))
        return;
    sendPosition(bar);
}

// SBKHNClick and SBLSPNClick: mute. The change this raises sends position 0.
void BarHandlers::SBKHNClick(QAbstractSlider* bar) {
    setArmed(bar, true);
    bar->setValue(0);
}

void BarHandlers::TBWFHChange(QAbstractSlider* bar) {
    if (bar == m_bars.TBWFL || bar == m_bars.TBWFH) {
        const bool highMoved = bar == m_bars.TBWFH;
        const WaterfallRange before{m_bars.TBWFH->value(), m_bars.TBWFL->value()};
        const WaterfallRange after = orderWaterfallRange(before, highMoved);
        if (highMoved && after.high != before.high) {
            correct(m_bars.TBWFH, after.high);
            setArmed(m_bars.TBWFH, true);
        } else if (!highMoved && after.low != before.low) {
            correct(m_bars.TBWFL, after.low);
            setArmed(m_bars.TBWFL, true);
        }
    }
    if (bar == m_bars.TB_Att) {
        const int snapped = snapAttenuator(bar->value(), m_state.TunedFreq);
        if (snapped != bar->value())
            correct(bar, snapped);
    }
    if (!takeUserChange(bar))
        return;
    sendPosition(bar);
}

void BarHandlers::correct(QAbstractSlider* bar, int value) {
    {
        const QSignalBlocker quiet(bar);
        bar->setValue(value);
    }
    followPosition(bar);
}

void BarHandlers::followPosition(QAbstractSlider* bar) {
    using sync::MainControl;
    const MainControl control = bar == m_bars.SBKH    ? MainControl::SBKH
                                : bar == m_bars.SBLSP ? MainControl::SBLSP
                                : bar == m_bars.TBWFH ? MainControl::TBWFH
                                : bar == m_bars.TBWFL ? MainControl::TBWFL
                                                      : MainControl::TB_Att;
    *m_state.Sliders.of(control) = bar->value();
}

void BarHandlers::sendPosition(QAbstractSlider* bar) {
    m_queue.QueueCommand(link::commands::setValue(tagOf(bar), board::number(board::Form::Main),
                                                  uint32_t(bar->value())),
                         link::LimitRule::Drop);
}

} // namespace talix::controls
