// Handling one frame with painting included, on the real main window (offscreen platform, raster
// engine): the message procedure with the real items, the readout painter's pass for the fields
// the block marked, the spectrum line and waterfall row, and the repaint of every widget that this
// made dirty (readouts, spectrum panel, waterfall panel when it advanced, meters) into the window's
// backing store image. The spectrum runs at the full rate and the waterfall at 16 lines per row,
// the program's start values: five rows per second at 80 frames per second. The board sends one
// frame every 12.5 ms; the counter "of_frame_period" is the time per frame over 12.5 ms.
#include "app/Forms.h"
#include "app/MainWindow.h"
#include "display/spectrum/SpectrumPanel.h"
#include "display/spectrum/SpectrumScreen.h"
#include "display/spectrum/WaterfallPanel.h"
#include "support/BoardFrames.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <vector>

using namespace talix;

namespace {

constexpr double kFramePeriodSeconds = 0.0125;

// A loopback port that refuses connections (bound, never listening): the link stays down and the
// acknowledgements go nowhere, so only the frames given here are handled.
uint16_t refusingPort() {
    static int fd = -1;
    if (fd < 0) {
        fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    }
    sockaddr_in a{};
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    return ntohs(a.sin_port);
}

// The program raises its threads' priority; on a shared machine the benchmark gives that back
// (it reports processor time, which the priority does not change).
void lowerAllThreads() {
    constexpr int kLowest = 19;
    std::error_code ec;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", ec))
        (void)setpriority(PRIO_PROCESS, id_t(std::stoul(task.path().filename().string())), kLowest);
}

struct Program {
    std::unique_ptr<QApplication> app;
    QTemporaryDir data;
    std::unique_ptr<app::FormSet> forms;

    Program() {
        static int argc = 1;
        static char name[] = "frame_painting_bench";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("TALIX_LOOPBACK_ONLY", "1");
        app = std::make_unique<QApplication>(argc, argv);
        app::ProgramContext c;
        c.options.board = {"127.0.0.1", refusingPort()};
        c.options.rotator = {"127.0.0.1", 9};
        c.options.audio = "null";
        c.options.hostServices = "simulated";
        c.options.windowed = true;
        c.drives.set('C', data.path());
        forms = std::make_unique<app::FormSet>(c);
        forms->main().show();
        lowerAllThreads();
        settle();
    }
    static void settle() {
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
    }
};

Program& program() {
    static Program p;
    return p;
}

void periodCounter(benchmark::State& state) {
    state.counters["of_frame_period"] =
        benchmark::Counter(double(state.iterations()) * kFramePeriodSeconds,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// One frame: the message procedure, the paint pass, then the repaints it caused.
void handleAndPaint(app::FormSet& forms, const std::vector<uint8_t>& p, uint32_t n) {
    forms.session().linkFrame(p.data(), uint32_t(n & 0xFFFF) << 16 | bench::kPayloadLength);
    forms.view().paintReadouts();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

std::vector<std::vector<uint8_t>> tuningFrames() {
    std::vector<std::vector<uint8_t>> frames;
    for (uint32_t i = 0; i < 64; ++i)
        frames.push_back(bench::framePayload(i + 1, bench::typicalBlock(140'000'000 + 100 * i), i));
    return frames;
}

// The board's typical block in every frame (every one walked) and a new spectrum line.
void BM_FrameWithBlockPainted(benchmark::State& state) {
    app::FormSet& forms = *program().forms;
    std::vector<std::vector<uint8_t>> frames = tuningFrames();
    uint32_t n = 0;
    for (auto _ : state) {
        std::vector<uint8_t>& p = frames[n % frames.size()];
        bench::renumber(p, n);
        handleAndPaint(forms, p, n);
        ++n;
    }
    periodCounter(state);
}
BENCHMARK(BM_FrameWithBlockPainted)->Unit(benchmark::kMicrosecond);

// Frames without parameter words: the spectrum line, its panel and every 16th a waterfall row.
void BM_FrameWithoutStreamPainted(benchmark::State& state) {
    app::FormSet& forms = *program().forms;
    std::vector<std::vector<uint8_t>> frames;
    for (unsigned i = 0; i < 16; ++i)
        frames.push_back(bench::framePayload(0, {}, i));
    uint32_t n = 0;
    for (auto _ : state) {
        handleAndPaint(forms, frames[n % frames.size()], n);
        ++n;
    }
    periodCounter(state);
}
BENCHMARK(BM_FrameWithoutStreamPainted)->Unit(benchmark::kMicrosecond);

// The panels alone, rendered by the real widgets into images of their size: what one spectrum
// repaint and one waterfall repaint cost.
void BM_RenderSpectrumAndWaterfallPanels(benchmark::State& state) {
    app::TFMain& main = program().forms->main();
    const std::vector<uint8_t> p = bench::framePayload(0, {}, 3);
    program().forms->session().linkFrame(p.data(), 1u << 16 | bench::kPayloadLength);
    QWidget* spectrum = main.spectrum()->spectrumPanel();
    QWidget* waterfall = main.spectrum()->waterfallPanel();
    QImage a(spectrum->size(), QImage::Format_ARGB32_Premultiplied);
    QImage b(waterfall->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        spectrum->render(&a);
        waterfall->render(&b);
    }
    periodCounter(state);
}
BENCHMARK(BM_RenderSpectrumAndWaterfallPanels)->Unit(benchmark::kMicrosecond);

} // namespace
