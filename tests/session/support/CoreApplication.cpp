#include "session/support/CoreApplication.h"

#include <QCoreApplication>

namespace talix::session::testing {

void ensureCoreApplication() {
    static int argc = 1;
    static char name[] = "test_session";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

} // namespace talix::session::testing
