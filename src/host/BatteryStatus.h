#pragma once

#include "host/HostServices.h"

#include <QString>

namespace talix::host {

// The power status from a power-supply class folder (/sys/class/power_supply): the system
// batteries there (type "Battery", present, not the battery of an attached device), charging when
// any of them charges, their mean charge; no battery flag when there is none, unknown charge when
// none tells its charge.
PowerStatus readPowerSupplies(const QString& folder);

} // namespace talix::host
