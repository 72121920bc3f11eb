#pragma once

#include "rigctl/RigctlCommand.h"

#include <string_view>

namespace talix::rigctl {

// One line of a client's input (without its line end) to a request: an optional form prefix
// ('+' extended, ';', '|' or ',' extended with that separator), then a letter or a backslash and a
// long name, then arguments separated by blanks.
Request parseRequest(std::string_view line);

} // namespace talix::rigctl
