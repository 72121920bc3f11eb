#include "app/HostControls.h"

#include "app/BatteryDisplay.h"
#include "app/Forms.h"
#include "app/PowerOff.h"
#include "controls/MainControls.h"

namespace talix::app {

namespace {

// The forms the board fills and shows through its form slots 1 to 14; the DAB form (slot 15)
// stays open under the lock.
std::vector<QWidget*> boardFormsBelowDab() {
    return {F_Setup, F_System, F_Undo, F_Mike, F_Memory, F_WiFi, F_Recorder};
}

} // namespace

HostControls::HostControls(QWidget& mainWindow, controls::MainControls& controls,
                           std::unique_ptr<HostServices> host, BrightnessBar::QueueSource queue,
                           std::function<void()> endProgram, Timings timings)
    : m_controls(controls), m_host(std::move(host)), m_endProgram(std::move(endProgram)),
      m_brightness(*controls.TB_Bright, *controls.L_Bright, std::move(queue), *m_host),
      m_touchLock(mainWindow, *controls.B_Touch, {boardFormsBelowDab, [] { return F_DAB; }},
                  timings.touchLockReenable) {
    connect(controls.B_OFF, &QPushButton::clicked, this, &HostControls::B_OffClick);
    Timer1.setInterval(timings.battery);
    connect(&Timer1, &QTimer::timeout, this, &HostControls::Timer1Timer);
    Timer1.start();
}

void HostControls::B_OffClick() {
    app::B_OffClick(*m_host, m_endProgram);
}

void HostControls::Timer1Timer() {
    const BatteryDisplay shown = batteryDisplay(m_host->powerStatus());
    m_controls.LBatt->setText(shown.text);
    QPalette palette = m_controls.LBatt->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgba(shown.colour));
    m_controls.LBatt->setPalette(palette);
    if (shown.barValue)
        m_controls.PBat->setValue(*shown.barValue);
}

} // namespace talix::app
