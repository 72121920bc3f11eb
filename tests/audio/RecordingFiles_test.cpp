#include "audio/RecordingFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace talix::audio;

namespace {
void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}
} // namespace

TEST(RecordingFiles, NextNumberIsTheFirstGap) {
    QTemporaryDir dir;
    for (int n = 0; n < 5; ++n)
        touch(recordingFilePath(dir.path(), n));
    touch(recordingFilePath(dir.path(), 6));
    EXPECT_EQ(scanNextFileNumber(dir.path()), 5);
    EXPECT_EQ(nextFileText(5), "Next File: File5");
    EXPECT_EQ(scanNextFileNumber(dir.path(), 6), 7);
}

TEST(RecordingFiles, AllTwoHundredPresentLeaveNoSpace) {
    QTemporaryDir dir;
    for (int n = 0; n < kMaxRecordingFiles; ++n)
        touch(recordingFilePath(dir.path(), n));
    EXPECT_EQ(scanNextFileNumber(dir.path()), 200);
    EXPECT_EQ(nextFileText(200), "No space for new File!");
}

TEST(RecordingFiles, EmptyOrMissingFolderStartsAtZero) {
    QTemporaryDir dir;
    EXPECT_EQ(scanNextFileNumber(dir.path()), 0);
    EXPECT_EQ(scanNextFileNumber(dir.path() + "/missing"), 0);
    EXPECT_EQ(nextFileText(0), "Next File: File0");
}
