#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace talix::rigctl {

// The commands of Hamlib's network protocol (rigctld) this receiver answers.
enum class CommandId {
    GetFreq,
    SetFreq,
    GetMode,
    SetMode,
    GetVfo,
    SetVfo,
    GetLevel,
    SetLevel,
    GetPtt,
    SetPtt,
    GetSplitVfo,
    SetSplitVfo,
    GetPowerstat,
    SetPowerstat,
    GetLockMode,
    CheckVfo,
    DumpState,
    Quit,
};

// One row of the command table: the one-letter form (0 for those with a long name only), the long
// name the extended replies echo, and how many arguments it takes.
struct CommandRow {
    CommandId id;
    char letter;
    std::string_view longName;
    int minArgs;
    int maxArgs;
};

// The row for a letter or a long name, or nullptr for a command Hamlib's clients may send but this
// receiver does not know.
const CommandRow* commandByLetter(char letter);
const CommandRow* commandByName(std::string_view longName);

// How the client asked for the reply: plain values, or Hamlib's extended form with the command
// echoed, each value labelled, and every part ended by `separator`.
struct ReplyForm {
    bool extended = false;
    char separator = '\n';
};

// One line of input, parsed.
struct Request {
    enum class Kind {
        Empty,        // a blank line: no reply
        Command,      // a known command with its arguments (not yet checked)
        Unknown,      // no command of this receiver
        BadArguments, // a known command with too few or too many arguments
    };
    Kind kind = Kind::Empty;
    ReplyForm form;
    const CommandRow* command = nullptr;
    std::vector<std::string> args;
};

} // namespace talix::rigctl
