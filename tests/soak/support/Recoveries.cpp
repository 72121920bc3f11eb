#include "soak/support/Recoveries.h"

#include <algorithm>

namespace talix::testing {

std::vector<Recovery> findRecoveries(const std::vector<BoardEvent>& events) {
    std::vector<Recovery> found;
    int64_t pauseMs = -1; // a pause on the current connection that has not ended yet
    bool awaitingGreeting = false;
    for (const BoardEvent& e : events) {
        switch (e.kind) {
        case BoardEvent::Kind::Paused:
            pauseMs = e.ms;
            break;
        case BoardEvent::Kind::Note:
            if (e.text == "stream resumed")
                pauseMs = -1;
            break;
        case BoardEvent::Kind::Accepted:
            pauseMs = -1;
            break;
        case BoardEvent::Kind::Closed: {
            Recovery r;
            r.why = e.text;
            r.closedMs = e.ms;
            // The program gives up on a silent link by itself: its way back starts with the
            // silence.
            r.faultMs = pauseMs >= 0 ? pauseMs : e.ms;
            // A connection that closes before its greeting arrived waits for the same greeting.
            if (!awaitingGreeting || found.empty())
                found.push_back(r);
            awaitingGreeting = true;
            pauseMs = -1;
            break;
        }
        case BoardEvent::Kind::Record:
            if (isGreeting(e) && awaitingGreeting) {
                found.back().greetingMs = e.ms;
                awaitingGreeting = false;
            }
            break;
        }
    }
    return found;
}

RecoveryFigures recoveryFigures(const std::vector<Recovery>& recoveries) {
    RecoveryFigures f;
    int64_t sum = 0;
    for (const Recovery& r : recoveries) {
        if (!r.recovered())
            continue;
        ++f.count;
        f.maxMs = std::max(f.maxMs, r.recoveryMs());
        sum += r.recoveryMs();
    }
    f.meanMs = f.count ? double(sum) / double(f.count) : 0.0;
    return f;
}

std::vector<std::string> lateRecoveries(const std::vector<Recovery>& recoveries, int64_t endMs,
                                        int64_t boundMs) {
    std::vector<std::string> late;
    for (const Recovery& r : recoveries) {
        if (r.recovered() ? r.recoveryMs() > boundMs : endMs - r.faultMs > boundMs)
            late.push_back("closed (" + r.why + ") at " + std::to_string(r.closedMs) +
                           (r.recovered()
                                ? ", greeted again after " + std::to_string(r.recoveryMs()) + " ms"
                                : ", never greeted again"));
    }
    return late;
}

} // namespace talix::testing
