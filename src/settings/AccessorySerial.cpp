#include "settings/AccessorySerial.h"

namespace talix::settings {

void AccessorySerial::reported(uint16_t serial) {
    m_current = serial;
    if (m_remembered == 0)
        m_remembered = serial;
}

std::optional<uint16_t> AccessorySerial::closing() {
    if (m_current == m_remembered)
        return std::nullopt;
    m_remembered = m_current;
    return m_current;
}

} // namespace talix::settings
