#include "sim/SimBoard.h"

#include "base/LittleEndian.h"
#include "link/LinkFrame.h"
#include "sim/CommandParser.h"
#include "sim/FramePacer.h"
#include "sim/FrameWriter.h"
#include "sim/OutputQueue.h"
#include "sim/ParamSender.h"
#include "sim/RecordLog.h"
#include "sim/Sockets.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace talix::sim {

namespace {

using Clock = std::chrono::steady_clock;

// Frames held back while the program does not read: about 0.8 s of stream. Beyond it new frames
// are not queued (their counter still advances, as the board's frame clock runs on).
constexpr size_t kMaxBacklogBytes = 64 * link::kFrameLength;
constexpr uint8_t kAckKind = 13;

timespec toTimespec(Clock::duration d) {
    if (d < Clock::duration::zero())
        d = Clock::duration::zero();
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(d).count();
    return timespec{time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
}

} // namespace

struct SimBoard::Impl {
    explicit Impl(SimOptions o) : options(std::move(o)), params(options.resendAfter) {}

    void run();
    void acceptConnection();
    void endConnection(const char* why);
    void readCommands();
    void handleRecord(std::vector<uint8_t> record);
    void applyControls(Clock::time_point now);
    void sendDueFrames(Clock::time_point now);
    void wake() {
        const uint8_t b = 1;
        [[maybe_unused]] const ssize_t n = ::write(wakePipe[1], &b, 1);
    }

    SimOptions options;
    std::string error;
    int listenFd = -1;
    uint16_t port = 0;
    int wakePipe[2] = {-1, -1};
    std::thread thread;
    std::atomic<bool> stopping{false};
    RecordLog log;

    // Requests from other threads, taken by the board thread.
    std::mutex controlMutex;
    std::optional<Clock::time_point> pauseRequest;
    bool dropRequest = false;
    std::vector<ParamBlock> blockInbox;

    std::atomic<size_t> connections{0};
    std::atomic<size_t> greetings{0};
    std::atomic<uint64_t> frames{0};
    std::atomic<uint64_t> acknowledged{0};
    std::atomic<uint64_t> resent{0};
    mutable std::mutex recordsMutex;
    std::vector<std::vector<uint8_t>> records;

