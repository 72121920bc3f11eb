#include "audio/WavRecordingFile.h"

#include "audio/WavFileHeader.h"
#include "base/FileWrite.h"
#include "base/LittleEndian.h"

#include <QFile>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talix::audio {

WavRecordingFile::~WavRecordingFile() {
    close();
}

bool WavRecordingFile::create(const QString& path) {
    close();
    forgetClosed();
    const QByteArray name = QFile::encodeName(path);
    m_fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (m_fd < 0)
        return false;
    const auto header = wavFileHeader(0);
    if (!writeAll(m_fd, header.data(), header.size())) {
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    m_dataBytes = 0;
    m_syncer = std::make_unique<DiskSyncer>(m_fd, m_sync);
    return true;
}

void WavRecordingFile::append(std::span<const std::uint8_t> bytes) {
    if (m_fd < 0 || bytes.empty())
        return;
    writeAll(m_fd, bytes.data(), bytes.size());
}

void WavRecordingFile::updateSizes() {
    if (m_fd < 0)
        return;
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        return;
    const std::uint64_t size = std::uint64_t(std::max<off_t>(st.st_size, 0));
    m_dataBytes = size > kWavHeaderBytes ? size - kWavHeaderBytes : 0;
    // A file past what 32 bits describe says the most they can.
    const std::uint32_t data =
        std::uint32_t(std::min<std::uint64_t>(m_dataBytes, kWavMaxDataBytes));
    std::uint8_t field[4];
    writeLe32(field, data + std::uint32_t(kWavHeaderBytes - 8));
    writeAllAt(m_fd, field, 4, 4);
    writeLe32(field, data);
    writeAllAt(m_fd, field, 4, 40);
    m_syncer->request();
}

void WavRecordingFile::close() {
    if (m_fd < 0)
        return;
    updateSizes();
    m_syncer->finish();
    m_closing.push_back(std::move(m_syncer));
    m_fd = -1;
}

void WavRecordingFile::forgetClosed() {
    std::erase_if(m_closing, [](const std::unique_ptr<DiskSyncer>& s) { return s->closed(); });
}

} // namespace talix::audio
