// Recording inside the program against the simulated board: B_Rec and E_File in plain sight, a
// recording made by touches, the recorder form shown by the board, played, and closed again.
#include "app/Forms.h"
#include "app/support/LoopbackContext.h"
#include "app/support/SimulatedBoard.h"
#include "controls/MainControls.h"
#include "controls/support/Pointer.h"
#include "recorder/RecorderForm.h"
#include "session/Session.h"
#include "support/PumpUntil.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::app;
using namespace talix::controls::testing;
using talix::testing::pumpUntil;
using talix::testing::simulatedBoardOptions;
using talix::testing::streamingBoardContext;

namespace {

class Recording : public ::testing::Test {
protected:
    void SetUp() override {
        board = std::make_unique<sim::SimBoard>(simulatedBoardOptions());
        ASSERT_TRUE(board->start()) << board->error();
        forms = std::make_unique<FormSet>(streamingBoardContext(board->port(), data.path()));
        session().recordingSink().setFreeSpaceProbe(
            [](const QString&) { return uint64_t(50'000'000'000ULL); });
        showAndExpose(&main());
        ASSERT_TRUE(pumpUntil([&] { return board->blocksAcknowledged() >= 2; }));
    }
    void TearDown() override {
        forms.reset();
        board.reset();
    }
    TFMain& main() { return forms->main(); }
    session::Session& session() { return forms->session(); }
    controls::MainControls& c() { return *main().controls(); }
    void tap(QWidget* w) { click(w, w->rect().center()); }

    QTemporaryDir data;
    std::unique_ptr<sim::SimBoard> board;
    std::unique_ptr<FormSet> forms;
};

// A finger's size, inside the window, and no other control under them.
TEST_F(Recording, RecAndTheFileTextAreInPlainSight) {
    const QRect window(QPoint(0, 0), main().size());
    for (QWidget* w : {static_cast<QWidget*>(c().B_Rec), static_cast<QWidget*>(c().E_File)}) {
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(window.contains(w->geometry()));
        for (QObject* o : main().children()) {
            auto* other = qobject_cast<QWidget*>(o);
            if (other && other != w && other->isVisible() && !other->isWindow()) {
                EXPECT_FALSE(other->geometry().intersects(w->geometry()))
                    << w->objectName().toStdString() << " under "
                    << other->objectName().toStdString();
            }
        }
    }
    EXPECT_GE(c().B_Rec->height(), 60);
    EXPECT_GE(c().B_Rec->width(), 150);
    const QString longest = QString("File199: %1 MByte").arg(QLocale().toString(1073.7, 'f', 1));
    EXPECT_LE(c().E_File->fontMetrics().horizontalAdvance(longest),
              c().E_File->contentsRect().width());
}

TEST_F(Recording, RecordPlayAndCloseTheRecorderByTouch) {
    session::RecordingSink& sink = session().recordingSink();
    EXPECT_EQ(c().E_File->text(), "Next File: File0");
    tap(c().B_Rec);
    ASSERT_TRUE(sink.running());
    EXPECT_TRUE(c().B_Rec->isChecked());
    EXPECT_FALSE(c().B_Recorder->isEnabled());
    ASSERT_TRUE(pumpUntil([&] { return c().E_File->text().startsWith("File0: "); }));
    ASSERT_TRUE(pumpUntil([&] { return sink.RecordedBytes >= 64 * 2048; }));
    tap(c().B_Rec);
    EXPECT_FALSE(sink.running());
    EXPECT_FALSE(c().B_Rec->isChecked());
    EXPECT_EQ(c().E_File->text(), "Next File: File1");
    const QString file0 = data.filePath("WAV/File0.WAV");
    EXPECT_GE(QFileInfo(file0).size(), 44 + 64 * 2048);

    tap(c().B_Recorder);
    auto* recorder = dynamic_cast<recorder::TF_Recorder*>(forms->F_Recorder);
    ASSERT_NE(recorder, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return recorder->isVisible(); }));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(recorder, 10000));
    ASSERT_EQ(recorder->LV_Files->count(), 1);
    QListWidget* list = recorder->LV_Files;
    click(list->viewport(), list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(recorder->list().selected(), 0);
    tap(recorder->B_Play);
    EXPECT_TRUE(session().recorderPlaying());
    tap(recorder->B_Stop);
    EXPECT_FALSE(session().recorderPlaying());
    tap(recorder->B_Exit);
    ASSERT_TRUE(pumpUntil([&] { return !recorder->isVisible(); }));
    EXPECT_TRUE(pumpUntil([&] { return c().B_Recorder->isEnabled() && c().B_Rec->isEnabled(); }));
}

} // namespace
