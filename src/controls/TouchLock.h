#pragma once

#include <QObject>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <functional>

namespace talix::controls {

// The "Touch Lock" button: a double click locks the whole main window (the board's forms close,
// the DAB list freezes, every control is disabled); 3 s later the button alone comes back, and a
// double click on it unlocks. The program holds the lock's state; the button shows it.
class TouchLock : public QObject {
    Q_OBJECT
public:
    // Each required.
    struct Forms {
        std::function<void()> closeBoardForms; // closes the forms in slots 0 to 14 that exist
        // The DAB list's programme list takes touches or not, while the list is shown.
        std::function<void(bool enabled)> enableDabList;
        std::function<bool()> locked; // the lock's state, as the program holds it
        std::function<void(bool locked)> setLocked;
    };

    TouchLock(QWidget& mainWindow, QPushButton& B_Touch, Forms forms,
              std::chrono::milliseconds reenableAfter);

    void B_TouchDblClick();
    void B_TouchClick();
    void Timer2Timer();

    bool locked() const;

    QTimer Timer2; // re-enables B_Touch after locking

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setControlsEnabled(bool enabled);
    void showLocked(bool locked);

    QWidget& m_main;
    QPushButton& m_button;
    Forms m_forms;
};

} // namespace talix::controls
