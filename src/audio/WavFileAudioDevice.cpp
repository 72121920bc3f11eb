#include "audio/WavFileAudioDevice.h"

#include "audio/WavFileHeader.h"

namespace talix::audio {

WavFileAudioDevice::WavFileAudioDevice(QString path) : m_path(std::move(path)) {}

WavFileAudioDevice::~WavFileAudioDevice() {
    finishFile();
}

OpenResult WavFileAudioDevice::open(AudioDeviceListener& listener) {
    m_file.setFileName(m_path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return OpenResult::Failed;
    const auto header = wavFileHeader(0);
    if (m_file.write(reinterpret_cast<const char*>(header.data()), header.size()) !=
        static_cast<qint64>(header.size())) {
        m_file.close();
        return OpenResult::Failed;
    }
    m_dataBytes = 0;
    return PacedAudioDevice::open(listener);
}

void WavFileAudioDevice::played(std::span<const std::uint8_t> block) {
    if (!m_file.isOpen() || !block.data() || block.size() > kWavMaxDataBytes - m_dataBytes)
        return;
    const qint64 written = m_file.write(reinterpret_cast<const char*>(block.data()),
                                        static_cast<qint64>(block.size()));
    if (written > 0)
        m_dataBytes += static_cast<std::uint32_t>(written);
}

void WavFileAudioDevice::closing() {
    finishFile();
}

void WavFileAudioDevice::finishFile() {
    if (!m_file.isOpen())
        return;
    const auto header = wavFileHeader(m_dataBytes);
    if (m_file.seek(0))
        m_file.write(reinterpret_cast<const char*>(header.data()), header.size());
    m_file.close();
}

} // namespace talix::audio
