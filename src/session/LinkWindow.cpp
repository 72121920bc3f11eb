#include "session/LinkWindow.h"

#include "base/UiCall.h"
#include "link/LinkFrame.h"

#include <QCoreApplication>

namespace talix::session {

namespace {
class FrameEvent : public QEvent {
public:
    FrameEvent(const uint8_t* payload, uint32_t lParam)
        : QEvent(LinkWindow::LinkFrameEvent), payload(payload), lParam(lParam) {}
    const uint8_t* payload;
    uint32_t lParam;
};
} // namespace

const QEvent::Type LinkWindow::LinkFrameEvent =
    static_cast<QEvent::Type>(QEvent::registerEventType(QEvent::User + 100));

LinkWindow::LinkWindow(LinkMessageHandler& handler, const std::atomic<bool>& closing)
    : m_handler(handler), m_closing(closing) {
    setObjectName("LinkWindow");
}

void LinkWindow::frameReady(const uint8_t* payload, uint32_t lParam) {
    QCoreApplication::postEvent(this, new FrameEvent(payload, lParam));
}

bool LinkWindow::runOnUi(std::function<void()> fn) {
    return runOnObjectAndWait(this, std::move(fn), [this] { return m_closing.load(); });
}

void LinkWindow::updateReply(uint32_t replyWord) {
    runOnUi([this, replyWord] { m_handler.updateReply(replyWord); });
}

void LinkWindow::linkLost() {
    runOnUi([this] { m_handler.linkLostDisplay(); });
}

bool LinkWindow::event(QEvent* event) {
    if (event->type() == LinkFrameEvent) {
        // Frames still queued when the program ends refer to a ring that is going away.
        if (!m_closing.load()) {
            const auto* frame = static_cast<FrameEvent*>(event);
            // A payload address below 16 carries nothing.
            if (reinterpret_cast<uintptr_t>(frame->payload) >= 16)
                m_handler.linkFrame(frame->payload, frame->lParam);
        }
        return true;
    }
    if (event->type() == audio::DeviceEvent::eventType()) {
        m_handler.deviceMessage(static_cast<audio::DeviceEvent*>(event)->kind());
        return true;
    }
    return QObject::event(event);
}

} // namespace talix::session
