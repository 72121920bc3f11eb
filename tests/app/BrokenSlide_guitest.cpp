// A slide-show picture that does not decode, sent by the simulated board, which holds back every
// parameter block behind one the program has not acknowledged: the picture is dropped, its block
// acknowledged, and what the board reports next still reaches the window.
#include "app/Forms.h"
#include "base/BoardWords.h"
#include "dab/DabForm.h"
#include "dab/SlidePanel.h"
#include "session/Session.h"
#include "sim/SimBoard.h"
#include "support/ParamFrames.h"
#include "support/PumpUntil.h"
#include "support/SimulatedBoard.h"

#include <QElapsedTimer>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::app;
using namespace talix::testing;

TEST(BrokenSlideFromTheBoard, TheNextFrequencyStillReachesTheWindow) {
    sim::SimOptions o = simulatedBoardOptions();
    // The broken picture's block goes out once: only its acknowledgement lets the block behind it
    // through.
    o.resendAfter = std::chrono::minutes(5);
    sim::SimBoard board(o);
    ASSERT_TRUE(board.start()) << board.error();
    QTemporaryDir data;
    FormSet forms(streamingBoardContext(board.port(), data.path()));
    TFMain& main = forms.main();
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main, 10000));
    auto& dab = *dynamic_cast<dab::TF_DAB*>(forms.F_DAB);
    const sync::ReceiverState& state = main.session().state();
    ASSERT_TRUE(pumpUntil([&] { return state.TunedFreq != 0 && board.blocksAcknowledged() >= 2; }));
    const qint64 placeholder = dab.RMOT->picture().cacheKey();

    constexpr int kSlideHeader = board::number(board::MainItem::SlideHeader);
    constexpr int kSlideData = board::number(board::MainItem::SlideData);
    constexpr int kTunedFreq = board::number(board::MainItem::TunedFreq);
    constexpr int32_t kNewFreq = 71'234'560;
    QElapsedTimer sent;
    sent.start();
    board.sendParamWords(
        {valueWord(kSlideHeader), 8, 0, valueWord(kSlideData), 8, chars("not "), chars("png!")});
    board.sendParamWords(
        {valueWord(kTunedFreq), uint32_t(kNewFreq), uint32_t(kNewFreq - 512 * 1000), 0});
    ASSERT_TRUE(pumpUntil([&] { return state.TunedFreq == kNewFreq; }))
        << "the frequency behind the broken picture never arrived";
    std::printf("frequency on screen %lld ms after the broken picture was sent\n",
                static_cast<long long>(sent.elapsed()));
    EXPECT_EQ(board.blocksResent(), 0u); // acknowledged the first time it was sent
    EXPECT_TRUE(state.SlideStream.isEmpty());
    EXPECT_EQ(state.slidePictureSize(), 0u);
    EXPECT_EQ(dab.PB_SL->value(), 0);
    EXPECT_EQ(dab.RMOT->picture().cacheKey(), placeholder);
}
