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
    // The board sends a block it has no acknowledgement for again every 400 ms, and the block
    // behind it only once that acknowledgement has come: the frequency sent behind the broken
    // picture arrives when, and only when, the board has the picture's acknowledgement.
    sim::SimBoard board(simulatedBoardOptions());
    ASSERT_TRUE(board.start()) << board.error();
    QTemporaryDir data;
    FormSet forms(streamingBoardContext(board.port(), data.path()));
    TFMain& main = forms.main();
    session::Session& session = forms.session();
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main, 10000));
    auto& dab = *dynamic_cast<dab::TF_DAB*>(forms.F_DAB);
    const sync::ReceiverState& state = session.state();
    // Generous: a loaded machine drops frames, and the board sends their blocks again.
    ASSERT_TRUE(pumpUntil([&] { return state.TunedFreq != 0 && board.blocksAcknowledged() >= 2; },
                          std::chrono::seconds(30)));
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
    ASSERT_TRUE(pumpUntil([&] { return state.TunedFreq == kNewFreq; }, std::chrono::seconds(20)))
        << "the frequency behind the broken picture never arrived";
    std::printf("frequency on screen %lld ms after the broken picture was sent\n",
                static_cast<long long>(sent.elapsed()));
    EXPECT_TRUE(state.SlideStream.isEmpty());
    EXPECT_EQ(state.slidePictureSize(), 0u);
    EXPECT_EQ(dab.PB_SL->value(), 0);
    EXPECT_EQ(dab.RMOT->picture().cacheKey(), placeholder);
}
