#include "support/ParamFrames.h"
#include "sync/FrameDispatcher.h"
#include "sync/support/RecordingHost.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace talix::sync;
using namespace talix::sync::testing;
using namespace talix::testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

struct Rig {
    RecordingHost host;
    FormSlots formSlots;
    ReceiverState state;
    FrameDispatcher dispatcher{host, host, formSlots, state, QLocale::c()};
    std::vector<std::unique_ptr<RecordingForm>> forms;
    uint16_t counter = 1;

    void send(const Payload& p, uint32_t length = 3700) {
        dispatcher.handleFrame(p.data(), lParamOf(counter++, length));
    }
    void sendBlock(const Words& b, uint32_t seq, uint32_t firstWords = 124) {
        for (const Payload& p : fragments(b, seq, firstWords))
            send(p);
    }
    RecordingForm& addForm(int index) {
        forms.push_back(std::make_unique<RecordingForm>(host, index));
        formSlots.set(index, forms.back().get());
        return *forms.back();
    }
    // The lines of the walk, without the per-frame hand-overs.
    std::vector<std::string> walkLines() const {
        std::vector<std::string> out;
        for (const std::string& l : host.lines())
            if (l.rfind("play", 0) != 0 && l.rfind("record", 0) != 0 &&
                l.rfind("spectrum", 0) != 0 && l.rfind("link", 0) != 0)
                out.push_back(l);
        return out;
    }
};

} // namespace

TEST(FrameDispatcher, UnknownIdEndsTheWalkAndTheBlockIsAcknowledged) {
    Rig rig;
    rig.sendBlock(block({valueWord(3), 250, 0x77, valueWord(4), 12}), 0x0A0B0C);
    EXPECT_THAT(rig.walkLines(), ElementsAre("mark 3 1", "effect", "ack 13 0 12 11 10", "paint"));
    EXPECT_EQ(rig.dispatcher.state().Shift, 250);
    EXPECT_EQ(rig.dispatcher.state().NotchWidth, 0);
}

TEST(FrameDispatcher, RepeatedBlockIsWalkedAndAcknowledgedOnce) {
    Rig rig;
    const Words b = block({valueWord(8), 3});
    rig.sendBlock(b, 5);
    rig.sendBlock(b, 5);
    EXPECT_THAT(rig.host.lines("ack"), ElementsAre("ack 13 0 5 0 0"));
    rig.sendBlock(b, 6);
    EXPECT_THAT(rig.host.lines("ack"), ElementsAre("ack 13 0 5 0 0", "ack 13 0 6 0 0"));
}

TEST(FrameDispatcher, BlockOverTwoFramesIsWalkedWhenComplete) {
    Rig rig;
    Words words;
    for (int i = 0; i < 60; ++i) {
        words.push_back(valueWord(14));
        words.push_back(uint32_t(i));
    }
    rig.sendBlock(block(words), 9, 100);
    EXPECT_EQ(rig.host.lines("effect").size(), 60u);
    EXPECT_EQ(rig.dispatcher.state().InsideBright, 59);
    EXPECT_THAT(rig.host.lines("ack"), ElementsAre("ack 13 0 9 0 0"));
    EXPECT_THAT(rig.host.lines("paint"), ElementsAre("paint")); // once per block
}

TEST(FrameDispatcher, ValueWordsBeyondTheBlockEndTheWalk) {
    Rig rig;
    rig.sendBlock(block({valueWord(8), 1, valueWord(0), 1, 2}), 3);
    EXPECT_THAT(rig.walkLines(), ElementsAre("mark 8 1", "effect", "ack 13 0 3 0 0", "paint"));
    EXPECT_EQ(rig.dispatcher.state().TunedFreq, 0);
}

TEST(FrameDispatcher, SlideByteCountPastTheBlockEndsTheWalk) {
    Rig rig;
    rig.sendBlock(block({valueWord(58), 100, 0, valueWord(59), 0xFFFFFFFF, 1, 2}), 3);
    EXPECT_EQ(rig.host.lines("effect").size(), 1u);
    EXPECT_TRUE(rig.dispatcher.state().SlideStream.isEmpty());
    EXPECT_THAT(rig.host.lines("ack"), ElementsAre("ack 13 0 3 0 0"));
}

