// The recorder form, touched through its real buttons: the list, playing with the live audio
// paused, deleting, exporting with progress, the overwrite question, aborting, a missing stick,
// closing and the wheel.
#include "audio/AudioDeviceFactory.h"
#include "audio/RecordingFiles.h"
#include "audio/WavFileHeader.h"
#include "base/MessageHook.h"
#include "recorder/RecorderForm.h"
#include "session/Session.h"
#include "session/support/CountingView.h"
#include "support/PumpUntil.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <set>
#include <thread>

using namespace talix;
using namespace talix::recorder;
using talix::testing::pumpUntil;

namespace {

session::SessionSettings settingsFor(const QTemporaryDir& data) {
    session::SessionSettings s;
    s.board = {"127.0.0.1", 9};
    s.rotator = {"127.0.0.1", 9};
    s.audio = "null";
    s.drives.set('C', data.filePath("C"));
    return s;
}

struct Recorder : ::testing::Test {
    Recorder() {
        QDir().mkpath(wav());
        QDir().mkpath(data.filePath("F"));
        drives.set('C', data.filePath("C"));
        drives.set('F', data.filePath("F"));
        setMessageHandler([this](const QString& text, bool) {
            messages.push_back(text);
            return answer;
        });
    }
    ~Recorder() override {
        form.reset();
        setMessageHandler(nullptr);
    }

    QString wav() const { return data.filePath("C/WAV"); }
    QString file(int n) const { return audio::recordingFilePath(wav(), n); }
    QString exported(int n) const { return data.filePath(QString("F/WAV/File%1.WAV").arg(n)); }

    // A recording of `blocks` blocks of 2048 bytes.
    void record(int n, int blocks) {
        QFile f(file(n));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const auto h = audio::wavFileHeader(uint32_t(blocks) * 2048);
        f.write(reinterpret_cast<const char*>(h.data()), 44);
        QByteArray audio(blocks * 2048, 0);
        for (int i = 0; i < audio.size(); ++i)
            audio[i] = char(i * 7 + n);
        f.write(audio);
    }
    void open(std::set<int> files, int blocks = 8) {
        for (int n : files)
            record(n, blocks);
        TF_Recorder::Context c;
        c.commands = &queue;
        c.playback = &session.playback();
        c.recordings = &session.recordings();
        c.drives = drives;
        c.wheel = [this](int delta) { wheelDeltas.push_back(delta); };
        c.locale = QLocale(QLocale::German);
        c.progressMs = 20;
        form = std::make_unique<TF_Recorder>(std::move(c));
        form->showForm();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get(), 10000));
    }
    QStringList lines() const {
        QStringList l;
        for (int i = 0; i < form->LV_Files->count(); ++i)
            l << form->LV_Files->item(i)->text();
        return l;
    }
    static void tap(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    // A touch on a line of the list selects it.
    void touchLine(int line) {
        QListWidget* list = form->LV_Files;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(line)).center());
        ASSERT_EQ(form->list().selected(), line);
    }
    bool idle() const {
        return form->B_Play->isEnabled() && !form->B_Play->isChecked() &&
               form->B_Delete->isEnabled() && form->B_Export->isEnabled() &&
               !form->B_Export->isChecked() && form->B_Exit->isEnabled() &&
               form->LV_Files->isEnabled() && !form->B_Stop->isEnabled() &&
               form->B_Stop->text() == "Stop";
    }
    bool busy() const {
        return !form->B_Play->isEnabled() && !form->B_Delete->isEnabled() &&
               !form->B_Export->isEnabled() && !form->B_Exit->isEnabled() &&
               !form->LV_Files->isEnabled() && form->B_Stop->isEnabled();
    }
    std::vector<link::Command> queued() { return queue.takeCommands(); }

    QTemporaryDir data;
    DriveMap drives;
    session::testing::CountingView view;
    session::Session session{settingsFor(data), QLocale(QLocale::German)};
    link::CommandQueue queue;
    std::unique_ptr<TF_Recorder> form;
    std::vector<QString> messages;
    std::vector<int> wheelDeltas;
    int answer = 0;
};

TEST_F(Recorder, ListsTheFilesAndScrollsAtTheBoardsWord) {
    open({0, 1, 5});
    EXPECT_EQ(lines(), (QStringList{"File0", "File1", "empty", "empty", "empty", "File5"}));
    EXPECT_EQ(form->LV_Files->currentRow(), 5);
    EXPECT_EQ(form->TB_Play->value(), 2);
    EXPECT_TRUE(idle());
    EXPECT_EQ(form->B_Play->text(), "Play");
    EXPECT_EQ(form->L_Bytes->text(), "Bytes:");
    EXPECT_EQ(form->size(), QSize(552, 736));

    form->hide();
    record(14, 1);
    form->showForm();
    ASSERT_EQ(lines().size(), 15);
    QScrollBar* bar = form->LV_Files->verticalScrollBar();
    EXPECT_EQ(bar->value(), 5);
    const uint32_t up = 1, down = 0;
    form->ApplyItem(0, {&up, 1});
    form->ApplyItem(0, {&up, 1});
    EXPECT_EQ(bar->value(), 3);
    form->ApplyItem(0, {&down, 1});
    EXPECT_EQ(bar->value(), 4);
}

