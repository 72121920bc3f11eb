#pragma once

#include "sync/ItemEffect.h"

#include <QImage>
#include <cstdint>
#include <functional>

namespace talix::app {

// Where the parts of every frame and some results of the board's items go: the recording, the
// playback ring, the spectrum, the rotator and the DAB slide show attach themselves here. An
// empty entry means the consumer is not there (no playback device open, no spectrum yet): the
// frame's part is then passed by.
struct FrameConsumers {
    std::function<bool()> recorderPlaying;                // the recorder plays a file
    std::function<void(const uint8_t*)> appendRecording;  // 2048 bytes, while B_Rec.Tag != 0
    std::function<bool()> playbackOpen;                   // the playback device is open
    std::function<void(const uint8_t*)> queuePlayback;    // 2048 bytes
    std::function<void(uint8_t)> setPlaybackVolume;       // SpeakerVolume, while open
    std::function<void(const uint8_t*)> drawSpectrumLine; // 1152 bytes
    std::function<void(uint32_t)> statusWord;
    std::function<void()> rebuildGrid;
    std::function<void()> placeThresholdLine;
    std::function<void()> rebuildMarkerPath;
    std::function<float()> gridOffset;
    std::function<void(const QImage&)> showSlide; // a decoded slide-show picture for RMOT
    std::function<void(const sync::RotatorReport&)> rotatorReport;
    std::function<void(uint8_t)> rotatorValue; // datagram 13, 178, value to the rotator
};

} // namespace talix::app