TEST(FrameDispatcher, DabCountPastTheBlockEndsTheWalk) {
    Rig rig;
    rig.addForm(15);
    rig.sendBlock(block({valueWord(2, 15), 100, 1, 2, valueWord(8), 1}), 4);
    EXPECT_THAT(rig.walkLines(), ElementsAre("ack 13 0 4 0 0"));
}

TEST(FrameDispatcher, FormValuesTakeTheirLayout) {
    Rig rig;
    rig.addForm(1);
    rig.addForm(5);
    rig.addForm(15);
    rig.sendBlock(block({valueWord(4, 1), 35,            // one word
                         valueWord(3, 5), 1, 2, 3, 4, 5, // five words
                         valueWord(2, 15), 2, 7, 8,      // count and N words
                         valueWord(9, 6), 77,            // empty slot: one word
                         valueWord(1, 0x21), 4,          // index 1 from the low bits
                         valueWord(8), 9}),
                  2);
    EXPECT_THAT(rig.walkLines(), ElementsAre("form 1 apply 4 35", "form 5 apply 3 1 2 3 4 5",
                                             "form 15 apply 2 2 7 8", "form 1 apply 1 4",
                                             "mark 8 1", "effect", "ack 13 0 2 0 0", "paint"));
}

TEST(FrameDispatcher, EmptyMemoryAndDabSlotsStillConsumeTheirLayout) {
    Rig rig;
    rig.sendBlock(block({valueWord(3, 5), 245, 245, 245, 245, 245, valueWord(2, 15), 1, 245,
                         valueWord(8), 9}),
                  2);
    EXPECT_EQ(rig.dispatcher.state().Dnr, 9);
}

TEST(FrameDispatcher, EveryFormInASlotTakesItsValuesAndTheWalkGoesOn) {
    Rig rig;
    rig.addForm(2);
    rig.addForm(5);
    rig.addForm(15);
    rig.sendBlock(block({valueWord(4, 2), 35, valueWord(7, 5), 1, 2, 3, 4, 5, valueWord(1, 15), 0,
                         valueWord(8), 9}),
                  2);
    EXPECT_THAT(rig.host.lines("form"),
                ElementsAre("form 2 apply 4 35", "form 5 apply 7 1 2 3 4 5", "form 15 apply 1 0"));
    EXPECT_EQ(rig.dispatcher.state().Dnr, 9);
}

TEST(FrameDispatcher, SlideGoesToTheDabListWithItsProgress) {
    Rig rig;
    rig.addForm(15);
    rig.sendBlock(block({valueWord(58), 8, 0, valueWord(59), 4, chars("abcd")}), 3);
    rig.sendBlock(block({valueWord(59), 4, chars("efgh")}), 4);
    EXPECT_THAT(rig.host.lines("form"),
                ElementsAre("form 15 slide progress 0", "form 15 slide progress 50",
                            "form 15 slide progress 100", "form 15 slide abcdefgh",
                            "form 15 slide progress 0"));
    EXPECT_TRUE(rig.dispatcher.state().SlideStream.isEmpty());
    EXPECT_EQ(rig.dispatcher.state().slidePictureSize(), 0u);
    EXPECT_THAT(rig.host.lines("ack"), ElementsAre("ack 13 0 3 0 0", "ack 13 0 4 0 0"));
}

// A board sends an unacknowledged block again and holds back every later one: a complete picture
// goes to the DAB list once, which keeps the picture it shows when this one does not decode, and
// is then dropped; the walk goes on and the block is acknowledged, so nothing behind it waits.
TEST(FrameDispatcher, ACompletePictureIsHandedOverOnceAndTheWalkGoesOn) {
    Rig rig;
    rig.addForm(15);
    rig.sendBlock(block({valueWord(58), 4, 0, valueWord(59), 4, chars("abcd"), valueWord(8), 9}),
                  3);
    EXPECT_THAT(rig.host.lines("form"),
                ElementsAre("form 15 slide progress 0", "form 15 slide progress 100",
                            "form 15 slide abcd", "form 15 slide progress 0"));
    EXPECT_THAT(rig.host.lines("ack"), ElementsAre("ack 13 0 3 0 0"));
    EXPECT_EQ(rig.dispatcher.state().Dnr, 9);
    EXPECT_TRUE(rig.dispatcher.state().SlideStream.isEmpty());
    EXPECT_EQ(rig.dispatcher.state().slidePictureSize(), 0u);

    // Bytes after the dropped picture wait for the next announcement.
    rig.sendBlock(block({valueWord(59), 4, chars("efgh")}), 4);
    EXPECT_TRUE(rig.dispatcher.state().SlideStream.isEmpty());
    rig.sendBlock(block({valueWord(58), 4, 0, valueWord(59), 4, chars("wxyz")}), 5);
    EXPECT_EQ(rig.host.lines("form").end()[-2], "form 15 slide wxyz");
    EXPECT_THAT(rig.host.lines("ack"),
                ElementsAre("ack 13 0 3 0 0", "ack 13 0 4 0 0", "ack 13 0 5 0 0"));
}

