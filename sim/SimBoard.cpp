#include "sim/SimBoard.h"

#include "base/BoardWords.h"
#include "base/ThreadPriority.h"
#include "link/LinkFrame.h"
#include "sim/CommandParser.h"
#include "sim/ControlRequests.h"
#include "sim/FaultInjector.h"
#include "sim/FramePacer.h"
#include "sim/FrameWriter.h"
#include "sim/OutputQueue.h"
#include "sim/ParamSender.h"
#include "sim/ReceivedRecords.h"
#include "sim/ReceiverModel.h"
#include "sim/RecordLog.h"
#include "sim/Sockets.h"
#include "sim/TestAudio.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
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
constexpr auto kSplitGap = std::chrono::microseconds(1500);

timespec toTimespec(Clock::duration d) {
    if (d < Clock::duration::zero())
        d = Clock::duration::zero();
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(d).count();
    return timespec{time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
}

} // namespace

struct SimBoard::Impl {
    explicit Impl(SimOptions o)
        : options(std::move(o)), params(options.resendAfter), faults(FaultPlan{}, options.seed) {}

    void run();
    void acceptConnection();
    void endConnection(const char* why);
    void readCommands();
    void readRotator();
    void takeCommands(const uint8_t* data, size_t size);
    void handleRecord(std::vector<uint8_t> record);
    void applyControls(Clock::time_point now);
    void sendDueFrames(Clock::time_point now);
    void sendFrame(Clock::time_point now);
    void startPause(Clock::time_point until, const char* why);
    void wake() {
        const uint8_t b = 1;
        [[maybe_unused]] const ssize_t n = ::write(wakePipe[1], &b, 1);
    }

    SimOptions options;
    std::string error;
    int listenFd = -1;
    uint16_t port = 0;
    int rotatorFd = -1;
    uint16_t rotatorPort = 0;
    int wakePipe[2] = {-1, -1};
    std::thread thread;
    std::atomic<bool> stopping{false};
    RecordLog log;

    // Requests from other threads, taken by the board thread.
    ControlRequests requests;

    std::atomic<size_t> connections{0};
    std::atomic<size_t> greetings{0};
    std::atomic<uint64_t> frames{0};
    std::atomic<uint64_t> acknowledged{0};
    std::atomic<uint64_t> resent{0};
    ReceivedRecords received;

    // Board thread only.
    int clientFd = -1;
    bool streaming = false; // greeted on this connection
    Clock::time_point streamStart{};
    bool scheduledPauseDone = false;
    CommandParser parser;
    FirmwareReceiver updates;
    bool resumeAfterUpdate = false;
    OutputQueue output;
    ParamSender params;
    FaultInjector faults;
    std::unique_ptr<ReceiverModel> model;
    FramePacer pacer;
    Clock::time_point pausedUntil{};
    bool paused = false;
    uint32_t frameCounter = 0;
    FrameContent content;
    FrameBytes frame{};
    TestAudio testAudio;
};

SimBoard::SimBoard(SimOptions options) : m(std::make_unique<Impl>(std::move(options))) {}

SimBoard::~SimBoard() {
    stop();
}

