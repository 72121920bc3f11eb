#include "controls/KnobArithmetic.h"
#include "controls/TuningKnob.h"
#include "support/QueueProbe.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace talix::controls;
using namespace talix::controls::testing;
using talix::link::Command;

namespace {

constexpr double kSize = 348;
constexpr double kDeg = kPi / 180;
double px(double deg) {
    return kSize / 2 + 120 * std::cos(deg * kDeg);
}
double py(double deg) {
    return kSize / 2 - 120 * std::sin(deg * kDeg);
}

struct Knob {
    QueueProbe probe;
    float angle = kKnobStartAngle;
    float ref = 0;
    int moved = 0;
    TuningKnob knob{probe.queue, angle, ref, [this] { ++moved; }};

    void down(double deg) { knob.S_GeberMouseDown(px(deg), py(deg), kSize, kSize); }
    void drag(double deg) { knob.S_GeberMouseMove(px(deg), py(deg), kSize, kSize, true); }
};

TEST(TuningKnob, ElevenDegreesSendNothing) {
    Knob k;
    k.down(60);
    k.drag(49);
    k.drag(71);
    EXPECT_TRUE(k.probe.drain().empty());
    EXPECT_EQ(k.moved, 0);
    EXPECT_FLOAT_EQ(k.angle, kKnobStartAngle);
}

TEST(TuningKnob, TwelveDegreesClockwiseSendPlusTwoAndTheMarkFollows) {
    Knob k;
    k.down(60);
    k.drag(47.9);
    EXPECT_EQ(k.probe.drain(), (std::vector<Command>{{2, 2}}));
    EXPECT_EQ(k.moved, 1);
    EXPECT_NEAR(k.angle, 47.9 * kDeg, 1e-5);
    EXPECT_NEAR(k.ref, 47.9 * kDeg, 1e-5);
    EXPECT_EQ(k.knob.pending(), 0);
}

TEST(TuningKnob, TwelveDegreesCounterClockwiseSendMinusTwo) {
    Knob k;
    k.down(60);
    k.drag(72.1);
    EXPECT_EQ(k.probe.drain(), (std::vector<Command>{{2, 254}}));
}

TEST(TuningKnob, AcrossNineOClockIsOneCounterClockwiseStep) {
    Knob k;
    k.down(178);
    k.drag(-170); // 190 degrees: the angle jumps from +pi to -pi
    EXPECT_EQ(k.probe.drain(), (std::vector<Command>{{2, 254}}));
}

TEST(TuningKnob, AtMostOneStepPerMove) {
    Knob k;
    k.down(90);
    k.drag(30); // 60 degrees in one move
    EXPECT_EQ(k.probe.drain(), (std::vector<Command>{{2, 2}}));
    k.drag(17.9);
    EXPECT_EQ(k.probe.drain(), (std::vector<Command>{{2, 2}}));
}

TEST(TuningKnob, NoStepWithoutDraggingOrOnTheCentreLines) {
    Knob k;
    k.down(60);
    k.knob.S_GeberMouseMove(px(30), py(30), kSize, kSize, false);
    k.knob.S_GeberMouseMove(kSize / 2, 20, kSize, kSize, true);
    k.knob.S_GeberMouseMove(20, kSize / 2, kSize, kSize, true);
    EXPECT_TRUE(k.probe.drain().empty());
}

TEST(TuningKnob, AFullQueueKeepsTheStepPendingUntilItFits) {
    Knob k;
    k.probe.fill();
    k.down(60);
    k.drag(40);
    EXPECT_EQ(k.knob.pending(), 1);
    EXPECT_EQ(k.probe.notices, 0);
    k.drag(120); // no new step while one is pending
    EXPECT_EQ(k.knob.pending(), 1);
    EXPECT_EQ(k.probe.drain().size(), 10u);
    // Any move, dragging or not, sends the pending step.
    k.knob.S_GeberMouseMove(px(120), py(120), kSize, kSize, false);
    EXPECT_EQ(k.probe.drain(), (std::vector<Command>{{2, 2}}));
    EXPECT_EQ(k.knob.pending(), 0);
    EXPECT_EQ(k.moved, 1);
}

TEST(TuningKnob, WheelForwardSendsPlusTwoAndTurnsTheMarkCounterClockwise) {
    Knob k;
    k.knob.S_GeberMouseWheel(120);
    k.knob.S_GeberMouseWheel(-120);
    k.knob.S_GeberMouseWheel(-120);
    EXPECT_EQ(k.probe.drain(), (std::vector<Command>{{2, 2}, {2, 254}, {2, 254}}));
    EXPECT_NEAR(k.angle, kKnobStartAngle - kPi / 20, 1e-5);
    EXPECT_EQ(k.moved, 3);
}

TEST(TuningKnob, WheelWithAFullQueueDoesNothing) {
    Knob k;
    k.probe.fill();
    k.knob.S_GeberMouseWheel(120);
    EXPECT_EQ(k.probe.drain().size(), 10u);
    EXPECT_EQ(k.probe.notices, 0);
    EXPECT_FLOAT_EQ(k.angle, kKnobStartAngle);
    EXPECT_EQ(k.moved, 0);
}

} // namespace