TEST(FrameDispatcher, FailedApplyStepEndsTheWalkAndTheBlockIsStillAcknowledged) {
    Rig rig;
    RecordingForm& dab = rig.addForm(15);
    dab.failNextApply = true;
    rig.sendBlock(block({valueWord(8), 9, valueWord(1, 15), 1, 0, valueWord(3), 5}), 11);
    EXPECT_THAT(rig.walkLines(), ElementsAre("mark 8 1", "effect", "form 15 apply 1 1 0",
                                             "ack 13 0 11 0 0", "paint"));
    EXPECT_EQ(rig.dispatcher.reassembly().LastSeq, 11);
    rig.sendBlock(block({valueWord(3), 5}), 11); // the repeat is ignored
    EXPECT_THAT(rig.host.lines("ack"), ElementsAre("ack 13 0 11 0 0"));
}

TEST(FrameDispatcher, KnobStepTurnsTheMarkAndMarksIt) {
    Rig rig;
    const float start = rig.dispatcher.state().KnobAngle;
    rig.sendBlock(block({knobStep(-20), knobStep(40)}), 2);
    EXPECT_THAT(rig.walkLines(), ElementsAre("mark 37 1", "mark 37 1", "ack 13 0 2 0 0", "paint"));
    EXPECT_NEAR(rig.dispatcher.state().KnobAngle - start, 20 * 3.141592654f / 40, 1e-5);
    EXPECT_NEAR(rig.dispatcher.state().KnobRefAngle, 20 * 3.141592654f / 40, 1e-5);
}

TEST(FrameDispatcher, FieldSelections) {
    Rig rig;
    rig.addForm(1);
    rig.sendBlock(block({fieldSelect(1, 16), fieldSelect(19, 0), fieldSelect(3, 15),
                         fieldSelect(4, 5), fieldSelect(3, 1), fieldSelect(3, 2), 85, 90, 0}),
                  2);
    EXPECT_THAT(rig.walkLines(),
                ElementsAre("circles 1", "circles 0", "select-main 19", "circles 0", "select-dab",
                            "circles 0", "circles 0", "form 1 select 3", "circles 0",
                            "ack 13 0 2 0 0", "paint"));
    EXPECT_FALSE(rig.dispatcher.rotatorSelected());
}

// Tune mode is the core's: the board's selection of the frequency entry (19) offers and presses
// B_Tune, EFreq2 (24) leaves it as it is, any other main-window field withdraws it.
TEST(FrameDispatcher, FieldSelectionsDecideTuneMode) {
    struct Case {
        std::vector<int> items;
        bool offered, on;
    };
    const Case cases[] = {{{19}, true, true},
                          {{19, 24}, true, true},
                          {{19, 3}, false, false},
                          {{19, 3, 24}, false, false},
                          {{3, 19}, true, true}};
    for (const Case& c : cases) {
        Rig rig;
        uint32_t seq = 2;
        for (int item : c.items)
            rig.sendBlock(block({fieldSelect(item, 0)}), seq++);
        const ReceiverState& state = rig.dispatcher.state();
        EXPECT_EQ(state.TuneModeOffered, c.offered) << c.items.back();
        EXPECT_EQ(state.TuneMode, c.on) << c.items.back();
        EXPECT_EQ(rig.host.tuneShown, std::make_pair(c.offered, c.on)) << c.items.back();
    }
}

TEST(FrameDispatcher, RotatorSelectionIsClearedByItemZeroAndByShowingAForm) {
    Rig rig;
    rig.sendBlock(block({fieldSelect(1, 16)}), 2);
    EXPECT_TRUE(rig.dispatcher.rotatorSelected());
    rig.sendBlock(block({fieldSelect(0, 16)}), 3);
    EXPECT_FALSE(rig.dispatcher.rotatorSelected());
    rig.sendBlock(block({fieldSelect(1, 16)}), 4);
    rig.sendBlock(block({showForm(7)}), 5);
    EXPECT_FALSE(rig.dispatcher.rotatorSelected());
}

