#pragma once

#include "audio/AudioDevice.h"

#include <QString>
#include <memory>

namespace talix::audio {

// The output device named on the command line: "qt" (the desktop's default output), "null"
// (paced, silent) or "wav:PATH" (paced, written to a WAV file). Empty for any other name.
std::unique_ptr<AudioDevice> createAudioDevice(const QString& name);

} // namespace talix::audio
