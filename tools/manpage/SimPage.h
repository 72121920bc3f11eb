#pragma once

#include "RoffPage.h"

namespace talix::manpage {

// talix-sim(1), made from the simulated board's option table.
PageText simPage();

} // namespace talix::manpage
