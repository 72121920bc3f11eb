#pragma once

#include "sync/ItemEffect.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace talix::sync {

// What the frame dispatcher hands to the program's I/O rather than to the screen: the audio
// block, the acknowledgement, the rotator's relay, the readout painter's wake-up and the start
// script. The session implements it; everything is called on the UI thread.
class FrameSinks {
public:
    virtual ~FrameSinks() = default;

    virtual bool recorderPlaying() const = 0; // the recorder plays a file: live audio stands still
    virtual bool recording() const = 0;       // a recording runs
    virtual void appendRecording(const uint8_t* audio) = 0; // 2048 bytes
    virtual bool playbackOpen() const = 0;
    virtual void queuePlayback(const uint8_t* audio) = 0; // 2048 bytes
    virtual void setPlaybackVolume(uint8_t volume) = 0;   // while the playback device is open

    // The rotator as the board reports it (items 55 to 57) and the board's relay word.
    virtual void rotatorReport(const RotatorReport& report) = 0;
    virtual bool rotatorOn() const = 0;
    virtual void sendRotatorValue(uint8_t value) = 0; // datagram 13, 178, value

    // AckRecord for the block with this sequence number; never waits for the link.
    virtual void writeAck(uint32_t seq) = 0;
    virtual void requestPaint() = 0; // PaintEvent
    virtual std::optional<QString> startScriptFirstLine() = 0;
    // The software update's form is on screen: the board's greeting then leaves the user interface
    // as it is.
    virtual bool updateFormShown() const = 0;
};

} // namespace talix::sync
