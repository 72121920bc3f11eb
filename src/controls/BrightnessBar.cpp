#include "controls/BrightnessBar.h"

#include "base/BoardWords.h"
#include "controls/ArmedBars.h"
#include "link/CommandRecords.h"

#include <QEvent>

namespace talix::controls {

BrightnessBar::BrightnessBar(QSlider& TB_Bright, QLabel& L_Bright, link::CommandPort& commands,
                             host::HostServices& host)
    : m_bar(TB_Bright), m_label(L_Bright), m_commands(commands), m_host(host) {
    setArmed(&m_bar, false); // armed by its first paint
    connect(&m_bar, &QSlider::valueChanged, this, &BrightnessBar::TB_BrightChange);
    m_bar.installEventFilter(this);
}

bool BrightnessBar::armed() const {
    return isArmed(&m_bar);
}

void BrightnessBar::TB_BrightChange() {
    if (!takeUserChange(&m_bar))
        return;
    m_commands.QueueCommand(
        link::commands::setMainValue(board::MainItem::Brightness, uint8_t(m_bar.value())),
        link::LimitRule::Drop);
}

void BrightnessBar::applyReport(uint32_t valueWord) {
    m_level = uint8_t(valueWord & 0xFF);
    m_label.setText(QString::number(m_level) + "%");
    // A report with a nonzero upper half leaves the bar where the user put it.
    if ((valueWord >> 16) == 0)
        moveBarFromBoard(&m_bar, m_level);
    request.mainsLevel = m_level;
    request.batteryLevel = m_level;
    m_host.setDisplayBrightness(request);
}

bool BrightnessBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_bar && event->type() == QEvent::Paint)
        setArmed(&m_bar, true);
    return QObject::eventFilter(watched, event);
}

} // namespace talix::controls
