// Cost of one received block on its way to the device: copied into its ring slot and handed over,
// with the device reporting one block done per block, as in steady playback.
#include "audio/AudioDevice.h"
#include "audio/PlaybackRing.h"

#include <array>
#include <benchmark/benchmark.h>

using namespace talix::audio;

namespace {

// Takes blocks like a sound card and plays the oldest on request; no allocation per block.
class SteadyDevice : public AudioDevice {
public:
    OpenResult open(AudioDeviceListener& listener) override {
        m_listener = &listener;
        listener.deviceOpened();
        return OpenResult::Ok;
    }
    void write(WaveHeader& header) override {
        markQueued(header);
        m_queue[m_tail] = &header;
        m_tail = (m_tail + 1) % m_queue.size();
        ++m_count;
    }
    void setVolume(std::uint16_t) override {}
    void pause() override {}
    void restart() override {}
    void reset() override {
        while (playOne()) {
        }
    }
    void close() override {
        reset();
        m_listener->deviceClosed();
    }
    bool playOne() {
        if (m_count == 0)
            return false;
        WaveHeader* header = m_queue[m_head];
        m_head = (m_head + 1) % m_queue.size();
        --m_count;
        markPlayed(*header);
        m_listener->blockDone();
        return true;
    }

private:
    AudioDeviceListener* m_listener = nullptr;
    std::array<WaveHeader*, PlaybackRing::kSlots> m_queue{};
    std::size_t m_head = 0;
    std::size_t m_tail = 0;
    std::size_t m_count = 0;
};

class Forwarder : public AudioDeviceListener {
public:
    explicit Forwarder(PlaybackRing& ring) : m_ring(ring) {}
    void deviceOpened() override { m_ring.deviceOpened(); }
    void blockDone() override { benchmark::DoNotOptimize(m_ring.blockDone()); }
    void deviceClosed() override { m_ring.deviceClosed(); }

private:
    PlaybackRing& m_ring;
};

void BM_QueueBlockSteadyState(benchmark::State& state) {
    PlaybackRing ring;
    Forwarder forwarder(ring);
    auto owned = std::make_unique<SteadyDevice>();
    SteadyDevice* device = owned.get();
    ring.open(std::move(owned), forwarder, 255);
    std::array<std::uint8_t, kBlockBytes> block{};
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i * 7);
    for (int i = 0; i < PlaybackRing::kSlots; ++i)
        ring.queueBlock(block);
    for (auto _ : state) {
        device->playOne();
        block[0] = static_cast<std::uint8_t>(state.iterations());
        ring.queueBlock(block);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kBlockBytes);
    ring.close();
}
BENCHMARK(BM_QueueBlockSteadyState);

// The prebuffer: 64 blocks stored, the last one handing all 64 over in one burst.
void BM_FillRingAndStart(benchmark::State& state) {
    std::array<std::uint8_t, kBlockBytes> block{};
    for (auto _ : state) {
        state.PauseTiming();
        PlaybackRing ring;
        Forwarder forwarder(ring);
        ring.open(std::make_unique<SteadyDevice>(), forwarder, 255);
        state.ResumeTiming();
        for (int i = 0; i < PlaybackRing::kSlots; ++i)
            ring.queueBlock(block);
        benchmark::ClobberMemory();
        state.PauseTiming();
        ring.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FillRingAndStart);

} // namespace
