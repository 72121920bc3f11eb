#include "base/Tags.h"
#include "controls/UndoBox.h"
#include "support/Pointer.h"
#include "support/QueueProbe.h"

#include <gtest/gtest.h>

using namespace talix::controls;
using namespace talix::controls::testing;
using talix::link::Command;

namespace {

struct UndoFixture {
    QueueProbe probe;
    talix::sync::ReceiverState state;
    uint8_t& undoCount = state.UndoCount;
    TF_Undo form{probe.queue, state};
};

TEST(UndoBox, Layout) {
    UndoFixture u;
    EXPECT_EQ(u.form.objectName(), "F_Undo");
    EXPECT_EQ(u.form.size(), QSize(600, 359));
    EXPECT_EQ(u.form.palette().color(QPalette::Window), QColor(0xFF, 0x14, 0x93));
    EXPECT_EQ(u.form.Label1->text(), "Undo");
    EXPECT_EQ(u.form.Label1->geometry(), QRect(16, 2, 169, 41));
    EXPECT_EQ(u.form.Label1->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(u.form.Rectangle1->geometry(), QRect(17, 52, 568, 125));
    EXPECT_EQ(u.form.Rectangle1->palette().color(QPalette::Window), QColor(0xFF, 0xF8, 0xDC));
    EXPECT_EQ(u.form.Label4->text(), "Undo back to level:");
    EXPECT_EQ(u.form.Label4->pos(), QPoint(40, 88));
    EXPECT_EQ(u.form.Edit0->geometry(), QRect(367, 88, 194, 44));
    EXPECT_TRUE(u.form.Edit0->isReadOnly());
    EXPECT_EQ(u.form.Edit0->alignment(), Qt::AlignRight | Qt::AlignBottom);
    EXPECT_EQ(u.form.property("TagObject").value<QObject*>(), u.form.Edit0);
    EXPECT_EQ(u.form.B_OK->text(), "OK");
    EXPECT_EQ(u.form.B_OK->geometry(), QRect(82, 236, 191, 65));
    EXPECT_EQ(talix::tagOf(u.form.B_OK), 778);
    EXPECT_EQ(u.form.Button1->text(), "Cancel");
    EXPECT_EQ(u.form.Button1->geometry(), QRect(330, 236, 191, 65));
    EXPECT_EQ(talix::tagOf(u.form.Button1), 779);
}

TEST(UndoBox, ShownByTheBoardInTheMiddleOfTheMainWindow) {
    QWidget main;
    main.setFixedSize(1920, 1200);
    showAndExpose(&main);
    QueueProbe probe;
    talix::sync::ReceiverState state;
    TF_Undo form(probe.queue, state, &main);
    form.showForm();
    EXPECT_EQ(form.pos(), main.mapToGlobal(QPoint((1920 - 600) / 2, (1200 - 359) / 2)));
    form.Button1->click(); // Cancel
}

struct Apply {
    const char* name;
    int index;
    uint32_t value;
    const char* text; // after "before" was shown
    uint8_t count;
};

class UndoApply : public ::testing::TestWithParam<Apply> {};

TEST_P(UndoApply, FieldAndLevel) {
    UndoFixture u;
    u.form.Edit0->setText("before");
    u.form.ApplyItem(GetParam().index, GetParam().value);
    EXPECT_EQ(u.form.Edit0->text(), GetParam().text);
    EXPECT_EQ(u.undoCount, GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Table, UndoApply,
                         ::testing::Values(Apply{"Available", 0, 0x105, "5  available", 5},
                                           Apply{"Empty", 0, 0x200, "0  empty", 0},
                                           Apply{"Defaults", 0, 0x307, "7  Defaults!", 7},
                                           Apply{"OtherItemOnlyCounts", 1, 0x104, "before", 4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UndoBox, OkWithNothingLeftClosesTheBox) {
    UndoFixture u;
    showAndExpose(&u.form);
    u.form.ApplyItem(0, 0x200);
    click(&u.form, centreIn(u.form.B_OK, &u.form));
    EXPECT_EQ(u.probe.drain(), (std::vector<Command>{{1, 10, 3}}));
    EXPECT_FALSE(u.form.isVisible());
}

TEST(UndoBox, OkWithLevelsLeftStaysOpen) {
    UndoFixture u;
    showAndExpose(&u.form);
    u.form.ApplyItem(0, 0x102);
    click(&u.form, centreIn(u.form.B_OK, &u.form));
    EXPECT_EQ(u.probe.drain(), (std::vector<Command>{{1, 10, 3}}));
    EXPECT_TRUE(u.form.isVisible());
}

TEST(UndoBox, CancelSendsItsTag) {
    UndoFixture u;
    showAndExpose(&u.form);
    u.form.ApplyItem(0, 0x103);
    click(&u.form, centreIn(u.form.Button1, &u.form));
    EXPECT_EQ(u.probe.drain(), (std::vector<Command>{{1, 11, 3}}));
    EXPECT_TRUE(u.form.isVisible());
}

TEST(UndoBox, FullQueueTellsTheUserAndKeepsTheBox) {
    UndoFixture u;
    showAndExpose(&u.form);
    u.probe.fill();
    click(&u.form, centreIn(u.form.B_OK, &u.form));
    EXPECT_EQ(u.probe.notices, 1);
    EXPECT_EQ(u.probe.drain().size(), 10u);
    EXPECT_TRUE(u.form.isVisible());
}

TEST(UndoBox, TapsOnTheFieldAreIgnored) {
    UndoFixture u;
    showAndExpose(&u.form);
    click(&u.form, centreIn(u.form.Edit0, &u.form));
    EXPECT_FALSE(u.form.Edit0->hasFocus());
    EXPECT_TRUE(u.probe.drain().empty());
}

TEST(UndoBox, WheelGoesToTheKnob) {
    UndoFixture u;
    std::vector<int> deltas;
    u.form.setWheelHandler([&](int d) { deltas.push_back(d); });
    showAndExpose(&u.form);
    wheel(&u.form, QPointF(300, 200), 120);
    wheel(&u.form, centreIn(u.form.Edit0, &u.form), -120);
    wheel(&u.form, QPointF(300, 200), 0, 120); // sideways: no turn
    EXPECT_EQ(deltas, (std::vector<int>{120, -120}));
}

} // namespace
