#pragma once

#include <QRadioButton>

namespace talix::settings {

// RBAnt: shows whether the board uses its external WiFi antenna. Only the board's status word
// checks or unchecks it (the frame dispatcher, through the main window); a tap asks the board to
// switch and leaves the mark as it is.
class ExternalAntennaButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override {}
};

} // namespace talix::settings
