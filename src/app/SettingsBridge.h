#pragma once

#include "settings/SettingsHost.h"

namespace talix::app {

class TFMain;

// The main window as the settings forms reach it: its command queue, its receiver state and
// TFieldTable, its labels by name, the spectrum, the tuning knob's wheel and the update form.
class SettingsBridge : public settings::SettingsHost {
public:
    explicit SettingsBridge(TFMain& main) : m_main(main) {}

    link::TCommandQueue* commandQueue() override;
    sync::ReceiverState* receiverState() override;
    void setMainText(const char* control, const QString& text) override;
    void markField(int tag, int mark) override;
    void placeThresholdLine() override;
    void rebuildGrid() override;
    void mouseWheel(int wheelDelta) override;
    void showUpdateForm() override;

private:
    TFMain& m_main;
};

} // namespace talix::app
