// The main window's host duties on the offscreen platform, always with simulated host services:
// no test here reaches the machine's power-off or brightness.
#include "app/Forms.h"
#include "app/HostControls.h"
#include "app/MessageForm.h"
#include "base/Tags.h"
#include "controls/MainControls.h"
#include "host/HostServicesSimulated.h"
#include "link/CommandRecords.h"
#include "support/LoopbackServer.h"
#include "support/PumpUntil.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::app;
using namespace talix::host;
using talix::controls::BrightnessBar;
using talix::testing::LoopbackServer;
using talix::testing::pumpUntil;
using Request = SimulatedHostServices::Request;

namespace {

class HostControlsTest : public ::testing::Test {
protected:
    ProgramContext context() {
        ProgramContext c;
        c.options.board = {"127.0.0.1", board.port()};
        c.options.rotator = {"127.0.0.1", 9};
        c.options.audio = "null";
        c.options.hostServices = "simulated";
        c.options.windowed = true;
        c.drives.set('C', data.path());
        c.receiveTimings = {20, 5, 80};
        c.hostTimings.touchLockReenable = std::chrono::milliseconds(50);
        return c;
    }

    void start(ProgramContext c) {
        forms = std::make_unique<FormSet>(std::move(c));
        ASSERT_TRUE(LoopbackServer::waitFor([&] { return board.received(0).size() == 1; }));
    }
    void SetUp() override { start(context()); }
    void TearDown() override { forms.reset(); }

    TFMain& main() { return forms->main(); }
    session::Session& session() { return forms->session(); }
    controls::MainControls& controls() { return *main().controls(); }
    HostControls& host() { return forms->hostControls(); }
    SimulatedHostServices& simulated() {
        return dynamic_cast<SimulatedHostServices&>(host().services());
    }

    LoopbackServer board;
    QTemporaryDir data;
    std::unique_ptr<FormSet> forms;
};

// ---- battery ----

uint32_t fontColour(QWidget* w) {
    return w->palette().color(QPalette::WindowText).rgba();
}

TEST_F(HostControlsTest, BatteryTextColourAndBarFollowThePowerStatus) {
    EXPECT_EQ(controls().LBatt->text(), "n/a");
    EXPECT_EQ(host().Timer1.interval(), 1111);
    EXPECT_TRUE(host().Timer1.isActive());
    struct Case {
        PowerStatus status;
        const char* text;
        uint32_t colour;
        int bar;
    };
    // No battery leaves the bar where it was.
    for (const Case& c :
         {Case{{kBatteryCharging, 80}, "80%", 0xFF00FF00, 80}, Case{{0, 35}, "35%", 0xFFFF0000, 35},
          Case{{kNoSystemBattery, 255}, "n/a", 0xFF00FFFF, 35},
          Case{{0, 255}, "255%", 0xFFFF0000, 100}}) {
        simulated().status = c.status;
        host().Timer1Timer();
        EXPECT_EQ(controls().LBatt->text(), c.text);
        EXPECT_EQ(fontColour(controls().LBatt), c.colour) << c.text;
        EXPECT_EQ(controls().PBat->value(), c.bar) << c.text;
    }
}

TEST_F(HostControlsTest, TheBatteryTimerKeepsTheDisplayCurrent) {
    forms.reset();
    ProgramContext c = context();
    c.hostTimings.battery = std::chrono::milliseconds(20);
    start(c);
    simulated().status = {kBatteryCharging, 80};
    ASSERT_TRUE(pumpUntil([&] { return controls().LBatt->text() == "80%"; }));
    EXPECT_EQ(fontColour(controls().LBatt), 0xFF00FF00u);
    simulated().status = {0, 79};
    ASSERT_TRUE(pumpUntil([&] { return controls().LBatt->text() == "79%"; }));
    EXPECT_EQ(fontColour(controls().LBatt), 0xFFFF0000u);
}

// ---- brightness ----

std::vector<uint8_t> brightnessRecord(uint8_t value) {
    return {245, 28, 0, value, 0, 0, 0};
}

TEST_F(HostControlsTest, AReportMovesTheBarWithoutEchoAndSetsTheDisplayOnce) {
    BrightnessBar& bar = host().brightness();
    EXPECT_EQ(simulated().count(Request::OpenDisplay), 1u);
    host().brightness().applyReport(40);
    EXPECT_EQ(controls().L_Bright->text(), "40%");
    EXPECT_EQ(controls().TB_Bright->value(), 40);
    EXPECT_EQ(bar.level(), 40);
    EXPECT_EQ(session().commands().waiting(), 0u);
    ASSERT_EQ(simulated().count(Request::Brightness), 1u);
    EXPECT_EQ(simulated().requests().back().brightness, (BrightnessRequest{kPolicyBoth, 40, 40}));

    // The user's next move goes to the board, and it is the only record the board sees.
    controls().TB_Bright->setValue(41);
    const std::vector<uint8_t> expected = link::commands::concat({0x12}, brightnessRecord(41));
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return board.received(0) == expected; }));
    // Only the board's answer changes the display.
    EXPECT_EQ(controls().L_Bright->text(), "40%");
    EXPECT_EQ(simulated().count(Request::Brightness), 1u);
}

