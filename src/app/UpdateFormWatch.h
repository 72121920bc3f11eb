#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace talix::app {

// Tells whether the update form is on screen as it is shown and hidden: while it is, the receive
// thread hands the board's update replies to it.
class UpdateFormWatch : public QObject {
public:
    UpdateFormWatch(QWidget* updateForm, std::function<void(bool visible)> visibility);
    ~UpdateFormWatch() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_form;
    std::function<void(bool)> m_visibility;
};

} // namespace talix::app
