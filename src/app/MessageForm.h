#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace talix::app {

// TF_Message: the one modal message box of the program. The caller puts its text into
// `Message`, optionally shows `B_Shutdown`, runs the form modally and then reads `Choice`.
class TF_Message : public QDialog {
    Q_OBJECT
public:
    explicit TF_Message(QWidget* parent = nullptr);

    // The calling pattern in one step: returns Choice. A message that comes while the form is open
    // never rewrites the open text or question: it waits and is shown, as a plain message, once
    // the open one is answered; its caller gets 0 at once, as if it had been cancelled.
    int ask(const QString& text, bool offerShutdown = false);
    // Messages waiting for the open one to be answered.
    int waitingMessages() const { return int(m_waiting.size()); }

    QLabel* Label1;
    QLineEdit* Message;
    QPushButton* B_OK;
    QPushButton* B_Cancel;
    QPushButton* B_Shutdown;
    int Choice = 0;

protected:
    void showEvent(QShowEvent* event) override; // FormShow

private:
    void B_OKClick(QPushButton* button);
    void fitMessage();
    void showNextWaiting();

    QStringList m_waiting;
    bool m_open = false;
};

} // namespace talix::app
