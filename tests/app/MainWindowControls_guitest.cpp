// The main window's own controls against the simulated board: every touch goes through the real
// handlers, the real queue and the link, and the board's answer changes what the window shows.
#include "app/Forms.h"
#include "app/MainWindowView.h"
#include "base/BoardWords.h"
#include "controls/DemodList.h"
#include "controls/MainControls.h"
#include "controls/support/Pointer.h"
#include "session/Session.h"
#include "sim/SimBoard.h"
#include "support/ParamFrames.h"
#include "support/PumpUntil.h"
#include "support/SimulatedBoard.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::app;
using namespace talix::controls::testing;
using talix::testing::pumpUntil;
using talix::testing::simulatedBoardOptions;
using talix::testing::streamingBoardContext;
using talix::testing::valueWord;

namespace {

constexpr uint8_t kModeUsb = 3;

class MainWindowControls : public ::testing::Test {
protected:
    void SetUp() override {
        board = std::make_unique<sim::SimBoard>(simulatedBoardOptions());
        ASSERT_TRUE(board->start()) << board->error();
        forms = std::make_unique<FormSet>(streamingBoardContext(board->port(), data.path()));
        showAndExpose(&main());
        // The board's state arrives after the greeting: the frequency readout is selected.
        ASSERT_TRUE(
            pumpUntil([&] { return state().TunedFreq != 0 && board->blocksAcknowledged() >= 2; }));
    }
    void TearDown() override {
        forms.reset();
        board.reset();
    }

    TFMain& main() { return forms->main(); }
    session::Session& session() { return forms->session(); }
    const sync::ReceiverState& state() { return session().state(); }
    controls::MainControls& c() { return *main().controls(); }
    // Waits for the board to report a tuned frequency other than the one given.
    bool retunedFrom(int32_t before) {
        return pumpUntil([&] { return state().TunedFreq != before; });
    }

    QTemporaryDir data;
    std::unique_ptr<sim::SimBoard> board;
    std::unique_ptr<FormSet> forms;
};

TEST_F(MainWindowControls, TheWheelAnywhereTunesTheBoard) {
    const int32_t before = state().TunedFreq;
    for (int turn = 0; turn < 4; ++turn)
        wheel(&main(), QPointF(1300, 300), 120);
    EXPECT_TRUE(retunedFrom(before));
}

TEST_F(MainWindowControls, TurningTheKnobTunesTheBoard) {
    QWidget* knob = c().S_Geber;
    const QPointF centre(knob->width() / 2.0, knob->height() / 2.0);
    const double radius = knob->width() / 2.5;
    auto at = [&](double deg) {
        const double rad = deg * M_PI / 180;
        return centre + QPointF(radius * std::cos(rad), -radius * std::sin(rad));
    };
    const int32_t before = state().TunedFreq;
    press(knob, at(90));
    for (int deg = 80; deg >= 0; deg -= 10)
        moveTo(knob, at(deg));
    release(knob, at(0));
    EXPECT_TRUE(retunedFrom(before));
}

TEST_F(MainWindowControls, ATapOnTheSpectrumTunesTheBoardThere) {
    QWidget* panel = main().findChild<QWidget*>("Panel2");
    ASSERT_NE(panel, nullptr);
    const int32_t before = state().TunedFreq;
    click(panel, QPointF(panel->width() * 0.3, panel->height() / 2.0));
    ASSERT_TRUE(retunedFrom(before));
    EXPECT_LT(state().TunedFreq, before); // left of the centre is lower
}

TEST_F(MainWindowControls, WithNoTouchActionATapOnTheSpectrumSendsNothing) {
    constexpr uint32_t kNoAction = 5;
    board->sendParamWords(
        {valueWord(board::number(board::SetupItem::TouchAction), board::number(board::Form::Setup)),
         kNoAction});
    ASSERT_TRUE(pumpUntil([&] { return state().TouchAction == 0; }));
    QWidget* panel = main().findChild<QWidget*>("Panel2");
    ASSERT_NE(panel, nullptr);
    const size_t recordsBefore = board->receivedRecords().size();
    click(panel, QPointF(panel->width() * 0.3, panel->height() / 2.0));
    // The wheel's steps arrive after anything the tap would have sent.
    const int32_t before = state().TunedFreq;
    for (int turn = 0; turn < 4; ++turn)
        wheel(&main(), QPointF(1300, 300), 120);
    ASSERT_TRUE(retunedFrom(before));
    const auto records = board->receivedRecords();
    for (size_t i = recordsBefore; i < records.size(); ++i)
        EXPECT_NE(records[i].front(), board::number(board::Record::SetValue)) << "record " << i;
}

TEST_F(MainWindowControls, TheDemodulatorListSetsTheBoardsMode) {
    auto* demods = qobject_cast<controls::TF_Demods*>(forms->F_Demods);
    ASSERT_NE(demods, nullptr);
    ASSERT_NE(state().ModeIndex, kModeUsb);
    bool chosen = false;
    // The list is modal: the choice is made from inside its event loop.
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(QTest::qWaitFor([&] { return demods->isVisible(); }, 10000));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(demods, 10000));
        controls::PickCell* usb = demods->cellWithTag(kModeUsb);
        ASSERT_NE(usb, nullptr);
        click(demods, centreIn(usb, demods));
        chosen = true;
    });
    QLineEdit* mode = main().findChild<QLineEdit*>("EDemod");
    ASSERT_NE(mode, nullptr);
    doubleClick(mode, centreIn(mode, mode));
    ASSERT_TRUE(chosen);
    EXPECT_FALSE(demods->isVisible());
    EXPECT_TRUE(pumpUntil([&] { return state().ModeIndex == kModeUsb; }));
}

} // namespace
