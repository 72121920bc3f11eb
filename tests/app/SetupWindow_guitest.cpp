// The Setup form inside the program: shown, filled and closed by the board's words, its taps on
// the wire, the full queue's message, and what its items change on the main window. End to end
// against the simulated board.
#include "app/Forms.h"
#include "app/MainWindowView.h"
#include "app/MessageForm.h"
#include "app/support/LoopbackContext.h"
#include "app/support/ScreenPixels.h"
#include "app/support/SimulatedBoard.h"
#include "base/BoardWords.h"
#include "base/Tags.h"
#include "controls/FieldHighlight.h"
#include "controls/MainControls.h"
#include "display/spectrum/SpectrumDisplay.h"
#include "display/spectrum/SpectrumScreen.h"
#include "link/CommandRecords.h"
#include "session/Session.h"
#include "settings/SetupForm.h"
#include "support/LoopbackServer.h"
#include "support/ParamFrames.h"
#include "support/PumpUntil.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::app;
using namespace talix::testing;
using settings::TF_Setup;

namespace {

// A main window whose frames are handed to the message procedure directly; the board on loopback
// receives the commands.
struct SetupWindow {
    explicit SetupWindow(uint16_t port) : forms(loopbackContext(port, data.path(), 1000)) {
        main.show();
        QApplication::setActiveWindow(&main);
    }
    void send(const Words& paramWords, uint8_t audioByte = 0xA1) {
        const Words b = block(paramWords);
        const Payload p = payload(streamHeader(uint32_t(b.size()), seq++, false), b, 0, audioByte);
        session.linkFrame(p.data(), lParamOf(counter++));
    }
    void item(int item, uint32_t v) {
        send({valueWord(item, board::number(board::Form::Setup)), v});
    }
    void show() {
        send({showForm(board::number(board::Form::Setup))});
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&setup, 10000));
    }
    QLabel* mainLabel(const char* name) {
        return main.findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
    }
    int mark(int tag) { return tagFloatOf(main.TFieldTable[size_t(tag)]); }
    void clearMarks() {
        for (QWidget* w : main.TFieldTable)
            if (w)
                setTagFloat(w, 0);
    }
    sync::ReceiverState& state() { return session.state(); }

    QTemporaryDir data;
    FormSet forms;
    TFMain& main = forms.main();
    session::Session& session = forms.session();
    TF_Setup& setup = *dynamic_cast<TF_Setup*>(forms.F_Setup);
    uint16_t counter = 1;
    uint32_t seq = 1;
};

void tap(QWidget* w) {
    QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, {},
                      w->mapTo(w->window(), w->rect().center()));
}

// The bar's style as it reaches the screen, full: the blue bar style's fill runs from #7BB6ED to
// #0571A2, the red one's from #ED7B97 to #A20536.
bool showsBlue(QProgressBar* bar) {
    bar->setValue(100);
    const QColor c = centreOf(onScreen(bar));
    return c.blue() > c.red() + 60;
}
bool showsRed(QProgressBar* bar) {
    bar->setValue(100);
    const QColor c = centreOf(onScreen(bar));
    return c.red() > c.blue() + 60;
}

// The bytes the board received after the greeting: the acknowledgement of the block that showed
// the form (13, 0, sequence 1), then the commands.
std::vector<uint8_t> commandsOf(const LoopbackServer& board) {
    std::vector<uint8_t> r = board.received(0);
    return r.empty() ? r : std::vector<uint8_t>(r.begin() + 1, r.end());
}

TEST(SetupOnMainWindow, IsTheFormInSlotOne) {
    LoopbackServer board;
    SetupWindow w(board.port());
    EXPECT_EQ(w.forms.session().formSlots().at(1), &w.setup);
}

