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

QString recorderDeviceName(const QString& name) {
    static const QString kWavPrefix = QStringLiteral("wav:");
    if (!name.startsWith(kWavPrefix))
        return name;
    QString path = name.mid(kWavPrefix.size());
    const int dot = path.lastIndexOf('.');
    const int slash = path.lastIndexOf('/');
    if (dot > slash + 1)
        path.insert(dot, "-recorder");
    else
        path += "-recorder.wav";
    return kWavPrefix + path;
}

} // namespace talix::audio
