// The simulated rotator's motor: a step a frame the shorter way round half a turn, off where it
// stands, and its current.
#include "sim/RotatorMotor.h"

#include <gtest/gtest.h>

using talix::sim::RotatorMotor;

namespace {

// Steps until the motor rests (bounded), with the positions it passed.
std::vector<int> run(RotatorMotor& m) {
    std::vector<int> passed;
    for (int frame = 0; frame < 1000 && m.step(); ++frame)
        passed.push_back(m.position());
    return passed;
}

TEST(RotatorMotor, TurnsTheShorterWayAStepAFrame) {
    struct Case {
        int from;
        uint8_t to;
        int steps, first;
    };
    const Case cases[] = {
        {116, 1, 115, 115},   // back towards north
        {116, 232, 116, 117}, // exactly half way round: forwards
        {230, 3, 5, 231},     // forwards over 232 to 1
        {3, 230, 5, 2},       // backwards over 1 to 232
        {10, 250, 10, 9},     // beyond 232 counts as 232, reached backwards over 1
    };
    for (const Case& c : cases) {
        RotatorMotor m(c.from);
        m.command(c.to);
        const std::vector<int> passed = run(m);
        ASSERT_EQ(int(passed.size()), c.steps) << c.from << "->" << int(c.to);
        EXPECT_EQ(passed.front(), c.first) << c.from << "->" << int(c.to);
        EXPECT_EQ(m.position(), std::min<int>(c.to, 232));
    }
}

TEST(RotatorMotor, OffStopsWhereItStandsAndDrawsNoCurrent) {
    RotatorMotor m(116);
    EXPECT_FALSE(m.on());
    EXPECT_EQ(m.currentMa(), 0);
    m.command(120);
    EXPECT_EQ(m.currentMa(), RotatorMotor::kTurningMa);
    m.step();
    m.command(0);
    EXPECT_FALSE(m.step());
    EXPECT_EQ(m.position(), 117);
    EXPECT_EQ(m.currentMa(), 0);
    m.command(117);
    EXPECT_TRUE(m.on());
    EXPECT_FALSE(m.step());
    EXPECT_EQ(m.currentMa(), RotatorMotor::kHoldingMa);
}

} // namespace
