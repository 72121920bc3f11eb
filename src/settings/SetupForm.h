#pragma once

#include "base/BoardWords.h"
#include "settings/SettingsForm.h"

#include <QLocale>
#include <array>

namespace talix::settings {

// TF_Setup (F_Setup, form index 1): the receiver's general settings, shown as the board reports
// them, and the button that opens the software update form.
class TF_Setup : public SettingsForm {
    Q_OBJECT
public:
    static constexpr int kExitTag = board::buttonTag(board::Form::Setup, board::ButtonCode::Close);

    TF_Setup(SettingsHost& host, QWidget* mainWindow, const QLocale& locale = QLocale::system());

    QLabel* Label1;
    QWidget* Rectangle1;
    std::array<QLineEdit*, 14> Edits; // Edit0 .. Edit13, by item
    QPushButton* B_Update;
    QPushButton* B_Exit;

protected:
    void applyValue(int item, uint32_t v) override;

private:
    void B_UpdateClick();

    QLocale m_locale;
};

} // namespace talix::settings
