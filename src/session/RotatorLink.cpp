#include "session/RotatorLink.h"

namespace talix::session {

void RotatorLink::report(const sync::RotatorReport& r) {
    if (r.kind == sync::RotatorReport::Present) {
        RotatorOn = r.position != 0;
        if (r.position != 0)
            DialPosition = r.position;
    }
    if (!r.address.isEmpty())
        m_target.host = r.address.toStdString();
}

} // namespace talix::session
