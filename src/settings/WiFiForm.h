#pragma once

#include "base/BoardWords.h"
#include "settings/ExternalAntennaButton.h"
#include "settings/SettingsForm.h"

#include <array>

namespace talix::settings {

// TF_WiFi (F_WiFi, form index 10): the board's WiFi access point (channel, network name, key
// number) and the antenna switch. The channel is changed through the scheme (select it, turn the
// knob); "Set + Close" applies the new configuration, after which the link is expected to drop and
// come back.
class TF_WiFi : public SettingsForm {
    Q_OBJECT
public:
    static constexpr int kCloseTag = board::buttonTag(board::Form::WiFi, board::ButtonCode::Close);

    explicit TF_WiFi(SettingsHost& host, QWidget* mainWindow);

    void showForm() override; // FormShow

    QLabel* Label1;
    QWidget* Rectangle1;
    QWidget* Rectangle3;
    ExternalAntennaButton* RBAnt;
    std::array<QLineEdit*, 3> Edits; // Edit1 .. Edit3: Edits[item - 1]
    QPushButton* B_Set;
    QPushButton* B_Close;

    // True once the user selected the channel in this showing.
    bool editing() const { return m_editing; }

protected:
    // The WiFi form has no wheel of its own: the channel turns with the knob.
    void wheelEvent(QWheelEvent* event) override;
    void applyValue(int item, uint32_t v) override;
    bool Edit0Enter(QObject* sender) override; // Edit1Enter

private:
    void RBAntClick();
    void B_SetClick();

    bool m_editing = false;
};

} // namespace talix::settings
