#include "controls/TouchLock.h"

#include "base/Tags.h"
#include "controls/DirectControls.h"

#include <QEvent>

namespace talix::controls {

namespace {
constexpr int kUnlocked = 0;
constexpr int kLocked = 1;
} // namespace

TouchLock::TouchLock(QWidget& mainWindow, QPushButton& B_Touch, Forms forms,
                     std::chrono::milliseconds reenableAfter)
    : m_main(mainWindow), m_button(B_Touch), m_forms(std::move(forms)) {
    Timer2.setInterval(reenableAfter);
    connect(&Timer2, &QTimer::timeout, this, &TouchLock::Timer2Timer);
    connect(&m_button, &QPushButton::clicked, this, &TouchLock::B_TouchClick);
    m_button.installEventFilter(this);
}

bool TouchLock::locked() const {
    return tagOf(&m_button) == kLocked;
}

void TouchLock::B_TouchDblClick() {
    if (!locked()) {
        if (m_forms.closeBoardForms)
            m_forms.closeBoardForms();
        setDabListEnabled(false);
        showLocked(true);
        setTag(&m_button, kLocked);
        if (m_forms.lockChanged)
            m_forms.lockChanged(true);
        setControlsEnabled(false);
        Timer2.start();
    } else {
        // The board may have enabled the controls again before the 3 s were over.
        Timer2.stop();
        setDabListEnabled(true);
        showLocked(false);
        setTag(&m_button, kUnlocked);
        if (m_forms.lockChanged)
            m_forms.lockChanged(false);
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

// The DAB list stays on screen while locked; only its programme list stops taking touches.
void TouchLock::setDabListEnabled(bool enabled) {
    QWidget* dab = m_forms.dab ? m_forms.dab() : nullptr;
    if (dab == nullptr || !dab->isVisible())
        return;
    if (auto* list = dab->findChild<QWidget*>("LV_Prog"))
        list->setEnabled(enabled);
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
