// The Microphone form on the offscreen platform: its rows, the equaliser's bars dragged by the
// user and moved by the board without echo, the highpass that switches the bars, the wheel and
// Close.
#include "base/Tags.h"
#include "controls/FieldHighlight.h"
#include "settings/MikeForm.h"
#include "settings/StyleBook.h"
#include "support/SettingsProbe.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::settings;
using namespace talix::settings::testing;
using talix::link::Command;

namespace {

constexpr uint32_t kForced = 1u << 15;

struct MikeFixture : ::testing::Test {
    MikeFixture() : form(probe, &probe.mainWindow, QLocale::c()) {}

    void showForm() {
        form.showForm();
        showAndExpose(&form);
    }
    void apply(int item, uint32_t v) {
        const uint32_t words[] = {v};
        form.ApplyItem(item, words);
    }
    QSlider* bar(int item) { return form.TB[size_t(item - 10)]; }
    // Drags a bar's handle from where it is to the top or the bottom end of the bar (past it).
    void drag(QSlider* b, int fromValue, bool up) {
        const double travel = b->height() - 20.0;
        const QPointF from(b->width() / 2.0, 10.0 + travel * (63 - fromValue) / 63.0);
        press(b, from);
        moveTo(b, from + QPointF(0, up ? -4 : 4));
        moveTo(b, QPointF(from.x(), up ? -40 : b->height() + 40));
        release(b, QPointF(from.x(), up ? -40 : b->height() + 40));
    }
    static Command setValue(int item, uint32_t n) {
        return {245, uint8_t(item), 4, uint8_t(n), 0, 0, 0};
    }

    SettingsProbe probe;
    TF_Mike form;
};

TEST_F(MikeFixture, LaysOutTheFormAsDesigned) {
    EXPECT_EQ(form.objectName(), "F_Mike");
    EXPECT_EQ(form.formIndex(), 4);
    EXPECT_EQ(form.size(), QSize(1690, 520));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0x3C, 0xB3, 0x71));
    EXPECT_EQ(form.Label1->text(), "Microphone");
    EXPECT_EQ(form.Rectangle1->geometry(), QRect(16, 56, 897, 313));
    EXPECT_EQ(form.Rectangle2->geometry(), QRect(928, 16, 640, 489));
    EXPECT_EQ(form.B_Exit->geometry(), QRect(368, 410, 209, 65));
    EXPECT_EQ(tagOf(form.B_Exit), 1034);
    const char* captions[] = {
        "Mike Bias (V):", "Mike Volume (%):", "ALC Effect (%):", "Monitoring (%):", "Squelch (dB):",
        "VOX Hold (ms):", "VOX Level (%):",   "Bandwidth (Hz):", "Highpass (Hz):"};
    for (int item = 1; item <= 9; ++item) {
        QLineEdit* e = form.Edits[size_t(item - 1)];
        EXPECT_EQ(e->objectName(), QStringLiteral("Edit%1").arg(item));
        EXPECT_EQ(tagOf(e), item);
        EXPECT_EQ(e->text(), item == 1 ? "0" : "80");
        QLabel* l = form.captionWithTag(item);
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->text(), captions[item - 1]);
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width()) << item;
    }
    EXPECT_EQ(form.Edits[8]->geometry(), QRect(1360, 40, 121, 44));
    for (int i = 0; i < 6; ++i) {
        QSlider* b = form.TB[size_t(i)];
        EXPECT_EQ(b->objectName(), QStringLiteral("TB%1").arg(i + 1));
        EXPECT_EQ(tagOf(b), 10 + i);
        EXPECT_EQ(b->geometry(), QRect(1038 + 90 * i, 130, 20, 315));
        EXPECT_EQ(b->value(), 63);
        EXPECT_EQ(b->maximum(), 63);
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_EQ(form.currentField(), form.Edits[0]);
    EXPECT_EQ(controls::editStyleOf(form.Edits[0]), kEdit1Style4);
}

