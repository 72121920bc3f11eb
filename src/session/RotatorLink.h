#pragma once

#include "base/BoardWords.h"
#include "base/Endpoint.h"
#include "link/DatagramClient.h"
#include "session/RotatorDisplay.h"
#include "session/RotatorPort.h"
#include "sync/ItemEffect.h"

#include <cstdint>

namespace talix::session {

// The antenna rotator (the KAP): its state as the board reports it, and its 3-byte datagrams
// (13, code, value) over UDP. Datagrams go out whether the rotator form is shown or not; nothing
// comes back. UI thread only.
class RotatorLink : public RotatorPort {
public:
    explicit RotatorLink(Endpoint target, link::HostResolver resolver = {});

    // Items 55 to 57: the rotator is on while its reported position is not 0; a report with an
    // address moves the target to that host on the same port. The display then shows the report.
    void report(const sync::RotatorReport& report);
    // The board's selection of the rotator dial, passed to the display.
    void paintCircles(bool selected);
    // Where reports and selections are shown; nullptr: nowhere. It must outlive its registration.
    void setDisplay(RotatorDisplay* display) override { m_display = display; }

    const Endpoint& target() const { return m_target.target(); }

    bool on() const override { return RotatorOn; }
    int dialPosition() const override { return DialPosition; }
    // 13, 18, 0: the form greets the rotator.
    void greet() override;
    // 13, 178, p: the dial to p, and the rotator turns there and is on; a position of 0 goes out
    // as 1, since 0 means off.
    void turnTo(int position) override;
    // 13, 178, 0.
    void switchOff() override;
    // 13, 178, value: the board's relay word (its value already 0 while the rotator is off).
    void send(uint8_t value);

private:
    void datagram(board::RotatorCode code, uint8_t value);

    link::DatagramClient m_target;
    RotatorDisplay* m_display = nullptr;
    bool RotatorOn = false;
    int DialPosition = 0; // 0 to 232; 0 stands for north-south
};

} // namespace talix::session
