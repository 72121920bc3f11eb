#include "audio/OpenResultText.h"

namespace talix::audio {

QString openResultText(OpenResult result) {
    switch (result) {
    case OpenResult::Ok:
        return {};
    case OpenResult::BadDeviceId:
        return QStringLiteral("Wrong Device Identifier.");
    case OpenResult::Allocated:
        return QStringLiteral("Audio device is already in use.");
    case OpenResult::NoDriver:
        return QStringLiteral("No device driver is present.");
    case OpenResult::NoMemory:
        return QStringLiteral("Unable to allocate or lock memory.");
    case OpenResult::BadFormat:
        return QStringLiteral("Attempted to open with an unsupported waveform-audio format.");
    case OpenResult::Synchronous:
        return QStringLiteral("The device is synchronous!");
    case OpenResult::Failed:
        break;
    }
    return QStringLiteral("Failed to open audio device!");
}

} // namespace talix::audio
