#include "controls/ArmedBars.h"
#include "controls/KnobArithmetic.h"
#include "support/MainWindowFixture.h"
#include "support/Pointer.h"

#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

using namespace talix::controls;
using namespace talix::controls::testing;
using talix::link::Command;
using Records = std::vector<Command>;

namespace {

Command setValue(int item, uint32_t v) {
    return {245, uint8_t(item), 0, uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}

// Only the records of one kind, in order.
Records ofKind(const Records& all, uint8_t kind) {
    Records out;
    for (const auto& r : all)
        if (!r.empty() && r[0] == kind)
            out.push_back(r);
    return out;
}

// --- readouts and buttons -------------------------------------------------------------------

struct FieldTap {
    const char* name;
    Command sent;
};

class ReadoutTouch : public ::testing::TestWithParam<FieldTap> {};

TEST_P(ReadoutTouch, SelectsTheFieldOnTheBoard) {
    MainWindowFixture f;
    QLineEdit* e = f.readout(GetParam().name);
    click(e, centreIn(e, e));
    EXPECT_EQ(f.probe.drain(), Records{GetParam().sent});
    click(e, centreIn(e, e)); // already the field with the focus: no new selection
    EXPECT_TRUE(f.probe.drain().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadoutTouch,
    ::testing::Values(FieldTap{"EFreq1", {192, 0, 0, 13}}, FieldTap{"EFreq2", {192, 24, 0, 13}},
                      FieldTap{"EStepsRX", {192, 32, 0, 9}}, FieldTap{"EDemod", {192, 1, 0, 0}},
                      FieldTap{"ENBD", {192, 18, 0, 0}}, FieldTap{"EResoD", {192, 30, 0, 0}},
                      FieldTap{"ELBot", {192, 31, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainWindow, TouchOnAReadoutSelectsItToo) {
    MainWindowFixture f;
    QLineEdit* e = f.readout("EShift");
    touchPress(e, centreIn(e, e));
    touchRelease(e, centreIn(e, e));
    EXPECT_EQ(f.probe.drain(), (Records{{192, 3, 0, 0}}));
}

TEST(MainWindow, FrequencyInTuneModeIsTheFrequencyEntry) {
    MainWindowFixture f;
    f.state.TuneModeOffered = true; // the board's field 19 switched tune mode on
    f.state.TuneMode = true;
    QLineEdit* e = f.readout("EFreq1");
    click(e, centreIn(e, e));
    EXPECT_EQ(f.probe.drain(), (Records{{192, 19, 0, 13}}));
}

TEST(MainWindow, TheBoardsFieldSelectionIsEnteredAsWell) {
    MainWindowFixture f;
    f.readout("ERefresh")->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(f.probe.drain(), (Records{{192, 12, 0, 0}}));
}

TEST(MainWindow, ReadoutTouchesBelongToTheOpenMemoryKeypad) {
    MainWindowFixture f;
    f.memoryOwnsTouches = true;
    QLineEdit* e = f.readout("EDemod");
    click(e, centreIn(e, e));
    EXPECT_TRUE(f.probe.drain().empty());
}

TEST(MainWindow, AgcTimesAreFieldsOnlyWithAutomaticGain) {
    MainWindowFixture f;
    f.state.GainCtrlIndex = 2;
    f.state.ReceiverFlags = 0x01;
    QLineEdit* hold = f.readout("EHold");
    QLineEdit* attack = f.readout("EAttack");
    click(hold, centreIn(hold, hold));
    click(attack, centreIn(attack, attack));
    EXPECT_TRUE(f.probe.drain().empty());
    f.state.ReceiverFlags = 0x04;
    click(hold, centreIn(hold, hold));
    EXPECT_EQ(f.probe.drain(), (Records{{192, 22, 0, 0}}));
}

struct ButtonTap {
    const char* name;
    Command sent;
};

class TagButton : public ::testing::TestWithParam<ButtonTap> {};

TEST_P(TagButton, ReportsItsTag) {
    MainWindowFixture f;
    QAbstractButton* b = f.button(GetParam().name);
    click(b, centreIn(b, b));
    EXPECT_EQ(f.probe.drain(), Records{GetParam().sent});
}

INSTANTIATE_TEST_SUITE_P(
    Table, TagButton,
    ::testing::Values(ButtonTap{"B_Zero", {1, 0, 0}}, ButtonTap{"B_Tune", {1, 12, 0}},
                      ButtonTap{"B_Stereo", {1, 23, 0}}, ButtonTap{"B_Filter", {1, 21, 0}},
                      ButtonTap{"B_Setup", {1, 13, 11}}, ButtonTap{"B_System", {1, 13, 12}},
                      ButtonTap{"B_Mike", {1, 13, 14}}, ButtonTap{"B_WiFi", {1, 13, 17}},
                      ButtonTap{"B_Memory", {1, 13, 18}}, ButtonTap{"B_Recorder", {1, 13, 19}},
                      ButtonTap{"B_Lock", {1, 34, 0}}, ButtonTap{"EUndo", {1, 13, 13}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainWindow, KapShowsTheRotatorForm) {
    MainWindowFixture f;
    QAbstractButton* b = f.button("B_KAP");
    click(b, centreIn(b, b));
    EXPECT_EQ(f.rotatorShown, 1);
    EXPECT_TRUE(f.probe.drain().empty());
}

// --- double clicks --------------------------------------------------------------------------

// Double-clicks a readout; a list that opens is recorded, with its centre in the main window's
// coordinates, and closed again.
QWidget* doubleClickReadout(MainWindowFixture& f, const char* name, QPoint* centre = nullptr) {
    QWidget* opened = nullptr;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QDialog* d : {static_cast<QDialog*>(f.demods), static_cast<QDialog*>(f.bandwidths),
                           static_cast<QDialog*>(f.steps)})
            if (d->isVisible()) {
                opened = d;
                if (centre)
                    *centre = f.window->mapFromGlobal(d->mapToGlobal(d->rect().center()));
                d->reject();
            }
    });
    watch.start(10);
    QLineEdit* e = f.readout(name);
    doubleClick(e, centreIn(e, e));
    QTest::qWait(50);
    return opened;
}

struct Opening {
    const char* name;
    const char* readout;
    uint8_t mode;
    bool tuneMode;
    const char* opens; // objectName of the list, or nullptr
};

class DoubleClick : public ::testing::TestWithParam<Opening> {};

TEST_P(DoubleClick, OpensThePickList) {
    MainWindowFixture f;
    f.state.ModeIndex = GetParam().mode;
    f.state.TuneModeOffered = true;
    f.state.TuneMode = GetParam().tuneMode;
    QPoint openedCentre;
    QWidget* opened = doubleClickReadout(f, GetParam().readout, &openedCentre);
    if (GetParam().opens) {
        EXPECT_EQ(opened ? opened->objectName() : QString(), GetParam().opens);
        // At the centre of the main window, whatever the scale it is drawn at.
        EXPECT_LE((openedCentre - f.window->rect().center()).manhattanLength(), 4)
            << openedCentre.x() << "," << openedCentre.y();
    } else
        EXPECT_EQ(opened, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DoubleClick,
    ::testing::Values(Opening{"Demod", "EDemod", 3, false, "F_Demods"},
                      Opening{"DemodInTuneMode", "EDemod", 3, true, nullptr},
                      Opening{"BandwidthUsb", "EBW", 3, false, nullptr},
                      Opening{"BandwidthFmNarrow", "EBW", 7, false, "F_BWs"},
                      Opening{"BandwidthDigi", "EBW", 41, false, "F_BWs"},
                      Opening{"BandwidthFmNarrowTuneMode", "EBW", 7, true, nullptr},
                      Opening{"Steps", "EStepsRX", 3, false, "F_Steps"},
                      Opening{"StepsInTuneMode", "EStepsRX", 3, true, "F_Steps"},
                      Opening{"Shift", "EShift", 3, false, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainWindow, NotchPositionDoubleClickSendsCode35) {
    MainWindowFixture f;
    doubleClickReadout(f, "ENotchP");
    EXPECT_EQ(f.probe.drain(), (Records{{192, 5, 0, 0}, {1, 35, 0}}));
}

TEST(MainWindow, AChoiceInTheOpenedListIsSentAndClosesIt) {
    MainWindowFixture f;
    f.state.ModeIndex = 8;
    bool chosen = false;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(QTest::qWaitFor([&] { return f.bandwidths->isVisible(); }, 10000));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.bandwidths, 10000));
        EXPECT_EQ(f.bandwidths->LBW[0]->text(), ""); // FM-W without the full list
        click(f.bandwidths, centreIn(f.bandwidths->LBW[0], f.bandwidths));
        chosen = true;
    });
    QLineEdit* e = f.readout("EBW");
    doubleClick(e, centreIn(e, e));
    EXPECT_TRUE(chosen);
    EXPECT_FALSE(f.bandwidths->isVisible());
    EXPECT_EQ(ofKind(f.probe.drain(), 245), Records{setValue(2, 0)});
}

// --- tuning knob and wheel ------------------------------------------------------------------

constexpr double kDeg = kPi / 180;
constexpr double kRadius = 150;

// The point on the knob at an angle in degrees, in the knob's coordinates.
QPointF onKnob(double deg) {
    return {174 + kRadius * std::cos(deg * kDeg), 174 - kRadius * std::sin(deg * kDeg)};
}

struct KnobTurn {
    const char* name;
    double fromDeg, toDeg;
    Records sent;
};

class KnobDrag : public ::testing::TestWithParam<KnobTurn> {};

TEST_P(KnobDrag, AStepPerTwelveDegrees) {
    MainWindowFixture f;
    QWidget* knob = f.control("S_Geber");
    press(knob, onKnob(GetParam().fromDeg));
    moveTo(knob, onKnob(GetParam().toDeg));
    release(knob, onKnob(GetParam().toDeg));
    EXPECT_EQ(f.probe.drain(), GetParam().sent);
    EXPECT_EQ(f.knobMarks, int(GetParam().sent.size()));
    if (!GetParam().sent.empty()) {
        const QPointF at = landing(knob, onKnob(GetParam().toDeg));
        EXPECT_NEAR(f.state.KnobAngle, knobPointAngle(at.x(), at.y(), 348, 348), 1e-5);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, KnobDrag,
                         ::testing::Values(KnobTurn{"ElevenClockwise", 0, -11, {}},
                                           KnobTurn{"ElevenCounterClockwise", 0, 11, {}},
                                           KnobTurn{"TwelveClockwise", 0, -12.4, {{2, 2}}},
                                           KnobTurn{"TwelveCounterClockwise", 0, 12.4, {{2, 254}}},
                                           KnobTurn{"AcrossNineDownwards", 175, 185, {{2, 254}}},
                                           KnobTurn{"AcrossNineUpwards", 185, 175, {{2, 2}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MainWindow, KnobFollowsAFinger) {
    MainWindowFixture f;
    QWidget* knob = f.control("S_Geber");
    touchPress(knob, onKnob(90));
    touchMove(knob, onKnob(70));
    touchMove(knob, onKnob(50));
    touchMove(knob, onKnob(45)); // under 12 degrees from the last step
    touchRelease(knob, onKnob(45));
    EXPECT_EQ(f.probe.drain(), (Records{{2, 2}, {2, 2}}));
}

TEST(MainWindow, KnobStepWaitsForRoomInTheQueue) {
    MainWindowFixture f;
    QWidget* knob = f.control("S_Geber");
    f.probe.fill();
    press(knob, onKnob(0));
    moveTo(knob, onKnob(20));
    release(knob, onKnob(20));
    EXPECT_EQ(f.probe.notices, 0);
    EXPECT_EQ(f.probe.drain().size(), 10u);
    moveTo(knob, onKnob(21)); // any move sends the pending step
    EXPECT_EQ(f.probe.drain(), (Records{{2, 254}}));
}

TEST(MainWindow, WheelTunesAnywhereOnTheWindow) {
    MainWindowFixture f;
    const float start = f.state.KnobAngle;
    wheel(f.window.get(), QPointF(1300, 300), 120);                            // the background
    wheel(f.window.get(), centreIn(f.bar("TB_Att"), f.window.get()), -120);    // a track bar
    wheel(f.window.get(), centreIn(f.bar("SBLSP"), f.window.get()), -120);     // a volume bar
    wheel(f.window.get(), centreIn(f.readout("EFreq1"), f.window.get()), 120); // a readout
    wheel(f.window.get(), QPointF(1300, 300), 0, 120);                         // sideways: no turn
    EXPECT_EQ(f.probe.drain(), (Records{{2, 2}, {2, 254}, {2, 254}, {2, 2}}));
    EXPECT_EQ(f.bar("TB_Att")->value(), 6);
    EXPECT_EQ(f.bar("SBLSP")->value(), 250);
    EXPECT_NEAR(f.state.KnobAngle, start, 1e-5);
    EXPECT_EQ(f.knobMarks, 4);
}

TEST(MainWindow, WheelOfAnotherFormGoesToTheKnob) {
    MainWindowFixture f;
    f.handlers->S_GeberMouseWheel(120);
    EXPECT_EQ(f.probe.drain(), (Records{{2, 2}}));
    EXPECT_NEAR(f.state.KnobAngle, 3 * kPi / 2 + kPi / 20, 1e-5);
}

// --- spectrum and waterfall -----------------------------------------------------------------

struct SpectrumTap {
    const char* name;
    const char* panel;
    int32_t left;
    int32_t step;
    uint8_t touchAction;
    int x;
    Records sent;
};

class SpectrumTapTable : public ::testing::TestWithParam<SpectrumTap> {};

TEST_P(SpectrumTapTable, TunesToTheSnappedFrequency) {
    MainWindowFixture f;
    f.state.SpectrumLeftFreq = GetParam().left;
    f.state.BinHz = 100;
    f.state.TuneStep = GetParam().step;
    f.state.TouchAction = GetParam().touchAction;
    QWidget* panel = f.control(GetParam().panel);
    click(panel, QPointF(GetParam().x, 100));
    EXPECT_EQ(f.probe.drain(), GetParam().sent);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpectrumTapTable,
    ::testing::Values(
        SpectrumTap{"At14MHz", "Panel2", 140'000'000, 10'000, 3, 512, {setValue(0, 140'510'000)}},
        SpectrumTap{"RoundsUp", "Panel2", 140'000'000, 10'000, 3, 516, {setValue(0, 140'520'000)}},
        SpectrumTap{
            "OnTheWaterfall", "Panel3", 140'000'000, 10'000, 4, 512, {setValue(0, 140'510'000)}},
        SpectrumTap{"At40MHzRefused", "Panel2", 400'000'000, 10'000, 3, 0, {}},
        SpectrumTap{"At30MHzSent", "Panel2", 300'000'000, 10'000, 3, 0, {setValue(0, 300'000'000)}},
        SpectrumTap{
            "Channels8333", "Panel2", 1'300'000'000, 83'333, 3, 0, {setValue(0, 1'300'000'000)}},
        SpectrumTap{"TouchAction2", "Panel2", 140'000'000, 10'000, 2, 512, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainWindow, DragOnTheSpectrumSendsSteps) {
    MainWindowFixture f;
    f.state.SpectrumLeftFreq = 140'000'000;
    f.state.BinHz = 100;
    f.state.TuneStep = 10'000;
    f.state.TouchAction = 4;
    QWidget* panel = f.control("Panel2");
    press(panel, QPointF(500, 100));
    moveTo(panel, QPointF(498, 100));
    moveTo(panel, QPointF(480, 100));
    moveTo(panel, QPointF(520, 100));
    release(panel, QPointF(520, 100));
    moveTo(panel, QPointF(600, 100)); // the finger is up: no step
    EXPECT_EQ(f.probe.drain(), (Records{setValue(0, 140'500'000), {2, 5}, {2, 246}}));
}

TEST(MainWindow, FingerDragOnTheWaterfallSendsSteps) {
    MainWindowFixture f;
    f.state.TouchAction = 1; // track the frequency only while it is the selected field
    QWidget* panel = f.control("Panel3");
    touchPress(panel, QPointF(400, 100));
    touchMove(panel, QPointF(392, 100));
    touchRelease(panel, QPointF(392, 100));
    f.frequencySelected = false;
    touchPress(panel, QPointF(400, 100));
    touchMove(panel, QPointF(300, 100));
    touchRelease(panel, QPointF(300, 100));
    // Tracking only: the touch-down does not move the reference, which started at 0.
    EXPECT_EQ(f.probe.drain(), (Records{{2, 0x9E}}));
}

// --- step-digit selector --------------------------------------------------------------------

TEST(MainWindow, DigitSelectorAtBothEnds) {
    MainWindowFixture f;
    QWidget* panel9 = f.control("Panel9");
    press(panel9, QPointF(150, 30));
    moveTo(panel9, QPointF(0, 30));
    EXPECT_EQ(f.state.TuneDigit, 6);
    moveTo(panel9, QPointF(2, 30)); // the same digit: nothing more
    moveTo(panel9, QPointF(296, 30));
    EXPECT_EQ(f.state.TuneDigit, 0);
    release(panel9, QPointF(296, 30));
    EXPECT_EQ(f.probe.drain(), (Records{setValue(27, 6), setValue(27, 0)}));
}

TEST(MainWindow, DigitSelectorDrawsItsTriangleAtTheDigit) {
    MainWindowFixture f;
    QWidget* panel9 = f.control("Panel9");
    auto yellowAt = [&](int x) {
        const QImage img = panel9->grab().toImage();
        return img.pixelColor(x, 55) == QColor(0xFF, 0xFF, 0x00);
    };
    f.state.TuneDigit = 0;
    EXPECT_TRUE(yellowAt(254));
    EXPECT_FALSE(yellowAt(50));
    f.state.TuneDigit = 6;
    EXPECT_TRUE(yellowAt(46));
    EXPECT_FALSE(yellowAt(254));
}

// --- bars -----------------------------------------------------------------------------------

TEST(MainWindow, TheFirstChangeAfterTheBoardMovedAVolumeBarSendsNothing) {
    MainWindowFixture f;
    QAbstractSlider* bar = f.bar("SBLSP");
    moveBarFromBoard(bar, 100);
    EXPECT_TRUE(f.probe.drain().empty());
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(f.probe.drain(), (Records{setValue(21, 101)}));
}

TEST(MainWindow, VolumeBarsStartDisarmed) {
    MainWindowFixture f;
    QAbstractSlider* bar = f.bar("SBKH");
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(f.probe.drain(), (Records{setValue(20, 2)}));
}

TEST(MainWindow, MuteAreaSendsPositionZero) {
    MainWindowFixture f;
    QWidget* mute = f.control("SBLSPN");
    click(mute, QPointF(20, 20));
    EXPECT_EQ(f.bar("SBLSP")->value(), 0);
    EXPECT_EQ(f.probe.drain(), (Records{setValue(21, 0)}));
}

// A track bar as the user moves it: painted (so armed) and then dragged to a value.
void userMoves(QAbstractSlider* bar, int value) {
    bar->repaint();
    bar->setSliderDown(true);
    bar->setSliderPosition(value);
    bar->setSliderDown(false);
}

TEST(MainWindow, HighEndOfTheWaterfallIsPushedAboveTheLowEnd) {
    MainWindowFixture f;
    userMoves(f.bar("TBWFH"), 5);
    EXPECT_EQ(f.bar("TBWFH")->value(), 6);
    EXPECT_EQ(f.probe.drain(), (Records{setValue(35, 6)}));
}

TEST(MainWindow, LowEndOfTheWaterfallIsPushedBelowTheHighEnd) {
    MainWindowFixture f;
    userMoves(f.bar("TBWFL"), 90);
    EXPECT_EQ(f.bar("TBWFL")->value(), 69);
    EXPECT_EQ(f.probe.drain(), (Records{setValue(36, 69)}));
}

TEST(MainWindow, WaterfallBarDraggedByMouse) {
    MainWindowFixture f;
    auto* bar = f.control<QSlider>("TBWFH");
    bar->repaint();
    const QRect handle =
        bar->style()->subControlRect(QStyle::CC_Slider, nullptr, QStyle::SC_SliderHandle, bar);
    (void)handle;
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.rect = bar->rect();
    opt.upsideDown = !bar->invertedAppearance(); // vertical: the minimum at the bottom
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->value();
    opt.sliderValue = bar->value();
    const QRect h =
        bar->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, bar);
    press(bar, h.center());
    moveTo(bar, QPointF(h.center().x(), bar->height() - 1)); // to the bottom: the minimum
    release(bar, QPointF(h.center().x(), bar->height() - 1));
    EXPECT_EQ(bar->value(), 6);
    const Records sent = f.probe.drain();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back(), setValue(35, 6));
    for (const auto& r : sent)
        EXPECT_GT(r[3], 5) << "TBWFH never at or under TBWFL";
}

struct AttSnap {
    int32_t freq;
    int moved;
    int sent;
};

class AttenuatorSnapping : public ::testing::TestWithParam<AttSnap> {};

TEST_P(AttenuatorSnapping, Above174MHz) {
    MainWindowFixture f;
    f.state.TunedFreq = GetParam().freq;
    userMoves(f.bar("TB_Att"), GetParam().moved);
    EXPECT_EQ(f.bar("TB_Att")->value(), GetParam().sent);
    EXPECT_EQ(f.probe.drain(), (Records{setValue(26, uint32_t(GetParam().sent))}));
}

INSTANTIATE_TEST_SUITE_P(Table, AttenuatorSnapping,
                         ::testing::Values(AttSnap{2'000'000'000, 7, 0},
                                           AttSnap{2'000'000'000, 12, 20},
                                           AttSnap{140'000'000, 12, 12}));

TEST(MainWindow, TrackBarsEchoNothingTheBoardSet) {
    MainWindowFixture f;
    for (const char* name : {"TBWFH", "TBWFL", "TB_Att"}) {
        f.bar(name)->repaint();
        moveBarFromBoard(f.bar(name), f.bar(name)->value() + 3);
    }
    EXPECT_TRUE(f.probe.drain().empty());
    userMoves(f.bar("TB_Att"), 30);
    EXPECT_EQ(f.probe.drain(), (Records{setValue(26, 30)}));
}

// The receiver state knows where every bar stands, however it came there: the board compares its
// next report with it.
TEST(MainWindow, TheStateFollowsEveryBarsPosition) {
    MainWindowFixture f;
    const talix::sync::SliderPositions& at = f.state.Sliders;
    EXPECT_EQ(at.SBLSP, 250); // from the start
    EXPECT_EQ(at.TBWFH, 70);
    moveBarFromBoard(f.bar("SBKH"), 40);
    EXPECT_EQ(at.SBKH, 40);
    click(f.control("SBLSPN"), QPointF(20, 20)); // mute
    EXPECT_EQ(at.SBLSP, 0);
    userMoves(f.bar("TBWFH"), 5); // pushed above the low end, with the change signal blocked
    EXPECT_EQ(at.TBWFH, 6);
    f.state.TunedFreq = 2'000'000'000;
    userMoves(f.bar("TB_Att"), 12); // snapped
    EXPECT_EQ(at.TB_Att, 20);
}

// B_Tune, once the board offered tune mode, switches it over with each touch, as the button
// itself does; not offered, a touch only sends the Tag.
TEST(MainWindow, TheOfferedTuneButtonSwitchesTuneModeOver) {
    MainWindowFixture f;
    QAbstractButton* tune = f.button("B_Tune");
    click(tune, centreIn(tune, tune));
    EXPECT_FALSE(f.handlers->tuneMode());
    f.state.TuneModeOffered = true;
    f.state.TuneMode = true;
    click(tune, centreIn(tune, tune));
    EXPECT_FALSE(f.handlers->tuneMode());
    click(tune, centreIn(tune, tune));
    EXPECT_TRUE(f.handlers->tuneMode());
    EXPECT_EQ(f.probe.drain(), (Records{{1, 12, 0}, {1, 12, 0}, {1, 12, 0}}));
}

// --- a full queue ---------------------------------------------------------------------------

TEST(MainWindow, FullQueueNotifiesForTouchesAndStaysSilentForStreams) {
    MainWindowFixture f;
    f.state.SpectrumLeftFreq = 140'000'000;
    f.state.BinHz = 100;
    f.state.TuneStep = 10'000;
    f.state.TouchAction = 4;
    f.probe.fill();

    // Silent: wheel, knob, drag, bars, digit selector.
    wheel(f.window.get(), QPointF(1300, 300), 120);
    QWidget* knob = f.control("S_Geber");
    press(knob, onKnob(0));
    moveTo(knob, onKnob(30));
    release(knob, onKnob(30));
    QWidget* panel9 = f.control("Panel9");
    press(panel9, QPointF(150, 30));
    moveTo(panel9, QPointF(0, 30));
    release(panel9, QPointF(0, 30));
    moveBarFromBoard(f.bar("SBLSP"), 100);
    f.bar("SBLSP")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    userMoves(f.bar("TB_Att"), 20);
    EXPECT_EQ(f.probe.notices, 0);
    const int32_t digitBefore = f.state.TuneDigit;
    EXPECT_EQ(digitBefore, 0);

    // Notify: buttons, readouts, the notch double click, the spectrum tap.
    QAbstractButton* b = f.button("B_Setup");
    click(b, centreIn(b, b));
    EXPECT_EQ(f.probe.notices, 1);
    QLineEdit* e = f.readout("EDemod");
    click(e, centreIn(e, e));
    EXPECT_EQ(f.probe.notices, 2);
    QWidget* panel = f.control("Panel2");
    press(panel, QPointF(512, 100));
    moveTo(panel, QPointF(400, 100));
    release(panel, QPointF(400, 100));
    EXPECT_EQ(f.probe.notices, 3);
    doubleClickReadout(f, "ENotchP");
    EXPECT_GE(f.probe.notices, 4);
    EXPECT_EQ(f.probe.drain().size(), 10u);
}

} // namespace
