#pragma once

#include "sync/FormSlots.h"
#include "sync/ItemEffect.h"
#include "sync/LinkQuality.h"
#include "sync/MainItems.h"
#include "sync/ReceiverState.h"

#include <QString>
#include <cstdint>

namespace talix::sync {

// What the user sees of the board's words: the main window implements it, and does no I/O in it.
// Everything is called on the UI thread, inside the handling of one frame. Calls that show
// something modal (applyItemEffect with a message) may handle further frames before they return.
class MainView {
public:
    virtual ~MainView() = default;

    // Hand-overs of every frame.
    virtual void spectrumLine(const uint8_t* line) = 0; // 1152 bytes, 1024 bins of 9 bits

    // Link quality and the antenna.
    // LWiFi; the update form's WiFi indicator (C_WLAN, L_WLAN) shows the same report.
    virtual void showLinkQuality(const LinkQualityReport& report) = 0;
    virtual void setLinkBarValue(int percent) = 0; // PBWiFi
    // PBWiFi's style: the playback buffer level (red style) or the link quality.
    virtual void setLinkBarShowsPlayback(bool playback) = 0;
    // The external antenna changed: RBAnt of the WiFi form shows it, and LWiFi's colour with it.
    virtual void setExternalAntenna(bool checked, uint32_t lwifiArgb) = 0;

    // The walk of a parameter block.
    virtual void markField(int tag, int mark) = 0; // TagFloat of the TFieldTable slot
    // Applies what a main-window item decided (the slide show goes to the DAB list's slot form).
    // Failed ends the walk; the block is acknowledged all the same.
    virtual ApplyResult applyItemEffect(const ItemEffect& effect, const ReceiverState& state) = 0;
    // B_Tune as tune mode stands (ReceiverState's TuneModeOffered and TuneMode).
    virtual void showTuneMode(bool offered, bool on) = 0;
    // FieldSelect for the main window; true when readouts were marked for repainting.
    virtual bool selectMainField(int item) = 0;
    // FieldSelect for the DAB list: its Edit0 takes the selected look, SelectedField the normal.
    virtual void selectDabField() = 0;
    // The rotator form's two circles: selected colours or white.
    virtual void paintRotatorCircles(bool selected) = 0;
    // A form shown by the board: the DAB list disables only B_Recorder; any other form every main
    // control except B_OFF, SBLSP, SBKH and the tuning knob.
    virtual void disableMainControls(bool onlyRecorder) = 0;
    virtual void enableMainControls() = 0;
    virtual void focusSelectedField(bool focus) = 0;
    virtual void setIdentification(const QString& text) = 0; // LWLANDevice
};

} // namespace talix::sync
