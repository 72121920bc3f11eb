// The receiver port as a client without widgets uses it: against the simulated board it reads the
// board's reports, tunes and changes the mode, and is told of each change; on its own it refuses
// what a touch could not send.
#include "base/BoardModes.h"
#include "link/CommandRecords.h"
#include "session/Session.h"
#include "session/SessionReceiverPort.h"
#include "session/support/CoreApplication.h"
#include "session/support/CountingView.h"
#include "sim/SimBoard.h"
#include "support/PumpUntil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

using namespace talix;
using namespace talix::session;
using talix::session::testing::CountingView;
using talix::session::testing::ensureCoreApplication;
using talix::testing::pumpUntil;

namespace {

class RecordingWatcher : public ReceiverWatcher {
public:
    std::vector<ReceiverReading> readings;
    void receiverChanged(const ReceiverReading& reading) override { readings.push_back(reading); }
    bool sawFreq(int32_t f) const {
        for (const ReceiverReading& r : readings)
            if (r.tunedFreq == f)
                return true;
        return false;
    }
    bool sawMode(uint8_t mode) const {
        for (const ReceiverReading& r : readings)
            if (r.modeIndex == mode)
                return true;
        return false;
    }
};

// How often the board received exactly this record.
size_t recordsOf(const sim::SimBoard& board, const link::Command& record) {
    size_t n = 0;
    for (const auto& r : board.receivedRecords())
        n += r == record ? 1 : 0;
    return n;
}

class ReceiverPortOnBoard : public ::testing::Test {
protected:
    void SetUp() override {
        ensureCoreApplication();
        sim::SimOptions options;
        options.listen = {"127.0.0.1", 0};
        options.rotator = {"127.0.0.1", 0};
        board = std::make_unique<sim::SimBoard>(options);
        ASSERT_TRUE(board->start()) << board->error();
        SessionSettings s;
        s.board = {"127.0.0.1", board->port()};
        s.rotator = {"127.0.0.1", 9};
        s.audio = "null";
        s.drives.set('C', data.path());
        // The real program's link limits: a loaded machine stalling a frame must not drop the link.
        s.receiveTimings = {111, 20, 80};
        session = std::make_unique<Session>(s, QLocale::c());
        ASSERT_EQ(session->start(view), audio::OpenResult::Ok);
    }
    void TearDown() override {
        if (session)
            session->stop();
    }

    QTemporaryDir data;
    CountingView view;
    std::unique_ptr<sim::SimBoard> board;
    std::unique_ptr<Session> session;
};

} // namespace

TEST_F(ReceiverPortOnBoard, ReadsTunesAndChangesTheModeAndIsToldOfEachChange) {
    ReceiverPort& port = session->receiver();
    RecordingWatcher watcher;
    port.addWatcher(watcher);
    ASSERT_TRUE(pumpUntil([&] { return port.reading().linkUp && port.reading().tunedFreq != 0; }));
    EXPECT_FALSE(watcher.readings.empty());
    EXPECT_EQ(watcher.readings.back(), port.reading());

    const int32_t start = port.reading().tunedFreq;
    const int32_t target = start == 71'000'000 ? 72'000'000 : 71'000'000; // 7.1 MHz or 7.2 MHz
    ASSERT_EQ(port.tune(target), SendResult::Queued);
    // What it asked for is not what it reads until the board reports it.
    EXPECT_EQ(port.reading().tunedFreq, start);
    ASSERT_TRUE(pumpUntil([&] { return port.reading().tunedFreq == target; }));
    EXPECT_TRUE(watcher.sawFreq(target));
    EXPECT_EQ(recordsOf(*board, link::commands::tuneTo(uint32_t(target))), 1u);

    const uint8_t mode =
        port.reading().modeIndex == board::kModeUsb ? board::kModeLsb : board::kModeUsb;
    ASSERT_EQ(port.setMode(mode), SendResult::Queued);
    ASSERT_TRUE(pumpUntil([&] { return port.reading().modeIndex == mode; }));
    EXPECT_TRUE(watcher.sawMode(mode));

    // Refused before anything reaches the link: the board sees the button queued after them
    // and neither of them.
    EXPECT_EQ(port.tune(400'000'000), SendResult::OutOfBand); // 40 MHz, between two bands
    EXPECT_EQ(port.setMode(12), SendResult::UnknownMode);
    const link::Command marker = link::commands::button(0x0104);
    session->commands().QueueCommand(marker, link::LimitRule::Notify);
    ASSERT_TRUE(pumpUntil([&] { return recordsOf(*board, marker) == 1; }));
    EXPECT_EQ(recordsOf(*board, link::commands::tuneTo(400'000'000)), 0u);
    EXPECT_EQ(recordsOf(*board, link::commands::modeChoice(12)), 0u);

    port.removeWatcher(watcher);
    const size_t told = watcher.readings.size();
    ASSERT_EQ(port.tune(start), SendResult::Queued);
    ASSERT_TRUE(pumpUntil([&] { return port.reading().tunedFreq == start; }));
    EXPECT_EQ(watcher.readings.size(), told);
}

