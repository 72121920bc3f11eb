#pragma once

#include "link/CommandPort.h"
#include "rotator/DialArithmetic.h"
#include "session/RotatorDisplay.h"
#include "session/RotatorPort.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>

namespace talix::rotator {

class RotatorDial;

// TF_KAP (module Kap1): the antenna rotator form. The user turns the antenna on the dial by
// touch, drag and wheel and switches the rotator with "On/Off"; each of these is a datagram to
// the rotator, and the form changes only when the board reports the rotator (items 55 to 57):
// its connection, motor current, version and position. "Close" leaves the form.
class TF_KAP : public QWidget, public session::RotatorDisplay {
    Q_OBJECT
public:
    static constexpr QSize kClient{477, 535};

    // `focusKapButton` gives the input focus to the main window's B_KAP when the dial is touched.
    TF_KAP(session::RotatorPort& rotator, link::CommandPort& queue,
           std::function<void()> focusKapButton, QWidget* mainWindow);
    ~TF_KAP() override;

    // session::RotatorDisplay
    void rotatorReported(const sync::RotatorReport& report) override;
    void paintCircles(bool selected) override;

    RotatorDial* S_Geber;
    QLabel* Label1;
    QLabel* L_Grad;
    QLabel* LConnect;
    QLabel* L_Current;
    QLabel* L_Ver;
    QPushButton* B_Off;
    QPushButton* B_Close;

protected:
    void showEvent(QShowEvent* event) override; // FormShow
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override; // S_GeberMouseWheel

private:
    void S_GeberMouseDown(QPointF pos);
    void S_GeberMouseMove(QPointF pos);
    void B_OffClick();
    void B_CloseClick();
    void redrawDial();
    void place();

    session::RotatorPort& m_rotator;
    link::CommandPort& m_queue;
    std::function<void()> m_focusKapButton;
    QWidget* m_mainWindow;
    DialDrag m_drag;
};

} // namespace talix::rotator
