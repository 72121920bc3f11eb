#include "app/BrightnessBar.h"

#include "link/CommandRecords.h"

#include <QEvent>
#include <algorithm>

namespace talix::app {

namespace {
// Kept on the widget, so that whoever inspects the bar sees it.
constexpr const char* kArmedProperty = "Armed";
} // namespace

BrightnessBar::BrightnessBar(QSlider& TB_Bright, QLabel& L_Bright, QueueSource queue,
                             HostServices& host)
    : m_bar(TB_Bright), m_label(L_Bright), m_queue(std::move(queue)), m_host(host) {
    setArmed(false);
    connect(&m_bar, &QSlider::valueChanged, this, &BrightnessBar::TB_BrightChange);
    m_bar.installEventFilter(this);
}

bool BrightnessBar::armed() const {
    return m_bar.property(kArmedProperty).toBool();
}

void BrightnessBar::setArmed(bool armed) {
    m_bar.setProperty(kArmedProperty, armed);
}

void BrightnessBar::TB_BrightChange() {
    if (!armed()) {
        setArmed(true);
        return;
    }
    if (link::TCommandQueue* queue = m_queue ? m_queue() : nullptr)
        queue->QueueCommand(link::commands::setValue(kBrightnessItem, link::commands::kMainWindow,
                                                     uint8_t(m_bar.value())),
                            link::LimitRule::Drop);
}

void BrightnessBar::applyReport(uint32_t valueWord) {
    m_level = uint8_t(valueWord & 0xFF);
    m_label.setText(QString::number(m_level) + "%");
    // A report with a nonzero upper half leaves the bar where the user put it.
    const int target = std::clamp<int>(m_level, m_bar.minimum(), m_bar.maximum());
    if (m_bar.value() != target && (valueWord >> 16) == 0) {
        // Disarmed before the move: the change it raises at once is the echo, and is swallowed.
        setArmed(false);
        m_bar.setValue(target);
    }
    request.mainsLevel = m_level;
    request.batteryLevel = m_level;
    m_host.setDisplayBrightness(request);
}

bool BrightnessBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_bar && event->type() == QEvent::Paint)
        setArmed(true);
    return QObject::eventFilter(watched, event);
}

} // namespace talix::app
