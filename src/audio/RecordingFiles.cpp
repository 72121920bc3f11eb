#include "audio/RecordingFiles.h"

#include <QDir>
#include <QFileInfo>

namespace talix::audio {

QString recordingFilePath(const QString& wavDir, int n) {
    return QDir(wavDir).filePath(QString("File%1.WAV").arg(n));
}

int scanNextFileNumber(const QString& wavDir, int from) {
    int n = from < 0 ? 0 : from;
    while (n < kMaxRecordingFiles && QFileInfo::exists(recordingFilePath(wavDir, n)))
        ++n;
    return n;
}

QString nextFileText(int nextFileNumber) {
    if (nextFileNumber >= kMaxRecordingFiles)
        return "No space for new File!";
    return QString("Next File: File%1").arg(nextFileNumber);
}

} // namespace talix::audio
