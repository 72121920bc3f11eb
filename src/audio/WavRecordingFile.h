#pragma once

#include "audio/DiskSyncer.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace talix::audio {

// A recording being written: the 44-byte header, then the audio exactly as it arrives. Writes go
// straight to the kernel (no user-space buffer), so whatever append() returned from survives the
// program being killed; updateSizes() writes both size fields in place from the bytes actually on
// file, without moving the append position, so a file cut off at any moment is playable up to
// the last update. Each update is also pushed to the medium on a thread of its own, so that the
// file survives the host losing power as well; that thread also makes the last push and closes the
// file, so that closing never waits for the disk.
class WavRecordingFile {
public:
    explicit WavRecordingFile(DiskSyncer::SyncCall sync = {}) : m_sync(std::move(sync)) {}
    // Waits for the last push and the close of every file this object wrote.
    ~WavRecordingFile();
    WavRecordingFile(const WavRecordingFile&) = delete;
    WavRecordingFile& operator=(const WavRecordingFile&) = delete;

    // Creates (or truncates) `path` and writes the header with RIFF size 36 and data size 0.
    // False when the file cannot be created or the header not written; nothing stays open then.
    bool create(const QString& path);
    bool isOpen() const { return m_fd >= 0; }
    // Appends the bytes; a short or failed write is not reported (the sizes follow the file).
    void append(std::span<const std::uint8_t> bytes);
    // Data size = file size - 44 at offset 40, data size + 36 at offset 4.
    void updateSizes();
    // updateSizes(), then the file is handed to its syncing thread, which pushes the data to the
    // medium once more and closes it; returns at once. A new file can be created meanwhile.
    void close();
    // Audio bytes on file (file size - 44).
    std::uint64_t dataBytes() const { return m_dataBytes; }

private:
    void forgetClosed();

    int m_fd = -1;
    std::uint64_t m_dataBytes = 0;
    DiskSyncer::SyncCall m_sync;
    std::unique_ptr<DiskSyncer> m_syncer;
    std::vector<std::unique_ptr<DiskSyncer>> m_closing; // finished, last push not yet done
};

} // namespace talix::audio
