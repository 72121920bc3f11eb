#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace talix::app {

// TF_Message: the one modal message box of the program. The caller puts its text into
// `Message`, optionally shows `B_Shutdown`, runs the form modally and then reads `Choice`.
class TF_Message : public QDialog {
    Q_OBJECT
public:
    explicit TF_Message(QWidget* parent = nullptr);

    // The calling pattern in one step: returns Choice.
    int ask(const QString& text, bool offerShutdown = false);

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
};

} // namespace talix::app
