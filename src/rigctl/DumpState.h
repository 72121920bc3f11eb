#pragma once

#include <string>
#include <vector>

namespace talix::rigctl {

// The lines of the reply to \dump_state, in the order Hamlib's NET rigctl client (model 2) reads
// them when it opens the connection: protocol version 1, the receive ranges (the tunable bands),
// no transmit range, tuning steps, the passbands of each mode, and the settings up to "done".
std::vector<std::string> dumpStateLines();

} // namespace talix::rigctl
