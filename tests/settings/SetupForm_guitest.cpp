// The Setup form on the offscreen platform: layout, taps, the Close button, the full queue, the
// board's selections and values, the wheel, and what its items change on the main window.
#include "base/Tags.h"
#include "controls/FieldHighlight.h"
#include "controls/SpectrumTouch.h"
#include "settings/SetupForm.h"
#include "settings/StyleBook.h"
#include "support/SettingsProbe.h"

#include <QFontMetrics>
#include <QScreen>
#include <gtest/gtest.h>
#include <memory>

using namespace talix;
using namespace talix::settings;
using namespace talix::settings::testing;
using talix::link::Command;
using talix::sync::MainControl;

namespace {

struct SetupFixture : ::testing::Test {
    SetupFixture() : form(probe, &probe.mainWindow, QLocale::c()) {}

    void showForm() {
        form.showForm();
        showAndExpose(&form);
    }
    QLabel* caption(int item) const {
        for (QLabel* l : form.findChildren<QLabel*>())
            if (l != form.Label1 && tagOf(l) == item)
                return l;
        return nullptr;
    }
    uint32_t apply(int item, uint32_t v) {
        const uint32_t words[] = {v};
        return uint32_t(form.ApplyItem(item, words));
    }
    QString styleOf(int item) const { return controls::editStyleOf(form.Edits[size_t(item)]); }

    SettingsProbe probe;
    TF_Setup form;
};

struct RowLayout {
    int item;
    const char* label;
    const char* caption;
    QRect edit;
    const char* initial;
};

const RowLayout kRows[] = {
    {0, "Label2", "Scrollwheel Automatic Threshold:", {512, 80, 177, 44}, "Auto 10"},
    {1, "Label4", "Level Units:", {424, 150, 265, 44}, " dBm"},
    {2, "Label3", "RF Gain Control:", {424, 220, 265, 44}, "Manual"},
    {3, "Label5", "FM-W Deemphasis:", {424, 290, 265, 44}, "Off"},
    {4, "Label6", "Audio Lowpass:", {424, 360, 265, 44}, "15"},
    {5, "Label7", "Audio Highpass:", {424, 430, 265, 44}, "20"},
    {6, "Label8", "Impedance 0 ... 71 MHz:", {424, 500, 265, 44}, "50"},
    {7, "Label9", "Resolution Audio:", {424, 570, 265, 44}, "20"},
    {8, "Label10", "RF Filter Bandpass:", {424, 640, 265, 44}, "Automatic"},
    {9, "Label11", "Loudspeaker:", {424, 710, 265, 44}, "Internal + External"},
    {10, "Label13", "Frequency Auto Activ:", {424, 780, 265, 44}, "10 s"},
    {11, "Label12", "Spectrum Display Rate", {424, 850, 265, 44}, "10 s"},
    {12, "Label14", "Spectrum Priority", {424, 920, 265, 44}, "10 s"},
    {13, "Label15", "Touch Action", {344, 990, 345, 44}, "Tune + Track Frequency"},
};

TEST_F(SetupFixture, LaysOutTheFormAsDesigned) {
    EXPECT_EQ(form.objectName(), "F_Setup");
    EXPECT_EQ(form.size(), QSize(729, 1180));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0xFF, 0, 0));
    EXPECT_EQ(form.Rectangle1->geometry(), QRect(16, 48, 697, 1001));
    EXPECT_EQ(form.Rectangle1->palette().color(QPalette::Window), QColor(0xF0, 0xFF, 0xFF));
    EXPECT_EQ(form.Label1->text(), "Setup");
    EXPECT_EQ(form.Label1->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0));
    EXPECT_EQ(form.Label1->font().pixelSize(), 38);
    EXPECT_EQ(form.B_Update->text(), "Software Update");
    EXPECT_EQ(form.B_Update->geometry(), QRect(72, 1080, 266, 65));
    EXPECT_EQ(form.B_Exit->text(), "Close");
    EXPECT_EQ(form.B_Exit->geometry(), QRect(400, 1080, 266, 65));
    EXPECT_EQ(tagOf(form.B_Exit), 266);
    for (const RowLayout& r : kRows) {
        QLineEdit* e = form.Edits[size_t(r.item)];
        EXPECT_EQ(e->objectName(), QStringLiteral("Edit%1").arg(r.item));
        EXPECT_EQ(tagOf(e), r.item);
        EXPECT_EQ(e->geometry(), r.edit) << r.item;
        EXPECT_EQ(e->text(), QString::fromUtf8(r.initial)) << r.item;
        EXPECT_TRUE(e->isReadOnly());
        EXPECT_EQ(e->font().pixelSize(), 32);
        EXPECT_EQ(e->alignment(), Qt::AlignRight | Qt::AlignBottom);
        EXPECT_EQ(e->contextMenuPolicy(), Qt::NoContextMenu);
        EXPECT_EQ(e->cursor().shape(), Qt::ArrowCursor);
        EXPECT_EQ(e->focusPolicy(), Qt::NoFocus);
        QLabel* l = caption(r.item);
        ASSERT_NE(l, nullptr) << r.item;
        EXPECT_EQ(l->objectName(), r.label);
        EXPECT_EQ(l->text(), QString::fromUtf8(r.caption));
        EXPECT_EQ(l->y(), r.edit.y());
        EXPECT_EQ(l->x(), r.item == 0 ? 24 : 32);
        EXPECT_EQ(l->font().pixelSize(), 32);
    }
}

