#include "session/SessionReceiverPort.h"

#include "base/BoardModes.h"
#include "base/TunableBands.h"
#include "link/CommandRecords.h"

#include <algorithm>
#include <limits>

namespace talix::session {

SessionReceiverPort::SessionReceiverPort(const sync::ReceiverState& state,
                                         link::CommandQueue& queue)
    : m_state(state), m_queue(queue) {}

ReceiverReading SessionReceiverPort::reading() const {
    ReceiverReading r;
    r.tunedFreq = m_state.TunedFreq;
    r.modeIndex = m_state.ModeIndex;
    r.bandwidth = m_state.Bandwidth;
    r.signalLevel = m_state.SignalLevel;
    r.speakerVolume = m_state.SpeakerVolume;
    r.linkQuality = m_linkQuality;
    r.linkUp = m_linkUp;
    return r;
}

void SessionReceiverPort::addWatcher(ReceiverWatcher& watcher) {
    if (std::find(m_watchers.begin(), m_watchers.end(), &watcher) == m_watchers.end())
        m_watchers.push_back(&watcher);
}

void SessionReceiverPort::removeWatcher(ReceiverWatcher& watcher) {
    std::erase(m_watchers, &watcher);
}

SendResult SessionReceiverPort::tune(int64_t freq) {
    if (!board::inTunableBand(freq) || freq > std::numeric_limits<uint32_t>::max())
        return SendResult::OutOfBand;
    return queue(link::commands::tuneTo(uint32_t(freq)));
}

SendResult SessionReceiverPort::setMode(int modeIndex) {
    if (!board::modeEntry(modeIndex))
        return SendResult::UnknownMode;
    return queue(link::commands::modeChoice(modeIndex));
}

// A client is told of a full queue by the result, not by "No WiFi Connection!" on the screen.
SendResult SessionReceiverPort::queue(link::Command record) {
    return m_queue.QueueCommand(std::move(record), link::LimitRule::Drop) ==
                   link::QueueResult::Queued
               ? SendResult::Queued
               : SendResult::QueueFull;
}

void SessionReceiverPort::frameHandled(uint32_t linkQuality) {
    m_linkQuality = linkQuality;
    m_linkUp = true;
    publish();
}

void SessionReceiverPort::linkLost() {
    m_linkQuality = 0;
    m_linkUp = false;
    publish();
}

void SessionReceiverPort::publish() {
    const ReceiverReading now = reading();
    if (now == m_published)
        return;
    m_published = now;
    // A watcher may remove another (or itself) while it is told.
    const std::vector<ReceiverWatcher*> watchers = m_watchers;
    for (ReceiverWatcher* w : watchers)
        if (std::find(m_watchers.begin(), m_watchers.end(), w) != m_watchers.end())
            w->receiverChanged(now);
}

} // namespace talix::session