bool SimBoard::start() {
    if (m->thread.joinable())
        return true;
    if (!isLoopbackHost(m->options.rotator.host)) {
        m->error = "the rotator address must be a loopback address: " + m->options.rotator.host;
        return false;
    }
    const auto plan = parseFaults(m->options.faults, m->error);
    if (!plan)
        return false;
    m->faults = FaultInjector(*plan, m->options.seed);
    m->updates = FirmwareReceiver(plan->update);
    if (plan->blockSplitFraction > 0)
        m->params.setSplitter([this](uint32_t total) { return m->faults.blockSplit(total); });
    if (!m->testAudio.setTone(m->options.toneHz, m->error))
        return false;
    if (!m->log.open(m->options.logPath)) {
        m->error = "cannot write the log " + m->options.logPath;
        return false;
    }
    if (!m->testAudio.openLog(m->options.audioLogPath, m->error))
        return false;
    m->listenFd = listenTcp(m->options.listen, m->error);
    if (m->listenFd < 0)
        return false;
    m->port = localPort(m->listenFd);
    if (::pipe2(m->wakePipe, O_NONBLOCK | O_CLOEXEC) != 0) {
        m->error = "cannot create the wake-up pipe";
        closeSocket(m->listenFd);
        return false;
    }
    std::string rotatorError;
    m->rotatorFd = bindUdp(m->options.rotator, rotatorError);
    Endpoint rotator = m->options.rotator;
    if (m->rotatorFd >= 0) {
        m->rotatorPort = localPort(m->rotatorFd);
        rotator.port = m->rotatorPort;
        m->log.note("rotator on " + rotator.toString());
    } else {
        m->log.note("no rotator: " + rotatorError);
    }
    m->model = std::make_unique<ReceiverModel>(m->options.seed, rotator, m->rotatorFd >= 0);
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
    m->testAudio.closeLog();
    closeSocket(m->clientFd);
    closeSocket(m->listenFd);
    if (m->rotatorFd >= 0)
        ::close(m->rotatorFd);
    m->rotatorFd = -1;
    for (int& fd : m->wakePipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

uint16_t SimBoard::port() const {
    return m->port;
}

uint16_t SimBoard::rotatorPort() const {
    return m->rotatorPort;
}

std::string SimBoard::error() const {
    return m->error;
}

void SimBoard::pauseStreaming(std::chrono::milliseconds duration) {
    m->requests.pause(Clock::now() + duration);
    m->wake();
}

void SimBoard::dropConnection() {
    m->requests.drop();
    m->wake();
}

void SimBoard::sendParamWords(const std::vector<uint32_t>& words) {
    m->requests.sendBlock(words);
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

std::pair<size_t, std::vector<uint8_t>> SimBoard::updateImages() const {
    return m->received.images();
}

std::vector<std::vector<uint8_t>> SimBoard::receivedRecords() const {
    return m->received.records();
}

void SimBoard::Impl::run() {
    // The board runs beside a raised program in --demo: never at the level of its creator.
    setCurrentThreadPriority(ThreadPriority::Normal);
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
        pollfd fds[4] = {{wakePipe[0], POLLIN, 0},
                         {listenFd, POLLIN, 0},
                         {rotatorFd, POLLIN, 0},
                         {clientFd, POLLIN, 0}};
        if (clientFd >= 0 && !output.empty() && output.nextReady() <= Clock::now())
            fds[3].events |= POLLOUT;
        const timespec timeout = toTimespec(wakeAt - Clock::now());
        // Negative descriptors are ignored by poll.
        if (::ppoll(fds, 4, &timeout, nullptr) <= 0)
            continue;
        if (fds[0].revents & POLLIN) {
            uint8_t drain[64];
            while (::read(wakePipe[0], drain, sizeof drain) > 0) {
            }
        }
        if (fds[1].revents & POLLIN)
            acceptConnection();
        if (fds[2].revents & POLLIN)
            readRotator();
        if (clientFd >= 0 && clientFd == fds[3].fd &&
            (fds[3].revents & (POLLIN | POLLHUP | POLLERR)))
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
    updates.reset();
    resumeAfterUpdate = false;
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
    paused = false;
    output.clear();
    params.reset();
    log.note(std::string("connection closed: ") + why);
}

void SimBoard::Impl::readCommands() {
    uint8_t buffer[4096];
    while (clientFd >= 0) {
        const ssize_t n = ::recv(clientFd, buffer, sizeof buffer, 0);
        if (n > 0) {
            takeCommands(buffer, size_t(n));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (n < 0 && errno == EINTR)
            continue;
        endConnection(n == 0 ? "closed by the program" : "read failed");
    }
}

// A software update takes the bytes from its first record to its end; the frames pause meanwhile
// and go on once the board has answered the last packet.
void SimBoard::Impl::takeCommands(const uint8_t* data, size_t size) {
    std::vector<uint8_t> rest;
    if (updates.active() || (parser.pendingBytes() == 0 && updates.begins(data[0]))) {
        const size_t before = updates.imagesReceived();
        std::vector<FirmwareReceiver::Reply> replies;
        rest = updates.feed(data, size, replies);
        if (updates.active() && streaming) {
            streaming = false;
            resumeAfterUpdate = true;
            log.note("software update begins");
        }
        auto at = Clock::now();
        for (const FirmwareReceiver::Reply& reply : replies) {
            at += reply.after;
            const auto bytes = reply.bytes();
            output.push(bytes.data(), bytes.size(), at);
        }
        if (updates.imagesReceived() != before) {
            log.note("software update received whole");
            received.addImage(updates.image());
        }
        if (!updates.active() && resumeAfterUpdate) {
            resumeAfterUpdate = false;
            streaming = true;
            pacer.restart(at);
        }
        data = rest.data();
        size = rest.size();
    }
    parser.feed(data, size);
    while (auto record = parser.next())
        handleRecord(std::move(*record));
}

// The board plays the rotator: it takes the program's datagrams and reports the result.
void SimBoard::Impl::readRotator() {
    uint8_t d[256];
    ssize_t n = 0;
    while ((n = ::recv(rotatorFd, d, sizeof d, 0)) >= 0)
        model->rotatorDatagram(d, size_t(n));
}

void SimBoard::Impl::handleRecord(std::vector<uint8_t> record) {
    log.record(record);
    if (record.size() == 1 && record[0] == board::number(board::Record::Greeting)) {
        ++greetings;
        if (!streaming) {
            streaming = true;
            streamStart = Clock::now();
            scheduledPauseDone = false;
            pacer.restart(streamStart);
        }
        // The state goes out first, before blocks given earlier, so that the program's reset by
        // DeviceHello never undoes them.
        model->greeted();
        std::vector<ParamBlock> state;
        while (auto block = model->takeBlock())
            state.push_back(std::move(*block));
        for (auto it = state.rbegin(); it != state.rend(); ++it)
            params.queueBlockFront(std::move(*it));
        return;
    }
    if (record.size() == 5 && record[0] == board::number(board::Record::Acknowledge) &&
        record[1] == 0) {
        const uint32_t seq =
            uint32_t(record[2]) | uint32_t(record[3]) << 8 | uint32_t(record[4]) << 16;
        if (params.acknowledge(seq))
            ++acknowledged;
    } else {
        model->handleCommand(record);
    }
    received.add(std::move(record));
}

void SimBoard::Impl::startPause(Clock::time_point until, const char* why) {
    pausedUntil = until;
    paused = true;
    log.note(why);
}

void SimBoard::Impl::applyControls(Clock::time_point now) {
    ControlRequests::Taken asked = requests.take();
    if (asked.pauseUntil)
        startPause(*asked.pauseUntil, "stream paused");
    for (auto& block : asked.blocks) {
        if (!params.queueBlock(std::move(block)))
            log.note("parameter block refused: it must hold 1 to 123 words");
    }
    if (asked.drop)
        endConnection("dropped on request");
    if (clientFd >= 0 && streaming) {
        const auto streamed = now - streamStart;
        if (options.dropAfter.count() > 0 && streamed >= options.dropAfter)
            endConnection("dropped after the set time");
        else if (options.pauseAfter.count() > 0 && !scheduledPauseDone &&
                 streamed >= options.pauseAfter) {
            scheduledPauseDone = true;
            startPause(now + options.pauseFor, "stream paused for the set time");
        }
    }
    if (paused && now >= pausedUntil) {
        paused = false;
        pacer.restart(now);
        log.note("stream resumed");
    }
}

void SimBoard::Impl::sendDueFrames(Clock::time_point now) {
    while (!paused && clientFd >= 0 && pacer.due(now)) {
        pacer.advance();
        if (faults.dropNow()) {
            endConnection("fault: dropped");
            return;
        }
        if (const auto pause = faults.pauseNow()) {
            startPause(now + *pause, "fault: stream paused");
            return;
        }
        sendFrame(now);
    }
    resent = params.resends();
}

void SimBoard::Impl::sendFrame(Clock::time_point now) {
    const uint32_t counter = frameCounter++;
    model->tick();
    content.streamHeader = 0;
    content.words.fill(0);
    const bool faulty = !params.continuationDue() &&
                        faults.badBlockFrame(content, [this] { return params.takeSeq(); });
    if (faulty)
        log.note(std::string("fault: malformed parameter fragment (") +
                 FaultInjector::name(faults.lastBadBlock()) + ")");
    else
        params.fillFrame(content, now, [this] { return model->takeBlock(); });
    model->renderFrame(content);
    testAudio.replace(content);
    if (output.pendingBytes() > kMaxBacklogBytes)
        return; // the program is not reading; this frame is lost
    writeFrame(frame, counter, content);
    testAudio.log(frame);
    const auto junk = faults.garbage();
    if (!junk.empty())
        output.push(junk.data(), junk.size(), now);
    size_t from = 0;
    auto at = now;
    for (const size_t cut : faults.splitPoints(frame.size())) {
        output.push(frame.data() + from, cut - from, at);
        from = cut;
        at += kSplitGap;
    }
    output.push(frame.data() + from, frame.size() - from, at);
    ++frames;
}

} // namespace talix::sim
