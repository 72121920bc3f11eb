#include "controls/ArmedBars.h"

#include <QScrollBar>
#include <QSlider>
#include <gtest/gtest.h>
#include <memory>

using namespace talix::controls;

namespace {

// A bar with a change handler that records the values it would send.
template <class Bar> struct Watched {
    Watched() {
        bar.setRange(0, 255);
        QObject::connect(&bar, &QAbstractSlider::valueChanged, [this](int v) {
            if (takeUserChange(&bar))
                sent.push_back(v);
        });
    }
    Bar bar;
    std::vector<int> sent;
};

TEST(ArmedBars, TheBoardsMoveIsNotSentBackAndTheNextChangeIs) {
    Watched<QScrollBar> w;
    setArmed(&w.bar, true);
    moveBarFromBoard(&w.bar, 100);
    EXPECT_EQ(w.bar.value(), 100);
    EXPECT_TRUE(w.sent.empty());
    w.bar.setValue(120); // the user's change
    EXPECT_EQ(w.sent, std::vector<int>{120});
}

TEST(ArmedBars, AMoveToWhereTheBarIsLeavesItArmed) {
    Watched<QSlider> w;
    setArmed(&w.bar, true);
    moveBarFromBoard(&w.bar, 0);
    moveBarFromBoard(&w.bar, 999); // clamped to 255
    moveBarFromBoard(&w.bar, 255);
    EXPECT_TRUE(w.sent.empty());
    w.bar.setValue(7);
    EXPECT_EQ(w.sent, std::vector<int>{7});
}

TEST(ArmedBars, ADisarmedBarSwallowsOneChange) {
    Watched<QScrollBar> w;
    setArmed(&w.bar, false);
    w.bar.setValue(5);
    w.bar.setValue(6);
    EXPECT_EQ(w.sent, std::vector<int>{6});
}

} // namespace
