// The WiFi form on the offscreen platform: the channel the only field a tap selects, "Set + Close"
// usable once the user selected the channel and the board reported a value, the antenna switch
// from both states, and Close.
#include "base/Tags.h"
#include "controls/FieldHighlight.h"
#include "settings/StyleBook.h"
#include "settings/WiFiForm.h"
#include "support/SettingsProbe.h"

#include <gtest/gtest.h>

using namespace talix;
using namespace talix::settings;
using namespace talix::settings::testing;
using talix::link::Command;

namespace {

struct WiFiFixture : ::testing::Test {
    WiFiFixture() : form(probe, &probe.mainWindow) {}

    void showForm() {
        form.showForm();
        showAndExpose(&form);
    }
    void apply(int item, uint32_t v) {
        const uint32_t words[] = {v};
        form.ApplyItem(item, words);
    }

    SettingsProbe probe;
    TF_WiFi form;
};

TEST_F(WiFiFixture, LaysOutTheFormAsDesigned) {
    EXPECT_EQ(form.objectName(), "F_WiFi");
    EXPECT_EQ(form.formIndex(), 10);
    EXPECT_EQ(form.size(), QSize(455, 736));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0xB2, 0x22, 0x22));
    EXPECT_EQ(form.Label1->text(), "WiFi Configuration");
    EXPECT_EQ(form.Rectangle3->geometry(), QRect(14, 54, 427, 99));
    EXPECT_EQ(form.Rectangle1->geometry(), QRect(14, 176, 427, 401));
    EXPECT_EQ(form.RBAnt->text(), "External Antenna");
    EXPECT_EQ(form.RBAnt->pos(), QPoint(56, 80));
    EXPECT_FALSE(form.RBAnt->isChecked());
    EXPECT_EQ(form.B_Set->text(), "Set + Close");
    EXPECT_EQ(form.B_Set->geometry(), QRect(120, 479, 217, 65));
    EXPECT_FALSE(form.B_Set->isEnabled());
    EXPECT_EQ(form.B_Close->geometry(), QRect(95, 623, 265, 65));
    EXPECT_EQ(tagOf(form.B_Close), 2570);
    const char* captions[] = {"Channel:", "SSID:", "Passkey:"};
    for (int item = 1; item <= 3; ++item) {
        QLineEdit* e = form.Edits[size_t(item - 1)];
        EXPECT_EQ(tagOf(e), item);
        EXPECT_EQ(e->text(), "0");
        EXPECT_EQ(e->geometry(), QRect(192, 208 + 88 * (item - 1), 225, 44));
        EXPECT_EQ(form.captionWithTag(item)->text(), captions[item - 1]);
        EXPECT_EQ(controls::editStyleOf(e), kEdit1Style3);
    }
    EXPECT_EQ(form.currentField(), form.Edits[0]);
}

TEST_F(WiFiFixture, OnlyTheChannelIsSelected) {
    showForm();
    tap(form.captionWithTag(2));
    tap(form.Edits[1]);
    tap(form.captionWithTag(3));
    tap(form.Edits[2]);
    EXPECT_TRUE(probe.drain().empty());
    EXPECT_FALSE(form.editing());
    tap(form.captionWithTag(1));
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{192, 1, 10, 0}}));
    EXPECT_TRUE(form.editing());
}

TEST_F(WiFiFixture, SetIsEnabledByAValueAfterTheChannelWasSelected) {
    showForm();
    apply(1, 6);
    apply(2, 7);
    EXPECT_EQ(form.Edits[0]->text(), "6");
    EXPECT_EQ(form.Edits[1]->text(), "Nimbrel007");
    EXPECT_FALSE(form.B_Set->isEnabled());
    tap(form.Edits[0]);
    EXPECT_FALSE(form.B_Set->isEnabled());
    apply(9, 0); // any item
    EXPECT_TRUE(form.B_Set->isEnabled());
}

TEST_F(WiFiFixture, ARefusedSelectionLeavesSetDisabled) {
    showForm();
    probe.fillTo(10);
    tap(form.captionWithTag(1));
    EXPECT_EQ(probe.messages.size(), 1u);
    apply(1, 11);
    EXPECT_FALSE(form.editing());
    EXPECT_FALSE(form.B_Set->isEnabled());
}

TEST_F(WiFiFixture, SetAndCloseSendsEightRestartsTheLinkDisplayAndDisablesItself) {
    showForm();
    tap(form.captionWithTag(1));
    apply(1, 11);
    probe.drain();
    tap(form.B_Set);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{8}}));
    EXPECT_EQ(probe.linkRestarts, 1);
    EXPECT_FALSE(form.B_Set->isEnabled());
    EXPECT_FALSE(form.editing());
    EXPECT_TRUE(form.isVisible()); // the board closes it
    apply(1, 12);
    EXPECT_FALSE(form.B_Set->isEnabled());
}

TEST_F(WiFiFixture, AFullQueueKeepsSetUsable) {
    showForm();
    tap(form.captionWithTag(1));
    apply(1, 11);
    probe.drain();
    probe.fillTo(10);
    tap(form.B_Set);
    EXPECT_EQ(probe.messages, std::vector<QString>{"No WiFi Connection!"});
    EXPECT_EQ(probe.linkRestarts, 0);
    EXPECT_TRUE(form.B_Set->isEnabled());
}

TEST_F(WiFiFixture, TheChannelsEditSelectsItInEveryShowing) {
    for (int showing = 0; showing < 2; ++showing) {
        showForm();
        tap(form.Edits[0]);
        EXPECT_EQ(probe.drain(), (std::vector<Command>{{192, 1, 10, 0}})) << showing;
        EXPECT_TRUE(form.editing());
        form.closeForm();
    }
}

TEST_F(WiFiFixture, TheWheelOverTheFormDoesNothing) {
    showForm();
    wheelOver(&form, 120);
    EXPECT_TRUE(probe.wheel.empty());
    EXPECT_TRUE(probe.drain().empty());
}

TEST_F(WiFiFixture, EachShowingStartsWithoutTheSelection) {
    showForm();
    tap(form.captionWithTag(1));
    EXPECT_TRUE(form.editing());
    form.closeForm();
    showForm();
    EXPECT_FALSE(form.editing());
    apply(1, 3);
    EXPECT_FALSE(form.B_Set->isEnabled());
}

// The mark is the board's: a tap asks for the other antenna and leaves RBAnt as it is.
TEST_F(WiFiFixture, TheAntennaTapAsksForTheOtherAntenna) {
    showForm();
    tap(form.RBAnt);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{23, 178, 1}}));
    EXPECT_FALSE(form.RBAnt->isChecked());
    // The status word's antenna bit, as the dispatcher stores and shows it.
    probe.state.ExternalAntenna = true;
    form.RBAnt->setChecked(true);
    tap(form.RBAnt);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{23, 178, 0}}));
    EXPECT_TRUE(form.RBAnt->isChecked());
    probe.fillTo(10);
    tap(form.RBAnt);
    EXPECT_EQ(probe.messages.size(), 1u);
}

TEST_F(WiFiFixture, CloseSendsItsButtonAndLeavesTheFormOpen) {
    showForm();
    tap(form.B_Close);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{1, 10, 10}}));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(WiFiFixture, TheBoardsSelectionHighlightsTheChannel) {
    form.selectField(1);
    EXPECT_EQ(controls::editStyleOf(form.Edits[0]), kEdit1Style4);
    EXPECT_FALSE(form.editing());
}

} // namespace