TEST(SetupOnMainWindow, TheBoardShowsFillsSelectsAndClosesIt) {
    LoopbackServer board;
    SetupWindow w(board.port());
    w.show();
    EXPECT_TRUE(w.setup.isVisible());
    EXPECT_EQ(w.setup.pos(), w.main.mapToGlobal(QPoint(4, 4)));
    w.send({valueWord(0, 1), 20, valueWord(4, 1), 35, valueWord(13, 1), 1, fieldSelect(9, 1)});
    EXPECT_EQ(w.setup.Edits[0]->text(), "Speed 3");
    EXPECT_EQ(w.setup.Edits[13]->text(), "       Track Frequency");
    EXPECT_EQ(controls::editStyleOf(w.setup.Edits[9]), "Edit1Style4");
    EXPECT_EQ(controls::editStyleOf(w.setup.Edits[0]), "Edit1Style3");
    EXPECT_EQ(w.setup.currentField(), w.setup.Edits[9]);
    w.send({closeForm(1)});
    EXPECT_FALSE(w.setup.isVisible());
}

TEST(SetupOnMainWindow, TapsAndCloseReachTheBoardAndTheFormStaysOpen) {
    LoopbackServer board;
    SetupWindow w(board.port());
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return board.received(0).size() == 1; }));
    w.show();
    tap(w.setup.Edits[4]);
    tap(w.setup.findChild<QLabel*>("Label15"));
    tap(w.setup.B_Exit);
    const std::vector<uint8_t> expected{13, 0, 1, 0, 0, 192, 4, 1, 0, 192, 13, 1, 0, 1, 10, 1};
    EXPECT_TRUE(LoopbackServer::waitFor([&] { return commandsOf(board) == expected; }));
    EXPECT_TRUE(w.setup.isVisible());
}

TEST(SetupOnMainWindow, AFullQueueShowsNoWiFiConnection) {
    uint16_t closedPort = 0;
    {
        LoopbackServer probe;
        closedPort = probe.port();
    }
    SetupWindow w(closedPort);
    w.show();
    link::CommandQueue& queue = w.forms.session().commands();
    while (queue.waiting() < link::kQueueLimit)
        queue.QueueCommand({0xEE}, link::LimitRule::None);
    QString shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (w.forms.F_Message->isVisible()) {
            shown = w.forms.F_Message->Message->text();
            w.forms.F_Message->reject();
        }
    });
    poll.start(5);
    tap(w.setup.Edits[6]);
    EXPECT_EQ(shown, "No WiFi Connection!");
    EXPECT_EQ(queue.waiting(), link::kQueueLimit);
}

TEST(SetupOnMainWindow, TheWheelOverTheFormTurnsTheKnob) {
    LoopbackServer board;
    SetupWindow w(board.port());
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return board.received(0).size() == 1; }));
    w.show();
    const float angle = w.state().KnobAngle;
    w.clearMarks();
    QWheelEvent e(QPointF(5, 5), w.setup.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w.setup, &e);
    EXPECT_NE(w.state().KnobAngle, angle);
    EXPECT_EQ(w.mark(37), 1);
    EXPECT_TRUE(LoopbackServer::waitFor(
        [&] { return commandsOf(board) == std::vector<uint8_t>{13, 0, 1, 0, 0, 2, 2}; }));
}

TEST(SetupOnMainWindow, SoftwareUpdateOpensTheUpdateFormAboveAndItsCloseLeavesIt) {
    LoopbackServer board;
    SetupWindow w(board.port());
    w.show();
    tap(w.setup.B_Update);
    ASSERT_TRUE(pumpUntil([&] { return w.forms.F_Update->isVisible(); }));
    EXPECT_EQ(w.forms.F_Update->pos(), w.main.mapToGlobal(QPoint(4, 4)));
    EXPECT_TRUE(w.forms.F_Update->isModal());
    // Shown after the Setup form, which stays on top itself.
    EXPECT_TRUE(w.forms.F_Update->windowFlags() & Qt::WindowStaysOnTopHint);
    tap(w.forms.F_Update->findChild<QWidget*>("B_Close"));
    EXPECT_TRUE(pumpUntil([&] { return !w.forms.F_Update->isVisible(); }));
    EXPECT_TRUE(w.setup.isVisible());
}

