#include "app/SettingsBridge.h"

#include "app/MainWindow.h"
#include "app/MainWindowView.h"
#include "update/UpdateForm.h"

namespace talix::app {

link::CommandPort& SettingsBridge::commands() {
    return m_commands;
}

sync::ReceiverState& SettingsBridge::receiverState() {
    return m_state;
}

void SettingsBridge::applyControlChange(const sync::ControlChange& change) {
    m_view.applyControlChange(change);
}

void SettingsBridge::markField(int tag, int mark) {
    m_view.markField(tag, mark);
}

void SettingsBridge::placeThresholdLine() {
    m_view.placeThresholdLine();
}

void SettingsBridge::rebuildGrid() {
    m_view.rebuildGrid();
}

// A wheel turn over a form tunes as over the main window.
void SettingsBridge::mouseWheel(int wheelDelta) {
    m_wheel(wheelDelta);
}

// Modal without a nested event loop: the Setup form's click returns at once, and the update
// form's transfer runs on the program's own loop.
void SettingsBridge::showUpdateForm() {
    if (m_updateForm == nullptr)
        return;
    m_updateForm->setWindowModality(Qt::ApplicationModal);
    m_updateForm->show();
    m_updateForm->raise();
    m_updateForm->activateWindow();
}

void SettingsBridge::restartLinkDisplay() {
    m_view.linkLostDisplay();
}

} // namespace talix::app
