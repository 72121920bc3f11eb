#include "app/UpdateFormWatch.h"

#include <QEvent>

namespace talix::app {

UpdateFormWatch::UpdateFormWatch(QWidget* updateForm, std::function<void(bool)> visibility)
    : m_form(updateForm), m_visibility(std::move(visibility)) {
    if (m_form)
        m_form->installEventFilter(this);
}

UpdateFormWatch::~UpdateFormWatch() {
    if (m_form)
        m_form->removeEventFilter(this);
}

bool UpdateFormWatch::eventFilter(QObject* watched, QEvent* event) {
    // The window system's own hide and show (a minimise, a restore) leave the form open.
    if (watched == m_form && !event->spontaneous()) {
        if (event->type() == QEvent::Show)
            m_visibility(true);
        else if (event->type() == QEvent::Hide)
            m_visibility(false);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace talix::app
