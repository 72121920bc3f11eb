#pragma once

#include "rigctl/RigctlCommand.h"

#include <string>
#include <vector>

namespace talix::rigctl {

// What a command answers: its values (each with the label the extended form shows, "" for none)
// or a Hamlib error number.
struct Answer {
    struct Value {
        std::string label;
        std::string text;
    };
    int code = 0;
    std::vector<Value> values;

    static Answer error(int code) { return Answer{code, {}}; }
};

// The reply bytes as Hamlib's clients read them. Plain: the values, a line each, or "RPRT n" for a
// command that sets or fails. Extended: the command echoed with its arguments, "Label: value" for
// each value and "RPRT n", each ended by the separator the client chose, the last by a line end.
std::string formatReply(const Request& request, const Answer& answer);

} // namespace talix::rigctl