TEST_F(HostControlsTest, ReportsApplyTheSliderRule) {
    struct Case {
        uint32_t word;
        const char* label;
        int bar;
        uint8_t level;
    };
    for (const Case& c : {
             Case{0x00000050, "80%", 80, 80},
             Case{0x00010014, "20%", 80, 20}, // upper half set: the bar stays
             Case{0x0000FF1E, "30%", 30, 30}, // only the low byte is the level
             Case{0x00000096, "150%", 100, 150},
             Case{0x00000000, "0%", 0, 0},
         }) {
        host().brightness().applyReport(c.word);
        EXPECT_EQ(controls().L_Bright->text(), c.label);
        EXPECT_EQ(controls().TB_Bright->value(), c.bar) << c.label;
        EXPECT_EQ(simulated().requests().back().brightness,
                  (BrightnessRequest{kPolicyBoth, c.level, c.level}))
            << c.label;
    }
    EXPECT_EQ(simulated().count(Request::Brightness), 5u);
    EXPECT_EQ(session().commands().waiting(), 0u);
    EXPECT_EQ(board.received(0), std::vector<uint8_t>{0x12});
}

TEST_F(HostControlsTest, ADisarmedBarOnlyArmsItself) {
    BrightnessBar& bar = host().brightness();
    ASSERT_FALSE(bar.armed()); // never painted yet
    controls().TB_Bright->setValue(60);
    EXPECT_TRUE(bar.armed());
    controls().TB_Bright->setValue(61);
    controls().TB_Bright->setValue(62);
    const std::vector<uint8_t> expected = link::commands::concat(
        link::commands::concat({0x12}, brightnessRecord(61)), brightnessRecord(62));
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return board.received(0) == expected; }));
    EXPECT_EQ(simulated().count(Request::Brightness), 0u);
}

TEST_F(HostControlsTest, PaintingArmsTheBar) {
    ASSERT_FALSE(host().brightness().armed());
    main().show();
    EXPECT_TRUE(pumpUntil([&] { return host().brightness().armed(); }));
}

// ---- touch lock ----

void doubleClick(QWidget* w) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent event(QEvent::MouseButtonDblClick, at, w->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

std::vector<QWidget*> mainWindowControls(QWidget& main) {
    std::vector<QWidget*> result;
    for (QObject* child : main.children())
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow())
            result.push_back(w);
    return result;
}

bool allEnabled(QWidget& main, bool enabled, QWidget* except = nullptr) {
    for (QWidget* w : mainWindowControls(main))
        if (w != except && w->isEnabled() != enabled)
            return false;
    return true;
}

TEST_F(HostControlsTest, LockClosesTheFormsFreezesTheScreenAndUnlocksAfterTheWait) {
    QPushButton* touch = controls().B_Touch;
    auto* list = forms->F_DAB->findChild<QListWidget*>("LV_Prog");
    ASSERT_NE(list, nullptr);
    main().show();
    for (QWidget* form : std::initializer_list<QWidget*>{
             forms->F_Setup, forms->F_WiFi, forms->F_Recorder, forms->F_DAB, forms->F_KAP})
        form->show();
    ASSERT_GT(mainWindowControls(main()).size(), 8u);

    doubleClick(touch);
    EXPECT_TRUE(session().touchLocked()); // the session holds the lock
    EXPECT_TRUE(host().touchLock().locked());
    for (QWidget* closed :
         std::initializer_list<QWidget*>{forms->F_Setup, forms->F_WiFi, forms->F_Recorder})
        EXPECT_FALSE(closed->isVisible()) << closed->objectName().toStdString();
    // The DAB list and the forms outside the board's slots stay on screen.
    EXPECT_TRUE(forms->F_DAB->isVisible());
    EXPECT_TRUE(forms->F_KAP->isVisible());
    EXPECT_FALSE(list->isEnabled());
    EXPECT_TRUE(touch->isChecked());
    EXPECT_TRUE(allEnabled(main(), false));
    EXPECT_TRUE(host().touchLock().Timer2.isActive());

    // Within the wait a double click does nothing.
    doubleClick(touch);
    EXPECT_TRUE(host().touchLock().locked());

    ASSERT_TRUE(pumpUntil([&] { return touch->isEnabled(); }));
    EXPECT_FALSE(host().touchLock().Timer2.isActive());
    EXPECT_TRUE(touch->isCheckable());
    EXPECT_TRUE(touch->isChecked());
    EXPECT_TRUE(allEnabled(main(), false, touch));
    EXPECT_FALSE(list->isEnabled());

    // A single click keeps the locked look.
    touch->click();
    EXPECT_TRUE(touch->isChecked());
    EXPECT_TRUE(host().touchLock().locked());

    doubleClick(touch);
    EXPECT_FALSE(session().touchLocked());
    EXPECT_FALSE(touch->isChecked());
    EXPECT_FALSE(touch->isCheckable());
    EXPECT_TRUE(allEnabled(main(), true));
    EXPECT_TRUE(list->isEnabled());
    EXPECT_TRUE(forms->F_DAB->isVisible());

    touch->click();
    EXPECT_FALSE(touch->isChecked());
    EXPECT_FALSE(host().touchLock().locked());
}

