#pragma once

#include "base/DriveMap.h"
#include "base/Endpoint.h"
#include "link/ReceiveThread.h"
#include "link/SenderThread.h"
#include "session/ReadoutPainterThread.h"

#include <QString>
#include <chrono>

namespace talix::session {

// What a session is started with: where the board and the rotator are, the audio device, the
// drives, and the timings of its threads (tests shorten them).
struct SessionSettings {
    Endpoint board{"192.168.4.1", 55555};   // default: the real board
    Endpoint rotator{"192.168.4.2", 55556}; // default: the real rotator
    QString audio = "qt";                   // qt | null | wav:PATH
    DriveMap drives;
    link::ReceiveTimings receiveTimings;
    std::chrono::milliseconds senderWait{link::kSenderWait};
    std::chrono::milliseconds painterWait{kPainterWait};
};

} // namespace talix::session
