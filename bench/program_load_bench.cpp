// The whole program's processor share while the board streams: talix-sim and talix run as child
// processes on loopback (offscreen platform, silent audio device, simulated host services), the
// board at its start values (spectrum at the full rate, waterfall at 16 lines per row: five rows
// per second). After a warm-up, the program's processor time (user + system, all its threads, from
// /proc/<pid>/stat) is measured over a wall-clock window.
//   program_cpu_share: processor time / wall time of the program (1.0 = one core); at 80 frames
//                      per second this is also the processor time per frame over 12.5 ms
//   cpu_us_per_frame:  processor time per frame period
//   board_cpu_share:   the same share for talix-sim, for comparison
//   frames_per_s, blocks_acknowledged: the board's own counts over the window (its control port)
// TALIX_LOAD_SECONDS sets the window (default 20).
//
// BM_ProgramOnX runs the program as on a desktop or the handheld: on the xcb platform of a private
// Xvfb (1920 x 1200 x 24) with a waterfall row on every frame, and adds the X server's processor
// time, which the program's repaints cost it:
//   program_ms_per_line, x_ms_per_line, total_ms_per_line: processor milliseconds per displayed
//                      line (one spectrum line and one waterfall row per frame the board sent)
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <optional>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr double kFramesPerSecond = 80.0;
constexpr auto kWarmUp = 4s;

fs::path binDir() {
    return fs::read_symlink("/proc/self/exe").parent_path();
}

// Processor seconds used so far by process `pid` (all threads).
double cpuSeconds(pid_t pid) {
    std::ifstream f("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(f, line);
    const size_t close = line.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream rest(line.substr(close + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14)
            utime = std::stoull(field);
        if (i == 15)
            stime = std::stoull(field);
    }
    return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

class Child {
public:
    // Starts `argv` with `extraEnv` added; with `stderrPipe`, its standard error can be read.
    Child(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv,
          bool stderrPipe) {
        std::vector<std::string> env(extraEnv);
        for (char** e = environ; *e; ++e)
            env.emplace_back(*e);
        std::vector<char*> a, e;
        for (const auto& s : argv)
            a.push_back(const_cast<char*>(s.c_str()));
        a.push_back(nullptr);
        for (const auto& s : env)
            e.push_back(const_cast<char*>(s.c_str()));
        e.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        int fds[2] = {-1, -1};
        if (stderrPipe && ::pipe(fds) == 0) {
            posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
            posix_spawn_file_actions_addclose(&actions, fds[0]);
        }
        if (posix_spawn(&m_pid, a[0], &actions, nullptr, a.data(), e.data()) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        if (fds[1] >= 0) {
            ::close(fds[1]);
            m_err = fdopen(fds[0], "r");
        }
    }
    ~Child() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            int status = 0;
            ::waitpid(m_pid, &status, 0);
        }
        if (m_err)
            std::fclose(m_err);
    }
    pid_t pid() const { return m_pid; }
    // The next line of its standard error, empty at its end.
    std::string errLine() {
        char buf[512];
        return m_err && std::fgets(buf, sizeof buf, m_err) ? buf : "";
    }
    bool running() const { return m_pid > 0 && ::waitpid(m_pid, nullptr, WNOHANG) == 0; }

private:
    pid_t m_pid = -1;
    FILE* m_err = nullptr;
};

// The port that talix-sim reports after `marker` on its standard error.
std::optional<int> reportedPort(Child& sim, const std::string& marker) {
    for (std::string line = sim.errLine(); !line.empty(); line = sim.errLine())
        if (const size_t at = line.find(marker); at != std::string::npos)
            return std::atoi(line.c_str() + at + marker.size());
    return std::nullopt;
}

// A loopback port that was free a moment ago (talix-sim's control port takes no port 0).
int freeLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    const bool ok = ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
                    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0;
    ::close(fd);
    return ok ? ntohs(a.sin_port) : 0;
}

