// Recording the live audio: the start-up scan, the bytes and sizes of a recording, the size limit,
// every message, and a recording that survives the program being killed.
#include "audio/WavFileHeader.h"
#include "base/LittleEndian.h"
#include "base/MessageHook.h"
#include "session/RecordingSink.h"
#include "support/HeldSync.h"
#include "support/OpenDescriptors.h"
#include "support/WaitUntil.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <chrono>
#include <csignal>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace talix;
using namespace talix::session;
using talix::testing::HeldSync;
using talix::testing::openDescriptors;
using talix::testing::waitUntil;

namespace {

constexpr uint64_t kPlenty = 50'000'000'000ULL;

struct Display : RecordingDisplay {
    std::vector<QString> texts;
    std::vector<bool> states;
    void showFileText(const QString& text) override { texts.push_back(text); }
    void showRecording(bool running) override { states.push_back(running); }
};

class RecordingSinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        setMessageHandler([this](const QString& text, bool) {
            messages.push_back(text);
            return 0;
        });
        sink.setFreeSpaceProbe([this](const QString&) { return freeSpace; });
        sink.setDisplay(&display);
    }
    void TearDown() override { setMessageHandler(nullptr); }

    QString wav() const { return data.filePath("WAV"); }
    QString file(int n) const { return data.filePath(QString("WAV/File%1.WAV").arg(n)); }
    void touch(int n) {
        QDir().mkpath(wav());
        QFile f(file(n));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    static std::array<uint8_t, 2048> frame(int k) {
        std::array<uint8_t, 2048> a{};
        for (size_t i = 0; i < a.size(); ++i)
            a[i] = uint8_t(k * 7 + i);
        return a;
    }
    void record(int frames) { record(sink, frames); }
    static void record(RecordingSink& s, int frames, int first = 0) {
        for (int k = first; k < first + frames; ++k) {
            const auto a = frame(k);
            s.append(a.data());
        }
    }
    static QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static uint32_t le32(const QByteArray& b, int offset) {
        return readLe32(reinterpret_cast<const uint8_t*>(b.constData()) + offset);
    }
    // The file holds exactly `frames` frames from `first` on, and its header says so.
    void expectComplete(int n, int frames, int first = 0) const {
        const QByteArray b = contents(file(n));
        ASSERT_EQ(b.size(), 44 + frames * 2048) << "File" << n;
        EXPECT_EQ(le32(b, 40), uint32_t(frames * 2048)) << "File" << n;
        EXPECT_EQ(le32(b, 4), uint32_t(frames * 2048 + 36)) << "File" << n;
        for (int k = 0; k < frames; ++k) {
            const auto a = frame(first + k);
            ASSERT_EQ(b.mid(44 + k * 2048, 2048),
                      QByteArray(reinterpret_cast<const char*>(a.data()), 2048))
                << "File" << n << " frame " << k;
        }
    }

    QTemporaryDir data;
    RecordingSink sink{QLocale(QLocale::German)};
    Display display;
    std::vector<QString> messages;
    std::optional<uint64_t> freeSpace = kPlenty;
};

TEST_F(RecordingSinkTest, StartUpScanShowsTheFirstFreeNumber) {
    struct Case {
        std::vector<int> present;
        int next;
        QString text;
    };
    std::vector<int> all;
    for (int n = 0; n < 200; ++n)
        all.push_back(n);
    const Case cases[] = {{{}, 0, "Next File: File0"},
                          {{0, 1, 2, 3, 4}, 5, "Next File: File5"},
                          {{0, 1, 3}, 2, "Next File: File2"},
                          {all, 200, "No space for new File!"}};
    for (const Case& c : cases) {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("WAV"));
        for (int n : c.present)
            QFile(dir.filePath(QString("WAV/File%1.WAV").arg(n))).open(QIODevice::WriteOnly);
        RecordingSink s;
        Display d;
        s.setDisplay(&d);
        s.scan(dir.filePath("WAV"));
        EXPECT_EQ(s.NextFileNumber, c.next);
        EXPECT_EQ(d.texts.back(), c.text);
    }
}

TEST_F(RecordingSinkTest, AHundredFrameRecordingHasExactlyItsBytesAndSizes) {
    for (int n : {0, 1, 2, 3, 4})
        touch(n);
    sink.scan(wav());
    sink.click();
    ASSERT_TRUE(sink.running());
    EXPECT_EQ(display.states.back(), true);
    record(100);
    EXPECT_EQ(display.texts.back(), "File5: 0,2 MByte"); // rebuilt on frame 96
    sink.click();
    EXPECT_FALSE(sink.running());
    EXPECT_EQ(display.states.back(), false);
    EXPECT_EQ(display.texts.back(), "Next File: File6");
    EXPECT_TRUE(messages.empty());

    const QByteArray b = contents(file(5));
    ASSERT_EQ(b.size(), 204844);
    EXPECT_EQ(le32(b, 40), 204800u);
    EXPECT_EQ(le32(b, 4), 204836u);
    const auto header = audio::wavFileHeader(204800);
    EXPECT_EQ(b.left(44), QByteArray(reinterpret_cast<const char*>(header.data()), 44));
    for (int k = 0; k < 100; ++k) {
        const auto a = frame(k);
        ASSERT_EQ(b.mid(44 + k * 2048, 2048),
                  QByteArray(reinterpret_cast<const char*>(a.data()), 2048))
            << "frame " << k;
    }
}