TEST(SetupOnMainWindow, LevelUnitsChangeUnitsScaleAndThresholdLine) {
    LoopbackServer board;
    SetupWindow w(board.port());
    w.state().TunedFreq = 1'450'000'000;
    w.state().Threshold = 60;
    w.state().DbPerDiv = 10;
    w.state().TopLevel = 103;
    w.item(1, 0x00);
    const int dbmRow = w.main.spectrum()->display().thresholdRow();
    w.clearMarks();
    w.item(1, 0x10);
    EXPECT_EQ(w.setup.Edits[1]->text(), "dBµV");
    for (const char* unit : {"LETop", "LEBot", "LThreshold_Unit"})
        EXPECT_EQ(w.mainLabel(unit)->text(), "dBµV") << unit;
    EXPECT_EQ(w.mainLabel("LM120dBm")->text(), "-33");
    EXPECT_EQ(w.mainLabel("LM80dBm")->text(), "+7");
    EXPECT_EQ(w.mainLabel("LM40dBm")->text(), "+47");
    EXPECT_EQ(w.mainLabel("L0dBm")->text(), "+87");
    EXPECT_EQ(w.mark(10), 1);
    EXPECT_EQ(w.mark(31), 1);
    EXPECT_EQ(w.mark(34), 1);
    EXPECT_NE(w.main.spectrum()->display().thresholdRow(), dbmRow);
    EXPECT_EQ(w.state().ReceiverFlags, 0x10);
}

TEST(SetupOnMainWindow, GainControlSwitchesAgcLimitAndRfGain) {
    LoopbackServer board;
    SetupWindow w(board.port());
    w.state().GainCtrlIndex = 3;
    w.item(1, 0x18);
    w.clearMarks();
    w.item(2, 0x18);
    EXPECT_EQ(w.mainLabel("LGain")->text(), "AGC Limit");
    EXPECT_EQ(w.mainLabel("LGain_Unit")->text(), "dBµV");
    EXPECT_EQ(w.mark(22), 2);
    EXPECT_EQ(w.mark(23), 2);
    w.item(2, 0x10);
    EXPECT_EQ(w.setup.Edits[2]->text(), "Manual");
    EXPECT_EQ(w.mainLabel("LGain")->text(), "RF Gain");
    EXPECT_EQ(w.mainLabel("LGain_Unit")->text(), "dB");
}

TEST(SetupOnMainWindow, AudioResolutionRebuildsTheGrid) {
    LoopbackServer board;
    SetupWindow w(board.port());
    w.state().BinHz = 160;
    w.state().ModeIndex = 2; // LSB: the grid offset follows the resolution
    w.item(7, 4);
    EXPECT_FLOAT_EQ(w.main.spectrum()->gridOffset(), 1.5f - 96);
    w.item(7, 8);
    EXPECT_FLOAT_EQ(w.main.spectrum()->gridOffset(), 1.5f - 64);
    EXPECT_EQ(w.setup.Edits[7]->text(), "20 Hz/Bin");
}

TEST(SetupOnMainWindow, LoudspeakerTurnsHostPlaybackOnAndRestylesTheBar) {
    LoopbackServer board;
    SetupWindow w(board.port());
    ASSERT_TRUE(pumpUntil([&] { return w.forms.session().playbackRing().isOpen(); }));
    QProgressBar* bar = w.main.controls()->PBWiFi;
    w.item(9, 1); // internal only: the board's audio is not played here
    EXPECT_TRUE(showsBlue(bar));
    const int idle = w.forms.session().playbackRing().fillIndex();
    w.send({});
    EXPECT_EQ(w.forms.session().playbackRing().fillIndex(), idle);
    w.item(9, 3);
    EXPECT_TRUE(showsRed(bar));
    EXPECT_EQ(w.setup.Edits[9]->text(), "Internal + External");
    const int before = w.forms.session().playbackRing().fillIndex();
    w.send({});
    EXPECT_NE(w.forms.session().playbackRing().fillIndex(), before);
    w.item(9, 2);
    EXPECT_TRUE(showsRed(bar));
    w.item(9, 0);
    EXPECT_TRUE(showsBlue(bar));
}

