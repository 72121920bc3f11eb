#pragma once

#include "sync/FormSlots.h"

#include <QWidget>

namespace talix::app {

// A form in TFormSlots whose own apply step is still to come: the board shows and closes it and
// selects its fields; its values are passed by.
class SlotFormShell : public sync::TSlotForm {
public:
    explicit SlotFormShell(QWidget& form) : m_form(form) {}

    sync::ApplyResult ApplyItem(int, std::span<const uint32_t>) override {
        return sync::ApplyResult::Applied;
    }
    void selectField(int tag) override;
    void showForm() override { m_form.show(); }
    void closeForm() override { m_form.close(); }
    void setEntryFieldSelected(bool selected) override;

private:
    QWidget& m_form;
};

} // namespace talix::app
