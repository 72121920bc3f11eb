#include "app/SlotFormShell.h"

#include "controls/FieldHighlight.h"

namespace talix::app {

void SlotFormShell::selectField(int tag) {
    controls::selectFormField(&m_form, tag);
}

void SlotFormShell::setEntryFieldSelected(bool selected) {
    controls::setEditStyle(m_form.findChild<QWidget*>("Edit0"),
                           selected ? "Edit1Style1" : "Edit1Style2");
}

} // namespace talix::app
