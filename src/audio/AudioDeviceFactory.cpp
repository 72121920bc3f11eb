#include "audio/AudioDeviceFactory.h"

#include "audio/PacedAudioDevice.h"
#include "audio/QtAudioDevice.h"
#include "audio/WavFileAudioDevice.h"

namespace talix::audio {

std::unique_ptr<AudioDevice> createAudioDevice(const QString& name) {
    static const QString kWavPrefix = QStringLiteral("wav:");
    if (name == QLatin1String("qt"))
        return std::make_unique<QtAudioDevice>();
    if (name == QLatin1String("null"))
        return std::make_unique<PacedAudioDevice>();
    if (name.startsWith(kWavPrefix) && name.size() > kWavPrefix.size())
        return std::make_unique<WavFileAudioDevice>(name.mid(kWavPrefix.size()));
    return nullptr;
}

} // namespace talix::audio
