#pragma once

#include "base/BoardWords.h"
#include "settings/AccessorySerial.h"
#include "settings/SettingsForm.h"

#include <QLocale>
#include <array>

namespace talix::settings {

// TF_System (F_System, form index 2): the receiver's calibration and audio settings and, in the
// "Transmitter" column, those of the transmitter interface. Closing the form sends the accessory
// serial number once when the user changed it.
class TF_System : public SettingsForm {
    Q_OBJECT
public:
    // B_OK ("Close") carries code 11 where the other forms' Close buttons carry 10.
    static constexpr int kOkTag = board::buttonTag(board::Form::System, board::ButtonCode::Cancel);

    TF_System(SettingsHost& host, QWidget* mainWindow, const QLocale& locale = QLocale::system());

    QLabel* Label1;  // "System"
    QLabel* Label10; // "Transmitter"
    QWidget* Rectangle1;
    QWidget* Rectangle2;
    std::array<QLineEdit*, board::kSystemItems> Edits; // Edit0 .. Edit17, by item
    QPushButton* B_OK;

protected:
    void applyValue(int item, uint32_t v) override;
    void closeEvent(QCloseEvent* event) override; // FormClose

private:
    QLocale m_locale;
    AccessorySerial m_serial;
};

} // namespace talix::settings
