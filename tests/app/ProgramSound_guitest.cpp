// The whole program against the simulated board in this process: what the board streams comes out
// of the host's audio output, with the board's loudspeaker setting on.
#include "app/Forms.h"
#include "app/MainWindowView.h"
#include "app/MessageForm.h"
#include "app/support/SimulatedBoard.h"
#include "audio/AudioFormat.h"
#include "audio/support/PulseAudioServer.h"
#include "audio/support/ToneAnalysis.h"
#include "session/Session.h"
#include "support/PumpUntil.h"
#include "sync/ReceiverState.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace talix;
using namespace talix::app;
using namespace talix::audio::testing;
using talix::testing::pumpUntil;
using talix::testing::simulatedBoardOptions;
using talix::testing::streamingBoardContext;
using namespace std::chrono_literals;

namespace {

constexpr uint8_t kPlaysOnHost = 0x02; // LoudspeakerMode bit 1
constexpr int kPrebufferBlocks = audio::PlaybackRing::kSlots;
constexpr int kWavHeaderBytes = 44;
constexpr qsizetype kBlock = qsizetype(audio::kBlockBytes);

ProgramContext programContext(uint16_t port, const QString& dataDir, const QString& audio) {
    ProgramContext c = streamingBoardContext(port, dataDir);
    c.options.audio = audio;
    return c;
}

// Runs the program until it has handled `frames` frames after the board's loudspeaker setting
// reached it; `whileWaiting` is called as the events are processed.
::testing::AssertionResult runWithTheLoudspeakerOn(session::Session& session, uint64_t frames,
                                                   const std::function<void()>& whileWaiting) {
    if (!pumpUntil([&] {
            whileWaiting();
            return (session.state().LoudspeakerMode & kPlaysOnHost) != 0;
        }))
        return ::testing::AssertionFailure()
               << "the board's loudspeaker setting did not switch the host's output on";
    const uint64_t from = session.linkFramesHandled();
    if (!pumpUntil(
            [&] {
                whileWaiting();
                return session.linkFramesHandled() >= from + frames;
            },
            60s))
        return ::testing::AssertionFailure()
               << "only " << session.linkFramesHandled() - from << " of " << frames << " frames";
    return ::testing::AssertionSuccess();
}

// The program reports a device that does not open in a modal message; this answers it, so that
// the test fails with the text instead of waiting for a user.
class MessageAnswerer {
public:
    MessageAnswerer() {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* message = qobject_cast<TF_Message*>(QApplication::activeModalWidget())) {
                shown = message->Message->text();
                message->B_OK->click();
            }
        });
        m_timer.start();
    }
    QString shown;

private:
    QTimer m_timer;
};

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The `wav:` device writes each block it plays, unchanged: the file holds the board's blocks,
// byte for byte and in the order sent. Blocks may be missing, never altered, repeated or reordered.
TEST(ProgramSound, TheWavOutputHoldsTheBoardsBlocksInOrder) {
    QTemporaryDir dir;
    sim::SimOptions o = simulatedBoardOptions();
    o.audioLogPath = dir.filePath("sent.pcm").toStdString();
    sim::SimBoard board(o);
    ASSERT_TRUE(board.start()) << board.error();
    const QString wav = dir.filePath("played.wav");
    constexpr int kPlayedAtLeast = 3 * kPrebufferBlocks;
    {
        // Played blocks trail the received ones by the prebuffer and by what the device holds.
        MessageAnswerer answerer;
        FormSet forms(programContext(board.port(), dir.path(), "wav:" + wav));
        ASSERT_TRUE(answerer.shown.isEmpty()) << answerer.shown.toStdString();
        ASSERT_TRUE(runWithTheLoudspeakerOn(forms.session(),
                                            2 * kPrebufferBlocks + kPlayedAtLeast + 20, [] {}));
    }
    board.stop();

    const QByteArray file = readFile(wav);
    const QByteArray sent = readFile(dir.filePath("sent.pcm"));
    ASSERT_GT(file.size(), kWavHeaderBytes);
    const QByteArray played = file.mid(kWavHeaderBytes);
    ASSERT_EQ(played.size() % kBlock, 0);
    ASSERT_EQ(sent.size() % kBlock, 0);
    const qsizetype playedBlocks = played.size() / kBlock;
    const qsizetype sentBlocks = sent.size() / kBlock;
    ASSERT_GE(playedBlocks, kPlayedAtLeast);

    const auto block = [](const QByteArray& bytes, qsizetype i) {
        return QByteArrayView(bytes).sliced(i * kBlock, kBlock);
    };
    // Each played block is the next matching sent block.
    std::vector<qsizetype> index;
    qsizetype next = 0;
    for (qsizetype i = 0; i < playedBlocks; ++i) {
        while (next < sentBlocks && block(sent, next) != block(played, i))
            ++next;
        ASSERT_LT(next, sentBlocks)
            << "played block " << i << " was never sent (after the " << i << " before it)";
        index.push_back(next++);
    }
    // Where blocks were skipped, as "played index:blocks skipped", for the test report: the ring
    // drops a block whose slot the device still holds, and a loaded machine loses frames on the
    // way, so gaps are reported, not failed.
    qsizetype skipped = 0;
    std::string gaps;
    for (size_t i = 1; i < index.size(); ++i) {
        const qsizetype gap = index[i] - index[i - 1] - 1;
        skipped += gap;
        if (gap > 0)
            gaps += (gaps.empty() ? "" : ",") + std::to_string(i) + ":" + std::to_string(gap);
    }
    ::testing::Test::RecordProperty("playedBlocks", int(playedBlocks));
    ::testing::Test::RecordProperty("gaps", gaps);
    ::testing::Test::RecordProperty("skippedBlocks", int(skipped));
}

