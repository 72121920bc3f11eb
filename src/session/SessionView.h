#pragma once

#include "sync/MainView.h"

namespace talix::session {

// The main window as the session sees it: what the board's words show, plus the two things the
// session's threads ask of the screen. Everything is called on the UI thread.
class SessionView : public sync::MainView {
public:
    // The link was lost: LWiFi shows "0%", PBWiFi 0.
    virtual void linkLostDisplay() = 0;
    // One paint pass of the marked readouts, at the readout painter thread's request.
    virtual void paintReadouts() = 0;
};

} // namespace talix::session
