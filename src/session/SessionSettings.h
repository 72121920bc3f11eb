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
// drives, and the timings of its threads (tests shorten them). The board and the rotator have no
// default: only the start options know the real devices, and a session not told reaches neither.
struct SessionSettings {
    Endpoint board;
    Endpoint rotator;
    QString audio = "qt"; // qt | null | wav:PATH
    DriveMap drives;
    link::ReceiveTimings receiveTimings;
    std::chrono::milliseconds senderWait{link::kSenderWait};
    std::chrono::milliseconds painterWait{kPainterWait};
};

} // namespace talix::session
