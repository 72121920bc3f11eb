#include "base/BoardModes.h"
#include "base/Tags.h"
#include "controls/BandwidthList.h"
#include "controls/DemodList.h"
#include "controls/PickListCells.h"
#include "controls/StepList.h"
#include "support/Pointer.h"
#include "support/QueueProbe.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using namespace talix::controls;
using namespace talix::controls::testing;
using talix::link::Command;

namespace {

// The label showing text on form f (the cell under it is what a tap reaches).
QLabel* labelWithText(QWidget* f, const QString& text) {
    for (QLabel* l : f->findChildren<QLabel*>())
        if (l->text() == text)
            return l;
    return nullptr;
}

// Taps the cell under the label with the given text, as a finger would.
void tapLabel(QWidget* f, const QString& text) {
    QLabel* l = labelWithText(f, text);
    ASSERT_NE(l, nullptr) << text.toStdString();
    click(f, centreIn(l, f));
}

template <class Form> struct Shown {
    template <class... Args> explicit Shown(Args&&... args) : form(std::forward<Args>(args)...) {
        showAndExpose(&form);
    }
    Form form;
};

TEST(DemodList, Layout) {
    QueueProbe probe;
    TF_Demods f(probe.queue);
    EXPECT_EQ(f.size(), QSize(1280, 194));
    EXPECT_EQ(f.RSBSP->geometry(), QRect(0, 0, 1280, 97));
    EXPECT_EQ(f.RSBSP->palette().color(QPalette::Window), QColor(0xFF, 0xB6, 0xC1));
    EXPECT_EQ(f.Rectangle15->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0x00));
    ASSERT_EQ(f.cells().size(), 14u);
    EXPECT_EQ(f.cellWithTag(0)->geometry(), QRect(8, 8, 145, 81));
    EXPECT_EQ(f.cellWithTag(8)->geometry(), QRect(8 + 152 * 6, 104, 145, 81));
    EXPECT_EQ(labelWithText(&f, "DIGI")->geometry(), QRect(8 + 152 * 4, 118, 145, 49));
    EXPECT_EQ(labelWithText(&f, "Spec-based")->geometry(), QRect(1072, 22, 201, 49));
    EXPECT_EQ(labelWithText(&f, "Time-based")->geometry(), QRect(1072, 118, 201, 49));
    EXPECT_TRUE(f.windowFlags() & Qt::WindowStaysOnTopHint);
}

class DemodCell : public ::testing::TestWithParam<PickCellRow> {};

TEST_P(DemodCell, TapSendsTheModeAndCloses) {
    QueueProbe probe;
    Shown<TF_Demods> s(probe.queue);
    tapLabel(&s.form, GetParam().text);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{245, 1, 0, uint8_t(GetParam().tag), 0, 0, 0}}));
    EXPECT_FALSE(s.form.isVisible());
    EXPECT_EQ(s.form.result(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(Table, DemodCell, ::testing::ValuesIn(kDemodCells), [](const auto& info) {
    std::string n = info.param.text;
    std::erase(n, '-');
    return n;
});

TEST(DemodList, DigiSendsFortyOne) {
    QueueProbe probe;
    Shown<TF_Demods> s(probe.queue);
    tapLabel(&s.form, "DIGI");
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{245, 1, 0, 41, 0, 0, 0}}));
    EXPECT_FALSE(s.form.isVisible());
}

TEST(DemodList, ATapBesideTheCellsSendsNothing) {
    QueueProbe probe;
    Shown<TF_Demods> s(probe.queue);
    click(&s.form, QPointF(1100, 150)); // on the caption "Time-based"
    click(&s.form, QPointF(4, 4));      // between the cells
    EXPECT_TRUE(probe.drain().empty());
    EXPECT_TRUE(s.form.isVisible());
}

TEST(StepList, Layout) {
    QueueProbe probe;
    TF_Steps f(probe.queue);
    EXPECT_EQ(f.size(), QSize(1298, 249));
    EXPECT_EQ(f.windowTitle(), "Frequency Step Grid / Hz");
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(0x98, 0xFB, 0x98));
    EXPECT_FALSE(f.windowFlags() & Qt::WindowStaysOnTopHint);
    ASSERT_EQ(f.cells().size(), 14u);
    EXPECT_EQ(f.cellWithTag(83333)->geometry(), QRect(8 + 184 * 3, 8, 177, 113));
    EXPECT_EQ(f.cellWithTag(125000)->geometry(), QRect(8 + 184 * 4, 128, 177, 113));
    EXPECT_EQ(labelWithText(&f, "12,5 k")->geometry(), QRect(8 + 184 * 4, 158, 177, 49));
}

TEST(StepList, TwelveAndAHalfKilohertzIsOneFourteenByteRecord) {
    QueueProbe probe;
    Shown<TF_Steps> s(probe.queue);
    tapLabel(&s.form, "12,5 k");
    EXPECT_EQ(probe.drain(),
              (std::vector<Command>{{245, 32, 0, 72, 232, 1, 0, 245, 27, 0, 3, 0, 0, 0}}));
    EXPECT_FALSE(s.form.isVisible());
}