// The board's count of frames sent and blocks acknowledged, from its control port's "stats".
struct BoardStats {
    double frames = 0;
    double acknowledged = 0;
};

std::optional<BoardStats> boardStats(int controlPort) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(uint16_t(controlPort));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string reply;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::write(fd, "stats\n", 6) == 6) {
        char buf[256];
        for (ssize_t n;
             reply.find('\n') == std::string::npos && (n = ::read(fd, buf, sizeof buf)) > 0;)
            reply.append(buf, size_t(n));
    }
    ::close(fd);
    const auto field = [&](const std::string& name) -> std::optional<double> {
        const size_t at = reply.find(" " + name + "=");
        if (at == std::string::npos)
            return std::nullopt;
        return std::atof(reply.c_str() + at + name.size() + 2);
    };
    const auto frames = field("frames"), acknowledged = field("acknowledged");
    if (!frames || !acknowledged)
        return std::nullopt;
    return BoardStats{*frames, *acknowledged};
}

// A display number no X server uses.
int freeDisplay() {
    for (int n = 90; n < 200; ++n)
        if (!fs::exists("/tmp/.X11-unix/X" + std::to_string(n)) &&
            !fs::exists("/tmp/.X" + std::to_string(n) + "-lock"))
            return n;
    return -1;
}

bool sendControl(int controlPort, const std::string& line) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(uint16_t(controlPort));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
              ::write(fd, line.data(), line.size()) == ssize_t(line.size());
    char reply[128];
    ok = ok && ::read(fd, reply, sizeof reply) > 0 && std::string(reply, 2) == "ok";
    ::close(fd);
    return ok;
}

void programOnX(benchmark::State& state, const std::vector<std::string>& controls) {
    const char* s = std::getenv("TALIX_LOAD_SECONDS");
    const double window = s ? std::atof(s) : 20.0;
    const int display = freeDisplay();
    if (display < 0) {
        state.SkipWithError("no free X display number");
        return;
    }
    const std::string name = ":" + std::to_string(display);
    const fs::path data = fs::temp_directory_path() / ("talix-load-" + std::to_string(getpid()));
    fs::create_directories(data);
    for (auto _ : state) {
        Child x({"/usr/bin/Xvfb", name, "-screen", "0", "1920x1200x24", "-nolisten", "tcp"}, {},
                false);
        std::this_thread::sleep_for(1s);
        const std::vector<std::string> env = {"TALIX_LOOPBACK_ONLY=1", "QT_QPA_PLATFORM=xcb",
                                              "DISPLAY=" + name};
        Child sim({(binDir() / "talix-sim").string(), "--listen", "127.0.0.1:0", "--control",
                   "127.0.0.1:" + std::to_string(freeLoopbackPort())},
                  env, true);
        const std::optional<int> port = reportedPort(sim, "listening on 127.0.0.1:");
        const std::optional<int> control = reportedPort(sim, "control on 127.0.0.1:");
        if (!x.running() || !port || !control) {
            state.SkipWithError("Xvfb or talix-sim did not start");
            break;
        }
        Child program({(binDir() / "talix").string(), "--board",
                       "127.0.0.1:" + std::to_string(*port), "--rotator", "127.0.0.1:9", "--audio",
                       "null", "--host-services", "simulated", "--windowed", "--scale", "1", "--drive",
                       "C=" + data.string()},
                      env, false);
        std::this_thread::sleep_for(kWarmUp);
        bool controlled = true;
        for (const std::string& line : controls)
            controlled = controlled && sendControl(*control, line + "\n");
        std::this_thread::sleep_for(1s);
        if (!program.running() || !controlled) {
            state.SkipWithError("talix did not keep running or the board took no control");
            break;
        }
        const auto t0 = std::chrono::steady_clock::now();
        const double p0 = cpuSeconds(program.pid()), x0 = cpuSeconds(x.pid());
        const std::optional<BoardStats> s0 = boardStats(*control);
        std::this_thread::sleep_for(std::chrono::duration<double>(window));
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        const double programCpu = cpuSeconds(program.pid()) - p0;
        const double xCpu = cpuSeconds(x.pid()) - x0;
        const std::optional<BoardStats> s1 = boardStats(*control);
        if (!s0 || !s1 || s1->frames <= s0->frames) {
            state.SkipWithError("the board's control port did not answer");
            break;
        }
        const double lines = s1->frames - s0->frames;
        state.SetIterationTime(wall);
        state.counters["program_cpu_share"] = programCpu / wall;
        state.counters["x_cpu_share"] = xCpu / wall;
        state.counters["program_ms_per_line"] = 1e3 * programCpu / lines;
        state.counters["x_ms_per_line"] = 1e3 * xCpu / lines;
        state.counters["total_ms_per_line"] = 1e3 * (programCpu + xCpu) / lines;
        state.counters["frames_per_s"] = lines / wall;
    }
    fs::remove_all(data);
}

