#include "support/ParamFrames.h"
#include "sync/ParamReassembly.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

using namespace talix::sync;
using namespace talix::testing;

namespace {

struct Fragment {
    uint32_t n;
    uint32_t seq;
    bool continuation;
    Words words;
    uint32_t length = 3700;
};

// What the fragment sequence completes: one entry per completed block, its sequence number and
// the block's words as the walk sees them.
struct Completed {
    uint32_t seq;
    Words words;
};

struct ReassemblyCase {
    std::string name;
    std::vector<Fragment> fragments;
    std::vector<Completed> completed;
    int32_t pendingAfter = 0;
    int32_t lastSeqAfter = -1;
};

Words counting(uint32_t length, uint32_t from = 1) {
    Words w{length};
    for (uint32_t i = 1; i < length / 4; ++i)
        w.push_back(from + i);
    return w;
}

Words slice(const Words& w, size_t from, size_t to) {
    return Words(w.begin() + long(from), w.begin() + long(to));
}

const Words k40 = counting(40);
const Words k496 = counting(496);
const Words k100 = counting(100);

const std::vector<ReassemblyCase> kCases = {
    {"LengthEightHoldsOneWord", {{2, 1, false, {8, 0x4711}}}, {{1, {8, 0x4711}}}, 0, 1},
    {"LengthFourIsDropped", {{1, 1, false, {4}}}, {}, 0, -1},
    {"LengthFiveHundredIsDropped", {{2, 1, false, {500, 7}}}, {}, 0, -1},
    {"Length496InOneFrame", {{124, 3, false, k496}}, {{3, k496}}, 0, 3},
    {"Length496OverTwoFrames",
     {{100, 4, false, slice(k496, 0, 100)}, {24, 4, true, slice(k496, 100, 124)}},
     {{4, k496}},
     0,
     4},
    {"FirstFragmentWaitsForItsContinuation", {{5, 2, false, slice(k40, 0, 5)}}, {}, 20, -1},
    {"ContinuationWithoutBlockIsIgnored", {{3, 2, true, {1, 2, 3}}}, {}, 0, -1},
    {"FirstFragmentWhileWaitingIsIgnored",
     {{5, 2, false, slice(k40, 0, 5)}, {2, 3, false, {8, 0x99}}, {5, 2, true, slice(k40, 5, 10)}},
     {{2, k40}},
     0,
     2},
    {"ContinuationLongerThanNeededIsCut",
     {{5, 2, false, slice(k40, 0, 5)}, {9, 2, true, Words{6, 7, 8, 9, 10, 0xEE, 0xEE, 0xEE, 0xEE}}},
     {{2, k40}},
     0,
     2},
    {"BlockNeedingAThirdFrameIsDropped",
     {{10, 5, false, slice(k100, 0, 10)},
      {5, 5, true, slice(k100, 10, 15)},
      {10, 5, true, slice(k100, 15, 25)}},
     {},
     0,
     -1},
    {"RepeatedSequenceNumberIsIgnored",
     {{2, 6, false, {8, 1}}, {2, 6, false, {8, 2}}, {2, 7, false, {8, 3}}},
     {{6, {8, 1}}, {7, {8, 3}}},
     0,
     7},
    {"CountZeroAddsNothing", {{0, 1, false, {8, 1}}}, {}, 0, -1},
    {"CountAbove124AddsNothing", {{125, 1, false, {8, 1}}}, {}, 0, -1},
    {"SequenceZeroAddsNothing", {{2, 0, false, {8, 1}}}, {}, 0, -1},
    {"PayloadTooShortForItsWordsAddsNothing", {{50, 1, false, {8, 1}, 100}}, {}, 0, -1},
    {"FirstFragmentLongerThanItsBlockCompletesIt",
     {{4, 9, false, {8, 1, 2, 3}}},
     {{9, {8, 1}}},
     0,
     9},
};

class Reassembly : public ::testing::TestWithParam<ReassemblyCase> {};

} // namespace

TEST_P(Reassembly, CompletesTheExpectedBlocks) {
    const ReassemblyCase& c = GetParam();
    ParamReassembly r;
    std::vector<Completed> completed;
    for (const Fragment& f : c.fragments) {
        const Payload p = payload(streamHeader(f.n, f.seq, f.continuation), f.words);
        if (auto b = r.addFragment(p.data(), f.length)) {
            const size_t words = (b->lengthBytes() + 3) / 4;
            completed.push_back({b->seq, Words(b->words.begin(), b->words.begin() + long(words))});
        }
    }
    ASSERT_EQ(completed.size(), c.completed.size());
    for (size_t i = 0; i < completed.size(); ++i) {
        EXPECT_EQ(completed[i].seq, c.completed[i].seq);
        EXPECT_EQ(completed[i].words, c.completed[i].words);
    }
    EXPECT_EQ(r.ParamPending, c.pendingAfter);
    EXPECT_EQ(r.LastSeq, c.lastSeqAfter);
}

INSTANTIATE_TEST_SUITE_P(Fragments, Reassembly, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });
