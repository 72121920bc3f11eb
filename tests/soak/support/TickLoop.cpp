#include "soak/support/TickLoop.h"

#include <QEventLoop>
#include <QTimer>

namespace talix::testing {

bool tickUntil(std::chrono::milliseconds interval, std::chrono::milliseconds timeout,
               const std::function<bool()>& step) {
    QEventLoop loop;
    bool done = false;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (step()) {
            done = true;
            loop.quit();
        }
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    tick.start(interval);
    deadline.start(timeout);
    loop.exec();
    return done;
}

} // namespace talix::testing
