#pragma once

#include <string>

namespace talix::sim {

class SimBoard;

// The line commands of the control socket and of script files:
//   words W...    one parameter block with these TParamWords (hex with 0x, or decimal)
//   pause MS      stop streaming for MS milliseconds
//   drop          close the program's connection
//   stats         counters of the board
//   help          the list of commands
// Returns the reply line ("ok", "stats ...", or "error <reason>").
std::string runControlCommand(SimBoard& board, const std::string& line);

} // namespace talix::sim
