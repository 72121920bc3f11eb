#include "session/RecordingSink.h"

#include "audio/AudioFormat.h"
#include "audio/RecordingFiles.h"
#include "base/MessageHook.h"

#include <QDir>
#include <QStorageInfo>

namespace talix::session {

void RecordingSink::scan(const QString& wavFolder) {
    m_wavFolder = wavFolder;
    NextFileNumber = audio::scanNextFileNumber(wavFolder);
    showFileText(audio::nextFileText(NextFileNumber));
}

void RecordingSink::rescan() {
    if (!m_running && !m_wavFolder.isEmpty())
        scan(m_wavFolder);
}

void RecordingSink::setDisplay(RecordingDisplay* display) {
    m_display = display;
    if (m_display) {
        m_display->showFileText(m_fileText);
        m_display->showRecording(m_running);
    }
}

void RecordingSink::click() {
    if (m_wavFolder.isEmpty() || !QDir().mkpath(m_wavFolder)) {
        showMessage("Can't create directory!");
        return;
    }
    if (m_running)
        stop();
    else
        start();
}

void RecordingSink::start() {
    if (NextFileNumber >= audio::kMaxRecordingFiles || freeSpace() <= kFreeSpaceNeeded) {
        refuse("No Space for new File!");
        return;
    }
    if (!m_file.create(audio::recordingFilePath(m_wavFolder, NextFileNumber))) {
        NextFileNumber = kBlockedFileNumber;
        refuse("Error on creating File!");
        return;
    }
    RecordedBytes = 0;
    m_frames = 0;
    m_running = true;
    showRecording(true);
}

void RecordingSink::refuse(const QString& message) {
    showRecording(false);
    showMessage(message);
}

void RecordingSink::append(const std::uint8_t* audio) {
    if (!m_running || audio == nullptr)
        return;
    m_file.append({audio, audio::kBlockBytes});
    RecordedBytes += audio::kBlockBytes;
    if (++m_frames % kDisplayFrames != 0)
        return;
    m_file.updateSizes();
    showFileText(QString("File%1: %2 MByte")
                     .arg(NextFileNumber)
                     .arg(m_locale.toString(double(RecordedBytes) / 1000000.0, 'f', 1)));
    if (RecordedBytes > m_sizeLimit)
        stop();
}

void RecordingSink::stop() {
    if (!m_running && !m_file.isOpen())
        return;
    m_running = false;
    showRecording(false);
    m_file.close();
    if (NextFileNumber < audio::kMaxRecordingFiles)
        NextFileNumber = audio::scanNextFileNumber(m_wavFolder, NextFileNumber);
    showFileText(audio::nextFileText(NextFileNumber));
}

void RecordingSink::showFileText(const QString& text) {
    m_fileText = text;
    if (m_display)
        m_display->showFileText(text);
}

void RecordingSink::showRecording(bool running) {
    if (m_display)
        m_display->showRecording(running);
}

std::uint64_t RecordingSink::freeSpace() const {
    if (m_freeSpace)
        return m_freeSpace(m_wavFolder).value_or(0);
    const QStorageInfo storage(m_wavFolder);
    if (!storage.isValid() || !storage.isReady() || storage.bytesAvailable() < 0)
        return 0;
    return std::uint64_t(storage.bytesAvailable());
}

} // namespace talix::session
