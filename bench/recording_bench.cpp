// Cost of recording one frame on the UI thread: the 2048-byte append of every frame, and every
// 32nd frame the E_File text and the header's sizes. Written to a real file in the build folder's
// file system (TALIX_RECORDING_BENCH_DIR chooses another, e.g. a slow stick), a fresh recording
// per run; the file grows to at most 1 GiB.
#include "session/RecordingSink.h"

#include <QDir>
#include <QTemporaryDir>
#include <array>
#include <benchmark/benchmark.h>

using namespace talix::session;

namespace {

void BM_RecordingAppendPerFrame(benchmark::State& state) {
    const QString base = qEnvironmentVariable("TALIX_RECORDING_BENCH_DIR", QDir::currentPath());
    QTemporaryDir dir(base + "/recording-bench-XXXXXX");
    RecordingSink sink(QLocale::c());
    sink.setFreeSpaceProbe(
        [](const QString&) { return std::optional<uint64_t>(uint64_t(1) << 40); });
    sink.scan(dir.filePath("WAV"));
    sink.click();
    if (!sink.running()) {
        state.SkipWithError("cannot record in the bench folder");
        return;
    }
    std::array<uint8_t, 2048> audio{};
    for (size_t i = 0; i < audio.size(); ++i)
        audio[i] = uint8_t(i * 31);
    for (auto _ : state) {
        sink.append(audio.data());
        if (!sink.running()) { // the size limit: start the next file
            state.PauseTiming();
            sink.click();
            state.ResumeTiming();
        }
    }
    sink.stop();
    // The time per iteration is the cost of one frame, against its 12.5 ms period.
    state.SetBytesProcessed(int64_t(state.iterations()) * 2048);
}
BENCHMARK(BM_RecordingAppendPerFrame)->Iterations(32 * 2000)->Repetitions(3);

} // namespace
