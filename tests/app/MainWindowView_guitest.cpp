// The board's words applied to the main window: forms shown and closed, controls enabled and
// disabled, fields selected, items on their controls, link quality, and the acknowledgement on the
// wire.
#include "app/ControlTargets.h"
#include "app/Forms.h"
#include "app/HostControls.h"
#include "app/MainWindowView.h"
#include "app/support/LoopbackContext.h"
#include "app/support/ScreenPixels.h"
#include "base/Tags.h"
#include "controls/ArrowIndicator.h"
#include "controls/FieldHighlight.h"
#include "controls/MainControls.h"
#include "controls/UndoBox.h"
#include "link/CommandRecords.h"
#include "session/Session.h"
#include "support/LoopbackServer.h"
#include "support/ParamFrames.h"
#include "support/PumpUntil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::app;
using namespace talix::testing;

namespace {

// A main window against a scripted board; frames are handed to the message procedure directly.
// The scripted board sends a frame now and then: a loaded test machine that is slow to walk one
// must not see the link dropped before its acknowledgement is written.
ProgramContext patientContext(uint16_t port, const QString& dataDir) {
    ProgramContext c = loopbackContext(port, dataDir);
    c.receiveTimings.streamingIdleLimit = c.receiveTimings.idleLimit;
    return c;
}

struct Window {
    LoopbackServer board;
    QTemporaryDir data;
    FormSet forms{patientContext(board.port(), data.path())};
    TFMain& main = forms.main();
    session::Session& session = forms.session();
    controls::MainControls& c = *forms.main().controls();
    uint16_t counter = 1;
    uint32_t seq = 1;

    Window() {
        main.show();
        QApplication::setActiveWindow(&main);
    }
    // One block in one frame, with a fresh sequence number.
    void send(const Words& paramWords, uint32_t status = 0) {
        const Words b = block(paramWords);
        const Payload p = payload(streamHeader(uint32_t(b.size()), seq++, false), b, status);
        session.linkFrame(p.data(), lParamOf(counter++));
    }
    MainWindowView& view() { return forms.view(); }
};

// Every main-window control except the ones the board leaves usable while it shows a form.
bool onlyVolumeOffAndKnobEnabled(TFMain& main) {
    const QStringList usable = {"B_OFF", "SBLSP", "SBKH", "S_Geber"};
    for (QObject* o : main.children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w == nullptr || w->isWindow())
            continue;
        if (w->isEnabled() != usable.contains(w->objectName()))
            return false;
    }
    return true;
}

bool allEnabled(TFMain& main) {
    for (QObject* o : main.children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w != nullptr && !w->isWindow() && !w->isEnabled())
            return false;
    }
    return true;
}

bool allDisabled(TFMain& main) {
    for (QObject* o : main.children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow() && w->isEnabled())
            return false;
    return true;
}

} // namespace

TEST(MainWindowView, ShowingAFormDisablesTheMainWindowAndClosingEnablesIt) {
    Window w;
    w.send({showForm(1)});
    EXPECT_TRUE(w.forms.F_Setup->isVisible());
    EXPECT_TRUE(onlyVolumeOffAndKnobEnabled(w.main));
    EXPECT_TRUE(w.forms.F_Setup->isEnabled());
    w.send({closeForm(1)});
    EXPECT_FALSE(w.forms.F_Setup->isVisible());
    EXPECT_TRUE(allEnabled(w.main));
}

TEST(MainWindowView, FormsTheBoardShowsAndClosesLeaveTheTouchLockOn) {
    Window w;
    controls::TouchLock& lock = w.forms.hostControls().touchLock();
    lock.B_TouchDblClick();
    ASSERT_TRUE(lock.locked());
    ASSERT_TRUE(allDisabled(w.main));
    w.send({showForm(1)});
    EXPECT_TRUE(w.forms.F_Setup->isVisible());
    EXPECT_TRUE(allDisabled(w.main));
    w.send({closeForm(1)});
    EXPECT_TRUE(allDisabled(w.main));
    w.send({showForm(15), closeForm(15)});
    EXPECT_TRUE(allDisabled(w.main));
    lock.B_TouchDblClick();
    EXPECT_TRUE(allEnabled(w.main));
}

