#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

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

private:
    QLineEdit* readout(QWidget* parent, const char* name, int tag, QRect box);
};

} // namespace talix::controls
