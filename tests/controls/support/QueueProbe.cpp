#include "QueueProbe.h"

namespace talix::controls::testing {

QueueProbe::QueueProbe() {
    queue.setFullNotifier([this] { ++notices; });
}

std::vector<link::Command> QueueProbe::drain() {
    std::vector<link::Command> out;
    std::lock_guard lock(queue.CommandLock);
    while (!queue.emptyLocked()) {
        out.push_back(queue.frontLocked());
        queue.popFrontLocked();
    }
    return out;
}

void QueueProbe::fill() {
    while (queue.waiting() < link::kQueueLimit)
        queue.QueueCommand({0xEE}, link::LimitRule::None);
}

} // namespace talix::controls::testing
