// Records the simulated board's traffic as seed inputs for the fuzz programs.
//
//   capture_seeds OUT_DIR [SECONDS]
//
// Starts the simulated board in-process on a free loopback port with malformed and split parameter
// blocks, connects to it as the program does (greeting, acknowledgements), and operates it for a
// few seconds: the Setup form shown, its fields selected and edited with the knob, tuning with the
// knob, mode and frequency changes, the System and memory forms, the DAB list
// and its slides, the rotator turned by the knob, tune mode. Writes:
//   OUT_DIR/frame_reader/NNNN      raw stream slices with the reader program's 5-byte prefix
//   OUT_DIR/frame_dispatcher/NNNN  runs of consecutive payloads in the dispatcher program's layout
// Each set is meant to be minimised with the fuzz program's -merge=1 (scripts/fuzz-seeds.sh).
#include "base/Endpoint.h"
#include "base/FramePayload.h"
#include "link/CommandRecords.h"
#include "link/LinkFrame.h"
#include "sim/SimBoard.h"

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;

namespace {

constexpr const char* kFaults = "badblock=0.2,blocksplit=0.5";
constexpr size_t kStreamPart = talix::board::kStreamWordsOffset + 4 * talix::board::kMaxStreamWords;
constexpr size_t kStatusOffset = talix::board::kStatusOffset;
constexpr size_t kReaderSlice = 4 * 3712 + 1000; // about four frames, cut at any byte
constexpr size_t kReaderStride = 7 * 3712 + 333;
constexpr size_t kDispatcherRun = 8; // frames per dispatcher seed
constexpr double kDabSearch = 7;     // seconds: the simulated search, then a slide or two

// The board's parameter blocks: what the capture must acknowledge so that the board moves on.
class BlockTracker {
public:
    // Returns the sequence number to acknowledge when this payload completes a block, else 0.
    uint32_t frame(const uint8_t* payload) {
        uint32_t header, first;
        std::memcpy(&header, payload, 4);
        std::memcpy(&first, payload + 4, 4);
        const uint32_t n = header & 0xFF, seq = (header >> 8) & 0x7FFFFF;
        const bool continuation = header >> 31;
        if (n == 0 || n > 124 || seq == 0)
            return 0;
        if (!continuation) {
            if (m_pending != 0)
                return 0;
            if (first < 8 || first > 496)
                return 0;
            m_pending = int64_t(first) - 4 * int64_t(n);
            if (m_pending > 0)
                return 0;
            m_pending = 0;
            return seq;
        }
        if (m_pending == 0)
            return 0;
        m_pending -= 4 * int64_t(n);
        const bool complete = m_pending <= 0;
        m_pending = 0;
        return complete ? seq : 0;
    }

private:
    int64_t m_pending = 0;
};

class Client {
public:
    bool connectTo(uint16_t port) {
        if (!talix::destinationAllowed("127.0.0.1"))
            return false;
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0)
            return false;
        send(talix::link::commands::greeting());
        m_reader = std::thread([this] { readLoop(); });
        return true;
    }
    ~Client() {
        m_stop = true;
        if (m_fd >= 0)
            ::shutdown(m_fd, SHUT_RDWR);
        if (m_reader.joinable())
            m_reader.join();
        if (m_fd >= 0)
            ::close(m_fd);
    }
    void send(const Bytes& record) {
        std::lock_guard lock(m_writeLock);
        (void)!::write(m_fd, record.data(), record.size());
    }
    Bytes stream() {
        std::lock_guard lock(m_streamLock);
        return m_stream;
    }

private:
    // Keeps every byte and acknowledges completed blocks; frames are found at whole-frame steps
    // from each header (the board sends no garbage here).
    void readLoop() {
        std::vector<uint8_t> buf(65536);
        Bytes pending;
        BlockTracker blocks;
        while (!m_stop) {
            const ssize_t got = ::read(m_fd, buf.data(), buf.size());
            if (got <= 0)
                return;
            {
                std::lock_guard lock(m_streamLock);
                m_stream.insert(m_stream.end(), buf.begin(), buf.begin() + got);
            }
            pending.insert(pending.end(), buf.begin(), buf.begin() + got);
            size_t at = 0;
            while (pending.size() - at >= talix::link::kFrameLength) {
                uint32_t w0, w1;
                std::memcpy(&w0, &pending[at], 4);
                std::memcpy(&w1, &pending[at + 4], 4);
                if (w0 != talix::link::kFrameLength || w1 != talix::link::kFrameCheckWord) {
                    ++at;
                    continue;
                }
                if (const uint32_t seq = blocks.frame(&pending[at + 12]))
                    send({13, 0, uint8_t(seq), uint8_t(seq >> 8), uint8_t(seq >> 16)});
                at += talix::link::kFrameLength;
            }
            pending.erase(pending.begin(), pending.begin() + long(at));
        }
    }

