#pragma once

#include "host/HostServices.h"
#include "link/CommandPort.h"

#include <QLabel>
#include <QObject>
#include <QSlider>
#include <cstdint>
#include <functional>

namespace talix::controls {

// TB_Bright and L_Bright. A move of the bar by the user goes to the board and changes nothing
// here; the board's report sets the label, moves the bar without sending it back, and sets the
// host display's brightness. So the display changes only when the board confirms a brightness.
//
// Armed flag: a bar the board has just moved is disarmed, and its next change is taken as that
// move's echo: it only re-arms the bar. Painting the bar arms it as well.
class BrightnessBar : public QObject {
    Q_OBJECT
public:
    BrightnessBar(QSlider& TB_Bright, QLabel& L_Bright, link::CommandPort& commands,
                  host::HostServices& host);

    // The change handler of TB_Bright.
    void TB_BrightChange();
    // A brightness report: the value word of main-window item 28.
    void applyReport(uint32_t valueWord);

    bool armed() const;
    uint8_t level() const { return m_level; }

    // The request for the display device; FormCreate sets its policy.
    host::BrightnessRequest request;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSlider& m_bar;
    QLabel& m_label;
    link::CommandPort& m_commands;
    host::HostServices& m_host;
    uint8_t m_level = 0; // the brightness the board reported last
};

} // namespace talix::controls
