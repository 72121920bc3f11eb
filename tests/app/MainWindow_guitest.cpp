// The main window's lifecycle against a scripted board on loopback.
#include "app/Forms.h"
#include "app/MessageForm.h"
#include "app/support/LoopbackContext.h"
#include "controls/MainControls.h"
#include "link/CommandRecords.h"
#include "support/LoopbackServer.h"
#include "support/PumpUntil.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::app;
using talix::testing::boardFrame;
using talix::testing::loopbackContext;
using talix::testing::LoopbackServer;
using talix::testing::pumpUntil;

namespace {} // namespace

TEST(MainWindow, StartsGreetsHandsFramesOverAndShowsTheLoss) {
    LoopbackServer board;
    QTemporaryDir data;
    FormSet forms(loopbackContext(board.port(), data.path()));
    TFMain& main = forms.main();
    session::Session& session = forms.session();
    ASSERT_TRUE(session.threadsRunning());
    EXPECT_EQ(main.controls()->E_File->text(), "Next File: File0");
    EXPECT_EQ(main.TFieldTable[0], main.controls()->EFreq1);

    ASSERT_TRUE(
        LoopbackServer::waitFor([&] { return board.received(0) == std::vector<uint8_t>{0x12}; }));
    for (uint32_t c = 0; c < 5; ++c)
        ASSERT_TRUE(board.send(boardFrame(c)));
    ASSERT_TRUE(pumpUntil([&] { return session.linkFramesHandled() == 5; }));

    main.controls()->LWiFi->setText("100%");
    main.controls()->PBWiFi->setValue(100);
    board.closeConnection();
    ASSERT_TRUE(pumpUntil([&] { return main.controls()->LWiFi->text() == "0%"; }));
    EXPECT_EQ(main.controls()->PBWiFi->value(), 0);
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return board.connections() >= 2; }));
}

TEST(MainWindow, QueuedButtonReachesTheBoard) {
    LoopbackServer board;
    QTemporaryDir data;
    FormSet forms(loopbackContext(board.port(), data.path()));
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return board.received(0).size() == 1; }));
    forms.session().commands().QueueCommand(link::commands::button(0x0104),
                                            link::LimitRule::Notify);
    EXPECT_TRUE(LoopbackServer::waitFor([&] {
        return board.received(0) == std::vector<uint8_t>{0x12, 1, 4, 1};
    }));
}

TEST(MainWindow, CanBeBuiltAndTornDownRepeatedly) {
    LoopbackServer board;
    QTemporaryDir data;
    for (int round = 0; round < 3; ++round) {
        FormSet forms(loopbackContext(board.port(), data.path()));
        // Each set connects once and greets; no connection is made while it shuts down.
        ASSERT_TRUE(LoopbackServer::waitFor(
            [&] { return board.received(round) == std::vector<uint8_t>{0x12}; }));
        ASSERT_TRUE(board.send(boardFrame(1)));
    }
    EXPECT_EQ(board.connections(), 3u);
}

TEST(MainWindow, ClosesPromptlyWhileTheBoardIsUnreachable) {
    uint16_t freePort;
    {
        LoopbackServer probe;
        freePort = probe.port();
    }
    QTemporaryDir data;
    auto forms = std::make_unique<FormSet>(loopbackContext(freePort, data.path()));
    pumpUntil([] { return false; }, std::chrono::milliseconds(100));
    const auto from = std::chrono::steady_clock::now();
    forms.reset();
    // Nothing waits for a connection attempt or for the UI thread: the bound only tells a prompt
    // shutdown from one stuck in a wait, however loaded the machine.
    EXPECT_LT(std::chrono::steady_clock::now() - from, std::chrono::seconds(20));
}

TEST(MainWindow, NoSpaceForNewFileWhenAllTwoHundredExist) {
    LoopbackServer board;
    QTemporaryDir data;
    QDir().mkpath(data.path() + "/WAV");
    for (int n = 0; n < 200; ++n) {
        QFile f(data.path() + QString("/WAV/File%1.WAV").arg(n));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    FormSet forms(loopbackContext(board.port(), data.path()));
    EXPECT_EQ(forms.session().recordingSink().NextFileNumber, 200);
    EXPECT_EQ(forms.main().controls()->E_File->text(), "No space for new File!");
}

TEST(MessageForm, ChoiceIsTheTagOfTheClosingButton) {
    TF_Message form;
    struct Case {
        QPushButton* button;
        int choice;
    };
    for (const Case& c : {Case{form.B_OK, 1}, Case{form.B_Cancel, 0}, Case{form.B_Shutdown, 2}}) {
        QTimer::singleShot(0, c.button, [b = c.button] { b->click(); });
        EXPECT_EQ(form.ask("Shut down Nimbrel?", true), c.choice);
        EXPECT_EQ(form.Message->text(), "Shut down Nimbrel?");
        EXPECT_FALSE(form.B_Shutdown->isVisible());
    }
    EXPECT_EQ(form.Label1->text(), "Attention!");
}

TEST(MessageForm, AFullQueueTellsTheUser) {
    // Nobody listens on the board's port, so the link stays down and the records stay queued.
    uint16_t closedPort = 0;
    {
        LoopbackServer gone;
        closedPort = gone.port();
    }
    QTemporaryDir data;
    FormSet forms(loopbackContext(closedPort, data.path()));
    auto* queue = &forms.session().commands();
    for (int i = 0; i < 30 && queue->waiting() < 10; ++i)
        queue->QueueCommand(link::commands::button(0x0105), link::LimitRule::None);
    ASSERT_GE(queue->waiting(), 10u);
    TF_Message* message = forms.F_Message;
    QTimer::singleShot(0, message, [message] { message->B_OK->click(); });
    EXPECT_EQ(queue->QueueCommand(link::commands::button(0x0105), link::LimitRule::Notify),
              link::QueueResult::Refused);
    EXPECT_EQ(message->Message->text(), "No WiFi Connection!");
}

// A message that comes while the OFF question is open (the board's message item, a full queue)
// must not turn the question into something else: "OK" would then end the program under a text
// that asks nothing.
TEST(MessageForm, AMessageWhileAQuestionIsOpenWaitsUntilItIsAnswered) {
    TF_Message form;
    // Answers the message whenever it is on screen, and notes how it was shown.
    QString followed;
    bool followedWithShutdown = true;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (!form.isVisible() || form.Message->text() != "No WiFi Connection!")
            return;
        followed = form.Message->text();
        followedWithShutdown = form.B_Shutdown->isVisible();
        form.B_OK->click();
    });
    answer.start(5);

    int interruptingChoice = -1;
    QString questionSeen;
    bool shutdownSeen = false;
    QTimer::singleShot(0, &form, [&] {
        interruptingChoice = form.ask("No WiFi Connection!");
        questionSeen = form.Message->text();
        shutdownSeen = form.B_Shutdown->isVisible();
        form.B_OK->click();
    });
    EXPECT_EQ(form.ask("Shut down Nimbrel?", true), 1);
    EXPECT_EQ(interruptingChoice, 0);
    EXPECT_EQ(questionSeen, "Shut down Nimbrel?");
    EXPECT_TRUE(shutdownSeen);

    // The waiting message follows as a message of its own, and is answered in turn.
    ASSERT_TRUE(pumpUntil([&] { return !followed.isEmpty() && !form.isVisible(); }));
    EXPECT_FALSE(followedWithShutdown);
    EXPECT_EQ(form.waitingMessages(), 0);
}
