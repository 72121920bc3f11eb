#include "controls/FormActivation.h"

#include "link/CommandRecords.h"

namespace talix::controls {

void announceActivation(const QWidget& form, const QEvent& event, link::CommandPort& commands) {
    if (event.type() == QEvent::ActivationChange && form.isActiveWindow())
        commands.QueueCommand(link::commands::formActivated(), link::LimitRule::None);
}

} // namespace talix::controls