TEST_F(Recorder, NothingToPlayDeleteOrExportWithoutFiles) {
    open({});
    EXPECT_EQ(lines(), QStringList{"empty"});
    tap(form->B_Play);
    QTest::mouseDClick(form->B_Delete, Qt::LeftButton);
    tap(form->B_Export);
    EXPECT_TRUE(idle());
    EXPECT_FALSE(session.recorderPlaying());
    EXPECT_TRUE(messages.empty());
}

// Play pauses the live audio; the time runs in tenths of seconds; the end brings the buttons and
// the live audio back.
TEST_F(Recorder, PlayingPausesTheLiveAudioUntilTheEnd) {
    ASSERT_EQ(session.open(view), audio::OpenResult::Ok);
    open({0}, 24); // 0,3 s
    touchLine(0);  // the only line: selected by a touch
    tap(form->B_Play);
    EXPECT_TRUE(session.recorderPlaying());
    EXPECT_TRUE(form->B_Play->isChecked());
    EXPECT_TRUE(busy());
    EXPECT_EQ(form->L_Bytes->text(), "Time:");
    EXPECT_EQ(form->L_Progress->text(), "0,0 s");
    ASSERT_TRUE(pumpUntil([&] { return idle(); }));
    EXPECT_FALSE(session.recorderPlaying());
    EXPECT_EQ(form->L_Progress->text(), "0,3 s");
    EXPECT_EQ(form->TB_Play->value(), 100);
    session.stop();
}

TEST_F(Recorder, StopEndsPlayingAndAClosedFormLetsTheLiveAudioGoOn) {
    ASSERT_EQ(session.open(view), audio::OpenResult::Ok);
    open({0, 1}, 800); // 10 s
    tap(form->B_Play);
    ASSERT_TRUE(pumpUntil([&] { return form->L_Progress->text() != "0,0 s"; }));
    tap(form->B_Stop);
    EXPECT_TRUE(idle());
    EXPECT_FALSE(session.recorderPlaying());
    EXPECT_FALSE(session.playback().playing());

    tap(form->B_Play);
    EXPECT_TRUE(session.recorderPlaying());
    form->closeForm(); // the board closes it
    EXPECT_FALSE(session.recorderPlaying());
    session.stop();
}

TEST_F(Recorder, DraggingTheBarSeeks) {
    open({0}, 800);
    touchLine(0);
    tap(form->B_Play);
    ASSERT_TRUE(session.playback().playing());
    QSlider* bar = form->TB_Play;
    const QPoint from = bar->rect().center();
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(4, from.y()));
    QTest::mouseMove(bar, QPoint(bar->width() * 3 / 4, from.y()));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(bar->width() * 3 / 4, from.y()));
    EXPECT_GT(session.playback().position(), session.playback().duration() / 2);
    tap(form->B_Stop);
}

// A finger down anywhere on the bar, far from the handle, puts the position under it and follows
// it until lifted.
TEST_F(Recorder, APressAnywhereOnTheBarSeeksAndADragFollows) {
    open({0}, 8000); // 100 s
    touchLine(0);
    tap(form->B_Play);
    ASSERT_TRUE(session.playback().playing());
    SeekBar* bar = form->TB_Play;
    ASSERT_LE(bar->value(), 5); // the handle at the left end
    const int y = bar->rect().center().y();
    const auto percentPlayed = [&] {
        return double(session.playback().position()) * 100 / double(session.playback().duration());
    };

    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(bar->width() * 3 / 4, y));
    EXPECT_NEAR(bar->value(), 75, 6);
    EXPECT_NEAR(percentPlayed(), 75, 6);

    QTest::mouseMove(bar, QPoint(bar->width() / 3, y));
    EXPECT_NEAR(bar->value(), 33, 6);
    EXPECT_NEAR(percentPlayed(), 33, 6);

    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(bar->width() / 3, y));
    EXPECT_NEAR(percentPlayed(), 33, 6);
    EXPECT_FALSE(bar->isSliderDown());
    tap(form->B_Stop);
}

TEST_F(Recorder, DeleteTakesADoubleClickAndTrimsTheList) {
    open({0, 1, 5});
    tap(form->B_Delete);
    EXPECT_TRUE(QFile::exists(file(5)));
    QTest::mouseDClick(form->B_Delete, Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(file(5)));
    EXPECT_EQ(lines(), (QStringList{"File0", "File1"}));
    EXPECT_EQ(form->LV_Files->currentRow(), 1);
    EXPECT_TRUE(QFile::exists(file(1)));
}

