// The System form on the offscreen platform: its two columns, taps on captions and edits, Close,
// the board's selections and values, the wheel, and the accessory serial number sent at close.
#include "base/Tags.h"
#include "controls/FieldHighlight.h"
#include "settings/StyleBook.h"
#include "settings/SystemForm.h"
#include "support/SettingsProbe.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::settings;
using namespace talix::settings::testing;
using talix::link::Command;
using talix::sync::MainControl;

namespace {

struct SystemFixture : ::testing::Test {
    SystemFixture() : form(probe, &probe.mainWindow, QLocale::c()) {}

    void showForm() {
        form.showForm();
        showAndExpose(&form);
    }
    void apply(int item, uint32_t v) {
        const uint32_t words[] = {v};
        form.ApplyItem(item, words);
    }
    QLabel* caption(int item) const { return form.captionWithTag(item); }

    SettingsProbe probe;
    TF_System form;
};

struct RowLayout {
    int item;
    const char* label;
    const char* caption;
    QRect edit;
    const char* initial;
};

const RowLayout kRows[] = {
    {0, "Label4", "Oscillator Calibration (Hz):", {416, 72, 153, 44}, "-2000"},
    {1, "Label2", "Calibration Level (dB):", {416, 152, 153, 44}, "0"},
    {2, "Label3", "AF Level (%):", {416, 232, 153, 44}, "0"},
    {3, "Label5", "FM Deviation (kHz):", {416, 312, 153, 44}, "0"},
    {4, "Label6", "Frequency Left (Hz):", {416, 392, 153, 44}, "0"},
    {5, "Label7", "Frequency Right (Hz):", {416, 472, 153, 44}, "0"},
    {6, "Label8", "RX Delay (ms):", {416, 552, 153, 44}, "10"},
    {16, "Label19", "GPS:", {416, 632, 153, 44}, "10"},
    {7, "Label9", "PEP (dBm):", {1040, 72, 153, 44}, "10"},
    {8, "Label11", "Delay RF Output (ms):", {1040, 152, 153, 44}, "10"},
    {9, "Label12", "Risetime RF Output (ms):", {1040, 232, 153, 44}, "10"},
    {10, "Label13", "SSB Shift (Hz):", {1040, 312, 153, 44}, "10"},
    {11, "Label14", "Mike Ring:", {1040, 392, 153, 44}, "10"},
    {12, "Label15", "Key Tip:", {1040, 472, 153, 44}, "10"},
    {13, "Label16", "Key Ring:", {1040, 552, 153, 44}, "10"},
    {14, "Label17", "Baudrate:", {1040, 632, 153, 44}, "10"},
    {15, "Label18", "Limiter (%):", {1040, 712, 153, 44}, "10"},
    {17, "Label20", "ZUM8 S/N:", {1040, 792, 153, 44}, "10"},
};

TEST_F(SystemFixture, LaysOutTheFormAsDesigned) {
    EXPECT_EQ(form.objectName(), "F_System");
    EXPECT_EQ(form.formIndex(), 2);
    EXPECT_EQ(form.size(), QSize(1233, 867));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0x94, 0x00, 0xD3));
    EXPECT_EQ(form.Rectangle1->geometry(), QRect(16, 56, 577, 633));
    EXPECT_EQ(form.Rectangle2->geometry(), QRect(632, 56, 585, 793));
    EXPECT_EQ(form.Rectangle2->palette().color(QPalette::Window), QColor(0xFF, 0xF8, 0xDC));
    EXPECT_EQ(form.Label1->text(), "System");
    EXPECT_EQ(form.Label10->text(), "Transmitter");
    EXPECT_EQ(form.Label10->pos(), QPoint(632, 2));
    EXPECT_EQ(form.Label10->palette().color(QPalette::WindowText), QColor(0xFF, 0xEF, 0xD5));
    EXPECT_EQ(form.B_OK->text(), "Close");
    EXPECT_EQ(form.B_OK->geometry(), QRect(170, 743, 257, 65));
    EXPECT_EQ(tagOf(form.B_OK), 523);
    for (const RowLayout& r : kRows) {
        QLineEdit* e = form.Edits[size_t(r.item)];
        EXPECT_EQ(e->objectName(), QStringLiteral("Edit%1").arg(r.item));
        EXPECT_EQ(tagOf(e), r.item);
        EXPECT_EQ(e->geometry(), r.edit) << r.item;
        EXPECT_EQ(e->text(), r.initial) << r.item;
        EXPECT_TRUE(e->isReadOnly());
        EXPECT_EQ(e->alignment() & Qt::AlignRight, Qt::AlignRight);
        QLabel* l = caption(r.item);
        ASSERT_NE(l, nullptr) << r.item;
        EXPECT_EQ(l->objectName(), r.label);
        EXPECT_EQ(l->text(), QString::fromUtf8(r.caption));
        EXPECT_EQ(l->y(), r.edit.y());
        EXPECT_EQ(l->x(), r.edit.x() == 416 ? 32 : 656);
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width()) << r.item;
    }
    EXPECT_EQ(form.currentField(), form.Edits[0]);
    EXPECT_EQ(controls::editStyleOf(form.Edits[0]), kEdit1Style4);
    EXPECT_EQ(controls::editStyleOf(form.Edits[17]), kEdit1Style3);
}