// Item 13 of the main window (WfTimeUnit): drawn lines per waterfall row.
const std::string kWaterfallEveryLine = "words 0xDF5 1";

void BM_ProgramOnX(benchmark::State& state) {
    programOnX(state, {kWaterfallEveryLine});
}
BENCHMARK(BM_ProgramOnX)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void BM_ProgramStreaming(benchmark::State& state) {
    const char* s = std::getenv("TALIX_LOAD_SECONDS");
    const double window = s ? std::atof(s) : 20.0;
    const std::vector<std::string> env = {"TALIX_LOOPBACK_ONLY=1", "QT_QPA_PLATFORM=offscreen"};
    const fs::path data = fs::temp_directory_path() / ("talix-load-" + std::to_string(getpid()));
    fs::create_directories(data);
    for (auto _ : state) {
        Child sim({(binDir() / "talix-sim").string(), "--listen", "127.0.0.1:0", "--control",
                   "127.0.0.1:" + std::to_string(freeLoopbackPort())},
                  env, true);
        const std::optional<int> port = reportedPort(sim, "listening on 127.0.0.1:");
        const std::optional<int> control = reportedPort(sim, "control on 127.0.0.1:");
        if (!port || !control) {
            state.SkipWithError("talix-sim did not start");
            break;
        }
        Child program({(binDir() / "talix").string(), "--board",
                       "127.0.0.1:" + std::to_string(*port), "--rotator", "127.0.0.1:9", "--audio",
                       "null", "--host-services", "simulated", "--windowed", "--scale", "1", "--drive",
                       "C=" + data.string()},
                      env, false);
        std::this_thread::sleep_for(kWarmUp);
        if (!program.running()) {
            state.SkipWithError("talix did not keep running");
            break;
        }
        const auto t0 = std::chrono::steady_clock::now();
        const double p0 = cpuSeconds(program.pid()), b0 = cpuSeconds(sim.pid());
        const std::optional<BoardStats> s0 = boardStats(*control);
        std::this_thread::sleep_for(std::chrono::duration<double>(window));
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        const double programCpu = cpuSeconds(program.pid()) - p0;
        const double boardCpu = cpuSeconds(sim.pid()) - b0;
        const std::optional<BoardStats> s1 = boardStats(*control);
        if (!s0 || !s1) {
            state.SkipWithError("the board's control port did not answer");
            break;
        }
        state.SetIterationTime(wall);
        state.counters["program_cpu_share"] = programCpu / wall;
        state.counters["cpu_us_per_frame"] = 1e6 * programCpu / (wall * kFramesPerSecond);
        state.counters["board_cpu_share"] = boardCpu / wall;
        // The board streams while the program keeps up; blocks acknowledged show it walks them.
        state.counters["frames_per_s"] = (s1->frames - s0->frames) / wall;
        state.counters["blocks_acknowledged"] = s1->acknowledged - s0->acknowledged;
    }
    fs::remove_all(data);
}
BENCHMARK(BM_ProgramStreaming)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace
