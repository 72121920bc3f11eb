#include "QueueProbe.h"

namespace talix::controls::testing {

QueueProbe::QueueProbe() {
    queue.setFullNotifier([this] { ++notices; });
}

std::vector<link::Command> QueueProbe::drain() {
    return queue.takeCommands();
}

void QueueProbe::fill() {
    while (queue.waiting() < link::kQueueLimit)
        queue.QueueCommand({0xEE}, link::LimitRule::None);
}

} // namespace talix::controls::testing
