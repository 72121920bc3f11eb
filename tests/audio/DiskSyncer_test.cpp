// The recording's data reaches the medium from a thread of its own: on request, and once more
// before that thread closes the file; whoever finishes a file never waits for the disk.
#include "audio/DiskSyncer.h"
#include "audio/WavRecordingFile.h"
#include "support/HeldSync.h"
#include "support/OpenDescriptors.h"
#include "support/WaitUntil.h"

#include <QTemporaryDir>
#include <array>
#include <atomic>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <unistd.h>

using namespace talix::audio;
using talix::testing::HeldSync;
using talix::testing::openDescriptors;
using talix::testing::waitUntil;

TEST(DiskSyncer, SyncsOnRequestAndOnceMoreBeforeItClosesTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("f");
    const int fd = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    DiskSyncer syncer(fd, {});
    EXPECT_EQ(syncer.completed(), 0u); // nothing until asked
    syncer.request();
    ASSERT_TRUE(waitUntil([&] { return syncer.completed() >= 1; }));
    const unsigned before = syncer.completed();
    EXPECT_FALSE(syncer.closed());
    syncer.finish();
    ASSERT_TRUE(waitUntil([&] { return syncer.closed(); }));
    EXPECT_EQ(syncer.completed(), before + 1);
    EXPECT_EQ(openDescriptors(path), 0);
    syncer.finish(); // finishing twice is harmless
}

TEST(DiskSyncer, FinishReturnsWhileTheDiskIsSlowAndTheEndWaitsForTheClose) {
    QTemporaryDir dir;
    const QString path = dir.filePath("f");
    const int fd = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    HeldSync held;
    auto syncer = std::make_unique<DiskSyncer>(fd, held.call());
    syncer->finish(); // the last sync is held
    ASSERT_TRUE(waitUntil([&] { return held.begun() == 1; }));
    EXPECT_FALSE(syncer->closed());
    EXPECT_EQ(openDescriptors(path), 1);
    std::atomic<bool> ended{false};
    std::thread end([&] {
        syncer.reset();
        ended = true;
    });
    EXPECT_FALSE(waitUntil([&] { return ended.load(); }, std::chrono::milliseconds(300)));
    held.release();
    end.join();
    EXPECT_EQ(held.finished(), 1u);
    EXPECT_EQ(openDescriptors(path), 0);
}

TEST(DiskSyncer, ARecordingIsSyncedWithEverySizeUpdateAndAtItsClose) {
    QTemporaryDir dir;
    std::atomic<unsigned> syncs{0};
    WavRecordingFile file([&](int fd) {
        ::fdatasync(fd);
        ++syncs;
    });
    ASSERT_TRUE(file.create(dir.filePath("File0.WAV")));
    const std::array<std::uint8_t, 2048> block{};
    file.append(block);
    file.updateSizes();
    ASSERT_TRUE(waitUntil([&] { return syncs >= 1; }));
    file.close();
    EXPECT_FALSE(file.isOpen());
    ASSERT_TRUE(waitUntil([&] { return openDescriptors(dir.filePath("File0.WAV")) == 0; }));
    EXPECT_GE(syncs.load(), 2u);
}
