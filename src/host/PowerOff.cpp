#include "host/PowerOff.h"

#include "base/MessageHook.h"

namespace talix::host {

void B_OffClick(HostServices& host, const std::function<void()>& endProgram) {
    const int choice = showMessage(kPowerOffQuestion, true);
    if (choice != kChoiceEndProgram && choice != kChoicePowerOff)
        return;
    if (!host.obtainShutdownPrivilege())
        return;
    if (choice == kChoicePowerOff)
        host.powerOff(); // the program ends with the host
    else
        endProgram();
}

} // namespace talix::host