TEST_F(ReceiverPortOnBoard, ALostLinkIsReadAndTold) {
    ReceiverPort& port = session->receiver();
    ASSERT_TRUE(pumpUntil([&] { return port.reading().linkUp; }));
    RecordingWatcher watcher;
    port.addWatcher(watcher);
    board->dropConnection();
    ASSERT_TRUE(pumpUntil([&] { return !port.reading().linkUp; }));
    ASSERT_FALSE(watcher.readings.empty());
    EXPECT_FALSE(watcher.readings.front().linkUp);
    EXPECT_EQ(watcher.readings.front().linkQuality, 0u);
    EXPECT_TRUE(pumpUntil([&] { return port.reading().linkUp; }));
    port.removeWatcher(watcher);
}

// Without a link: what is queued is byte for byte the record the spectrum tap and the modulation
// list send, and the queue's limit refuses rather than tells the screen.
TEST(ReceiverPortRecords, QueuesTheTouchRecordsAndRefusesWhenTheQueueIsFull) {
    sync::ReceiverState state;
    link::CommandQueue queue;
    bool screenTold = false;
    queue.setFullNotifier([&] { screenTold = true; });
    SessionReceiverPort port(state, queue);

    struct Case {
        int64_t freq;
        SendResult result;
    } cases[] = {
        {0, SendResult::Queued},
        {300'000'000, SendResult::Queued},
        {300'000'001, SendResult::OutOfBand},
        {499'999'999, SendResult::OutOfBand},
        {1'560'000'000, SendResult::Queued},
        {1'560'000'001, SendResult::OutOfBand},
        {-1, SendResult::OutOfBand},
        {int64_t(1) << 40, SendResult::OutOfBand},
    };
    for (const Case& c : cases) {
        queue.clear();
        EXPECT_EQ(port.tune(c.freq), c.result) << c.freq;
        EXPECT_EQ(queue.waiting(), c.result == SendResult::Queued ? 1u : 0u) << c.freq;
    }

    queue.clear();
    ASSERT_EQ(port.tune(145'000'000), SendResult::Queued);
    EXPECT_EQ(queue.takeCommands(),
              (std::vector<link::Command>{{245, 0, 0, 0x40, 0x86, 0xA4, 0x08}}));
}

TEST(ReceiverPortRecords, ModesByTheBoardsNumbersAndAFullQueue) {
    sync::ReceiverState state;
    link::CommandQueue queue;
    bool screenTold = false;
    queue.setFullNotifier([&] { screenTold = true; });
    SessionReceiverPort port(state, queue);

    for (const board::ModeEntry& m : board::kModes) {
        queue.clear();
        ASSERT_EQ(port.setMode(m.index), SendResult::Queued) << m.name;
        EXPECT_EQ(queue.takeCommands(), (std::vector<link::Command>{{245, 1, 0, m.index, 0, 0, 0}}))
            << m.name;
    }
    for (int unknown : {-1, 12, 24, 26, 40, 42, 255, 256 + board::kModeUsb})
        EXPECT_EQ(port.setMode(unknown), SendResult::UnknownMode) << unknown;

    queue.clear();
    while (queue.waiting() < link::kQueueLimit)
        queue.QueueCommand(link::commands::button(1), link::LimitRule::None);
    EXPECT_EQ(port.tune(145'000'000), SendResult::QueueFull);
    EXPECT_EQ(port.setMode(board::kModeUsb), SendResult::QueueFull);
    EXPECT_EQ(queue.waiting(), link::kQueueLimit);
    EXPECT_FALSE(screenTold);
}
