// The line commands, the control port and scripts, and the talix-sim program itself.
#include "sim/ControlCommands.h"
#include "sim/ControlServer.h"
#include "sim/ParamWords.h"
#include "sim/SimBoard.h"
#include "sim/support/SimClient.h"

#include <arpa/inet.h>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace talix;
using namespace talix::sim;
using namespace talix::simtest;
using namespace std::chrono_literals;

extern char** environ;

namespace {

SimOptions loopbackOptions() {
    SimOptions o;
    o.listen = {"127.0.0.1", 0};
    o.rotator = {"127.0.0.1", 0};
    return o;
}

struct LineCase {
    const char* name;
    const char* line;
    const char* replyStart;
};

class LineCommands : public ::testing::TestWithParam<LineCase> {};

// A line-based client of the control port.
class ControlClient {
public:
    explicit ControlClient(uint16_t port) {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        EXPECT_TRUE(destinationAllowed("127.0.0.1"));
        m_connected = ::connect(m_fd, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0;
    }
    ~ControlClient() { ::close(m_fd); }
    std::string ask(const std::string& line) {
        const std::string out = line + "\n";
        if (!m_connected || ::send(m_fd, out.data(), out.size(), MSG_NOSIGNAL) < 0)
            return "";
        std::string reply;
        char c = 0;
        while (::recv(m_fd, &c, 1, 0) == 1 && c != '\n')
            reply += c;
        return reply;
    }

private:
    int m_fd = -1;
    bool m_connected = false;
};

uint16_t freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    ::close(fd);
    return ntohs(addr.sin_port);
}

std::string simProgram() {
    const char* dir = std::getenv("TALIX_BIN_DIR");
    return std::string(dir ? dir : ".") + "/talix-sim";
}

pid_t spawnSim(const std::vector<std::string>& args) {
    std::vector<std::string> all{simProgram()};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

int exitCode(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST_P(LineCommands, Reply) {
    SimBoard board(loopbackOptions());
    const std::string reply = runControlCommand(board, GetParam().line);
    EXPECT_EQ(reply.rfind(GetParam().replyStart, 0), 0u) << reply;
}

INSTANTIATE_TEST_SUITE_P(
    Table, LineCommands,
    ::testing::Values(LineCase{"words", "words 0x10F6 0x0D01F5 1", "ok"},
                      LineCase{"decimalWords", "words 4342", "ok"},
                      LineCase{"noWords", "words", "error"},
                      LineCase{"tooWide", "words 0x100000000", "error"},
                      LineCase{"negative", "words -1", "error"},
                      LineCase{"notANumber", "words 12ab", "error"},
                      LineCase{"pause", "pause 10", "ok"}, LineCase{"pauseBad", "pause", "error"},
                      LineCase{"drop", "drop", "ok"}, LineCase{"stats", "stats", "stats "},
                      LineCase{"comment", "# nothing", "ok"}, LineCase{"help", "help", "ok"},
                      LineCase{"unknown", "launch", "error"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineCommands, TooManyWordsAreRefused) {
    SimBoard board(loopbackOptions());
    std::string line = "words";
    for (int i = 0; i < 124; ++i)
        line += " 0";
    EXPECT_EQ(runControlCommand(board, line).rfind("error", 0), 0u);
}

TEST(ControlPort, WordsSentOnThePortReachTheProgram) {
    SimBoard board(loopbackOptions());
    ASSERT_TRUE(board.start());
    ControlServer control(board);
    std::string error;
    ASSERT_TRUE(control.start({"127.0.0.1", 0}, error)) << error;
    SimClient client(board.port());
    ASSERT_TRUE(client.connect());
    ASSERT_TRUE(client.greet());
    ControlClient line(control.port());
    // The board takes the connection and counts the greeting on its own thread; words given
    // before it has taken the connection would be dropped with the previous connection's output.
    std::string stats;
    EXPECT_TRUE(client.pumpUntil([&] {
        stats = line.ask("stats");
        return stats.rfind("stats connections=1 greetings=1", 0) == 0;
    })) << stats;
    EXPECT_EQ(line.ask("words 0x30F6 0x300F5 0x105"), "ok");
    const std::vector<uint32_t> words{showFormWord(3), valueWord(0, 3), 0x105};
    ASSERT_TRUE(client.pumpUntil([&] {
        return std::any_of(client.blocks.begin(), client.blocks.end(),
                           [&](const ReceivedBlock& b) { return b.words == words; });
    }));
}

TEST(ControlPort, TakesLoopbackAddressesOnly) {
    SimBoard board(loopbackOptions());
    ControlServer control(board);
    std::string error;
    EXPECT_FALSE(control.start({"0.0.0.0", 0}, error));
    EXPECT_FALSE(error.empty());
}

TEST(ScriptRunner, RunsItsLinesAfterTheGreeting) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("talix-sim-script-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(path) << "# show the undo box\nwait 20\nwords 0x30F6\n";
    SimBoard board(loopbackOptions());
    ASSERT_TRUE(board.start());
    ScriptRunner script(board);
    std::string error;
    ASSERT_TRUE(script.start(path.string(), error)) << error;
    SimClient client(board.port());
    ASSERT_TRUE(client.connect());
    ASSERT_TRUE(client.greet());
    ASSERT_TRUE(client.pumpUntil(
        [&] { return client.hasWord([](uint32_t w) { return w == showFormWord(3); }); }));
    // The script's thread marks itself finished after its last line has been handed over.
    EXPECT_TRUE(client.pumpUntil([&] { return script.finished(); }));
    std::filesystem::remove(path);
    ScriptRunner missing(board);
    EXPECT_FALSE(missing.start("/nonexistent/script", error));
}

TEST(SimProgram, HelpAndBadOptions) {
    EXPECT_EQ(exitCode(spawnSim({"--help"})), 0);
    EXPECT_EQ(exitCode(spawnSim({"--bogus", "1"})), 2);
    EXPECT_EQ(exitCode(spawnSim({"--listen"})), 2);
    EXPECT_EQ(exitCode(spawnSim({"--rotator", "192.168.4.2:55556"})), 2);
    EXPECT_EQ(exitCode(spawnSim({"--faults", "storm=1", "--listen", "127.0.0.1:1"})), 1);
}

TEST(SimProgram, StreamsToTheProgramAndStopsOnTerm) {
    const uint16_t port = freePort();
    const uint16_t rotator = freePort();
    const pid_t pid = spawnSim({"--listen", "127.0.0.1:" + std::to_string(port), "--rotator",
                                "127.0.0.1:" + std::to_string(rotator), "--seed", "3"});
    ASSERT_GT(pid, 0);
    SimClient client(port);
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!client.connect() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(20ms);
    ASSERT_TRUE(client.connected());
    ASSERT_TRUE(client.greet());
    EXPECT_TRUE(client.waitFrames(5));
    ::kill(pid, SIGTERM);
    EXPECT_EQ(exitCode(pid), 0);
}