struct StepTap {
    const char* text;
    Command record;
};

class StepCell : public ::testing::TestWithParam<StepTap> {};

TEST_P(StepCell, TapSendsStepAndDigit) {
    QueueProbe probe;
    Shown<TF_Steps> s(probe.queue);
    tapLabel(&s.form, GetParam().text);
    EXPECT_EQ(probe.drain(), std::vector<Command>{GetParam().record});
}

INSTANTIATE_TEST_SUITE_P(
    Table, StepCell,
    ::testing::Values(StepTap{"1", {245, 32, 0, 10, 0, 0, 0, 245, 27, 0, 0, 0, 0, 0}},
                      StepTap{"100", {245, 32, 0, 0xE8, 0x03, 0, 0, 245, 27, 0, 2, 0, 0, 0}},
                      StepTap{"4,5 k", {245, 32, 0, 0xC8, 0xAF, 0, 0, 245, 27, 0, 3, 0, 0, 0}},
                      StepTap{"8,333 k", {245, 32, 0, 0x85, 0x45, 1, 0, 245, 27, 0, 4, 0, 0, 0}},
                      StepTap{"9 k", {245, 32, 0, 0x90, 0x5F, 1, 0, 245, 27, 0, 4, 0, 0, 0}},
                      StepTap{"100 k", {245, 32, 0, 0x40, 0x42, 0x0F, 0, 245, 27, 0, 5, 0, 0, 0}},
                      StepTap{"500 k", {245, 32, 0, 0x40, 0x4B, 0x4C, 0, 245, 27, 0, 6, 0, 0, 0}}));

// The receiver state the bandwidth list reads, and the list on top of it.
struct BandwidthFixture {
    QueueProbe probe;
    talix::sync::ReceiverState state;
    uint8_t& mode = state.ModeIndex;
    bool& fullList = state.BwListFlag;
    TF_BWs form{probe.queue, state};

    std::vector<QString> texts() const {
        std::vector<QString> out;
        for (QLabel* l : form.LBW)
            out.push_back(l->text());
        return out;
    }
};

TEST(BandwidthList, Layout) {
    BandwidthFixture b;
    EXPECT_EQ(b.form.size(), QSize(1737, 218));
    EXPECT_EQ(b.form.palette().color(QPalette::Window), QColor(0, 0, 0));
    ASSERT_EQ(b.form.cells().size(), 15u);
    // The Tags run down each column, then on to the next.
    EXPECT_EQ(b.form.cellWithTag(0)->geometry(), QRect(8, 8, 209, 97));
    EXPECT_EQ(b.form.cellWithTag(1)->geometry(), QRect(8, 112, 209, 97));
    EXPECT_EQ(b.form.cellWithTag(2)->geometry(), QRect(224, 8, 209, 97));
    EXPECT_EQ(b.form.cellWithTag(14)->geometry(), QRect(8 + 216 * 7, 8, 209, 97));
    EXPECT_EQ(b.form.unitCell->geometry(), QRect(8 + 216 * 7, 112, 209, 97));
    EXPECT_EQ(b.form.LBW[0]->objectName(), "LBW1");
    EXPECT_EQ(b.form.LBW[0]->geometry(), QRect(8, 24, 209, 57));
    EXPECT_EQ(b.form.LBW[14]->objectName(), "LBW15");
    EXPECT_EQ(b.form.Label16->text(), "Hz");
    EXPECT_EQ(b.form.Label16->geometry(), QRect(8 + 216 * 7, 128, 209, 57));
    EXPECT_EQ(b.form.LBW[3]->palette().color(QPalette::WindowText), QColor(0xAD, 0xD8, 0xE6));
    // Before the first showing: the layout's texts.
    EXPECT_EQ(b.form.LBW[0]->text(), "3,0k");
    EXPECT_EQ(b.form.LBW[14]->text(), "20,0k");
}

struct BwShow {
    const char* name;
    uint8_t mode;
    bool fullList;
    std::vector<QString> labels;
};

class BandwidthShow : public ::testing::TestWithParam<BwShow> {};

TEST_P(BandwidthShow, LabelsFollowTheModeAtEveryShowing) {
    BandwidthFixture b;
    // A first showing in another mode, so that the second one must change the labels.
    b.mode = GetParam().mode == talix::board::kModeDigi ? 3 : talix::board::kModeDigi;
    showAndExpose(&b.form);
    b.form.hide();
    b.mode = GetParam().mode;
    b.fullList = GetParam().fullList;
    showAndExpose(&b.form);
    EXPECT_EQ(b.texts(), GetParam().labels);
}

