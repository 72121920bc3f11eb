#pragma once

#include "link/CommandPort.h"
#include "sync/ItemEffect.h"
#include "sync/ReceiverState.h"

#include <QString>

namespace talix::settings {

// What the settings forms reach outside themselves; the main window provides it. Everything is
// called on the UI thread.
class SettingsHost {
public:
    virtual ~SettingsHost() = default;

    // Where the forms' commands go.
    virtual link::CommandPort& commands() = 0;
    // The board's main-window state: the shared settings words that settings items write, and the
    // values (tuned frequency, gain control bit, mode) that they read. It outlives the forms.
    virtual sync::ReceiverState& receiverState() = 0;
    // A change of a main-window control, made as the board's own items make it.
    virtual void applyControlChange(const sync::ControlChange& change) = 0;
    // The repaint mark (TagFloat) of the readout with this Tag; the painter draws it at its next
    // pass.
    virtual void markField(int tag, int mark) = 0;
    // Spectrum: places the threshold line anew / rebuilds the grid.
    virtual void placeThresholdLine() = 0;
    virtual void rebuildGrid() = 0;
    // S_GeberMouseWheel: a wheel turn over a form tunes as over the main window.
    virtual void mouseWheel(int wheelDelta) = 0;
    // Shows the software update form modally.
    virtual void showUpdateForm() = 0;
    // The link is about to be interrupted on purpose: LWiFi shows "0%" and PBWiFi 0 until the
    // next measurement.
    virtual void restartLinkDisplay() = 0;
};

} // namespace talix::settings
