#pragma once

#include "rigctl/Answer.h"
#include "rigctl/RigctlCommand.h"
#include "session/ReceiverPort.h"

namespace talix::rigctl {

// Carries out one parsed command on the receiver: reads answer the board's last report, never what
// a client asked for; sets go through the receiver port's checks and queue like a touch.
class CommandRunner {
public:
    explicit CommandRunner(session::ReceiverPort& receiver);

    // `request` is a command with a count of arguments its command takes.
    Answer run(const Request& request);

private:
    Answer setFreq(const std::string& hz);
    Answer getMode() const;
    Answer setMode(const Request& request);
    Answer getLevel(const std::string& name) const;
    Answer setSplit(const Request& request) const;
    Answer sent(session::SendResult result) const;

    session::ReceiverPort& m_receiver;
};

} // namespace talix::rigctl