// The desktop output is a private PulseAudio server's null sink: the board's tone is recorded from
// the sink's monitor.
class ProgramTone : public PrivateSoundServerTest {};

TEST_F(ProgramTone, TheBoardsToneIsHeardAtItsFrequency) {
    constexpr double kToneHz = 1234.5;
    sim::SimOptions o = simulatedBoardOptions();
    o.toneHz = kToneHz;
    sim::SimBoard board(o);
    ASSERT_TRUE(board.start()) << board.error();
    MonitorRecording recording(*server);
    const QString error = recording.start();
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    QTemporaryDir dir;
    {
        MessageAnswerer answerer;
        FormSet forms(programContext(board.port(), dir.path(), "qt"));
        ASSERT_TRUE(answerer.shown.isEmpty()) << answerer.shown.toStdString();
        // The device reports its opening through the event loop.
        ASSERT_TRUE(pumpUntil([&] { return forms.session().playbackRing().isOpen(); }))
            << "the desktop output did not open";
        // The prebuffer, then three seconds of the tone.
        ASSERT_TRUE(runWithTheLoudspeakerOn(forms.session(), kPrebufferBlocks + 240,
                                            [&] { recording.collect(); }));
    }
    const QByteArray pcm = recording.stop();
    ASSERT_GT(pcm.size(), 0) << "nothing recorded from the monitor";

    // The output falls silent for a whole refill of the ring when a loaded machine lets it run
    // low; the tone is looked for in the 100 ms stretches where it plays throughout.
    constexpr std::size_t kWindow = audio::kSampleRate / 10;
    constexpr std::size_t kWindowsAnalysed = 10;
    for (const int channel : {0, 1}) {
        const auto samples = pcmChannel(pcm, channel);
        const double peak = peakAmplitude(samples);
        ASSERT_GT(peak, 0) << "channel " << channel << " is silent";
        std::size_t heard = 0;
        for (std::size_t at = 0; at + kWindow <= samples.size() && heard < kWindowsAnalysed;
             at += kWindow) {
            const std::vector<double> window(samples.begin() + long(at),
                                             samples.begin() + long(at + kWindow));
            double energy = 0;
            for (const double v : window)
                energy += v * v;
            // A sine's RMS is 0.71 of its peak: nearly all of the stretch carries the tone.
            if (std::sqrt(energy / kWindow) < 0.6 * peak)
                continue;
            ++heard;
            EXPECT_NEAR(dominantFrequency(window, audio::kSampleRate, 100, 5000), kToneHz,
                        kToneHz * 0.01)
                << "channel " << channel << ", " << at << " samples in";
        }
        EXPECT_GE(heard, 5u) << "channel " << channel << ": too little of the tone was heard";
    }
}

} // namespace
