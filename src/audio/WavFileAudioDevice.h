#pragma once

#include "audio/PacedAudioDevice.h"

#include <QFile>
#include <QString>

namespace talix::audio {

// The `wav:PATH` device: paced like `null`, and writes every block it plays, in order and
// unchanged (the volume is not applied), to a PCM WAV file. The header's sizes are kept up to
// date when the device closes or is destroyed; past the 4 GiB that a WAV file can describe,
// further blocks are played but not written.
class WavFileAudioDevice : public PacedAudioDevice {
public:
    explicit WavFileAudioDevice(QString path);
    ~WavFileAudioDevice() override;

    OpenResult open(AudioDeviceListener& listener) override;

protected:
    void played(std::span<const std::uint8_t> block) override;
    void closing() override;

private:
    void finishFile();

    QString m_path;
    QFile m_file;
    std::uint32_t m_dataBytes = 0;
};

} // namespace talix::audio
