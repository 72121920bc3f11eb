#pragma once

#include <QString>

namespace talix::audio {

constexpr int kMaxRecordingFiles = 200;

// "<wavDir>/File<n>.WAV"
QString recordingFilePath(const QString& wavDir, int n);

// The first n from `from` up to 199 whose recording file does not exist; 200 when all exist.
int scanNextFileNumber(const QString& wavDir, int from = 0);

// What E_File shows for a next file number.
QString nextFileText(int nextFileNumber);

} // namespace talix::audio
