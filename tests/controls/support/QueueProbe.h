#pragma once

#include "link/CommandQueue.h"

#include <vector>

namespace talix::controls::testing {

// A command queue as the handlers see it, with a record of what they queued and of every
// "No WiFi Connection!" the notify rule raised.
struct QueueProbe {
    QueueProbe();

    // Takes every queued record out, oldest first.
    std::vector<link::Command> drain();
    // Puts ten records in, so that the queue counts as full.
    void fill();

    link::CommandQueue queue;
    int notices = 0;
};

} // namespace talix::controls::testing