TEST_F(HostControlsTest, LockingWorksWithTheFormsClosed) {
    doubleClick(controls().B_Touch);
    EXPECT_TRUE(host().touchLock().locked());
    EXPECT_TRUE(allEnabled(main(), false));
    ASSERT_TRUE(pumpUntil([&] { return controls().B_Touch->isEnabled(); }));
    doubleClick(controls().B_Touch);
    EXPECT_TRUE(allEnabled(main(), true));
}

// ---- switching off ----

// Clicks `answer` once the message form is up, and remembers what the form offered.
struct Answer {
    QString question;
    bool shutdownOffered = false;

    void arm(QPushButton* answer) {
        QTimer::singleShot(0, answer, [this, answer] {
            auto* form = qobject_cast<TF_Message*>(answer->window());
            question = form->Message->text();
            shutdownOffered = form->B_Shutdown->isVisible();
            answer->click();
        });
    }
};

struct OffCase {
    const char* name;
    int button; // Tag: 0 Cancel, 1 OK, 2 Shut down!
    bool privilege;
    size_t privilegeAsked;
    size_t powerOffs;
};

void PrintTo(const OffCase& c, std::ostream* os) {
    *os << c.name;
}

class OffButton : public HostControlsTest, public ::testing::WithParamInterface<OffCase> {};

QPushButton* messageButton(TF_Message& form, int tag) {
    return tag == 0 ? form.B_Cancel : tag == 1 ? form.B_OK : form.B_Shutdown;
}

// None of these ends the program: Cancel, and every answer the host refuses the privilege for.
// "Shut down!" asks the host to switch off; the program then ends with the host.
TEST_P(OffButton, LeavesTheProgramRunning) {
    const OffCase& c = GetParam();
    simulated().grantShutdownPrivilege = c.privilege;
    main().show();
    Answer answer;
    answer.arm(messageButton(*forms->F_Message, c.button));
    controls().B_OFF->click();
    EXPECT_EQ(answer.question, "Shut down Nimbrel?");
    EXPECT_TRUE(answer.shutdownOffered);
    EXPECT_FALSE(forms->F_Message->B_Shutdown->isVisible());
    EXPECT_FALSE(session().closing());
    EXPECT_TRUE(main().isVisible());
    EXPECT_TRUE(session().threadsRunning());
    EXPECT_EQ(simulated().count(Request::ShutdownPrivilege), c.privilegeAsked);
    EXPECT_EQ(simulated().count(Request::PowerOff), c.powerOffs);
}

INSTANTIATE_TEST_SUITE_P(Answers, OffButton,
                         ::testing::Values(OffCase{"Cancel", 0, true, 0, 0},
                                           OffCase{"OkWithoutPrivilege", 1, false, 1, 0},
                                           OffCase{"ShutDownWithoutPrivilege", 2, false, 1, 0},
                                           OffCase{"ShutDown", 2, true, 1, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HostControlsTest, OkEndsTheProgramAndLeavesTheHostOn) {
    main().show();
    ASSERT_TRUE(main().isVisible());
    Answer answer;
    bool timedOut = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QApplication::exit(1);
    });
    watchdog.start(std::chrono::seconds(10));
    QTimer::singleShot(0, &main(), [&] {
        answer.arm(forms->F_Message->B_OK);
        controls().B_OFF->click();
    });
    // The run loop ends by itself: the OFF handler quits it.
    QApplication::exec();
    watchdog.stop();
    // Closing the last window also asked the run loop to quit; that request must not end the
    // modal loops of the tests that follow.
    QCoreApplication::removePostedEvents(qApp, QEvent::Quit);
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(answer.question, "Shut down Nimbrel?");
    EXPECT_TRUE(session().closing());
    EXPECT_FALSE(main().isVisible());
    EXPECT_EQ(simulated().count(Request::ShutdownPrivilege), 1u);
    EXPECT_EQ(simulated().count(Request::PowerOff), 0u);
}

} // namespace
