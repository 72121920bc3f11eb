// The board that --demo starts inside the program, and where the program's options point.
#include "app/DemoBoard.h"
#include "sim/SimBoard.h"

#include <gtest/gtest.h>

using namespace talix;
using namespace talix::app;

TEST(DemoBoard, StandsInForTheBoardAndTheRotatorOnFreeLoopbackPorts) {
    StartOptions first;
    StartOptions second;
    std::string error;
    const auto a = startDemoBoard(first, error);
    ASSERT_TRUE(a) << error;
    // A second program on the same machine gets ports of its own.
    const auto b = startDemoBoard(second, error);
    ASSERT_TRUE(b) << error;
    for (const auto& [options, board] : {std::pair{&first, a.get()}, std::pair{&second, b.get()}}) {
        EXPECT_EQ(options->board.toString(), "127.0.0.1:" + std::to_string(board->port()));
        ASSERT_NE(board->rotatorPort(), 0);
        EXPECT_EQ(options->rotator.toString(), "127.0.0.1:" + std::to_string(board->rotatorPort()));
    }
    EXPECT_NE(a->rotatorPort(), b->rotatorPort());
}
