#include "soak/support/BoardProcess.h"

#include "base/Endpoint.h"
#include "soak/support/BoardLog.h"

#include <QFile>
#include <QRegularExpression>
#include <arpa/inet.h>
#include <cstdio>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace talix::testing {

namespace {

constexpr const char* kLoopback = "127.0.0.1";
constexpr int kControlTimeoutMs = 5000;

// Writes one line to a loopback control port and reads the reply line.
std::string exchangeLine(uint16_t port, const std::string& line) {
    if (!destinationAllowed(kLoopback))
        return {};
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return {};
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    inet_pton(AF_INET, kLoopback, &addr.sin_addr);
    std::string reply;
    const std::string out = line + "\n";
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
        ::send(fd, out.data(), out.size(), MSG_NOSIGNAL) == ssize_t(out.size())) {
        char buffer[256];
        while (reply.find('\n') == std::string::npos) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, kControlTimeoutMs) <= 0)
                break;
            const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            reply.append(buffer, size_t(n));
        }
    }
    ::close(fd);
    const size_t end = reply.find('\n');
    return end == std::string::npos ? std::string() : reply.substr(0, end);
}

// A port that the kernel hands out as free at this moment (the board binds it right after).
uint16_t freePort(int type) {
    const int fd = ::socket(AF_INET, type | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return 0;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    inet_pton(AF_INET, kLoopback, &addr.sin_addr);
    socklen_t len = sizeof addr;
    uint16_t port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
        port = ntohs(addr.sin_port);
    ::close(fd);
    return port;
}

} // namespace

QString binaryPath(const char* name) {
    return qEnvironmentVariable("TALIX_BIN_DIR") + "/" + name;
}

QString readWholeFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

BoardProcess::~BoardProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(10000)) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
}

bool BoardProcess::start(const QString& logPath, const QString& faults, uint32_t seed) {
    m_logPath = logPath;
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.setReadChannel(QProcess::StandardError);
    // The control port and the rotator need a port number of their own; the board's own port
    // is chosen by the board.
    const uint16_t control = freePort(SOCK_STREAM);
    const uint16_t rotator = freePort(SOCK_DGRAM);
    if (control == 0 || rotator == 0)
        return false;
    QStringList args{"--listen",  "127.0.0.1:0",
                     "--control", QString("127.0.0.1:%1").arg(control),
                     "--rotator", QString("127.0.0.1:%1").arg(rotator),
                     "--log",     logPath,
                     "--seed",    QString::number(seed)};
    if (!faults.isEmpty())
        args << "--faults" << faults;
    m_process.start(binaryPath("talix-sim"), args);
    if (!m_process.waitForStarted(10000))
        return false;
    const QRegularExpression listening("listening on 127\\.0\\.0\\.1:(\\d+)");
    const QRegularExpression controlLine("control on 127\\.0\\.0\\.1:(\\d+)");
    QString err;
    waitUntil(
        [&] {
            m_process.waitForReadyRead(50);
            err += QString::fromLocal8Bit(m_process.readAllStandardError());
            return controlLine.match(err).hasMatch() || m_process.state() == QProcess::NotRunning;
        },
        std::chrono::seconds(20));
    m_port = uint16_t(listening.match(err).captured(1).toUInt());
    m_controlPort = uint16_t(controlLine.match(err).captured(1).toUInt());
    if (m_port == 0 || m_controlPort == 0)
        std::fprintf(stderr, "talix-sim did not start: %s\n", qPrintable(err));
    return m_port != 0 && m_controlPort != 0;
}

bool BoardProcess::greeted() const {
    for (const BoardEvent& e : parseBoardLog(log().toStdString()))
        if (isGreeting(e))
            return true;
    return false;
}

std::string BoardProcess::command(const std::string& line) const {
    return m_controlPort ? exchangeLine(m_controlPort, line) : std::string();
}

std::optional<BoardProcess::Stats> BoardProcess::stats() const {
    const std::string reply = command("stats");
    Stats s;
    unsigned long long c = 0, g = 0, f = 0, r = 0, a = 0;
    if (std::sscanf(reply.c_str(),
                    "stats connections=%llu greetings=%llu frames=%llu records=%llu "
                    "acknowledged=%llu",
                    &c, &g, &f, &r, &a) != 5)
        return std::nullopt;
    s.connections = c;
    s.greetings = g;
    s.frames = f;
    s.records = r;
    s.acknowledged = a;
    return s;
}

uint64_t residentKiB(int64_t pid) {
    QFile f(QString("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QString text = QString::fromLatin1(f.readAll());
    const auto m = QRegularExpression("VmRSS:\\s*(\\d+)\\s*kB").match(text);
    return m.hasMatch() ? m.captured(1).toULongLong() : 0;
}

} // namespace talix::testing
