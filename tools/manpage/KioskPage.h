#pragma once

#include "RoffPage.h"

namespace talix::manpage {

// talix-kiosk(1): the kiosk start passes every option of the program on, so its options are the
// program's option table.
PageText kioskPage();

} // namespace talix::manpage
