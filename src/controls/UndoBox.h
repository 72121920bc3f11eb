#pragma once

#include "controls/WheelForward.h"
#include "link/CommandQueue.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdint>

namespace talix::controls {

// F_Undo: the undo box. The board shows it, fills its field and closes it; its two buttons report
// presses, and the wheel over it tunes as over the main window.
class TF_Undo : public QDialog {
    Q_OBJECT
public:
    // undoCount is the receiver state's UndoCount, which the board's values also write.
    TF_Undo(link::TCommandQueue& queue, uint8_t& undoCount, QWidget* parent = nullptr);

    // The board's value for this form: the undo level in bits 0-7 (always taken), and for item 0
    // the field's text.
    void ApplyItem(int index, uint32_t value);

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

    link::TCommandQueue& m_queue;
    uint8_t& m_undoCount;
    WheelHandler m_wheel;
};

} // namespace talix::controls
