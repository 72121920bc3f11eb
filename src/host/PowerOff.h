#pragma once

#include "host/HostServices.h"

#include <functional>

namespace talix::host {

// The question of the OFF button and the Tags of its answers.
inline constexpr const char* kPowerOffQuestion = "Shut down Nimbrel?";
constexpr int kChoiceCancel = 0;
constexpr int kChoiceEndProgram = 1; // "OK"
constexpr int kChoicePowerOff = 2;   // "Shut down!"

// B_OffClick: asks through the message form, with "Shut down!" offered. "Cancel" does nothing;
// "OK" ends the program (`endProgram`), "Shut down!" switches the host off, both only when the
// host grants the shutdown privilege.
void B_OffClick(HostServices& host, const std::function<void()>& endProgram);

} // namespace talix::host