TEST_F(SystemFixture, ShowsCentredOnTheMainWindow) {
    showForm();
    EXPECT_EQ(form.pos(), QPoint((1920 - 1233) / 2, (1200 - 867) / 2));
}

class SystemRowTap : public SystemFixture, public ::testing::WithParamInterface<RowLayout> {};

TEST_P(SystemRowTap, CaptionAndEditSendTheFieldSelection) {
    showForm();
    const int item = GetParam().item;
    const Command expected{192, uint8_t(item), 2, 0};
    tap(caption(item));
    tap(form.Edits[size_t(item)]);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{expected, expected}));
    EXPECT_EQ(form.currentField(), form.Edits[0]);
}

INSTANTIATE_TEST_SUITE_P(Table, SystemRowTap, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(SystemFixture, CloseSendsItsButtonAndLeavesTheFormOpen) {
    showForm();
    tap(form.B_OK);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{1, 11, 2}}));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(SystemFixture, AFullQueueRefusesTheTapWithTheMessage) {
    showForm();
    probe.fillTo(10);
    tap(form.B_OK);
    EXPECT_EQ(probe.messages, std::vector<QString>{"No WiFi Connection!"});
    EXPECT_EQ(probe.queue.waiting(), 10u);
}

TEST_F(SystemFixture, TheBoardsSelectionMovesTheHighlight) {
    form.selectField(17);
    EXPECT_EQ(form.currentField(), form.Edits[17]);
    EXPECT_EQ(controls::editStyleOf(form.Edits[17]), kEdit1Style4);
    EXPECT_EQ(controls::editStyleOf(form.Edits[0]), kEdit1Style3);
}

TEST_F(SystemFixture, ValuesGoToTheirEditsAndTheDeviationCaption) {
    probe.state.ModeIndex = 7;
    apply(3, 0x4B19);
    EXPECT_EQ(form.Edits[3]->text(), "2.5");
    EXPECT_EQ(caption(3)->text(), "FM-N Deviation (kHz):");
    probe.state.ModeIndex = 3;
    apply(3, 0x4B19);
    EXPECT_EQ(form.Edits[3]->text(), "75");
    EXPECT_EQ(caption(3)->text(), "FM-W Deviation (kHz):");
    probe.state.TxFreq = 500'000'000;
    apply(7, 500);
    EXPECT_EQ(form.Edits[7]->text(), "31.0");
    apply(16, 2);
    EXPECT_EQ(form.Edits[16]->text(), "Standby");
    EXPECT_EQ(probe.mainTexts[MainControl::LUTC], "Off");
    apply(18, 5);
    EXPECT_EQ(form.Edits[17]->text(), "10");
}

TEST_F(SystemFixture, TheWheelOverTheFormTurnsTheKnob) {
    showForm();
    wheelOver(form.Edits[5], 120);
    wheelOver(form.Rectangle2, -120);
    EXPECT_EQ(probe.wheel, (std::vector<int>{120, -120}));
}

// Reported 0, then 1234, changed to 1240, closed: the new number goes out once, even with a full
// queue; a second close without a change sends nothing.
TEST_F(SystemFixture, AChangedSerialNumberIsSentOnceWhenTheFormCloses) {
    showForm();
    apply(17, 0);
    apply(17, 1234);
    EXPECT_EQ(form.Edits[17]->text(), "1234");
    apply(17, 1240);
    probe.fillTo(10);
    form.closeForm();
    EXPECT_FALSE(form.isVisible());
    std::vector<Command> queued = probe.drain();
    ASSERT_EQ(queued.size(), 11u);
    EXPECT_EQ(queued.back(), (Command{23, 179, 0xD8, 0x04}));
    EXPECT_TRUE(probe.messages.empty());

    showForm();
    apply(17, 1240);
    form.closeForm();
    EXPECT_TRUE(probe.drain().empty());
}

TEST_F(SystemFixture, AnUnchangedSerialNumberSendsNothing) {
    showForm();
    apply(17, 1234);
    form.closeForm();
    EXPECT_TRUE(probe.drain().empty());
}

} // namespace
