#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>

namespace talix::display {
class MeterBox;
}

namespace talix::controls {

// The main window's designed controls, created as direct children of the main window with their
// names (objectName), Tags and places.
class MainControls {
public:
    explicit MainControls(QWidget* mainWindow);

    QLineEdit* EFreq1;
    QLineEdit* E_File;
    QLabel* LWiFi;
    QProgressBar* PBWiFi;
    QPushButton* B_Rec;
    display::MeterBox* RPegel; // with the readouts, captions and status block

    // Host duties: switching off, the touch lock, brightness and battery.
    QPushButton* B_OFF;
    QPushButton* B_Touch;
    QSlider* TB_Bright;
    QLabel* L_Bright;
    QLabel* Label48;
    QLabel* LBatt;
    QProgressBar* PBat;
    QLabel* Label49;

private:
    QLineEdit* readout(QWidget* parent, const char* name, int tag, QRect box);
    void createHostControls(QWidget* w);
};

} // namespace talix::controls
