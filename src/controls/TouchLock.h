#pragma once

#include <QObject>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <functional>

namespace talix::controls {

// The "Touch Lock" button: a double click locks the whole main window (the board's forms close,
// the DAB list freezes, every control is disabled); 3 s later the button alone comes back, and a
// double click on it unlocks. The lock state is B_Touch's Tag (0 unlocked, 1 locked).
class TouchLock : public QObject {
    Q_OBJECT
public:
    struct Forms {
        std::function<void()> closeBoardForms; // closes the forms in slots 0 to 14 that exist
        std::function<QWidget*()> dab;         // the DAB form, if it exists
        std::function<void(bool locked)> lockChanged; // the program keeps the lock's state
    };

    TouchLock(QWidget& mainWindow, QPushButton& B_Touch, Forms forms,
              std::chrono::milliseconds reenableAfter = std::chrono::milliseconds(3000));

    void B_TouchDblClick();
    void B_TouchClick();
    void Timer2Timer();

    bool locked() const;

    QTimer Timer2; // re-enables B_Touch after locking

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setDabListEnabled(bool enabled);
    void setControlsEnabled(bool enabled);
    void showLocked(bool locked);

    QWidget& m_main;
    QPushButton& m_button;
    Forms m_forms;
};

} // namespace talix::controls
