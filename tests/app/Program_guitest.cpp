// The real program against the simulated board, both as separate processes on loopback.
#include "support/WaitUntil.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

using talix::testing::waitUntil;

namespace {

QString binary(const char* name) {
    return qEnvironmentVariable("TALIX_BIN_DIR") + "/" + name;
}

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

// Starts talix-sim on a free loopback port and returns the port (0 on failure).
uint16_t startBoard(QProcess& board, const QString& logPath) {
    board.setProcessChannelMode(QProcess::SeparateChannels);
    board.setReadChannel(QProcess::StandardError);
    board.start(binary("talix-sim"), {"--listen", "127.0.0.1:0", "--log", logPath});
    if (!board.waitForStarted(10000))
        return 0;
    QString err;
    const QRegularExpression listening("listening on 127\\.0\\.0\\.1:(\\d+)");
    waitUntil([&] {
        board.waitForReadyRead(50);
        err += QString::fromLocal8Bit(board.readAllStandardError());
        return listening.match(err).hasMatch();
    });
    return uint16_t(listening.match(err).captured(1).toUInt());
}

void startProgram(QProcess& program, const QStringList& args, const QString& dataDir) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_DATA_HOME", dataDir);
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    program.setReadChannel(QProcess::StandardError);
    program.start(binary("talix"), args);
}

// SIGTERM ends the program in order; sanitizers turn any fault at shutdown into a failing exit.
int terminate(QProcess& program) {
    ::kill(pid_t(program.processId()), SIGTERM);
    if (!program.waitForFinished(20000)) {
        program.kill();
        program.waitForFinished();
        return -1;
    }
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -2;
}

} // namespace

TEST(Program, GreetsTheSimulatedBoardAndEndsCleanlyOnSigterm) {
    QTemporaryDir dir;
    QProcess board;
    const QString log = dir.filePath("board.log");
    const uint16_t port = startBoard(board, log);
    ASSERT_NE(port, 0);

    QProcess program;
    startProgram(program,
                 {"--board", QString("127.0.0.1:%1").arg(port), "--rotator", "127.0.0.1:9",
                  "--audio", "null", "--host-services", "simulated", "--windowed"},
                 dir.path());
    ASSERT_TRUE(program.waitForStarted(10000));
    EXPECT_TRUE(waitUntil([&] {
        return readAll(log).contains(
            QRegularExpression(" 12\\s*$", QRegularExpression::MultilineOption));
    })) << readAll(log).toStdString();
    EXPECT_EQ(terminate(program), 0);
    board.kill();
    board.waitForFinished();
}

TEST(Program, DemoRunsTheBoardInsideAndEndsCleanly) {
    QTemporaryDir dir;
    QProcess program;
    startProgram(program, {"--demo", "--audio", "null", "--windowed"}, dir.path());
    ASSERT_TRUE(program.waitForStarted(10000));
    // Simulated host services report each request: the display device is opened once start-up
    // has run through.
    QString err;
    EXPECT_TRUE(waitUntil([&] {
        program.waitForReadyRead(50);
        err += QString::fromLocal8Bit(program.readAllStandardError());
        return err.contains("open the display device");
    })) << err.toStdString();
    ASSERT_EQ(program.state(), QProcess::Running);
    EXPECT_EQ(terminate(program), 0);
}

// Other radio programs tune the running program through its control port: Hamlib's own client
// sets a frequency, and reads back what the simulated board reports.
TEST(Program, HamlibsClientTunesTheDemoThroughTheControlPort) {
    if (QStandardPaths::findExecutable("rigctl").isEmpty())
        GTEST_SKIP() << "Hamlib's rigctl is not installed";
    QTemporaryDir dir;
    QProcess program;
    startProgram(program, {"--demo", "--audio", "null", "--windowed", "--rigctl", "127.0.0.1:0"},
                 dir.path());
    ASSERT_TRUE(program.waitForStarted(10000));
    QString err;
    const QRegularExpression listening("rigctl: listening on 127\\.0\\.0\\.1:(\\d+)");
    ASSERT_TRUE(waitUntil([&] {
        program.waitForReadyRead(50);
        err += QString::fromLocal8Bit(program.readAllStandardError());
        return listening.match(err).hasMatch();
    })) << err.toStdString();
    const QString at = "127.0.0.1:" + listening.match(err).captured(1);
    const auto rigctl = [&](const QStringList& command) {
        QProcess client;
        client.start("rigctl", QStringList{"-m", "2", "-r", at} + command);
        client.waitForFinished(20000);
        return QString::fromLocal8Bit(client.readAllStandardOutput()).trimmed();
    };
    EXPECT_EQ(rigctl({"F", "7100000"}), "");
    EXPECT_TRUE(waitUntil([&] { return rigctl({"f"}) == "7100000"; }, std::chrono::seconds(30),
                          std::chrono::milliseconds(200)));
    EXPECT_EQ(terminate(program), 0);
}
