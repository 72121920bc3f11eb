#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace talix::link {

using Command = std::vector<uint8_t>;

// What a sender does when the queue is full.
enum class LimitRule {
    Notify, // 10 or more waiting: tell the user "No WiFi Connection!" and queue nothing
    Drop,   // more than 9 waiting: queue nothing, silently (streams of changes)
    None,   // queue regardless (records a form sends by itself)
};

enum class QueueResult { Queued, Refused };

constexpr size_t kQueueLimit = 10;

// Where every form and control sends its records: the command queue, which exists as long as the
// program runs. Used on the UI thread.
class CommandPort {
public:
    virtual ~CommandPort() = default;

    // Queues a record under `rule`; Refused when the queue is full (a Notify record also has the
    // user told "No WiFi Connection!").
    virtual QueueResult QueueCommand(Command record, LimitRule rule) = 0;
    // Records waiting for the link: streams of changes hold back while the queue is full.
    virtual size_t waiting() const = 0;
};

} // namespace talix::link
