#include "controls/TouchLock.h"

#include "controls/DirectControls.h"

#include <QEvent>

namespace talix::controls {

TouchLock::TouchLock(QWidget& mainWindow, QPushButton& B_Touch, Forms forms,
                     std::chrono::milliseconds reenableAfter)
    : m_main(mainWindow), m_button(B_Touch), m_forms(std::move(forms)) {
    Timer2.setInterval(reenableAfter);
    connect(&Timer2, &QTimer::timeout, this, &TouchLock::Timer2Timer);
    connect(&m_button, &QPushButton::clicked, this, &TouchLock::B_TouchClick);
    m_button.installEventFilter(this);
}

bool TouchLock::locked() const {
    return m_forms.locked();
}

void TouchLock::B_TouchDblClick() {
    if (!locked()) {
        m_forms.closeBoardForms();
        m_forms.enableDabList(false);
        showLocked(true);
        m_forms.setLocked(true);
        setControlsEnabled(false);
        Timer2.start();
    } else {
        // The board may have enabled the controls again before the 3 s were over.
        Timer2.stop();
        m_forms.enableDabList(true);
        showLocked(false);
        m_forms.setLocked(false);
        setControlsEnabled(true);
    }
}

void TouchLock::B_TouchClick() {
    showLocked(locked());
}

void TouchLock::Timer2Timer() {
    Timer2.stop();
    m_button.setEnabled(true);
    showLocked(true);
}

void TouchLock::setControlsEnabled(bool enabled) {
    setDirectControlsEnabled(m_main, enabled);
}

// Locked: pressed and staying pressed; unlocked: released and not staying pressed.
void TouchLock::showLocked(bool lockedLook) {
    m_button.setCheckable(lockedLook);
    m_button.setChecked(lockedLook);
}

bool TouchLock::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_button && event->type() == QEvent::MouseButtonDblClick) {
        // A disabled button takes no double click (within 3 s of locking).
        if (m_button.isEnabled())
            B_TouchDblClick();
        return true; // no second press: the lock look stays as set above
    }
    return QObject::eventFilter(watched, event);
}

} // namespace talix::controls
