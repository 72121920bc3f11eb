#pragma once

#include "session/ReceiverReading.h"

#include <cstdint>

namespace talix::session {

// Told of every change of the reading, on the session's thread, after the frame that brought it.
// It must not block: the frame path waits for it.
class ReceiverWatcher {
public:
    virtual ~ReceiverWatcher() = default;
    virtual void receiverChanged(const ReceiverReading& reading) = 0;
};

// Why a record was not sent.
enum class SendResult {
    Queued,
    OutOfBand,   // a frequency the receiver does not tune
    UnknownMode, // a number that names no mode
    QueueFull,   // ten records are waiting for the link: nothing is queued
};

// The receiver as a client without widgets sees it: the reading, changes as they happen, and the
// records a touch sends, through the same checks and queue. Used on the session's thread only.
class ReceiverPort {
public:
    virtual ~ReceiverPort() = default;

    virtual ReceiverReading reading() const = 0;
    // A watcher is told until it is removed; it must be removed before it goes.
    virtual void addWatcher(ReceiverWatcher& watcher) = 0;
    virtual void removeWatcher(ReceiverWatcher& watcher) = 0;

    // The record of a tap on the spectrum: tune to `freq`, in 0.1 Hz.
    virtual SendResult tune(int64_t freq) = 0;
    // The record of a choice in the modulation list.
    virtual SendResult setMode(int modeIndex) = 0;
};

} // namespace talix::session
