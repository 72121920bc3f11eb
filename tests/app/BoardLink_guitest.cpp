// The program's link to the simulated board: acknowledgements of the board's parameter blocks and
// the reconnection after the board drops the connection, through the program's own threads.
#include "app/Forms.h"
#include "app/MainWindowView.h"
#include "base/BoardWords.h"
#include "session/Session.h"
#include "sim/SimBoard.h"
#include "support/PumpUntil.h"
#include "support/SimulatedBoard.h"

#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace talix;
using namespace talix::app;
using talix::testing::pumpUntil;
using talix::testing::simulatedBoardOptions;
using talix::testing::streamingBoardContext;

namespace {

class BoardLink : public ::testing::Test {
protected:
    void start(sim::SimOptions o) {
        board = std::make_unique<sim::SimBoard>(o);
        ASSERT_TRUE(board->start()) << board->error();
        forms = std::make_unique<FormSet>(streamingBoardContext(board->port(), data.path()));
    }
    void TearDown() override {
        forms.reset();
        board.reset();
    }

    // The sequence numbers of the acknowledgements the board received, in order.
    std::vector<uint32_t> acknowledgements() const {
        std::vector<uint32_t> seqs;
        for (const std::vector<uint8_t>& r : board->receivedRecords())
            if (r.size() == 5 && r[0] == board::number(board::Record::Acknowledge) && r[1] == 0)
                seqs.push_back(r[2] | r[3] << 8 | r[4] << 16);
        return seqs;
    }

    QTemporaryDir data;
    std::unique_ptr<sim::SimBoard> board;
    std::unique_ptr<FormSet> forms;
};

TEST_F(BoardLink, EveryBlockIsAcknowledgedOnce) {
    sim::SimOptions o = simulatedBoardOptions();
    o.resendAfter = std::chrono::minutes(1); // every block is sent exactly once
    start(o);
    session::Session& session = forms->session();
    // The state after the greeting is several blocks, each waiting for the one before, and then
    // the levels and the clock keep coming.
    ASSERT_TRUE(pumpUntil([&] { return board->blocksAcknowledged() >= 8; }))
        << board->blocksAcknowledged() << " acknowledged, " << acknowledgements().size() << " sent";
    const uint64_t framesBefore = session.linkFramesHandled();
    ASSERT_TRUE(pumpUntil([&] { return session.linkFramesHandled() > framesBefore + 20; }));
    const uint64_t acknowledged = board->blocksAcknowledged();
    const std::vector<uint32_t> seqs = acknowledgements();
    EXPECT_EQ(std::set<uint32_t>(seqs.begin(), seqs.end()).size(), seqs.size());
    EXPECT_GE(seqs.size(), acknowledged);
    EXPECT_LE(seqs.size(), acknowledged + 1); // the next block may have come in between
    EXPECT_EQ(board->blocksResent(), 0u);
    EXPECT_EQ(std::count(seqs.begin(), seqs.end(), 0u), 0);
}

TEST_F(BoardLink, AfterTheBoardDropsTheLinkTheProgramGreetsAgainAndStreams) {
    start(simulatedBoardOptions());
    session::Session& session = forms->session();
    ASSERT_TRUE(pumpUntil([&] { return session.linkFramesHandled() > 10; }));
    ASSERT_EQ(board->greetingsReceived(), 1u);
    const uint64_t acknowledgedBefore = board->blocksAcknowledged();
    board->dropConnection();
    ASSERT_TRUE(pumpUntil([&] { return board->greetingsReceived() == 2; }));
    const uint64_t framesAfterGreeting = session.linkFramesHandled();
    EXPECT_TRUE(pumpUntil([&] { return session.linkFramesHandled() > framesAfterGreeting + 10; }));
    // The board reports its state afresh on the new connection, and the program takes it.
    EXPECT_TRUE(pumpUntil([&] { return board->blocksAcknowledged() > acknowledgedBefore + 5; }));
    EXPECT_EQ(board->connectionsAccepted(), 2u);
}

} // namespace