    // Board thread only.
    int clientFd = -1;
    bool streaming = false; // greeted on this connection
    Clock::time_point streamStart{};
    bool scheduledPauseDone = false;
    CommandParser parser;
    OutputQueue output;
    ParamSender params;
    FramePacer pacer;
    Clock::time_point pausedUntil{};
    bool paused = false;
    uint32_t frameCounter = 0;
    FrameContent content;
    FrameBytes frame{};
};

SimBoard::SimBoard(SimOptions options) : m(std::make_unique<Impl>(std::move(options))) {}

SimBoard::~SimBoard() {
    stop();
}

bool SimBoard::start() {
    if (m->thread.joinable())
        return true;
    if (!m->log.open(m->options.logPath)) {
        m->error = "cannot write the log " + m->options.logPath;
        return false;
    }
    m->listenFd = listenTcp(m->options.listen, m->error);
    if (m->listenFd < 0)
        return false;
    m->port = localPort(m->listenFd);
    if (::pipe2(m->wakePipe, O_NONBLOCK | O_CLOEXEC) != 0) {
        m->error = "cannot create the wake-up pipe";
        closeSocket(m->listenFd);
        return false;
    }
    m->log.note("listening on " + m->options.listen.host + ":" + std::to_string(m->port));
    m->stopping = false;
    m->thread = std::thread([this] { m->run(); });
    return true;
}

void SimBoard::stop() {
    if (!m->thread.joinable())
        return;
    m->stopping = true;
    m->wake();
    m->thread.join();
    closeSocket(m->clientFd);
    closeSocket(m->listenFd);
    for (int& fd : m->wakePipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

uint16_t SimBoard::port() const {
    return m->port;
}

std::string SimBoard::error() const {
    return m->error;
}

void SimBoard::pauseStreaming(std::chrono::milliseconds duration) {
    {
        std::lock_guard lock(m->controlMutex);
        m->pauseRequest = Clock::now() + duration;
    }
    m->wake();
}

void SimBoard::dropConnection() {
    {
        std::lock_guard lock(m->controlMutex);
        m->dropRequest = true;
    }
    m->wake();
}

void SimBoard::sendParamWords(const std::vector<uint32_t>& words) {
    {
        std::lock_guard lock(m->controlMutex);
        m->blockInbox.push_back(words);
    }
    m->wake();
}

size_t SimBoard::connectionsAccepted() const {
    return m->connections.load();
}

size_t SimBoard::greetingsReceived() const {
    return m->greetings.load();
}

uint64_t SimBoard::framesSent() const {
    return m->frames.load();
}

uint64_t SimBoard::blocksAcknowledged() const {
    return m->acknowledged.load();
}

uint64_t SimBoard::blocksResent() const {
    return m->resent.load();
}

std::vector<std::vector<uint8_t>> SimBoard::receivedRecords() const {
    std::lock_guard lock(m->recordsMutex);
    return m->records;
}

void SimBoard::Impl::run() {
    while (!stopping) {
        const auto now = Clock::now();
        applyControls(now);
        if (clientFd >= 0 && streaming)
            sendDueFrames(now);
        if (clientFd >= 0 && !output.flush(clientFd, Clock::now()))
            endConnection("write failed");

        // Sleep until the next frame or held-back piece is due, or something arrives.
        Clock::time_point wakeAt = Clock::now() + std::chrono::milliseconds(20);
        if (clientFd >= 0 && streaming)
            wakeAt = std::min(wakeAt, paused ? pausedUntil : pacer.nextDue());
        if (clientFd >= 0 && !output.empty())
            wakeAt = std::min(wakeAt, std::max(output.nextReady(), Clock::now()));
        pollfd fds[3] = {{wakePipe[0], POLLIN, 0}, {listenFd, POLLIN, 0}, {clientFd, POLLIN, 0}};
        if (clientFd >= 0 && !output.empty() && output.nextReady() <= Clock::now())
            fds[2].events |= POLLOUT;
        const nfds_t count = clientFd >= 0 ? 3 : 2;
        const timespec timeout = toTimespec(wakeAt - Clock::now());
        if (::ppoll(fds, count, &timeout, nullptr) <= 0)
            continue;
        if (fds[0].revents & POLLIN) {
            uint8_t drain[64];
            while (::read(wakePipe[0], drain, sizeof drain) > 0) {
            }
        }
        if (fds[1].revents & POLLIN)
            acceptConnection();
        if (count == 3 && clientFd >= 0 && (fds[2].revents & (POLLIN | POLLHUP | POLLERR)))
            readCommands();
    }
}

void SimBoard::Impl::acceptConnection() {
    const int fd = acceptTcp(listenFd);
    if (fd < 0)
        return;
    if (clientFd >= 0)
        endConnection("replaced by a new connection");
    clientFd = fd;
    streaming = false;
    parser.reset();
    output.clear();
    params.reset();
    ++connections;
    log.note("connection " + std::to_string(connections.load()) + " accepted");
}

void SimBoard::Impl::endConnection(const char* why) {
    if (clientFd < 0)
        return;
    closeSocket(clientFd);
    streaming = false;
    output.clear();
    params.reset();
    log.note(std::string("connection closed: ") + why);
}

void SimBoard::Impl::readCommands() {
    uint8_t buffer[4096];
    while (clientFd >= 0) {
        const ssize_t n = ::recv(clientFd, buffer, sizeof buffer, 0);
        if (n > 0) {
            parser.feed(buffer, size_t(n));
            while (auto record = parser.next())
                handleRecord(std::move(*record));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (n < 0 && errno == EINTR)
            continue;
        endConnection(n == 0 ? "closed by the program" : "read failed");
    }
}

void SimBoard::Impl::handleRecord(std::vector<uint8_t> record) {
    log.record(record);
    if (record.size() == 1 && record[0] == link::kGreeting) {
        ++greetings;
        if (!streaming) {
            streaming = true;
            streamStart = Clock::now();
            scheduledPauseDone = false;
            pacer.restart(streamStart);
        }
        return;
    }
    if (record.size() == 5 && record[0] == kAckKind && record[1] == 0) {
        const uint32_t seq =
            uint32_t(record[2]) | uint32_t(record[3]) << 8 | uint32_t(record[4]) << 16;
        if (params.acknowledge(seq))
            ++acknowledged;
    }
    std::lock_guard lock(recordsMutex);
    records.push_back(std::move(record));
}

void SimBoard::Impl::applyControls(Clock::time_point now) {
    std::vector<ParamBlock> blocks;
    bool drop = false;
    {
        std::lock_guard lock(controlMutex);
        if (pauseRequest) {
            pausedUntil = *pauseRequest;
            paused = true;
            pauseRequest.reset();
            log.note("stream paused");
        }
        drop = dropRequest;
        dropRequest = false;
        blocks.swap(blockInbox);
    }
    for (auto& block : blocks) {
        if (!params.queueBlock(std::move(block)))
            log.note("parameter block refused: it must hold 1 to 123 words");
    }
    if (drop)
        endConnection("dropped on request");
    if (clientFd >= 0 && streaming) {
        const auto streamed = now - streamStart;
        if (options.dropAfter.count() > 0 && streamed >= options.dropAfter)
            endConnection("dropped after the set time");
        else if (options.pauseAfter.count() > 0 && !scheduledPauseDone &&
                 streamed >= options.pauseAfter) {
            scheduledPauseDone = true;
            pausedUntil = now + options.pauseFor;
            paused = true;
            log.note("stream paused for the set time");
        }
    }
    if (paused && now >= pausedUntil) {
        paused = false;
        pacer.restart(now);
        log.note("stream resumed");
    }
}

void SimBoard::Impl::sendDueFrames(Clock::time_point now) {
    if (paused)
        return;
    while (pacer.due(now)) {
        pacer.advance();
        const uint32_t counter = frameCounter++;
        if (output.pendingBytes() > kMaxBacklogBytes)
            continue; // the program is not reading; this frame is lost
        params.fillFrame(content, now, {});
        for (auto& bin : content.spectrum)
            bin = 40;
        writeFrame(frame, counter, content);
        output.push(frame.data(), frame.size());
        ++frames;
    }
    resent = params.resends();
}

} // namespace talix::sim
