#pragma once

#include "settings/SettingsHost.h"

#include <QPointer>
#include <functional>

namespace talix::update {
class TF_Update;
}

namespace talix::app {

class MainWindowView;
class TFMain;

// The main window as the settings forms reach it: the session's command port and receiver state,
// TFieldTable, its controls, the spectrum, the tuning knob's wheel and the update form.
class SettingsBridge : public settings::SettingsHost {
public:
    SettingsBridge(TFMain& main, link::CommandPort& commands, sync::ReceiverState& state,
                   MainWindowView& view, update::TF_Update* updateForm,
                   std::function<void(int wheelDelta)> wheel)
        : m_main(main), m_commands(commands), m_state(state), m_view(view),
          m_updateForm(updateForm), m_wheel(std::move(wheel)) {}

    link::CommandPort& commands() override;
    sync::ReceiverState& receiverState() override;
    void applyControlChange(const sync::ControlChange& change) override;
    void markField(int tag, int mark) override;
    void placeThresholdLine() override;
    void rebuildGrid() override;
    void mouseWheel(int wheelDelta) override;
    void showUpdateForm() override;
    void restartLinkDisplay() override;

private:
    TFMain& m_main;
    link::CommandPort& m_commands;
    sync::ReceiverState& m_state;
    MainWindowView& m_view;
    QPointer<update::TF_Update> m_updateForm;
    std::function<void(int)> m_wheel;
};

} // namespace talix::app
