#pragma once

#include "settings/FormItemEffect.h"

#include <cstdint>

namespace talix::settings {

// The WiFi form's items: 1 the channel, 2 the network name, 3 the network key number. Any other
// item changes no text.
FormItemEffect applyWiFiItem(int item, uint32_t v);

// The access point's network name for the number v: "Nimbrel" and v with at least three digits.
QString networkName(uint32_t v);

} // namespace talix::settings