// Each chunk waits until the form has shown the percentage so far: the bar visibly rises to 100.
TEST_F(Recorder, ExportShowsItsProgressAndIsOnTheStickWhenDone) {
    open({2}, 1500); // about 3 MB
    std::atomic<int> shown{-1};
    session::FileExport& e = session.recordings().fileExport();
    e.setChunkHook([&](uint64_t) {
        const int p = e.percent();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (shown < p && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    tap(form->B_Export);
    EXPECT_EQ(form->B_Stop->text(), "Abort");
    EXPECT_TRUE(busy());
    std::vector<int> seen;
    ASSERT_TRUE(pumpUntil([&] {
        const int v = form->TB_Play->value();
        if (seen.empty() || seen.back() != v)
            seen.push_back(v);
        if (form->copying())
            shown = v;
        return idle();
    }));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_GE(seen.size(), 10u);
    EXPECT_EQ(seen.back(), 100);
    EXPECT_EQ(form->L_Progress->text(), "3.072.044");
    QFile a(file(2)), b(exported(2));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

TEST_F(Recorder, TheOverwriteQuestionIsAnsweredBothWays) {
    open({0, 1});
    QDir().mkpath(data.filePath("F/WAV"));
    QFile old(exported(1));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("older copy");
    old.close();

    answer = 0; // Cancel
    tap(form->B_Export);
    EXPECT_EQ(messages, std::vector<QString>{"File already exists! Overwrite?"});
    EXPECT_TRUE(idle());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "older copy");
    old.close();

    answer = 1; // OK
    tap(form->B_Export);
    ASSERT_TRUE(pumpUntil([&] { return idle(); }));
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(QFileInfo(exported(1)).size(), QFileInfo(file(1)).size());
}

TEST_F(Recorder, AbortLeavesNoPartialFileOnTheStick) {
    open({0}, 400);
    touchLine(0);
    std::atomic<bool> aborted{false};
    session.recordings().fileExport().setChunkHook([&](uint64_t) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!aborted && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    tap(form->B_Export);
    ASSERT_EQ(form->B_Stop->text(), "Abort");
    tap(form->B_Stop);
    aborted = true;
    ASSERT_TRUE(pumpUntil([&] { return idle(); }));
    EXPECT_EQ(messages, std::vector<QString>{"Can't copy file!"});
    EXPECT_TRUE(QDir(data.filePath("F/WAV")).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(Recorder, AMissingStickIsTold) {
    open({0, 1});
    QDir(data.filePath("F")).removeRecursively();
    QFile blocker(data.filePath("F"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // the stick's folder cannot be made
    blocker.close();
    tap(form->B_Export);
    EXPECT_TRUE(idle());

    drives.set('F', QString()); // no stick at all
    form.reset();
    open({});
    record(1, 1);
    form->hide();
    form->showForm();
    tap(form->B_Export);
    EXPECT_EQ(messages, (std::vector<QString>{"Can't copy file, please check USB drive!",
                                              "Can't copy file, please check USB drive!"}));
    EXPECT_TRUE(idle());
}

TEST_F(Recorder, CloseAsksTheBoardAndRefreshesTheNextFileNumber) {
    open({0, 1});
    session.recordingSink().scan(wav());
    EXPECT_EQ(session.recordingSink().fileText(), "Next File: File2");
    QFile::remove(file(0));
    tap(form->B_Exit);
    EXPECT_EQ(queued(), (std::vector<link::Command>{link::Command{1, 10, 0}}));
    EXPECT_EQ(session.recordingSink().fileText(), "Next File: File0");
    EXPECT_TRUE(form->isVisible()); // the board closes it
}

TEST_F(Recorder, TheWheelOverTheFormAndItsListTunes) {
    open({0, 1});
    QWheelEvent overForm(QPointF(10, 10), form->mapToGlobal(QPointF(10, 10)), {}, {0, 120},
                         Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(form.get(), &overForm);
    QWidget* list = form->LV_Files->viewport();
    QWheelEvent overList(QPointF(10, 10), list->mapToGlobal(QPointF(10, 10)), {}, {0, -120},
                         Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &overList);
    EXPECT_EQ(wheelDeltas, (std::vector<int>{120, -120}));
}

// The position bar is no wheel target: the wheel over it tunes, and the bar stays where it was.
TEST_F(Recorder, TheWheelOverThePositionBarTunes) {
    open({0, 1});
    SeekBar* bar = form->TB_Play;
    const int before = bar->value();
    const QPointF at = bar->rect().center();
    for (int delta : {120, -120, -120}) {
        QWheelEvent turn(at, bar->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, {},
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &turn);
    }
    EXPECT_EQ(wheelDeltas, (std::vector<int>{120, -120, -120}));
    EXPECT_EQ(bar->value(), before);
}

} // namespace