    int m_fd = -1;
    std::atomic<bool> m_stop{false};
    std::mutex m_writeLock, m_streamLock;
    Bytes m_stream;
    std::thread m_reader;
};

Bytes le32(uint32_t v) {
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}

Bytes setValue(uint8_t item, uint32_t v) {
    Bytes r = {245, item, 0};
    const Bytes w = le32(v);
    r.insert(r.end(), w.begin(), w.end());
    return r;
}

// The program's operations, spread over `seconds`.
void operate(Client& c, talix::sim::SimBoard& board, double seconds) {
    const auto step = std::chrono::duration<double>(seconds / 40);
    auto pause = [&] { std::this_thread::sleep_for(step); };
    pause();
    for (int i = 0; i < 6; ++i, pause()) // tuning with the knob on EFreq1
        c.send({2, uint8_t(i % 2 ? 5 : 0xFB)});
    c.send({1, 13, 11}); // Setup
    pause();
    for (uint8_t item : {3, 9, 12}) {
        c.send({192, item, 1, 0});
        pause();
        c.send({2, 2});
        pause();
    }
    c.send({1, 10, 1}); // Setup closed
    pause();
    c.send(setValue(1, 8)); // FM-W on FM broadcast: RDS
    c.send(setValue(0, 1'000'000'000));
    pause();
    pause();
    c.send({1, 12, 0}); // tune mode
    for (int i = 0; i < 4; ++i, pause())
        c.send({2, 4});
    c.send({1, 12, 0});
    c.send({1, 13, 12}); // System
    pause();
    c.send({1, 10, 2});
    c.send(setValue(1, 3)); // USB in the 40 m band
    c.send(setValue(0, 71'000'000));
    pause();
    c.send({1, 13, 18}); // memory keypad: 7.1 MHz
    for (uint8_t k : {7, 13, 1})
        c.send({1, k, 0});
    c.send({1, 10, 53});
    pause();
    c.send({1, 13, 18}); // memory keypad: a line stored, then "Discover DAB"
    c.send({192, 3, 5, 0, 1, 25, 3});
    c.send({1, 10, 69});
    // The search fills the list and tunes the first service, whose slides then come: whole
    // seconds of the board's time, however short the capture.
    std::this_thread::sleep_for(std::max(8 * step, std::chrono::duration<double>(kDabSearch)));
    c.send({245, 2, 15}); // a service with a slide show
    for (int i = 0; i < 3; ++i, pause())
        c.send({2, 4});   // the knob scrolls the list
    c.send({192, 1, 16}); // the rotator's dial selected: the knob turns it, the board reports it
    for (int i = 0; i < 3; ++i, pause())
        c.send({2, uint8_t(i == 1 ? 0xF8 : 6)});
    c.send({192, 0, 16});
    c.send({1, 21, 0}); // spectrum averaging
    c.send({1, 23, 0});
    // Words for the DAB list and the rotator, which this board does not send by itself.
    board.sendParamWords({0xF0F6, 0x0F01F5, 2, 0x11, 0x22, 0x1001C0}); // DAB shown, its list
    board.sendParamWords({0x1000F5, 0x55, 0x0502, 0xFE02, 0x1000C0});  // relay, knob, rotator
    board.sendParamWords({0x0F03C0, 0xF0F7});                          // DAB field, DAB closed
    while (step.count() > 0 && board.framesSent() < uint64_t(seconds * 80))
        pause();
}

void writeFile(const fs::path& p, const Bytes& b) {
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), long(b.size()));
}

