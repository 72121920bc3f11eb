#include "app/SlotFormShell.h"

#include "controls/FieldHighlight.h"

namespace talix::app {

void SlotFormShell::selectField(int tag) {
    controls::selectFormField(&m_form, tag);
}

} // namespace talix::app
