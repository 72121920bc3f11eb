// The control port's protocol session fed a client's arbitrary bytes in arbitrary pieces, on a
// receiver port without a link. Input: byte 0 is the size of the pieces (1 + b bytes), the rest is
// what the client sends.
#include "link/CommandQueue.h"
#include "rigctl/RigctlSession.h"
#include "session/SessionReceiverPort.h"
#include "sync/ReceiverState.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace talix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    static sync::ReceiverState state;
    static link::CommandQueue queue;
    static session::SessionReceiverPort port(state, queue);
    queue.clear();
    state.ModeIndex = data[0]; // any number the board might report
    state.Bandwidth = data[0];
    rigctl::RigctlSession session(port);
    const size_t piece = 1 + data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    for (size_t at = 0; at < bytes.size() && !session.finished(); at += piece) {
        const std::string replies = session.receive(bytes.substr(at, piece));
        // Whole lines only, and never more than the queue's limit waiting.
        if ((!replies.empty() && replies.back() != '\n') || queue.waiting() > link::kQueueLimit)
            __builtin_trap();
    }
    return 0;
}
