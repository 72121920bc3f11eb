#include "support/PumpUntil.h"

#include <QCoreApplication>
#include <QTimer>

namespace talix::testing {

// Sleeps in the event loop between looks at the condition: a condition that another thread makes
// true sends no event, so a short timer wakes the loop, and nothing spins.
bool pumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    QTimer tick;
    tick.start(std::chrono::milliseconds(5));
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

} // namespace talix::testing