TEST(FrameDispatcher, ShowAndCloseForms) {
    Rig rig;
    rig.addForm(1);
    rig.addForm(15);
    rig.sendBlock(block({showForm(1), showForm(15), showForm(6), closeForm(15), closeForm(6)}), 2);
    EXPECT_THAT(rig.walkLines(),
                ElementsAre("circles 0", "form 1 show", "disable all", "circles 0", "form 15 show",
                            "disable recorder", "circles 0", "focus 0", "form 15 close", "enable",
                            "focus 1", "focus 0", "enable", "focus 1", "ack 13 0 2 0 0"));
}

TEST(FrameDispatcher, DeviceHelloResetsTheInterface) {
    Rig rig;
    rig.addForm(1);
    rig.addForm(15);
    rig.host.startScript = QString("C:\\TALIX\\TALIX123.EXE");
    rig.sendBlock(block({deviceHello(0x2A, 7), 0x0123ABCD}), 2);
    EXPECT_THAT(rig.walkLines(),
                ElementsAre("ident LANV2A TLXABCD V123 ALIX123 SN007", "focus 0", "form 1 close",
                            "form 15 close", "enable", "focus 1", "ack 13 0 2 0 0"));
}

TEST(FrameDispatcher, DeviceHelloDuringAnUpdateOnlyIdentifies) {
    Rig rig;
    rig.addForm(1);
    rig.host.isUpdateVisible = true;
    rig.sendBlock(block({deviceHello(1, 2), 0x00010002}), 2);
    EXPECT_THAT(rig.walkLines(), ElementsAre("ident LANV01 TLX0002 V001  SN002", "ack 13 0 2 0 0"));
}

TEST(FrameDispatcher, DeviceHelloWithoutItsValueWordEndsTheWalk) {
    Rig rig;
    rig.sendBlock(block({deviceHello(1, 2)}), 2);
    EXPECT_THAT(rig.walkLines(), ElementsAre("ack 13 0 2 0 0"));
}

TEST(FrameDispatcher, RotatorRelay) {
    Rig rig;
    const uint32_t relay = 245u | 9u << 8 | 16u << 16;
    rig.sendBlock(block({relay, 0x1234}), 2);
    rig.host.isRotatorOn = true;
    rig.sendBlock(block({relay, 0x1234}), 3);
    // Bits 16-31 must be exactly 16; with a top byte the word addresses slot 0, which is empty.
    rig.sendBlock(block({relay | 1u << 24, 0x1234, valueWord(8), 5}), 4);
    EXPECT_THAT(rig.host.lines("rotator"), ElementsAre("rotator 0", "rotator 52"));
    EXPECT_EQ(rig.dispatcher.state().Dnr, 5);
}

TEST(FrameDispatcher, LoudspeakerSettingRestylesTheLinkBar) {
    Rig rig;
    rig.addForm(1);
    rig.host.isPlaybackOpen = true;
    rig.dispatcher.state().LoudspeakerMode = 2;
    rig.sendBlock(block({valueWord(9, 1), 2, valueWord(8, 1), 2}), 2);
    rig.dispatcher.state().LoudspeakerMode = 1;
    rig.sendBlock(block({valueWord(9, 1), 1}), 3);
    EXPECT_THAT(rig.host.lines("linkbar-style"),
                ElementsAre("linkbar-style playback", "linkbar-style link"));
}

// Item 54's message is modal: frames keep arriving while the walk waits in it. The nested walk
// must not disturb the suspended one, and each block is acknowledged with its own number.
TEST(FrameDispatcher, WalkSurvivesReentryFromAModalMessage) {
    Rig rig;
    bool nested = false;
    rig.host.onModalMessage = [&] {
        if (nested)
            return;
        nested = true;
        rig.sendBlock(block({valueWord(8), 1, valueWord(17), 4}), 8);
        rig.sendBlock(block({valueWord(12), 5}), 9, 1); // spans two frames
    };
    rig.sendBlock(block({valueWord(54), 1, valueWord(3), 7, valueWord(4), 8}), 7);
    EXPECT_THAT(rig.host.lines("ack"),
                ElementsAre("ack 13 0 8 0 0", "ack 13 0 9 0 0", "ack 13 0 7 0 0"));
    EXPECT_EQ(rig.dispatcher.state().Shift, 7);
    EXPECT_EQ(rig.dispatcher.state().NotchWidth, 8);
    EXPECT_EQ(rig.dispatcher.state().Dnr, 1);
    EXPECT_EQ(rig.dispatcher.state().NbLevel, 4);
    EXPECT_EQ(rig.dispatcher.state().RefreshTime, 5);
    EXPECT_EQ(rig.dispatcher.reassembly().LastSeq, 9);
}

