// The main window's message procedure fed arbitrary frames: the real forms (offscreen), the real
// frame dispatcher with every item decoder behind it, the widgets they drive and the readout
// painter's passes. Built once; each input starts with a frame that settles any block left
// waiting by the previous input.
//
// Input: byte 0 sets the host (bit 0: the update form is shown; bit 1: the start script exists);
// the rest is cut into frames of 505 bytes: a control byte (bits 0-1: how far the board's frame
// counter moves, in steps of 40; bits 2-4: the payload length, mostly 3700), the stream part
// (header and 124 words) and the status word. A modal message handles the next frame inside the
// walk, as the real message loop would.
#include "app/Forms.h"
#include "app/MainWindow.h"
#include "base/FramePayload.h"
#include "base/MessageHook.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

using namespace talix;

namespace {

constexpr size_t kStreamPart = talix::board::kStreamWordsOffset + 4 * talix::board::kMaxStreamWords;
constexpr size_t kFrameInput = 1 + kStreamPart + 4;
constexpr size_t kPayload = talix::board::kFullPayload;
constexpr size_t kStatusOffset = talix::board::kStatusOffset;
constexpr std::array<uint32_t, 8> kLengths = {3700, 3700, 3700, 3700, 3700, 0, 634, 1000};
constexpr int kModalDepth = 2;
constexpr size_t kRingSlots = 32; // a payload stays valid for 31 more frames, as the reader's ring

std::vector<uint8_t>& nextSlot() {
    static std::array<std::vector<uint8_t>, kRingSlots> ring;
    static size_t index = 0;
    index = (index + 1) % kRingSlots;
    ring[index].assign(kPayload, 0);
    return ring[index];
}

// A loopback port that refuses connections: bound, never listening, held for the whole run, so
// the program's link stays down and its acknowledgements go nowhere.
uint16_t refusingPort() {
    static int fd = -1;
    if (fd < 0) {
        fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0)
            __builtin_trap();
    }
    sockaddr_in a{};
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    return ntohs(a.sin_port);
}

struct Program {
    QTemporaryDir data;
    QString script;
    app::FormSet* forms = nullptr; // lives until the process ends

    Program() {
        app::ProgramContext c;
        c.options.board = {"127.0.0.1", refusingPort()};
        c.options.rotator = {"127.0.0.1", 9};
        c.options.audio = "null";
        c.options.hostServices = "simulated";
        c.options.windowed = true;
        c.drives.set('C', data.path());
        c.receiveTimings = {20, 5, 80};
        QDir(data.path()).mkpath("TALIX");
        script = data.path() + "/TALIX/Start.bat";
        forms = new app::FormSet(c);
    }

    void setStartScript(bool present) {
        if (present == QFile::exists(script))
            return;
        if (!present) {
            QFile::remove(script);
            return;
        }
        QFile f(script);
        if (f.open(QIODevice::WriteOnly))
            f.write("C:\\TALIX\\TALIX123.EXE\r\n");
    }
};

Program* program = nullptr;

// The program raises its threads' priority; fuzzing is background work and gives that back.
void lowerAllThreads() {
    constexpr int kLowest = 19;
    std::error_code ec;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", ec))
        (void)setpriority(PRIO_PROCESS, id_t(std::stoul(task.path().filename().string())), kLowest);
}

// A continuation of a whole stream part of filler words: completes or drops a waiting block and
// leaves nothing waiting. Two sequence numbers in turn, so it is never taken for a repeat.
void settle(session::Session& session, uint16_t& counter) {
    static bool odd = false;
    odd = !odd;
    std::vector<uint8_t>& p = nextSlot();
    const uint32_t header = 124u | (odd ? 0x7FFFFFu : 0x7FFFFEu) << 8 | 1u << 31;
    std::memcpy(p.data(), &header, 4);
    session.linkFrame(p.data(), uint32_t(++counter) << 16 | kPayload);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TALIX_LOOPBACK_ONLY", "1");
    new QApplication(*argc, *argv); // lives until the process ends
    program = new Program;
    lowerAllThreads();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    session::Session& session = program->forms->session();
    const uint8_t flags = data[0];
    program->forms->F_Update->setVisible(flags & 1);
    program->setStartScript(flags & 2);

    static uint16_t counter = 0;
    static unsigned inputs = 0;
    if (++inputs % 1024 == 0) // threads of Qt's pool come and go
        lowerAllThreads();
    settle(session, counter);

    size_t at = 1;
    std::function<void()> next = [&] {
        if (at >= size)
            return;
        const size_t n = std::min(kFrameInput, size - at);
        const uint8_t control = data[at];
        std::vector<uint8_t>& p = nextSlot();
        for (size_t i = 0; i < kPayload; ++i) // audio and spectrum bytes vary from frame to frame
            p[i] = uint8_t(i * 7 + counter);
        std::fill_n(p.begin(), kStreamPart, 0);
        std::memcpy(p.data(), data + at + 1, std::min(n - 1, kStreamPart));
        if (n == kFrameInput)
            std::memcpy(p.data() + kStatusOffset, data + at + 1 + kStreamPart, 4);
        at += n;
        counter = uint16_t(counter + 1 + (control & 3) * 40);
        session.linkFrame(p.data(), uint32_t(counter) << 16 | kLengths[(control >> 2) & 7]);
    };
    int depth = 0;
    setMessageHandler([&](const QString&, bool) {
        if (depth < kModalDepth) {
            ++depth;
            next();
            --depth;
        }
        return 0;
    });
    while (at < size)
        next();
    setMessageHandler(nullptr);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return 0;
}
