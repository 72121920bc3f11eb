#include "app/HostControls.h"

#include "app/MainWindow.h"
#include "base/BoardWords.h"
#include "controls/MainControls.h"
#include "dab/DabForm.h"
#include "host/BatteryDisplay.h"
#include "host/PowerOff.h"

#include <QPointer>

namespace talix::app {

HostControls::HostControls(TFMain& main, Sources session, std::unique_ptr<host::HostServices> host,
                           Timings timings, dab::TF_DAB* dabForm)
    : m_main(main), m_forms(session.forms), m_controls(*main.controls()), m_host(std::move(host)),
      m_brightness(*m_controls.TB_Bright, *m_controls.L_Bright, session.commands, *m_host),
      m_touchLock(main, *m_controls.B_Touch,
                  {[this] { closeBoardFormsBelowDab(); },
                   // The DAB list stays on screen while locked; only its programme list stops
                   // taking touches.
                   [dab = QPointer<dab::TF_DAB>(dabForm)](bool enabled) {
                       if (dab && dab->isVisible())
                           dab->LV_Prog->setEnabled(enabled);
                   },
                   std::move(session.touchLocked), std::move(session.setTouchLocked)},
                  timings.touchLockReenable) {
    connect(m_controls.B_OFF, &QPushButton::clicked, this, &HostControls::B_OffClick);
    Timer1.setInterval(timings.battery);
    connect(&Timer1, &QTimer::timeout, this, &HostControls::Timer1Timer);
    Timer1.start();
}

void HostControls::B_OffClick() {
    host::B_OffClick(*m_host, [this] { m_main.endProgram(); });
}

// The forms in the board's form slots 0 to 14; the DAB list (slot 15) stays open under the lock.
void HostControls::closeBoardFormsBelowDab() {
    for (int k = 0; k < board::number(board::Form::DAB); ++k)
        if (sync::SlotForm* form = m_forms.at(k))
            form->closeForm();
}

void HostControls::Timer1Timer() {
    const host::BatteryDisplay shown = host::batteryDisplay(m_host->powerStatus());
    m_controls.LBatt->setText(shown.text);
    QPalette palette = m_controls.LBatt->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgba(shown.colour));
    m_controls.LBatt->setPalette(palette);
    if (shown.barValue)
        m_controls.PBat->setValue(*shown.barValue);
}

} // namespace talix::app
