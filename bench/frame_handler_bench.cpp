// Handling one frame payload without painting: link quality, the hand-overs of audio, status and
// spectrum, reassembly, the walk of a typical block and its acknowledgement. The board sends one
// frame every 12.5 ms.
#include "support/BoardFrames.h"
#include "sync/FrameDispatcher.h"

#include <benchmark/benchmark.h>
#include <vector>

using namespace talix::sync;

namespace {

// A host that does as little as the real one's cheapest path: it takes the calls and keeps
// nothing, so the figure is the dispatcher's own cost.
class NullHost : public MainView, public FrameSinks {
public:
    bool recorderPlaying() const override { return false; }
    bool recording() const override { return false; }
    void appendRecording(const uint8_t*) override {}
    bool playbackOpen() const override { return true; }
    void queuePlayback(const uint8_t* audio) override { benchmark::DoNotOptimize(audio[0]); }
    void setPlaybackVolume(uint8_t) override {}
    void rotatorReport(const RotatorReport&) override {}
    void spectrumLine(const uint8_t* line) override { benchmark::DoNotOptimize(line[0]); }
    void statusWord(uint32_t) override {}
    void showLinkQuality(const LinkQualityReport& r) override { benchmark::DoNotOptimize(r); }
    void setLinkBarValue(int) override {}
    void setLinkBarShowsPlayback(bool) override {}
    void setExternalAntenna(bool, uint32_t) override {}
    void markField(int tag, int mark) override { marks += tag + mark; }
    void requestPaint() override {}
    ApplyResult applyItemEffect(const ItemEffect& e, const ReceiverState&) override {
        benchmark::DoNotOptimize(e.changes.size());
        return ApplyResult::Applied;
    }
    bool selectMainField(int) override { return true; }
    void selectDabField() override {}
    void paintRotatorCircles(bool) override {}
    bool rotatorOn() const override { return false; }
    void sendRotatorValue(uint8_t) override {}
    void disableMainControls(bool) override {}
    void enableMainControls() override {}
    void focusSelectedField(bool) override {}
    std::optional<QString> startScriptFirstLine() override { return std::nullopt; }
    void setIdentification(const QString&) override {}
    bool updateFormShown() const override { return false; }
    void writeAck(uint32_t seq) override { benchmark::DoNotOptimize(seq); }
    bool tuneButtonPressed() const override { return false; }
    int sliderPosition(MainControl) const override { return 0; }
    float gridOffset() const override { return 1.5f; }

    int marks = 0;
};

using talix::bench::framePayload;
using talix::bench::typicalBlock;

void BM_FrameWithTypicalBlock(benchmark::State& state) {
    NullHost host;
    FormSlots formSlots;
    ReceiverState receiverState;
    FrameDispatcher dispatcher(host, host, formSlots, receiverState, QLocale::c());
    // Frames prepared up front, as the receive thread's ring holds them.
    std::vector<std::vector<uint8_t>> frames;
    for (uint32_t i = 0; i < 64; ++i)
        frames.push_back(framePayload(i + 1, typicalBlock(140'000'000 + 100 * i)));
    uint32_t n = 0;
    for (auto _ : state) {
        std::vector<uint8_t>& p = frames[n % frames.size()];
        talix::bench::renumber(p, n); // every block is walked
        dispatcher.handleFrame(p.data(), uint32_t(n & 0xFFFF) << 16 | 3700);
        ++n;
    }
    benchmark::DoNotOptimize(host.marks);
}
BENCHMARK(BM_FrameWithTypicalBlock);

void BM_FrameWithoutStream(benchmark::State& state) {
    NullHost host;
    FormSlots formSlots;
    ReceiverState receiverState;
    FrameDispatcher dispatcher(host, host, formSlots, receiverState, QLocale::c());
    std::vector<uint8_t> p = framePayload(0, {}); // audio, status and spectrum only
    uint32_t n = 0;
    for (auto _ : state) {
        dispatcher.handleFrame(p.data(), uint32_t(n & 0xFFFF) << 16 | 3700);
        ++n;
    }
}
BENCHMARK(BM_FrameWithoutStream);

} // namespace
