#pragma once

#include "settings/SettingsHost.h"

#include <QPointer>
#include <QWidget>

namespace talix::app {

class TFMain;

// The main window as the settings forms reach it: its command queue, its receiver state and
// TFieldTable, its labels by name, the spectrum, the tuning knob's wheel and the update form.
class SettingsBridge : public settings::SettingsHost {
public:
    SettingsBridge(TFMain& main, QWidget* updateForm) : m_main(main), m_updateForm(updateForm) {}

    link::TCommandQueue* commandQueue() override;
    sync::ReceiverState* receiverState() override;
    void setMainText(const char* control, const QString& text) override;
    void markField(int tag, int mark) override;
    void placeThresholdLine() override;
    void rebuildGrid() override;
    void mouseWheel(int wheelDelta) override;
    void showUpdateForm() override;
    void restartLinkDisplay() override;

private:
    TFMain& m_main;
    QPointer<QWidget> m_updateForm;
};

} // namespace talix::app