TEST(FrameDispatcher, AudioSpectrumAndStatusAreHandedOver) {
    Rig rig;
    rig.host.isRecording = true;
    rig.send(payload(0, {}, 0x000000AB));
    EXPECT_THAT(rig.host.lines(), ElementsAre("record 161", "spectrum 92"));
    EXPECT_EQ(rig.dispatcher.state().AgcLevelRow, 0xAB);

    rig.host.clear();
    rig.host.isRecording = false;
    rig.host.isPlaybackOpen = true;
    rig.dispatcher.state().LoudspeakerMode = 2;
    rig.send(payload(0, {}, 0x00000FFF));
    EXPECT_THAT(rig.host.lines(), ElementsAre("play 161", "spectrum 92"));
    EXPECT_EQ(rig.dispatcher.state().AgcLevelRow, 0x1FF);
}

TEST(FrameDispatcher, RecorderPlayingStopsLiveAudioButNotTheStream) {
    Rig rig;
    rig.host.isRecording = true;
    rig.host.isRecorderPlaying = true;
    rig.sendBlock(block({valueWord(8), 4}), 2);
    EXPECT_THAT(rig.host.lines(), ElementsAre("mark 8 1", "effect", "ack 13 0 2 0 0", "paint"));
}

TEST(FrameDispatcher, ShortPayloadsCarryLessAndLengthZeroOnlyCountsTheFrame) {
    Rig rig;
    rig.host.isRecording = true;
    const Payload p = payload(streamHeader(3, 2, false), block({valueWord(8), 4}));
    rig.send(p, 0);
    EXPECT_THAT(rig.host.lines(), IsEmpty());
    EXPECT_EQ(rig.dispatcher.linkQuality().LinkFrames, 1u);
    rig.send(p, 2544); // audio, no status or spectrum
    EXPECT_THAT(rig.host.lines(),
                ElementsAre("record 161", "mark 8 1", "effect", "ack 13 0 2 0 0", "paint"));
    rig.host.clear();
    rig.send(payload(streamHeader(3, 3, false), block({valueWord(8), 4})), 16); // stream only
    EXPECT_THAT(rig.host.lines(), ElementsAre("mark 8 1", "effect", "ack 13 0 3 0 0", "paint"));
}

TEST(FrameDispatcher, NullPayloadIsIgnored) {
    Rig rig;
    rig.dispatcher.handleFrame(nullptr, lParamOf(5));
    EXPECT_EQ(rig.dispatcher.linkQuality().LinkFrames, 0u);
}

TEST(FrameDispatcher, StatusWordSwitchesTheExternalAntenna) {
    Rig rig;
    const uint32_t external = 0x80000000;
    rig.send(payload(0, {}, external));
    rig.send(payload(0, {}, external | 5));
    rig.send(payload(0, {}, 0));
    rig.send(payload(0, {}, 0));
    rig.send(payload(0, {}, external));
    EXPECT_THAT(rig.host.lines("antenna"),
                ElementsAre("antenna 1 ffff69b4", "antenna 0 ff00ff00", "antenna 1 ffff69b4"));
}

TEST(FrameDispatcher, LinkQualityIsShownAndFillsTheBarUnlessAudioPlays) {
    Rig rig;
    for (int i = 0; i < 80; ++i)
        rig.send(payload(0));
    EXPECT_THAT(rig.host.lines("link"),
                ElementsAre("link 100% ffff0000 WiFi not stable!", "linkbar 100"));
    rig.host.clear();
    rig.host.isPlaybackOpen = true;
    rig.dispatcher.state().LoudspeakerMode = 2;
    for (int i = 0; i < 80; ++i)
        rig.send(payload(0));
    EXPECT_THAT(rig.host.lines("link"), ElementsAre("link 100% ffff0000 WiFi not stable!"));
}
