// The copy to the export stick: every byte with its progress, overwriting, and no partial file
// when it is aborted or fails.
#include "session/FileExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace talix::session;

namespace {

QByteArray pattern(int bytes, char seed) {
    QByteArray b(bytes, 0);
    for (int i = 0; i < bytes; ++i)
        b[i] = char(seed + i * 13);
    return b;
}

void writeFile(const QString& path, const QByteArray& b) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

FileExport::State finish(FileExport& e) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (e.state() == FileExport::State::Copying && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return e.state();
}

struct FileExportTest : ::testing::Test {
    QTemporaryDir dir;
    QString source() const { return dir.filePath("File3.WAV"); }
    QString destination() const { return dir.filePath("F/WAV/File3.WAV"); }
    void SetUp() override { QDir().mkpath(dir.filePath("F/WAV")); }
    QStringList stick() const {
        return QDir(dir.filePath("F/WAV")).entryList(QDir::Files | QDir::Hidden);
    }
};

TEST_F(FileExportTest, CopiesEveryByteWithARisingPercentage) {
    const QByteArray b = pattern(3 * int(FileExport::kChunkBytes) + 1234, 5);
    writeFile(source(), b);
    FileExport e;
    std::vector<int> percents;
    e.setChunkHook([&](uint64_t) { percents.push_back(e.percent()); });
    ASSERT_TRUE(e.start(source(), destination()));
    EXPECT_EQ(finish(e), FileExport::State::Done);
    EXPECT_EQ(readFile(destination()), b);
    EXPECT_EQ(e.copiedBytes(), uint64_t(b.size()));
    EXPECT_EQ(e.percent(), 100);
    EXPECT_EQ(percents, (std::vector<int>{33, 66, 99, 100}));
    EXPECT_EQ(stick(), QStringList{"File3.WAV"});
}

TEST_F(FileExportTest, OverwritesAnExistingCopy) {
    writeFile(destination(), pattern(500000, 1));
    const QByteArray b = pattern(1000, 9);
    writeFile(source(), b);
    FileExport e;
    ASSERT_TRUE(e.start(source(), destination()));
    EXPECT_EQ(finish(e), FileExport::State::Done);
    EXPECT_EQ(readFile(destination()), b);
}

// Aborted half way: no partial file, and an older copy on the stick stays as it was.
TEST_F(FileExportTest, AnAbortLeavesNoPartialFile) {
    for (bool older : {false, true}) {
        const QByteArray old = pattern(777, 2);
        if (older)
            writeFile(destination(), old);
        writeFile(source(), pattern(8 * int(FileExport::kChunkBytes), 3));
        FileExport e;
        std::atomic<bool> halfWay{false};
        e.setChunkHook([&](uint64_t copied) {
            if (copied >= 4 * FileExport::kChunkBytes) {
                halfWay = true;
                e.cancel();
            }
        });
        ASSERT_TRUE(e.start(source(), destination()));
        EXPECT_EQ(finish(e), FileExport::State::Cancelled);
        EXPECT_TRUE(halfWay);
        if (older) {
            EXPECT_EQ(readFile(destination()), old);
            EXPECT_EQ(stick(), QStringList{"File3.WAV"});
        } else {
            EXPECT_TRUE(stick().isEmpty());
        }
    }
}

// A program killed in the middle of a copy leaves its hidden temporary file behind; the next copy
// to the stick clears such leftovers of recordings, whichever they were, and leaves every other
// file alone.
TEST_F(FileExportTest, TheNextCopyRemovesTheTemporariesOfCopiesThatNeverEnded) {
    const QStringList kept{".hidden", ".notes.part", "File7.WAV", "File7.WAV.part", "notes.part"};
    for (const QString& name : kept)
        writeFile(dir.filePath("F/WAV/" + name), pattern(100, 6));
    for (const char* stale : {".File7.WAV.part", ".File3.WAV.part", ".File12.WAV.part"})
        writeFile(dir.filePath(QString("F/WAV/") + stale), pattern(5000, 7));
    const QByteArray b = pattern(1000, 8);
    writeFile(source(), b);
    FileExport e;
    ASSERT_TRUE(e.start(source(), destination()));
    EXPECT_EQ(finish(e), FileExport::State::Done);
    EXPECT_EQ(readFile(destination()), b);
    QStringList expected = kept;
    expected << "File3.WAV";
    expected.sort();
    QStringList left = stick();
    left.sort();
    EXPECT_EQ(left, expected);
    EXPECT_EQ(readFile(dir.filePath("F/WAV/File7.WAV")), pattern(100, 6));
}

TEST_F(FileExportTest, AFailedCopyLeavesNothing) {
    FileExport e;
    ASSERT_TRUE(e.start(dir.filePath("missing.WAV"), destination()));
    EXPECT_EQ(finish(e), FileExport::State::Failed);
    writeFile(source(), pattern(100, 4));
    ASSERT_TRUE(e.start(source(), dir.filePath("F/gone/File3.WAV")));
    EXPECT_EQ(finish(e), FileExport::State::Failed);
    EXPECT_TRUE(stick().isEmpty());
}

} // namespace
