#pragma once

#include "controls/WheelForward.h"
#include "link/CommandPort.h"
#include "memory/MemoryHighlight.h"
#include "sync/FormSlots.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>

namespace talix::memory {

class MemoryLine;

// F_Memory: the memory and direct-entry keypad. The board owns the memories and the entry in
// progress; the form shows the ten lines the board writes (slot 5 of FormSlots), reports key
// presses and line touches, and highlights the touched line by itself. Only the board closes it.
class TF_Memory : public QWidget, public sync::SlotForm {
    Q_OBJECT
public:
    // `closeDab` closes the DAB list, which "Discover DAB" leaves for the board to show anew.
    TF_Memory(link::CommandPort& commands, std::function<void()> closeDab, QWidget* mainWindow);

    void setWheelHandler(controls::WheelHandler handler) { m_wheel = std::move(handler); }

    // sync::SlotForm
    sync::ApplyResult ApplyItem(int item, std::span<const uint32_t> words) override;
    void selectField(int) override {} // the form alone sets its highlight
    void showForm() override;
    void closeForm() override { close(); }

    MemoryLine* line(int tag) const;
    // TagObject: the line touched last (Edit0 at first).
    MemoryLine* TagObject() const { return line(m_highlight.TagObject()); }
    QPushButton* button(const char* name) const;

    QLabel* LMemory;

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Edit0MouseDown(int tag, double x);
    void B_OKClick(QObject* sender);
    void paintHighlight();

    link::CommandPort& m_commands;
    std::function<void()> m_closeDab;
    controls::WheelHandler m_wheel;
    QWidget* m_mainWindow;
    std::array<MemoryLine*, kMemoryLines> m_lines{};
    MemoryHighlight m_highlight;
};

} // namespace talix::memory
