#pragma once

#include "link/CommandQueue.h"
#include "session/ReceiverPort.h"
#include "sync/ReceiverState.h"

#include <vector>

namespace talix::session {

// The session's receiver port: reads the receiver state the frame dispatcher keeps, tells its
// watchers after each frame that changed what they read, and queues records as the controls do.
class SessionReceiverPort : public ReceiverPort {
public:
    SessionReceiverPort(const sync::ReceiverState& state, link::CommandQueue& queue);

    ReceiverReading reading() const override;
    void addWatcher(ReceiverWatcher& watcher) override;
    void removeWatcher(ReceiverWatcher& watcher) override;
    SendResult tune(int64_t freq) override;
    SendResult setMode(int modeIndex) override;

    // The session's side: a frame was handled (with the link quality last measured), or the link
    // was lost.
    void frameHandled(uint32_t linkQuality);
    void linkLost();

private:
    SendResult queue(link::Command record);
    void publish();

    const sync::ReceiverState& m_state;
    link::CommandQueue& m_queue;
    uint32_t m_linkQuality = 0;
    bool m_linkUp = false;
    ReceiverReading m_published;
    std::vector<ReceiverWatcher*> m_watchers;
};

} // namespace talix::session
