// The recording's data reaches the medium from a thread of its own: on request, and once more when
// it stops.
#include "audio/DiskSyncer.h"
#include "audio/WavRecordingFile.h"
#include "support/WaitUntil.h"

#include <QTemporaryDir>
#include <array>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace talix::audio;
using talix::testing::waitUntil;

TEST(DiskSyncer, SyncsOnRequestAndOnceMoreWhenItStops) {
    QTemporaryDir dir;
    const int fd = ::open(dir.filePath("f").toLocal8Bit().constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    DiskSyncer syncer;
    syncer.start(fd);
    EXPECT_EQ(syncer.completed(), 0u); // nothing until asked
    syncer.request();
    ASSERT_TRUE(waitUntil([&] { return syncer.completed() >= 1; }));
    const unsigned before = syncer.completed();
    syncer.stop();
    EXPECT_EQ(syncer.completed(), before + 1);
    syncer.stop(); // stopping twice is harmless
    ::close(fd);
}

TEST(DiskSyncer, ARecordingIsSyncedWithEverySizeUpdateAndAtItsClose) {
    QTemporaryDir dir;
    WavRecordingFile file;
    ASSERT_TRUE(file.create(dir.filePath("File0.WAV")));
    const std::array<std::uint8_t, 2048> block{};
    file.append(block);
    file.updateSizes();
    ASSERT_TRUE(waitUntil([&] { return file.syncer().completed() >= 1; }));
    file.close();
    EXPECT_GE(file.syncer().completed(), 2u);
}
