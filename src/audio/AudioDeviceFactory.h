#pragma once

#include "audio/AudioDevice.h"

#include <QString>
#include <memory>

namespace talix::audio {

// The output device named on the command line: "qt" (the desktop's default output), "null"
// (paced, silent) or "wav:PATH" (paced, written to a WAV file). Empty for any other name.
std::unique_ptr<AudioDevice> createAudioDevice(const QString& name);

// The device of the recorder's player: the same kind as the live audio's, but for "wav:PATH" a
// file of its own beside PATH ("x.wav" -> "x-recorder.wav"), so that neither overwrites the other.
QString recorderDeviceName(const QString& name);

} // namespace talix::audio