TEST_F(RecordingSinkTest, TheMegabyteFigureHasOneDecimalInTheHostFormat) {
    sink.scan(wav());
    sink.click();
    record(32 * 16);
    EXPECT_EQ(display.texts.back(), "File0: 1,0 MByte");
    sink.stop();
}

// The limit is looked at on every 32nd frame only: past it, the recording goes on to the next one.
TEST_F(RecordingSinkTest, TheSizeLimitStopsTheRecordingOnTheNext32ndFrame) {
    sink.setSizeLimit(40 * 2048); // passed on frame 41
    sink.scan(wav());
    sink.click();
    record(63);
    EXPECT_TRUE(sink.running());
    record(1); // frame 64
    EXPECT_FALSE(sink.running());
    EXPECT_EQ(display.texts.back(), "Next File: File1");
    const QByteArray b = contents(file(0));
    EXPECT_EQ(b.size(), 44 + 64 * 2048);
    EXPECT_EQ(le32(b, 40), uint32_t(64 * 2048));
}

TEST_F(RecordingSinkTest, NoSpaceIsToldAndNothingIsRecorded) {
    struct Case {
        std::optional<uint64_t> free;
        bool allNamesTaken;
    };
    const Case cases[] = {{1'200'000'000ULL, false}, {std::nullopt, false}, {kPlenty, true}};
    for (const Case& c : cases) {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("WAV"));
        if (c.allNamesTaken)
            for (int n = 0; n < 200; ++n)
                QFile(dir.filePath(QString("WAV/File%1.WAV").arg(n))).open(QIODevice::WriteOnly);
        freeSpace = c.free;
        messages.clear();
        sink.scan(dir.filePath("WAV"));
        sink.click();
        EXPECT_FALSE(sink.running());
        EXPECT_EQ(display.states.back(), false);
        EXPECT_EQ(messages, std::vector<QString>{"No Space for new File!"});
        if (!c.allNamesTaken) {
            EXPECT_FALSE(QFile::exists(dir.filePath("WAV/File0.WAV")));
        }
    }
    freeSpace = 1'200'000'001ULL;
    messages.clear();
    sink.scan(wav());
    sink.click();
    EXPECT_TRUE(sink.running());
    sink.stop();
}

// A creation failure locks recording (number 256) until the next start-up scan.
TEST_F(RecordingSinkTest, ErrorOnCreatingFileThenNoSpaceUntilTheNextScan) {
    QDir().mkpath(wav());
    // A name that does not exist but cannot be created: a link into a missing folder.
    ASSERT_EQ(::symlink(data.filePath("missing/x").toLocal8Bit().constData(),
                        file(0).toLocal8Bit().constData()),
              0);
    sink.scan(wav());
    ASSERT_EQ(sink.NextFileNumber, 0);
    sink.click();
    EXPECT_FALSE(sink.running());
    EXPECT_EQ(sink.NextFileNumber, 256);
    EXPECT_EQ(messages, std::vector<QString>{"Error on creating File!"});
    sink.click();
    sink.click();
    EXPECT_EQ(messages, (std::vector<QString>{"Error on creating File!", "No Space for new File!",
                                              "No Space for new File!"}));
    EXPECT_FALSE(sink.running());
    QFile::remove(file(0));
    sink.scan(wav());
    sink.click();
    EXPECT_TRUE(sink.running());
    sink.stop();
}

TEST_F(RecordingSinkTest, AMissingFolderThatCannotBeMadeIsTold) {
    QFile blocker(data.filePath("C"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the drive's folder should be
    sink.scan(data.filePath("C/WAV"));
    sink.click();
    EXPECT_EQ(messages, std::vector<QString>{"Can't create directory!"});
    EXPECT_FALSE(sink.running());
}

// The program killed in the middle of a recording leaves a file whose header describes all but at
// most the last 32 frames of its audio, all of it as recorded.
TEST_F(RecordingSinkTest, ARecordingCutOffBySigkillIsPlayableUpToItsLastHeaderUpdate) {
    sink.scan(wav());
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(ready[0]);
        setMessageHandler(nullptr);
        RecordingSink s;
        s.setFreeSpaceProbe([](const QString&) { return kPlenty; });
        s.scan(wav());
        s.click();
        for (int k = 0;; ++k) {
            const auto a = frame(k);
            s.append(a.data());
            if (k == 150) {
                const char c = 1;
                (void)!::write(ready[1], &c, 1);
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
    ::close(ready[1]);
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ::close(ready[0]);
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    const QByteArray b = contents(file(0));
    ASSERT_GT(b.size(), 44);
    const qint64 onFile = b.size() - 44;
    const uint32_t described = le32(b, 40);
    EXPECT_EQ(le32(b, 4), described + 36);
    EXPECT_GE(described, 150u / 32 * 32 * 2048);
    EXPECT_EQ(described % (32 * 2048), 0u);
    EXPECT_LE(qint64(described), onFile);
    EXPECT_LT(onFile - qint64(described), qint64(33 * 2048));
    for (uint32_t k = 0; k < described / 2048; ++k) {
        const auto a = frame(int(k));
        ASSERT_EQ(b.mid(44 + int(k) * 2048, 2048),
                  QByteArray(reinterpret_cast<const char*>(a.data()), 2048))
            << "frame " << k;
    }
}

// Flash that takes its time over a sync: stopping a recording must not wait for it.
class SlowFlash : public RecordingSinkTest {
protected:
    void SetUp() override {
        RecordingSinkTest::SetUp();
        slow.setFreeSpaceProbe([](const QString&) { return kPlenty; });
        slow.setDisplay(&display);
        slow.scan(wav());
    }
    // Nothing may be left waiting for the disk when the sinks go.
    void TearDown() override {
        held.release();
        RecordingSinkTest::TearDown();
    }
    // Runs `step` as the UI thread would, while every sync is held; false when it has not
    // returned after a generous while (the syncs are then let go, so that it can).
    bool returnsWhileHeld(const std::function<void()>& step) {
        std::packaged_task<void()> task(step);
        std::future<void> done = task.get_future();
        std::thread ui(std::move(task));
        const bool returned = done.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
        if (!returned)
            held.release();
        ui.join();
        return returned;
    }

    HeldSync held; // outlives the sinks' syncing threads
    RecordingSink slow{QLocale(QLocale::German), held.call()};
};

TEST_F(SlowFlash, StopReturnsBeforeTheLastFlushAndTheFileIsCompleteOnceItEnds) {
    slow.click();
    ASSERT_TRUE(slow.running());
    record(slow, 100); // frame 32 asks for the first sync, which is held
    ASSERT_TRUE(waitUntil([&] { return held.begun() == 1; }));
    ASSERT_TRUE(returnsWhileHeld([&] { slow.click(); })) << "the stop waited for the disk";
    EXPECT_FALSE(slow.running());
    EXPECT_EQ(display.texts.back(), "Next File: File1");
    // Every byte and the final sizes are written; the last flush and the close still wait.
    expectComplete(0, 100);
    EXPECT_EQ(openDescriptors(file(0)), 1);

    held.release();
    ASSERT_TRUE(waitUntil([&] { return openDescriptors(file(0)) == 0; }));
    EXPECT_EQ(held.begun(), 2u); // the held one, then the last after the final sizes
    EXPECT_EQ(held.finished(), 2u);
    expectComplete(0, 100);
}

TEST_F(SlowFlash, ANewRecordingStartsWhileThePreviousFileIsStillFlushed) {
    ASSERT_TRUE(returnsWhileHeld([&] {
        slow.click();
        record(slow, 100);
        slow.click();
        slow.click();
        record(slow, 50, 1000);
        slow.click();
    })) << "a stop or a start waited for the disk";
    EXPECT_FALSE(slow.running());
    EXPECT_EQ(slow.NextFileNumber, 2);
    EXPECT_EQ(display.texts.back(), "Next File: File2");
    EXPECT_EQ(openDescriptors(file(0)), 1);
    EXPECT_EQ(openDescriptors(file(1)), 1);

    held.release();
    ASSERT_TRUE(
        waitUntil([&] { return openDescriptors(file(0)) == 0 && openDescriptors(file(1)) == 0; }));
    expectComplete(0, 100);
    expectComplete(1, 50, 1000);
    EXPECT_EQ(held.finished(), held.begun());
}

// The program's end waits for the last flush and the close, off the frame path.
TEST_F(SlowFlash, TheEndOfTheProgramWaitsForTheLastFlush) {
    auto ending = std::make_unique<RecordingSink>(QLocale::c(), held.call());
    ending->setFreeSpaceProbe([](const QString&) { return kPlenty; });
    ending->scan(wav());
    ending->click();
    record(*ending, 40);
    ASSERT_TRUE(waitUntil([&] { return held.begun() == 1; }));
    ASSERT_TRUE(returnsWhileHeld([&] { ending->stop(); }));
    std::atomic<bool> ended{false};
    std::thread end([&] {
        ending.reset();
        ended = true;
    });
    EXPECT_FALSE(waitUntil([&] { return ended.load(); }, std::chrono::milliseconds(300)));
    held.release();
    end.join();
    EXPECT_EQ(openDescriptors(file(0)), 0);
    EXPECT_EQ(held.finished(), 2u); // the held one, then the last after the final sizes
    expectComplete(0, 40);
}

} // namespace