TEST_F(SetupFixture, CaptionsAreNotCutOff) {
    for (const RowLayout& r : kRows) {
        QLabel* l = caption(r.item);
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width()) << r.item;
    }
}

TEST_F(SetupFixture, StartsWithTheFirstFieldSelected) {
    EXPECT_EQ(form.formIndex(), 1);
    EXPECT_EQ(form.currentField(), form.Edits[0]);
    EXPECT_EQ(styleOf(0), kEdit1Style4);
    for (int item = 1; item < 14; ++item)
        EXPECT_EQ(styleOf(item), kEdit1Style3) << item;
}

TEST_F(SetupFixture, ShowsAtItsPlaceOnTheScreenAndCloses) {
    showForm();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.pos(), QPoint(4, 4));
    EXPECT_TRUE(QRect(0, 0, 1920, 1200).contains(form.frameGeometry()));
    form.closeForm();
    EXPECT_FALSE(form.isVisible());
}

class SetupRowTap : public SetupFixture, public ::testing::WithParamInterface<RowLayout> {};

TEST_P(SetupRowTap, CaptionAndEditSendTheSameFieldSelection) {
    showForm();
    const int item = GetParam().item;
    const Command expected{192, uint8_t(item), 1, 0};
    tap(caption(item));
    EXPECT_EQ(probe.drain(), std::vector<Command>{expected});
    tap(form.Edits[size_t(item)]);
    EXPECT_EQ(probe.drain(), std::vector<Command>{expected});
    // The form does not highlight the field: only the board's selection does.
    EXPECT_EQ(form.currentField(), form.Edits[0]);
}

INSTANTIATE_TEST_SUITE_P(Table, SetupRowTap, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(SetupFixture, TouchActionCaptionSendsItsItem) {
    showForm();
    tap(caption(13));
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{192, 13, 1, 0}}));
}

TEST_F(SetupFixture, ASecondTapOnTheFocusedEditSendsNothing) {
    showForm();
    tap(form.Edits[4]);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{192, 4, 1, 0}}));
    tap(form.Edits[4]);
    EXPECT_TRUE(probe.drain().empty());
    // Its caption label sends again, and the edit keeps the focus.
    tap(caption(4));
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{192, 4, 1, 0}}));
    tap(form.Edits[4]);
    EXPECT_TRUE(probe.drain().empty());
    // Another edit takes the focus; coming back counts again.
    tap(form.Edits[5]);
    tap(form.Edits[4]);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{192, 5, 1, 0}, {192, 4, 1, 0}}));
    EXPECT_EQ(form.focusedEdit(), form.Edits[4]);
}

TEST_F(SetupFixture, ATapDoesNotSelectTheEditsText) {
    showForm();
    tap(form.Edits[9]);
    EXPECT_FALSE(form.Edits[9]->hasSelectedText());
    EXPECT_FALSE(form.Edits[9]->hasFocus());
}

TEST_F(SetupFixture, CloseSendsItsButtonAndLeavesTheFormOpen) {
    showForm();
    tap(form.B_Exit);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{1, 10, 1}}));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(SetupFixture, SoftwareUpdateOpensTheUpdateFormAndSendsNothing) {
    showForm();
    tap(form.B_Update);
    EXPECT_EQ(probe.updateForms, 1);
    EXPECT_TRUE(probe.drain().empty());
}

