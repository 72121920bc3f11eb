#include "session/LinkWindow.h"

#include "base/UiCall.h"
#include "link/LinkFrame.h"

#include <QCoreApplication>

namespace talix::session {

namespace {
class FrameEvent : public QEvent {
public:
    explicit FrameEvent(link::FrameTicket ticket)
        : QEvent(LinkWindow::LinkFrameEvent), ticket(ticket) {}
    link::FrameTicket ticket;
};
} // namespace

const QEvent::Type LinkWindow::LinkFrameEvent =
    static_cast<QEvent::Type>(QEvent::registerEventType(QEvent::User + 100));

LinkWindow::LinkWindow(LinkMessageHandler& handler, const link::FrameRing& ring,
                       const std::atomic<bool>& closing)
    : m_handler(handler), m_ring(ring), m_closing(closing) {
    setObjectName("LinkWindow");
}

void LinkWindow::frameReady(link::FrameTicket ticket) {
    QCoreApplication::postEvent(this, new FrameEvent(ticket));
}

bool LinkWindow::runOnUi(std::function<void()> fn) {
    // A call left queued when the program closes finds the view gone: it does nothing then.
    return runOnObjectAndWait(
        this,
        [this, fn = std::move(fn)] {
            if (!m_closing.load())
                fn();
        },
        [this] { return m_closing.load(); });
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
            const auto& ticket = static_cast<FrameEvent*>(event)->ticket;
            // On the stack: a modal message inside the walk handles further frames meanwhile.
            std::array<uint8_t, link::kPayloadLength> frame;
            if (m_ring.take(ticket, frame))
                m_handler.linkFrame(frame.data(), ticket.lParam);
            else
                ++m_framesDropped;
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
