#pragma once

#include "audio/DeviceEvent.h"
#include "link/ReceiveThread.h"

#include <QEvent>
#include <QObject>
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>

namespace talix::session {

// What the main window's message procedure handles.
class LinkMessageHandler {
public:
    virtual ~LinkMessageHandler() = default;
    // One frame payload (wParam, lParam of WM_LINKFRAME); the bytes stay valid during the call.
    virtual void linkFrame(const uint8_t* payload, uint32_t lParam) = 0;
    virtual void linkLostDisplay() = 0;
    virtual void updateReply(uint32_t replyWord) = 0;
    // The playback device's notifications (open, one block done, close).
    virtual void deviceMessage(audio::DeviceEvent::Kind kind) = 0;
};

// LinkWindow: receives the receive thread's frames as posted events on the UI thread and runs
// its blocking requests there. Other messages for the procedure (audio notifications) arrive as
// events of their own types.
class LinkWindow : public QObject, public link::ReceiveHost {
    Q_OBJECT
public:
    static const QEvent::Type LinkFrameEvent;

    LinkWindow(LinkMessageHandler& handler, const link::FrameRing& ring,
               const std::atomic<bool>& closing);

    // Receive thread side.
    void frameReady(link::FrameTicket ticket) override;
    bool updateRepliesWanted() override { return m_updateRepliesWanted.load(); }
    void updateReply(uint32_t replyWord) override;
    void linkLost() override;

    // Set by the session while the update form is on screen.
    void setUpdateRepliesWanted(bool visible) { m_updateRepliesWanted = visible; }

    // Frames whose slot the receive thread had reused before the UI thread came to them.
    uint64_t framesDropped() const { return m_framesDropped; }

    // Runs `fn` on the UI thread, waiting for it unless the program is closing.
    bool runOnUi(std::function<void()> fn);

protected:
    bool event(QEvent* event) override;

private:
    LinkMessageHandler& m_handler;
    const link::FrameRing& m_ring;
    const std::atomic<bool>& m_closing;
    uint64_t m_framesDropped = 0;
    std::atomic<bool> m_updateRepliesWanted{false};
};

} // namespace talix::session
