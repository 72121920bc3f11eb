#pragma once

#include "rigctl/CommandRunner.h"
#include "session/ReceiverPort.h"

#include <string>
#include <string_view>

namespace talix::rigctl {

// One client's conversation in Hamlib's network protocol: its bytes in, the replies out, each line
// answered in order. Holds at most one line of input.
class RigctlSession {
public:
    // A longer line is answered with an error and ends the conversation.
    static constexpr size_t kLongestLine = 4096;

    explicit RigctlSession(session::ReceiverPort& receiver);

    // The replies to the lines these bytes complete. Once finished, bytes are not read.
    std::string receive(std::string_view bytes);
    // The client quit or sent a line too long: close once the replies are written.
    bool finished() const { return m_finished; }

private:
    std::string answerLine(std::string_view line);

    CommandRunner m_runner;
    std::string m_line;
    bool m_finished = false;
};

} // namespace talix::rigctl
