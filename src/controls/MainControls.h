#pragma once

#include "base/BoardWords.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <vector>

namespace talix::display {
class MeterBox;
}

namespace talix::controls {

class ArrowIndicator;

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
    display::MeterBox* RPegel;        // with the readouts, captions and status block
    std::vector<QLineEdit*> readouts; // the edits a touch enters
    QWidget* S_Pitch;                 // the knob's mark
    std::vector<QWidget*> scales;     // Panel4 to Panel7

    // Host duties: switching off, the touch lock, brightness and battery.
    QPushButton* B_OFF;
    QPushButton* B_Touch;
    QSlider* TB_Bright;
    QLabel* L_Bright;
    QLabel* Label48;
    QLabel* LBatt;
    QProgressBar* PBat;
    QLabel* Label49;

    // Operating controls: the buttons, the knob, the digit selector, the volume bars and the track
    // bars, and the labels and indicators the board's reports write.
    QPushButton* B_Zero;
    QPushButton* B_Tune;
    QPushButton* B_KAP;
    QPushButton* B_Stereo;
    QPushButton* B_Filter;
    QPushButton* B_Setup;
    QPushButton* B_System;
    QPushButton* B_Mike;
    QPushButton* B_WiFi;
    QPushButton* B_Memory;
    QPushButton* B_Recorder;
    QPushButton* B_Lock;
    QPushButton* EUndo;
    QWidget* S_Geber;
    QWidget* Panel9;
    QScrollBar* SBKH;
    QScrollBar* SBLSP;
    QWidget* SBKHN;
    QWidget* SBLSPN;
    QSlider* TBWFH;
    QSlider* TBWFL;
    QSlider* TB_Att;
    QLabel* LHeadphone;
    QLabel* LLoudspeaker;
    QLabel* L_Att;
    QLabel* Lhigh;
    QLabel* Llow;
    QLabel* LSYNCSB;
    QLabel* LWLANDevice;
    QLabel* L_Auto;
    ArrowIndicator* CB_Arrow;
    QWidget* RNB;

    // The buttons whose clicks send their Tag.
    std::vector<QAbstractButton*> tagButtons() const;

private:
    QLineEdit* readout(QWidget* parent, board::Field field, QRect box);
    void createHostControls(QWidget* w);
    void createOperatingControls(QWidget* w);
};

} // namespace talix::controls