TEST_F(MikeFixture, CaptionsAndEditsSendTheFieldSelection) {
    showForm();
    tap(form.captionWithTag(9));
    tap(form.Edits[4]);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{192, 9, 4, 0}, {192, 5, 4, 0}}));
}

TEST_F(MikeFixture, CloseSendsItsButtonAndLeavesTheFormOpen) {
    showForm();
    tap(form.B_Exit);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{1, 10, 4}}));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(MikeFixture, ValuesGoToTheirEdits) {
    apply(4, 0xFBu << 16);
    EXPECT_EQ(form.Edits[3]->text(), "-5");
    apply(7, 1u << 12);
    EXPECT_EQ(form.Edits[6]->text(), "AV 3");
    EXPECT_EQ(probe.state.SettingsWord, 1u << 12);
    probe.state.ModeIndex = 6;
    apply(8, 0);
    EXPECT_EQ(form.Edits[7]->text(), "<=10");
}

TEST_F(MikeFixture, ADraggedBarSendsItsPositionInverted) {
    showForm();
    drag(bar(12), 63, false);
    EXPECT_EQ(bar(12)->value(), 0);
    std::vector<Command> sent = probe.drain();
    ASSERT_FALSE(sent.empty());
    for (const Command& c : sent)
        EXPECT_EQ(Command(c.begin(), c.begin() + 3), (Command{245, 12, 4}));
    EXPECT_EQ(sent.back(), setValue(12, 63));
    drag(bar(12), 0, true);
    EXPECT_EQ(bar(12)->value(), 63);
    sent = probe.drain();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back(), setValue(12, 0));
}

TEST_F(MikeFixture, TheBoardsMoveIsNotSentBackTheUsersNextChangeIs) {
    showForm();
    apply(12, 20 | kForced);
    EXPECT_EQ(bar(12)->value(), 43);
    EXPECT_TRUE(probe.drain().empty());
    EXPECT_TRUE(form.echo(2).tracking());
    drag(bar(12), 43, false);
    const std::vector<Command> sent = probe.drain();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back(), setValue(12, 63));
}

TEST_F(MikeFixture, OnlyAForcedReportMovesABarTheUserMayHold) {
    showForm();
    apply(12, 20);
    EXPECT_EQ(bar(12)->value(), 63);
    // While the user holds TB3 the forced report still moves it, without an echo.
    const QPointF handle(bar(12)->width() / 2.0, 10);
    press(bar(12), handle);
    apply(12, 40 | kForced);
    EXPECT_EQ(bar(12)->value(), 23);
    release(bar(12), handle);
    for (const Command& c : probe.drain())
        EXPECT_NE(c, setValue(12, 40));
    EXPECT_EQ(bar(11)->value(), 63); // reports move their own bar only
}

TEST_F(MikeFixture, AFullQueueDropsBarPositionsSilently) {
    showForm();
    probe.fillTo(10);
    drag(bar(10), 63, false);
    EXPECT_EQ(probe.queue.waiting(), 10u);
    EXPECT_TRUE(probe.messages.empty());
}

TEST_F(MikeFixture, TheHighpassSwitchesTheBars) {
    apply(9, 0);
    EXPECT_EQ(form.Edits[8]->text(), "Off");
    for (QSlider* b : form.TB)
        EXPECT_FALSE(b->isEnabled());
    showForm();
    drag(bar(13), 63, false);
    EXPECT_EQ(bar(13)->value(), 63);
    EXPECT_TRUE(probe.drain().empty());
    apply(9, 1u << 6);
    EXPECT_EQ(form.Edits[8]->text(), "140");
    for (QSlider* b : form.TB)
        EXPECT_TRUE(b->isEnabled());
}

TEST_F(MikeFixture, TheWheelOverTheFormAndItsBarsTurnsTheKnob) {
    showForm();
    wheelOver(form.Edits[2], 120);
    wheelOver(bar(14), -120);
    EXPECT_EQ(probe.wheel, (std::vector<int>{120, -120}));
    EXPECT_EQ(bar(14)->value(), 63);
    EXPECT_TRUE(probe.drain().empty());
}

} // namespace