std::vector<QString> padded(std::initializer_list<const char*> texts) {
    std::vector<QString> out;
    for (const char* t : texts)
        out.emplace_back(t);
    out.resize(15);
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Table, BandwidthShow,
    ::testing::Values(
        BwShow{"FmWideShort", talix::board::kModeFmWide, false,
               padded({"", "50k S", "60k HQ", "", "120k HQ", "", "240k HQ", ""})},
        BwShow{"FmWideFull", talix::board::kModeFmWide, true,
               padded({"38k S", "50k S", "60k HQ", "60k S", "120k HQ", "140k S", "240k HQ",
                       "300k HQ"})},
        BwShow{"Digi", talix::board::kModeDigi, false,
               padded({"125", "250", "500", "1,0k", "2,0k", "4,0k"})},
        BwShow{"LsbQ", talix::board::kModeLsbQ, false,
               padded({"1,5k", "1,75k", "2,0k", "2,25k", "2,5k", "3,0k", "3,5k", "4,0k", "4,5k",
                       "5,0k", "6,0k", "7,0k", "8,0k", "9,0k", "10,0k"})},
        BwShow{"Cw", talix::board::kModeCw, false,
               padded({"3,0k", "3,5k", "4,0k", "4,5k", "5,0k", "6,0k", "7,0k", "8,0k", "9,0k",
                       "10,0k", "12,0k", "14,0k", "16,0k", "18,0k", "20,0k"})}),
    [](const auto& info) { return std::string(info.param.name); });

struct BlankTap {
    const char* name;
    uint8_t mode;
    int position;
};

class BandwidthBlankCell : public ::testing::TestWithParam<BlankTap> {};

TEST_P(BandwidthBlankCell, StillSendsItsPosition) {
    BandwidthFixture b;
    b.mode = GetParam().mode;
    showAndExpose(&b.form);
    ASSERT_TRUE(b.form.LBW[GetParam().position]->text().isEmpty());
    click(&b.form, centreIn(b.form.LBW[GetParam().position], &b.form));
    EXPECT_EQ(b.probe.drain(),
              (std::vector<Command>{{245, 2, 0, uint8_t(GetParam().position), 0, 0, 0}}));
    EXPECT_FALSE(b.form.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Table, BandwidthBlankCell,
                         ::testing::Values(BlankTap{"FmWide0", talix::board::kModeFmWide, 0},
                                           BlankTap{"FmWide3", talix::board::kModeFmWide, 3},
                                           BlankTap{"FmWide5", talix::board::kModeFmWide, 5},
                                           BlankTap{"FmWide7", talix::board::kModeFmWide, 7},
                                           BlankTap{"Digi6", talix::board::kModeDigi, 6},
                                           BlankTap{"Digi14", talix::board::kModeDigi, 14}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BandwidthList, TheUnitCellSendsNothing) {
    BandwidthFixture b;
    showAndExpose(&b.form);
    click(&b.form, centreIn(b.form.Label16, &b.form));
    click(&b.form, centreIn(b.form.unitCell, &b.form) + QPointF(80, 35));
    EXPECT_TRUE(b.probe.drain().empty());
    EXPECT_TRUE(b.form.isVisible());
}

TEST(BandwidthList, LabelledCellSendsItsPosition) {
    BandwidthFixture b;
    b.mode = 3;
    showAndExpose(&b.form);
    tapLabel(&b.form, "20,0k");
    EXPECT_EQ(b.probe.drain(), (std::vector<Command>{{245, 2, 0, 14, 0, 0, 0}}));
}

// With ten records waiting a tap tells the user and the list stays open for another try.
template <class Form>
void expectFullQueueKeepsOpen(QueueProbe& probe, Form& form, const char* cell) {
    showAndExpose(&form);
    probe.fill();
    tapLabel(&form, cell);
    EXPECT_EQ(probe.notices, 1);
    EXPECT_EQ(probe.drain().size(), 10u);
    EXPECT_TRUE(form.isVisible());
    tapLabel(&form, cell);
    EXPECT_EQ(probe.drain().size(), 1u);
    EXPECT_EQ(probe.notices, 1);
    EXPECT_FALSE(form.isVisible());
}

TEST(PickLists, FullQueueDemods) {
    QueueProbe probe;
    TF_Demods f(probe.queue);
    expectFullQueueKeepsOpen(probe, f, "USB");
}

TEST(PickLists, FullQueueBandwidths) {
    BandwidthFixture b;
    expectFullQueueKeepsOpen(b.probe, b.form, "6,0k");
}

TEST(PickLists, FullQueueSteps) {
    QueueProbe probe;
    TF_Steps f(probe.queue);
    expectFullQueueKeepsOpen(probe, f, "1 k");
}

TEST(PickLists, TouchTapChooses) {
    QueueProbe probe;
    Shown<TF_Demods> s(probe.queue);
    const QPointF at = centreIn(labelWithText(&s.form, "FM-N"), &s.form);
    touchPress(&s.form, at);
    touchRelease(&s.form, at);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{245, 1, 0, 7, 0, 0, 0}}));
    EXPECT_FALSE(s.form.isVisible());
}

TEST(PickLists, ModalShowingEndsWithTheChoice) {
    QueueProbe probe;
    TF_Steps f(probe.queue);
    bool tapped = false;
    QTimer::singleShot(0, &f, [&] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f, 10000));
        tapLabel(&f, "25 k");
        tapped = true;
    });
    EXPECT_EQ(f.exec(), QDialog::Accepted);
    EXPECT_TRUE(tapped);
    EXPECT_EQ(probe.drain().size(), 1u);
}

} // namespace
