// The rotator form inside the program: opened by touching "KAP", the board's reports and relay
// word through the real dispatcher, the board's selection of the dial, and "Close" touched; then
// against the simulated board, whose rotator turns when the form asks and reports every step.
#include "app/Forms.h"
#include "app/support/LoopbackContext.h"
#include "app/support/SimulatedBoard.h"
#include "controls/MainControls.h"
#include "controls/support/Pointer.h"
#include "link/CommandRecords.h"
#include "rotator/RotatorDial.h"
#include "rotator/RotatorForm.h"
#include "session/Session.h"
#include "sim/SimBoard.h"
#include "support/DatagramReceiver.h"
#include "support/LoopbackServer.h"
#include "support/ParamFrames.h"
#include "support/PumpUntil.h"

#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace talix;
using namespace talix::app;
using namespace talix::testing;
using rotator::TF_KAP;
namespace pointer = talix::controls::testing;

namespace {

constexpr uint32_t kLoopback = 0x0100007F; // 127.0.0.1, first byte lowest
const uint32_t kRelay = valueWord(0, 16);

bool contains(const std::vector<uint8_t>& bytes, const std::vector<uint8_t>& part) {
    return std::search(bytes.begin(), bytes.end(), part.begin(), part.end()) != bytes.end();
}

struct ScriptedBoard {
    ScriptedBoard() {
        ProgramContext c = loopbackContext(board.port(), data.path(), 1000);
        c.options.rotator = {"127.0.0.1", udp.port()};
        forms = std::make_unique<FormSet>(c);
        pointer::showAndExpose(&forms->main());
    }
    void send(const Words& words) {
        for (const Payload& p : fragments(block(words), seq++))
            forms->session().linkFrame(p.data(), lParamOf(counter++));
    }
    TF_KAP& kap() { return *dynamic_cast<TF_KAP*>(forms->F_KAP); }

