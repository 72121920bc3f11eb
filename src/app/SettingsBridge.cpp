#include "app/SettingsBridge.h"

#include "app/Forms.h"
#include "app/MainWindow.h"
#include "app/MainWindowItems.h"
#include "controls/MainWindowHandlers.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>

namespace talix::app {

link::TCommandQueue* SettingsBridge::commandQueue() {
    return m_main.commandQueue();
}

sync::ReceiverState* SettingsBridge::receiverState() {
    return m_main.items() ? &m_main.items()->state() : nullptr;
}

void SettingsBridge::setMainText(const char* control, const QString& text) {
    QWidget* w =
        m_main.findChild<QWidget*>(QString::fromLatin1(control), Qt::FindDirectChildrenOnly);
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(text);
}

void SettingsBridge::markField(int tag, int mark) {
    if (MainWindowItems* items = m_main.items())
        items->markField(tag, mark);
}

void SettingsBridge::placeThresholdLine() {
    if (MainWindowItems* items = m_main.items(); items && items->consumers.placeThresholdLine)
        items->consumers.placeThresholdLine();
}

void SettingsBridge::rebuildGrid() {
    if (MainWindowItems* items = m_main.items(); items && items->consumers.rebuildGrid)
        items->consumers.rebuildGrid();
}

// A wheel turn over a form tunes as over the main window.
void SettingsBridge::mouseWheel(int wheelDelta) {
    if (controls::MainWindowHandlers* handlers = m_main.handlers())
        handlers->S_GeberMouseWheel(wheelDelta);
}

void SettingsBridge::showUpdateForm() {
    if (F_Update == nullptr)
        return;
    if (auto* dialog = qobject_cast<QDialog*>(F_Update)) {
        dialog->exec();
        return;
    }
    F_Update->setWindowModality(Qt::ApplicationModal);
    F_Update->show();
}

} // namespace talix::app