TEST(SetupOnMainWindow, DisplayRateRepaintsTimeReadoutAndScale) {
    LoopbackServer board;
    SetupWindow w(board.port());
    w.clearMarks();
    w.item(11, 2u << 29);
    EXPECT_EQ(w.state().SettingsWord, 2u << 29);
    EXPECT_EQ(w.mark(13), 1);
    EXPECT_EQ(w.mark(36), 1);
    EXPECT_EQ(w.setup.Edits[11]->text(), "1/3");
}

TEST(SetupOnMainWindow, PriorityMovesTheGridAndItsScales) {
    LoopbackServer board;
    SetupWindow w(board.port());
    w.state().BinHz = 160;
    w.state().ModeIndex = 3;
    w.clearMarks();
    w.item(12, 0x80000000);
    EXPECT_EQ(w.setup.Edits[12]->text(), "High");
    EXPECT_EQ(w.mark(33), 2); // Panel4 and Panel6 read the grid offset
    EXPECT_EQ(w.mark(35), 2);
    EXPECT_FLOAT_EQ(w.main.spectrum()->gridOffset(), 1.5f - 128);
}

TEST(SetupOnMainWindow, TouchActionIsStoredForTheSpectrum) {
    LoopbackServer board;
    SetupWindow w(board.port());
    w.item(13, 2);
    EXPECT_EQ(w.state().TouchAction, 2);
    w.item(13, 5);
    EXPECT_EQ(w.state().TouchAction, 0);
    EXPECT_EQ(w.setup.Edits[13]->text(), "             No Action");
}

// End to end: the program against the simulated board.
TEST(SetupOnMainWindow, TheSimulatedBoardShowsTheFormAndTakesItsTaps) {
    sim::SimBoard board(simulatedBoardOptions());
    ASSERT_TRUE(board.start()) << board.error();
    QTemporaryDir data;
    FormSet forms(streamingBoardContext(board.port(), data.path()));
    TFMain& main = forms.main();
    main.show();
    auto& setup = *dynamic_cast<TF_Setup*>(forms.F_Setup);
    // The board's state arrives after the greeting; then the Setup button.
    ASSERT_TRUE(pumpUntil([&] { return board.blocksAcknowledged() >= 1; }));
    tap(main.controls()->B_Setup);
    ASSERT_TRUE(pumpUntil([&] { return setup.isVisible(); })) << board.connectionsAccepted();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&setup, 10000));
    // Filled with the board's values: every edit shows a decoded text.
    EXPECT_TRUE(pumpUntil([&] { return setup.Edits[7]->text().endsWith(" Hz/Bin"); }));
    EXPECT_TRUE(pumpUntil([&] { return setup.Edits[4]->text().endsWith(" kHz"); }));

    // A tap selects the field on the board, which highlights it.
    tap(setup.Edits[13]);
    EXPECT_TRUE(pumpUntil([&] { return setup.currentField() == setup.Edits[13]; }));
    EXPECT_EQ(controls::editStyleOf(setup.Edits[13]), "Edit1Style4");

    // The wheel over the form changes the selected setting on the board.
    const QString before = setup.Edits[13]->text();
    for (int i = 0; i < 2; ++i) {
        QWheelEvent e(QPointF(5, 5), setup.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&setup, &e);
    }
    EXPECT_TRUE(pumpUntil([&] { return setup.Edits[13]->text() != before; }));

    // Close asks the board, which closes the form.
    tap(setup.B_Exit);
    EXPECT_TRUE(pumpUntil([&] { return !setup.isVisible(); }));
    const auto records = board.receivedRecords();
    EXPECT_NE(std::find(records.begin(), records.end(), std::vector<uint8_t>{192, 13, 1, 0}),
              records.end());
    EXPECT_NE(std::find(records.begin(), records.end(), std::vector<uint8_t>{1, 10, 1}),
              records.end());
}

} // namespace