// Payloads at whole-frame steps from each header.
std::vector<Bytes> payloads(const Bytes& s) {
    std::vector<Bytes> out;
    for (size_t at = 0; at + talix::link::kFrameLength <= s.size();) {
        uint32_t w0, w1;
        std::memcpy(&w0, &s[at], 4);
        std::memcpy(&w1, &s[at + 4], 4);
        if (w0 != talix::link::kFrameLength || w1 != talix::link::kFrameCheckWord) {
            ++at;
            continue;
        }
        out.emplace_back(s.begin() + long(at) + 12, s.begin() + long(at) + 3712);
        at += talix::link::kFrameLength;
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: capture_seeds OUT_DIR [SECONDS]\n");
        return 2;
    }
    const fs::path out = argv[1];
    const double seconds = argc > 2 ? std::atof(argv[2]) : 6.0;
    setenv("TALIX_LOOPBACK_ONLY", "1", 1);

    talix::sim::SimOptions o;
    o.listen = {"127.0.0.1", 0};
    o.rotator = {"127.0.0.1", 0};
    o.faults = kFaults;
    talix::sim::SimBoard board(o);
    if (!board.start()) {
        std::fprintf(stderr, "board: %s\n", board.error().c_str());
        return 1;
    }
    Bytes stream;
    {
        Client c;
        if (!c.connectTo(board.port())) {
            std::fprintf(stderr, "cannot connect to the board on loopback\n");
            return 1;
        }
        operate(c, board, seconds);
        stream = c.stream();
    }
    board.stop();

    const fs::path reader = out / "frame_reader", dispatcher = out / "frame_dispatcher";
    fs::create_directories(reader);
    fs::create_directories(dispatcher);
    int file = 0;
    char name[16];
    for (size_t at = 0, k = 0; at < stream.size(); at += kReaderStride, ++k) {
        // Pieces of every size class and the update form shown for some pieces.
        Bytes b = {uint8_t(k % 3 == 0 ? 0 : 0x5A), uint8_t(k * 37), uint8_t(k * 11 + 1),
                   uint8_t(127), uint8_t(k)};
        const size_t n = std::min(kReaderSlice, stream.size() - at);
        b.insert(b.end(), stream.begin() + long(at), stream.begin() + long(at + n));
        std::snprintf(name, sizeof name, "%04d", file++);
        writeFile(reader / name, b);
    }
    // Update reply exchanges: 8-byte replies, the last one ending it, then frames again; the
    // second with the words an update meets (ready, accepted or busy, clearing, burnt).
    const auto updateReplies = [&](const char* file, std::initializer_list<uint32_t> replies) {
        Bytes b = {0xFF, 0, 0, 0, 0};
        for (uint32_t w : replies) {
            for (uint32_t x : {8u, w}) {
                const Bytes word = le32(x);
                b.insert(b.end(), word.begin(), word.end());
            }
        }
        b.insert(b.end(), stream.begin(),
                 stream.begin() + long(std::min<size_t>(stream.size(), 3712 * 2)));
        writeFile(reader / file, b);
    };
    updateReplies("update_reply", {0x0101u, 0x0202u, 0x030Fu});
    updateReplies("update_replies", {0u, 85u, 85u, 90u, 90u, 0u, 85u, 15u});
    const std::vector<Bytes> frames = payloads(stream);
    file = 0;
    for (size_t i = 0; i < frames.size(); i += kDispatcherRun) {
        Bytes b = {uint8_t(file % 4)};
        for (size_t j = i; j < std::min(frames.size(), i + kDispatcherRun); ++j) {
            b.push_back(0);
            b.insert(b.end(), frames[j].begin(), frames[j].begin() + long(kStreamPart));
            b.insert(b.end(), frames[j].begin() + long(kStatusOffset), frames[j].end());
        }
        std::snprintf(name, sizeof name, "%04d", file++);
        writeFile(dispatcher / name, b);
    }
    std::printf("%zu bytes, %zu frames, %llu blocks acknowledged\n", stream.size(), frames.size(),
                static_cast<unsigned long long>(board.blocksAcknowledged()));
    return 0;
}
