#pragma once

#include "base/BoardWords.h"
#include "settings/EqualiserEcho.h"
#include "settings/SettingsForm.h"

#include <QLocale>
#include <QSlider>
#include <array>

namespace talix::settings {

// TF_Mike (F_Mike, form index 4): the microphone settings of the transmitter interface and a
// six-band equaliser. The equaliser's bars are the one place in the settings forms where the user
// sets a value directly: a drag sends the bar's position, and the board's reports move a bar
// without the move being sent back.
class TF_Mike : public SettingsForm {
    Q_OBJECT
public:
    static constexpr int kExitTag =
        board::buttonTag(board::Form::Microphone, board::ButtonCode::Close);

    TF_Mike(SettingsHost& host, QWidget* mainWindow, const QLocale& locale = QLocale::system());

    QLabel* Label1;
    QWidget* Rectangle1;
    QWidget* Rectangle2;
    std::array<QLineEdit*, 9> Edits;                // Edit1 .. Edit9: Edits[item - 1]
    std::array<QSlider*, board::kEqualiserBars> TB; // TB1 .. TB6, items 10 to 15
    QPushButton* B_Exit;

    const EqualiserEcho& echo(size_t bar) const { return m_echo[bar]; }

protected:
    void applyValue(int item, uint32_t v) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addEqualiser();
    void TB1Tracking(size_t bar, int value);

    QLocale m_locale;
    std::array<EqualiserEcho, board::kEqualiserBars> m_echo;
};

} // namespace talix::settings
