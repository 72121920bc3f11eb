#pragma once

#include "audio/AudioDevice.h"

#include <QString>

namespace talix::audio {

// The one-line message shown when the playback device cannot be opened; empty for Ok.
QString openResultText(OpenResult result);

} // namespace talix::audio
