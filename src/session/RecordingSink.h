#pragma once

#include "audio/WavRecordingFile.h"

#include <QLocale>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace talix::session {

// What a recording shows on the main window: E_File's text, and B_Rec pressed (with Tag 1) while
// a recording runs, B_Recorder disabled meanwhile.
class RecordingDisplay {
public:
    virtual ~RecordingDisplay() = default;
    virtual void showFileText(const QString& text) = 0;
    virtual void showRecording(bool running) = 0;
};

// The recording of the live audio into C:\WAV\File<n>.WAV: the B_Rec click, the append of every
// frame's audio, the E_File texts, the size limit and the stop (also at shutdown). UI thread only.
// Messages go to the message form (showMessage); at the moment one is shown no recording runs,
// so frames handled during its modal loop append nothing.
class RecordingSink {
public:
    static constexpr int kBlockedFileNumber = 256; // after a creation failure, until the next scan
    static constexpr std::uint64_t kSizeLimit = 0x40000000;       // 1 GiB of audio
    static constexpr std::uint64_t kFreeSpaceNeeded = 1200000000; // more than this must be free
    static constexpr int kDisplayFrames = 32; // E_File, the size limit and the header sizes

    // `sync` pushes a file's data to the medium (fdatasync unless given).
    explicit RecordingSink(const QLocale& locale = QLocale::system(),
                           audio::DiskSyncer::SyncCall sync = {})
        : m_locale(locale), m_file(std::move(sync)) {}

    // The start-up scan: NextFileNumber is the first free file number in `wavFolder` (200 when all
    // are taken); E_File shows it.
    void scan(const QString& wavFolder);
    // The same scan from 0 again, unless a recording runs (the recorder form's Close).
    void rescan();
    void setDisplay(RecordingDisplay* display);

    // B_RecClick: starts a recording when none runs, stops the running one otherwise.
    void click();
    // One frame's 2048 audio bytes while recording. Every 32nd frame of a recording rebuilds
    // E_File's text, rewrites the header's sizes and stops the recording past the size limit.
    void append(const std::uint8_t* audio);
    // Completes a running recording (a click on B_Rec, the size limit, shutdown): the file has its
    // final sizes when this returns, and its last push to the medium and its close follow on a
    // thread of their own. The sink's end waits for them.
    void stop();

    bool running() const { return m_running; }
    int NextFileNumber = 0;
    std::uint64_t RecordedBytes = 0;
    QString wavFolder() const { return m_wavFolder; }
    QString fileText() const { return m_fileText; }

    // Seams for tests: the size limit, and the free space of the folder's file system (empty when
    // it cannot be read).
    void setSizeLimit(std::uint64_t bytes) { m_sizeLimit = bytes; }
    using FreeSpaceProbe = std::function<std::optional<std::uint64_t>(const QString& folder)>;
    void setFreeSpaceProbe(FreeSpaceProbe probe) { m_freeSpace = std::move(probe); }

private:
    void start();
    void refuse(const QString& message);
    void showFileText(const QString& text);
    void showRecording(bool running);
    std::uint64_t freeSpace() const;

    QLocale m_locale;
    QString m_wavFolder;
    QString m_fileText;
    audio::WavRecordingFile m_file;
    RecordingDisplay* m_display = nullptr;
    FreeSpaceProbe m_freeSpace;
    std::uint64_t m_sizeLimit = kSizeLimit;
    std::uint64_t m_frames = 0;
    bool m_running = false;
};

} // namespace talix::session
