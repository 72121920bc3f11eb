#pragma once

namespace talix::session::testing {

// The one QCoreApplication of a session test program: LinkWindow's events need an event loop, but
// nothing here needs widgets.
void ensureCoreApplication();

} // namespace talix::session::testing