// Qt hands the focus of a control being disabled to the next one; a readout taking it that way
// would select itself on the board, and the next one, until the queue overflows.
TEST(MainWindowView, DisablingTheMainWindowSendsNoFieldSelection) {
    Window w;
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return w.board.received(0).size() == 1; }));
    // A control that is disabled before the readouts holds the focus, and the main window stays
    // the active window, as when the board's form has not taken over yet.
    QWidget* focused = nullptr;
    for (QObject* o : w.main.children())
        if (auto* b = qobject_cast<QAbstractButton*>(o);
            b && !focused && (b->focusPolicy() & Qt::TabFocus))
            focused = b;
    ASSERT_NE(focused, nullptr);
    focused->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(focused->hasFocus());
    // A flood of selections would end in the modal "No WiFi Connection!"; close it to fail.
    QString modal;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* m = QApplication::activeModalWidget()) {
            modal = m->objectName();
            m->close();
        }
    });
    closer.start(10);
    w.view().disableMainControls(false);
    closer.stop();
    EXPECT_EQ(modal, QString());
    ASSERT_TRUE(onlyVolumeOffAndKnobEnabled(w.main));
    const link::Command marker = link::commands::button(0x0707);
    w.forms.session().commands().QueueCommand(marker, link::LimitRule::Notify);
    std::vector<uint8_t> expected{0x12};
    expected.insert(expected.end(), marker.begin(), marker.end());
    EXPECT_TRUE(
        LoopbackServer::waitFor([&] { return w.board.received(0).size() >= expected.size(); }));
    EXPECT_EQ(w.board.received(0), expected);
}

TEST(MainWindowView, TheBoardShowsFillsAndClosesTheUndoBox) {
    Window w;
    auto* undo = dynamic_cast<controls::TF_Undo*>(w.forms.F_Undo);
    ASSERT_NE(undo, nullptr);
    w.send({showForm(3), valueWord(0, 3), 0x105});
    EXPECT_TRUE(undo->isVisible());
    EXPECT_EQ(undo->Edit0->text(), "5  available");
    EXPECT_EQ(w.forms.session().state().UndoCount, 5);
    EXPECT_TRUE(onlyVolumeOffAndKnobEnabled(w.main));
    w.send({valueWord(0, 3), 0x200});
    EXPECT_EQ(undo->Edit0->text(), "0  empty");
    w.send({closeForm(3)});
    EXPECT_FALSE(undo->isVisible());
    EXPECT_TRUE(allEnabled(w.main));
}

TEST(MainWindowView, TheDabListDisablesOnlyTheRecorderButton) {
    Window w;
    w.send({showForm(15)});
    EXPECT_TRUE(w.forms.F_DAB->isVisible());
    EXPECT_FALSE(w.c.B_Recorder->isEnabled());
    EXPECT_TRUE(w.c.B_Setup->isEnabled());
    EXPECT_TRUE(w.c.EFreq1->isEnabled());
    w.send({closeForm(15)});
    EXPECT_FALSE(w.forms.F_DAB->isVisible());
    EXPECT_TRUE(allEnabled(w.main));
}

TEST(MainWindowView, FormIndexWithoutAFormChangesNothing) {
    Window w;
    w.send({showForm(7), fieldSelect(2, 7), valueWord(1, 7), 5});
    EXPECT_TRUE(allEnabled(w.main));
}

TEST(MainWindowView, DeviceHelloClosesEveryFormAndEnablesEverything) {
    Window w;
    QDir(w.data.path()).mkpath("TALIX");
    QFile script(w.data.path() + "/TALIX/Start.bat");
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("C:\\TALIX\\TALIX123.EXE\r\nsecond line\r\n");
    script.close();
    w.send({showForm(2), showForm(15)});
    ASSERT_TRUE(w.forms.F_System->isVisible());
    w.send({deviceHello(0x2A, 7), 0x0123ABCD});
    EXPECT_EQ(w.c.LWLANDevice->text(), "LANV2A TLXABCD V123 ALIX123 SN007");
    EXPECT_FALSE(w.forms.F_System->isVisible());
    EXPECT_FALSE(w.forms.F_DAB->isVisible());
    EXPECT_TRUE(allEnabled(w.main));
}

TEST(MainWindowView, DeviceHelloWithoutStartScriptShowsABlankVersion) {
    Window w;
    w.send({deviceHello(1, 2), 0x00010002});
    EXPECT_EQ(w.c.LWLANDevice->text(), "LANV01 TLX0002 V001  SN002");
}

TEST(MainWindowView, FieldSelectionMovesTheHighlight) {
    Window w;
    auto* eShift = w.main.findChild<QLineEdit*>("EShift");
    auto* eDemod = w.main.findChild<QLineEdit*>("EDemod");
    ASSERT_TRUE(eShift && eDemod);
    EXPECT_EQ(w.view().SelectedField(), w.c.EFreq1);
    ASSERT_TRUE(pumpUntil([&] { return tagFloatOf(w.c.EFreq1) == 0; }));

    w.send({fieldSelect(3, 0)});
    EXPECT_EQ(w.view().SelectedField(), eShift);
    EXPECT_EQ(tagFloatOf(w.c.EFreq1), 2);
    EXPECT_EQ(tagFloatOf(eShift), 2);
    // The painter wakes and draws both fields.
    EXPECT_TRUE(pumpUntil([&] { return tagFloatOf(eShift) == 0 && tagFloatOf(w.c.EFreq1) == 0; }));
    EXPECT_TRUE(pumpUntil([&] { return eShift->hasFocus(); }));
    EXPECT_FALSE(w.c.LSYNCSB->isVisible());

    w.send({fieldSelect(1, 0)});
    EXPECT_EQ(w.view().SelectedField(), eDemod);
    EXPECT_TRUE(w.c.LSYNCSB->isVisible());

    // A Tag without an edit keeps the selection.
    w.send({fieldSelect(99, 0)});
    EXPECT_EQ(w.view().SelectedField(), eDemod);
}

// Every control the board's items change is on the main window under its name and type: a control
// renamed on the window would otherwise lose the board's changes without a word.
TEST(MainWindowView, EveryControlTheItemsChangeIsFound) {
    Window w;
    EXPECT_TRUE(ControlTargets(w.main).complete());
}

TEST(MainWindowView, FrequencyEntrySwitchesTuneModeAndAnotherFieldEndsIt) {
    Window w;
    w.send({fieldSelect(3, 0), fieldSelect(19, 0)});
    EXPECT_EQ(w.view().SelectedField(), w.c.EFreq1);
    EXPECT_TRUE(w.c.B_Tune->isCheckable());
    EXPECT_TRUE(w.c.B_Tune->isChecked());
    w.send({fieldSelect(24, 0)}); // the transmit frequency keeps tune mode
    EXPECT_TRUE(w.c.B_Tune->isChecked());
    w.send({fieldSelect(2, 0)});
    EXPECT_FALSE(w.c.B_Tune->isChecked());
    EXPECT_FALSE(w.c.B_Tune->isCheckable());
}

TEST(MainWindowView, FieldSelectionOnAFormSwapsItsLooks) {
    Window w;
    // The System form's own fields: Edit0 starts as the current one.
    QLineEdit* edit0 = controls::editWithTag(w.forms.F_System, 0);
    QLineEdit* edit5 = controls::editWithTag(w.forms.F_System, 5);
    ASSERT_EQ(controls::currentField(w.forms.F_System), edit0);
    w.send({fieldSelect(5, 2)});
    EXPECT_EQ(controls::editStyleOf(edit0), "Edit1Style3");
    EXPECT_EQ(controls::editStyleOf(edit5), "Edit1Style4");
    EXPECT_EQ(controls::currentField(w.forms.F_System), edit5);
}

TEST(MainWindowView, DabFieldSelectionStylesTheDabEditAndTheSelectedField) {
    Window w;
    auto* edit0 = w.forms.F_DAB->findChild<QLineEdit*>("Edit0");
    ASSERT_NE(edit0, nullptr);
    w.send({fieldSelect(0, 15)});
    EXPECT_EQ(controls::editStyleOf(edit0), "Edit1Style2");
    EXPECT_EQ(controls::editStyleOf(w.c.EFreq1), "Edit1Style1");
    w.send({fieldSelect(14, 0)});
    EXPECT_EQ(controls::editStyleOf(edit0), "Edit1Style1");
    w.send({fieldSelect(17, 0)});
    EXPECT_EQ(controls::editStyleOf(edit0), "Edit1Style2");
}

TEST(MainWindowView, ItemsReachTheirControls) {
    Window w;
    w.send({valueWord(20), 127, valueWord(26), 7, valueWord(33), 0, 0, 3, valueWord(43), 0x20,
            valueWord(46), 4, valueWord(53), 1, valueWord(44), 1});
    EXPECT_EQ(w.c.SBKH->value(), 127);
    EXPECT_EQ(w.c.LHeadphone->text(), "Headphone 50 %");
    EXPECT_EQ(w.c.TB_Att->value(), 7);
    EXPECT_EQ(w.c.L_Att->text(), "+1dB");
    EXPECT_EQ(w.c.B_Filter->text(), "Max Hold");
    EXPECT_TRUE(w.c.B_Stereo->isChecked());
    EXPECT_EQ(w.c.EUndo->text(), "4");
    EXPECT_TRUE(w.c.RNB->isVisible());
    EXPECT_TRUE(w.c.CB_Arrow->isVisible());
    EXPECT_EQ(w.c.CB_Arrow->rotation(), 270);
    EXPECT_EQ(w.forms.session().state().ReceiverFlags, 0x20);
    // The board's moves are never sent back.
    EXPECT_EQ(w.forms.session().commands().waiting(), 0u);
}

TEST(MainWindowView, AUserMoveReportedBackKeepsTheBar) {
    Window w;
    w.c.SBLSP->setValue(200);
    w.send({valueWord(21), 0x00010000 | 100});
    EXPECT_EQ(w.c.SBLSP->value(), 200);
    EXPECT_EQ(w.c.LLoudspeaker->text(), "Loudspeaker 79 %");
}

TEST(MainWindowView, ReadoutItemsMarkTheirFieldsAndWakeThePainter) {
    Window w;
    ASSERT_TRUE(pumpUntil([&] { return tagFloatOf(w.main.TFieldTable[0]) == 0; }));
    w.send({valueWord(0, 0, true), 1'450'000'000, 1'449'000'000, 0});
    EXPECT_EQ(tagFloatOf(w.main.TFieldTable[0]), 2);
    EXPECT_EQ(tagFloatOf(w.main.TFieldTable[33]), 1);
    EXPECT_EQ(tagFloatOf(w.main.TFieldTable[35]), 1);
    EXPECT_TRUE(pumpUntil([&] { return tagFloatOf(w.main.TFieldTable[0]) == 0; }));
}

TEST(MainWindowView, LinkQualityAndAntennaShowInTheStatusBlock) {
    Window w;
    w.counter = 1;
    for (int i = 0; i < 80; ++i) {
        const Payload p = payload(0, {}, 0x80000000);
        w.forms.session().linkFrame(p.data(), lParamOf(w.counter++));
    }
    EXPECT_EQ(w.c.LWiFi->text(), "100%");
    EXPECT_EQ(w.c.PBWiFi->value(), 100);
    // The colour as it reaches the screen: hot pink with the external antenna, green without.
    EXPECT_GT(pixelsOf(onScreen(w.c.LWiFi), 0xFFFF69B4), 10);
    EXPECT_EQ(pixelsOf(onScreen(w.c.LWiFi), 0xFF00FF00), 0);
    ASSERT_TRUE(w.view().linkReport());
    EXPECT_EQ(w.view().linkReport()->stateText, "WiFi not stable!");
    const Payload p = payload(0, {}, 0);
    w.forms.session().linkFrame(p.data(), lParamOf(w.counter++));
    EXPECT_GT(pixelsOf(onScreen(w.c.LWiFi), 0xFF00FF00), 10);
    EXPECT_EQ(pixelsOf(onScreen(w.c.LWiFi), 0xFFFF69B4), 0);
}

TEST(MainWindowView, CompletedBlockIsAcknowledgedOnTheLink) {
    Window w;
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return w.board.received(0).size() == 1; }));
    w.seq = 0x030201;
    w.send({valueWord(8), 3});
    EXPECT_TRUE(LoopbackServer::waitFor(
        [&] { return w.board.received(0) == std::vector<uint8_t>{0x12, 13, 0, 1, 2, 3}; }));
}

TEST(MainWindowView, BlocksFromTheBoardAreWalkedThroughTheLinkWindow) {
    Window w;
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return w.board.received(0).size() == 1; }));
    const Words b = block({valueWord(46), 9});
    ASSERT_TRUE(
        w.board.send(boardFrame(1, payload(streamHeader(uint32_t(b.size()), 77, false), b))));
    ASSERT_TRUE(pumpUntil([&] { return w.c.EUndo->text() == "9"; }));
    EXPECT_TRUE(LoopbackServer::waitFor(
        [&] { return w.board.received(0) == std::vector<uint8_t>{0x12, 13, 0, 77, 0, 0}; }));
}