    LoopbackServer board;
    DatagramReceiver udp;
    QTemporaryDir data;
    std::unique_ptr<FormSet> forms;
    uint16_t counter = 1;
    uint32_t seq = 1;
};

TEST(RotatorWindow, KapOpensTheFormAndCloseLeavesIt) {
    ScriptedBoard b;
    QPushButton* kapButton = b.forms->main().controls()->B_KAP;
    pointer::click(kapButton, {20, 20});
    ASSERT_TRUE(pumpUntil([&] { return b.kap().isVisible(); }));
    EXPECT_EQ(b.udp.take(1), (std::vector<Datagram>{{13, 18, 0}}));

    pointer::click(b.kap().S_Geber, {300, 60});
    pointer::click(b.kap().B_Close, {40, 30});
    EXPECT_TRUE(pumpUntil([&] { return !b.kap().isVisible(); }));
    EXPECT_TRUE(LoopbackServer::waitFor([&] {
        const auto r = b.board.received(0);
        return contains(r, link::commands::rotatorSelect(true)) &&
               contains(r, link::commands::rotatorSelect(false));
    }));
    // And it opens again from the main window.
    pointer::click(kapButton, {20, 20});
    EXPECT_TRUE(pumpUntil([&] { return b.kap().isVisible(); }));
    EXPECT_EQ(b.udp.take(1), (std::vector<Datagram>{{13, 18, 0}}));
}

TEST(RotatorWindow, TheBoardsReportsReachTheFormAndTheKapButton) {
    ScriptedBoard b;
    QPushButton* kapButton = b.forms->main().controls()->B_KAP;
    b.send({valueWord(55), 0x0000742D, kLoopback, valueWord(56), 0x0B, kLoopback});
    EXPECT_EQ(b.kap().LConnect->text(), "KAP connected!");
    EXPECT_EQ(b.kap().L_Current->text(), "45 mA");
    EXPECT_EQ(b.kap().L_Grad->text(), QString::fromUtf8("90°"));
    EXPECT_EQ(b.kap().L_Ver->text(), "Ver: 0B");
    EXPECT_TRUE(b.kap().B_Off->isChecked());
    EXPECT_TRUE(kapButton->isChecked());
    b.send({valueWord(57), 0});
    EXPECT_EQ(b.kap().LConnect->text(), "KAP not found!");
    EXPECT_FALSE(kapButton->isChecked());
}

// Whether the form is shown or not.
TEST(RotatorWindow, TheRelayWordGoesToTheRotatorWhileItIsOnAndAsZeroWhileOff) {
    ScriptedBoard b;
    b.send({valueWord(55), 0x0000742D, kLoopback, kRelay, 0x0000A155});
    EXPECT_EQ(b.udp.take(1), (std::vector<Datagram>{{13, 178, 0x55}}));
    b.send({valueWord(55), 0x0000002D, kLoopback, kRelay, 0x0000A155});
    EXPECT_EQ(b.udp.take(1), (std::vector<Datagram>{{13, 178, 0}}));
    pointer::click(b.forms->main().controls()->B_KAP, {20, 20});
    ASSERT_TRUE(pumpUntil([&] { return b.kap().isVisible(); }));
    b.udp.take(1);
    b.send({valueWord(55), 0x0000102D, kLoopback, kRelay, 0x21});
    EXPECT_EQ(b.udp.take(1), (std::vector<Datagram>{{13, 178, 0x21}}));
}

TEST(RotatorWindow, TheBoardsSelectionColoursTheDialsCircles) {
    ScriptedBoard b;
    pointer::click(b.forms->main().controls()->B_KAP, {20, 20});
    ASSERT_TRUE(pumpUntil([&] { return b.kap().isVisible(); }));
    rotator::RotatorDial* dial = b.kap().S_Geber;
    b.send({fieldSelect(0, 16)});
    EXPECT_EQ(dial->pitchFill().rgba(), 0xFFFFFFFFu);
    EXPECT_EQ(dial->pitch1Fill().rgba(), 0xFFFFFFFFu);
    b.send({fieldSelect(1, 16)});
    EXPECT_EQ(dial->grab().toImage().pixel(180, 70), 0xFFFFFF00u);
    EXPECT_EQ(dial->grab().toImage().pixel(180, 290), 0xFFFFFACDu);
    b.send({fieldSelect(3, 0)}); // a main-window field
    EXPECT_EQ(dial->grab().toImage().pixel(180, 70), 0xFFFFFFFFu);
}

// The simulated board plays the rotator: it turns a step a frame and reports each one.
TEST(RotatorWindow, TheSimulatedRotatorTurnsInView) {
    QTemporaryDir data;
    sim::SimBoard board(simulatedBoardOptions());
    ASSERT_TRUE(board.start()) << board.error();
    ProgramContext c = streamingBoardContext(board.port(), data.path());
    c.options.rotator = {"127.0.0.1", board.rotatorPort()};
    FormSet forms(c);
    pointer::showAndExpose(&forms.main());
    TF_KAP& kap = *dynamic_cast<TF_KAP*>(forms.F_KAP);

    pointer::click(forms.main().controls()->B_KAP, {20, 20});
    ASSERT_TRUE(pumpUntil([&] { return kap.L_Ver->text() == "Ver: 0B"; }));
    EXPECT_EQ(kap.LConnect->text(), "KAP connected!");
    EXPECT_FALSE(kap.B_Off->isChecked());

    // On at position 1 by the wheel: from 116 the antenna turns back step by step.
    pointer::wheel(kap.S_Geber, {180, 180}, 120);
    std::set<QString> shown;
    ASSERT_TRUE(pumpUntil(
        [&] {
            shown.insert(kap.L_Grad->text());
            return kap.L_Grad->text() == QString::fromUtf8("0°") && kap.B_Off->isChecked() &&
                   kap.L_Current->text() == "12 mA";
        },
        std::chrono::seconds(20)));
    EXPECT_GE(shown.size(), 4u); // positions on the way were shown

    pointer::click(kap.B_Off, {40, 30});
    EXPECT_TRUE(pumpUntil([&] { return !kap.B_Off->isChecked(); }));
    EXPECT_EQ(kap.L_Current->text(), "0 mA");

    pointer::click(kap.B_Close, {40, 30});
    EXPECT_TRUE(pumpUntil([&] { return !kap.isVisible(); }));
    EXPECT_TRUE(pumpUntil([&] {
        const auto records = board.receivedRecords();
        return std::find(records.begin(), records.end(), link::commands::rotatorSelect(false)) !=
               records.end();
    }));
}

} // namespace
