#pragma once

#include <cstdint>
#include <optional>

namespace talix::settings {

// The ZUM8 accessory's serial number on the System form: the board reports it (item 17) while the
// form is shown, the user changes it with the knob, and closing the form sends a changed number
// once. The remembered number lives for the whole run, across showings of the form.
class AccessorySerial {
public:
    // Item 17: the current number; the first non-zero report also becomes the remembered one.
    void reported(uint16_t serial);
    // FormClose: the number to send when it differs from the remembered one, which it then
    // becomes; nothing when they are equal.
    std::optional<uint16_t> closing();

    uint16_t current() const { return m_current; }
    uint16_t remembered() const { return m_remembered; }

private:
    uint16_t m_current = 0;
    uint16_t m_remembered = 0;
};

} // namespace talix::settings
