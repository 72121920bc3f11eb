#include "sim/ControlServer.h"

#include "base/ThreadPriority.h"
#include "sim/ControlCommands.h"
#include "sim/SimBoard.h"
#include "sim/Sockets.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <poll.h>
#include <sstream>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace talix::sim {

namespace {
constexpr size_t kMaxLine = 4096;
}

ControlServer::ControlServer(SimBoard& board) : m_board(board) {}

ControlServer::~ControlServer() {
    stop();
}

bool ControlServer::start(const Endpoint& at, std::string& error) {
    if (!isLoopbackHost(at.host)) {
        error = "the control port takes loopback addresses only: " + at.host;
        return false;
    }
    m_listenFd = listenTcp(at, error);
    if (m_listenFd < 0)
        return false;
    if (::pipe2(m_wake, O_NONBLOCK | O_CLOEXEC) != 0) {
        error = "cannot create the wake-up pipe";
        closeSocket(m_listenFd);
        return false;
    }
    m_port = localPort(m_listenFd);
    m_thread = std::thread([this] { run(); });
    return true;
}

void ControlServer::stop() {
    if (!m_thread.joinable())
        return;
    m_stop = true;
    const uint8_t b = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_wake[1], &b, 1);
    m_thread.join();
    closeSocket(m_listenFd);
    for (int& fd : m_wake) {
        ::close(fd);
        fd = -1;
    }
}

void ControlServer::run() {
    setCurrentThreadPriority(ThreadPriority::Normal);
    std::map<int, std::string> clients; // descriptor -> unfinished line
    while (!m_stop) {
        std::vector<pollfd> fds{{m_wake[0], POLLIN, 0}, {m_listenFd, POLLIN, 0}};
        for (const auto& [fd, pending] : clients)
            fds.push_back({fd, POLLIN, 0});
        if (::poll(fds.data(), fds.size(), 200) <= 0)
            continue;
        if (fds[1].revents & POLLIN) {
            const int fd = acceptTcp(m_listenFd);
            if (fd >= 0)
                clients[fd];
        }
        for (size_t i = 2; i < fds.size(); ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            int fd = fds[i].fd;
            char buffer[1024];
            const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
            std::string& pending = clients[fd];
            if (n <= 0 || pending.size() + size_t(n) > kMaxLine) {
                clients.erase(fd);
                closeSocket(fd);
                continue;
            }
            pending.append(buffer, size_t(n));
            for (auto end = pending.find('\n'); end != std::string::npos;
                 end = pending.find('\n')) {
                std::string line = pending.substr(0, end);
                pending.erase(0, end + 1);
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                const std::string reply = runControlCommand(m_board, line) + "\n";
                // Replies are short; a client that does not read them loses them.
                [[maybe_unused]] const ssize_t sent =
                    ::send(fd, reply.data(), reply.size(), MSG_NOSIGNAL);
            }
        }
    }
    for (auto& [fd, pending] : clients) {
        int copy = fd;
        closeSocket(copy);
    }
}

ScriptRunner::ScriptRunner(SimBoard& board) : m_board(board) {}

ScriptRunner::~ScriptRunner() {
    stop();
}

bool ScriptRunner::start(const std::string& path, std::string& error) {
    std::ifstream file(path);
    if (!file) {
        error = "cannot read the script " + path;
        return false;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    m_thread = std::thread([this, lines = std::move(lines)] {
        setCurrentThreadPriority(ThreadPriority::Normal);
        const auto sleep = [this](std::chrono::milliseconds d) {
            const auto until = std::chrono::steady_clock::now() + d;
            while (!m_stop && std::chrono::steady_clock::now() < until)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        };
        while (!m_stop && m_board.greetingsReceived() == 0)
            sleep(std::chrono::milliseconds(20));
        for (const auto& line : lines) {
            if (m_stop)
                break;
            std::istringstream in(line);
            std::string command;
            long ms = 0;
            if (in >> command && command == "wait" && in >> ms && ms >= 0) {
                sleep(std::chrono::milliseconds(ms));
                continue;
            }
            runControlCommand(m_board, line);
        }
        m_finished = true;
    });
    return true;
}

void ScriptRunner::stop() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace talix::sim
