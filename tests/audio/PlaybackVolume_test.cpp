#include "audio/PlaybackVolume.h"

#include <gtest/gtest.h>

using talix::audio::playbackVolumeLevel;

namespace {

struct VolumeCase {
    int speakerVolume;
    int level;
};

class PlaybackVolumeTest : public ::testing::TestWithParam<VolumeCase> {};

TEST_P(PlaybackVolumeTest, FollowsTheExponentialCurve) {
    EXPECT_EQ(playbackVolumeLevel(static_cast<std::uint8_t>(GetParam().speakerVolume)),
              GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(Figures, PlaybackVolumeTest,
                         ::testing::Values(VolumeCase{0, 1}, VolumeCase{127, 250},
                                           VolumeCase{254, 62745}, VolumeCase{255, 65534}));

TEST(PlaybackVolume, RisesWithEveryStepAndNeverReachesFullScale) {
    int previous = 0;
    for (int v = 0; v <= 255; ++v) {
        const int level = playbackVolumeLevel(static_cast<std::uint8_t>(v));
        EXPECT_GE(level, previous) << v;
        EXPECT_LT(level, 65535) << v;
        previous = level;
    }
}

} // namespace