// The notify rule: with 10 records waiting a tap shows "No WiFi Connection!" and queues nothing;
// with 9 it queues.
struct FullQueueCase {
    const char* name;
    std::function<QWidget*(SetupFixture&)> target;
    Command record;
};

class SetupFullQueue : public SetupFixture, public ::testing::WithParamInterface<FullQueueCase> {};

TEST_P(SetupFullQueue, TenWaitingShowTheMessageNineQueue) {
    showForm();
    const FullQueueCase& c = GetParam();
    probe.fillTo(10);
    tap(c.target(*this));
    EXPECT_EQ(probe.messages, std::vector<QString>{"No WiFi Connection!"});
    EXPECT_EQ(probe.queue.waiting(), 10u);

    probe.drain();
    // The refused tap still gave the edit the input focus: move it away first.
    tap(form.Edits[1]);
    probe.drain();
    probe.fillTo(9);
    tap(c.target(*this));
    std::vector<Command> queued = probe.drain();
    ASSERT_EQ(queued.size(), 10u);
    EXPECT_EQ(queued.back(), c.record);
    EXPECT_EQ(probe.messages.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SetupFullQueue,
    ::testing::Values(
        FullQueueCase{
            "Edit", [](SetupFixture& f) -> QWidget* { return f.form.Edits[7]; }, {192, 7, 1, 0}},
        FullQueueCase{
            "Caption", [](SetupFixture& f) -> QWidget* { return f.caption(7); }, {192, 7, 1, 0}},
        FullQueueCase{
            "Close", [](SetupFixture& f) -> QWidget* { return f.form.B_Exit; }, {1, 10, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetupFixture, TheBoardsSelectionMovesTheHighlight) {
    form.selectField(9);
    EXPECT_EQ(form.currentField(), form.Edits[9]);
    EXPECT_EQ(styleOf(9), kEdit1Style4);
    EXPECT_EQ(styleOf(0), kEdit1Style3);
    form.selectField(13);
    EXPECT_EQ(styleOf(13), kEdit1Style4);
    EXPECT_EQ(styleOf(9), kEdit1Style3);
    // A Tag without an edit changes nothing.
    form.selectField(14);
    form.selectField(266);
    EXPECT_EQ(form.currentField(), form.Edits[13]);
    EXPECT_EQ(styleOf(13), kEdit1Style4);
    int selected = 0;
    for (int item = 0; item < 14; ++item)
        selected += styleOf(item) == kEdit1Style4;
    EXPECT_EQ(selected, 1);
}

TEST_F(SetupFixture, ValuesGoToTheirEdits) {
    EXPECT_EQ(apply(0, 11), uint32_t(sync::ApplyResult::Applied));
    EXPECT_EQ(form.Edits[0]->text(), "Auto 10");
    apply(4, 35);
    EXPECT_EQ(form.Edits[4]->text(), "3.5 kHz");
    apply(7, 15);
    EXPECT_EQ(form.Edits[7]->text(), "37 Hz/Bin");
    apply(8, 9);
    EXPECT_EQ(form.Edits[8]->text(), "Automatic");
    apply(13, 7);
    EXPECT_EQ(form.Edits[13]->text(), "             No Action");
    EXPECT_EQ(probe.state.TouchAction, 0);
}

TEST_F(SetupFixture, ItemsBeyondThirteenChangeNothing) {
    std::vector<QString> before;
    for (QLineEdit* e : form.Edits)
        before.push_back(e->text());
    EXPECT_EQ(apply(14, 0xFFFFFFFF), uint32_t(sync::ApplyResult::Applied));
    apply(255, 1);
    EXPECT_EQ(form.ApplyItem(1, {}), sync::ApplyResult::Applied);
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(form.Edits[i]->text(), before[i]);
    EXPECT_TRUE(probe.mainTexts.empty());
    EXPECT_TRUE(probe.marks.empty());
}

TEST_F(SetupFixture, TheWheelOverTheFormTurnsTheKnob) {
    showForm();
    wheelOver(form.Edits[3], 120);
    wheelOver(caption(5), -120);
    wheelOver(form.Rectangle1, 240);
    EXPECT_EQ(probe.wheel, (std::vector<int>{120, -120, 240}));
    EXPECT_TRUE(probe.drain().empty());
}

// What the items change on the main window.
TEST_F(SetupFixture, LevelUnitsMoveTheMainWindowsUnitsScaleAndThresholdLine) {
    probe.state.TunedFreq = 1'450'000'000;
    probe.state.GainCtrlIndex = 3;
    apply(1, 0x18);
    EXPECT_EQ(form.Edits[1]->text(), "dBµV");
    for (MainControl unit : {MainControl::LETop, MainControl::LEBot, MainControl::LThreshold_Unit,
                             MainControl::LGain_Unit})
        EXPECT_EQ(probe.mainTexts[unit], "dBµV") << sync::controlName(unit);
    EXPECT_EQ(probe.mainTexts[MainControl::LM120dBm], "-33");
    EXPECT_EQ(probe.mainTexts[MainControl::LM80dBm], "+7");
    EXPECT_EQ(probe.mainTexts[MainControl::LM40dBm], "+47");
    EXPECT_EQ(probe.mainTexts[MainControl::L0dBm], "+87");
    EXPECT_EQ(probe.marks, (std::vector<std::pair<int, int>>{{10, 1}, {31, 1}, {34, 1}}));
    EXPECT_EQ(probe.thresholdLines, 1);
    EXPECT_EQ(probe.state.ReceiverFlags, 0x18);
}

TEST_F(SetupFixture, GainControlSwitchesTheGainCaptionFollowingTheLevelUnits) {
    probe.state.GainCtrlIndex = 3;
    apply(1, 0x18);
    apply(2, 0x18);
    EXPECT_EQ(form.Edits[2]->text(), "Automatic");
    EXPECT_EQ(probe.mainTexts[MainControl::LGain], "AGC Limit");
    EXPECT_EQ(probe.mainTexts[MainControl::LGain_Unit], "dBµV");
    apply(2, 0x10);
    EXPECT_EQ(form.Edits[2]->text(), "Manual");
    EXPECT_EQ(probe.mainTexts[MainControl::LGain], "RF Gain");
    EXPECT_EQ(probe.mainTexts[MainControl::LGain_Unit], "dB");
    EXPECT_EQ(probe.marks.back(), std::make_pair(23, 2));
}

TEST_F(SetupFixture, ResolutionRebuildsTheSpectrumGrid) {
    apply(7, 4);
    EXPECT_EQ(probe.state.AudioResolution, 4);
    EXPECT_EQ(probe.grids, 1);
}

TEST_F(SetupFixture, LoudspeakerSettingDecidesHostPlayback) {
    apply(9, 3);
    EXPECT_EQ(probe.state.LoudspeakerMode, 3);
    EXPECT_EQ(form.Edits[9]->text(), "Internal + External");
    apply(9, 1);
    EXPECT_EQ(probe.state.LoudspeakerMode, 1);
    EXPECT_EQ(form.Edits[9]->text(), "Internal");
}

TEST_F(SetupFixture, DisplayRateRepaintsTheTimeReadoutAndScale) {
    apply(11, 3u << 29);
    EXPECT_EQ(probe.state.SettingsWord, 3u << 29);
    EXPECT_EQ(form.Edits[11]->text(), "1/4");
    EXPECT_EQ(probe.marks, (std::vector<std::pair<int, int>>{{13, 1}, {36, 1}}));
}

TEST_F(SetupFixture, PriorityMovesTheGrid) {
    apply(12, 0x80000000);
    EXPECT_EQ(form.Edits[12]->text(), "High");
    EXPECT_EQ(probe.grids, 1);
    apply(12, 0x80000000);
    EXPECT_EQ(probe.grids, 1);
    apply(12, 0);
    EXPECT_EQ(form.Edits[12]->text(), "Low");
    EXPECT_EQ(probe.grids, 2);
}

TEST_F(SetupFixture, TouchActionGovernsSpectrumTapsAndDrags) {
    controls::TapInputs in;
    in.spectrumLeftFreq = 70'000'000;
    in.binHz = 2.5f;
    in.tuneStep = 10;
    controls::SpectrumTouch touch(probe.queue);
    auto tapAndDrag = [&] {
        in.touchAction = probe.state.TouchAction;
        touch.Panel2MouseDown(100, in);
        touch.Panel2MouseMove(60, true, probe.state.TouchAction, false);
        return probe.drain();
    };
    apply(13, 0);
    EXPECT_TRUE(tapAndDrag().empty());
    apply(13, 4); // tune and track the selected setting
    const std::vector<Command> sent = tapAndDrag();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0][0], 245);
    EXPECT_EQ(sent[1], (Command{2, 10}));
    apply(13, 9); // out of range: no action
    EXPECT_EQ(probe.state.TouchAction, 0);
    EXPECT_TRUE(tapAndDrag().empty());
}

} // namespace
