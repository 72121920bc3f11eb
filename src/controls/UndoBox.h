#pragma once

#include "controls/WheelForward.h"
#include "link/CommandPort.h"
#include "sync/FormSlots.h"
#include "sync/ReceiverState.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdint>

namespace talix::controls {

// F_Undo: the undo box. The board shows it, fills its field and closes it (it is the form in
// slot 3 of FormSlots); its two buttons report presses, and the wheel over it tunes as over the
// main window.
class TF_Undo : public QDialog, public sync::SlotForm {
    Q_OBJECT
public:
    // The receiver state's UndoCount is written by the board's values for this form and read by
    // the buttons.
    TF_Undo(link::CommandPort& commands, sync::ReceiverState& state, QWidget* parent = nullptr);

    // The board's value for this form: the undo level in bits 0-7 (always taken), and for item 0
    // the field's text.
    void ApplyItem(int index, uint32_t value);

    // sync::SlotForm
    sync::ApplyResult ApplyItem(int item, std::span<const uint32_t> words) override;
    void selectField(int tag) override;
    void showForm() override;
    void closeForm() override { close(); }

    void setWheelHandler(WheelHandler handler) { m_wheel = std::move(handler); }

    QLabel* Label1;
    QWidget* Rectangle1;
    QLabel* Label4;
    QLineEdit* Edit0;
    QPushButton* B_OK;
    QPushButton* Button1;

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void B_OKClick(QObject* sender);

    link::CommandPort& m_commands;
    sync::ReceiverState& m_state;
    WheelHandler m_wheel;
};

} // namespace talix::controls
