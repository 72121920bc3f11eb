// The update form by touch: its link indicator as the user sees it, the targets found on the
// sticks, the stability rule before any update, and "Close" leaving it in the middle of a transfer.
#include "base/MessageHook.h"
#include "controls/support/Pointer.h"
#include "support/PumpUntil.h"
#include "update/UpdateForm.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::update;
using talix::controls::testing::click;
using talix::controls::testing::showAndExpose;
using talix::testing::pumpUntil;

namespace {

const sync::LinkQualityReport kReady{100, "100%", sync::kLinkReadyArgb, sync::kLinkReadyText};
const sync::LinkQualityReport kUnstable{60, "60%", sync::kLinkBadArgb, sync::kLinkUnstableText};

class UpdateFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(dir.path()).mkdir("D");
        QFile f(dir.filePath("D/TALIX1.QFM"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(1000, 'x'));
        f.close();
        TF_Update::Context c;
        c.drives.set('D', dir.filePath("D"));
        c.drives.set('C', dir.filePath("C"));
        c.linkConnected = [] { return true; };
        c.linkConnection = [this] { return connection; };
        c.send = [this](std::span<const uint8_t> r, uint64_t onConnection) {
            if (onConnection != connection)
                return false;
            sent.emplace_back(r.begin(), r.end());
            if (sent.back() == std::vector<uint8_t>{10})
                form->updateReply(85);
            else if (r.size() == 5 && r[0] == 12)
                form->updateReply(90); // then it clears its memory for a long while
            return true;
        };
        form = std::make_unique<TF_Update>(std::move(c));
        setMessageHandler([this](const QString& text, bool) {
            messages.push_back(text);
            return 0;
        });
        showAndExpose(form.get());
    }
    void TearDown() override {
        setMessageHandler(nullptr);
        form.reset();
    }
    void tap(QWidget* w) { click(w, w->rect().center()); }
    QRgb circleCentre() {
        return form->C_WLAN->grab().toImage().pixel(form->C_WLAN->rect().center());
    }

    QTemporaryDir dir;
    std::unique_ptr<TF_Update> form;
    std::vector<std::vector<uint8_t>> sent;
    std::vector<QString> messages;
    uint64_t connection = 1;
};

TEST_F(UpdateFormTest, TheLinkIndicatorShowsEachMeasurement) {
    EXPECT_EQ(form->pos(), QPoint(4, 4));
    EXPECT_EQ(form->L_WLAN->text(), "WiFi unstable!");
    EXPECT_EQ(circleCentre(), qRgb(255, 0, 0));
    form->showLinkQuality(kReady);
    EXPECT_EQ(circleCentre(), qRgb(0, 0x80, 0));
    EXPECT_EQ(form->L_WLAN->text(), "WiFi ready!");
    form->showLinkQuality(kUnstable);
    EXPECT_EQ(circleCentre(), qRgb(255, 0, 0));
    EXPECT_EQ(form->L_WLAN->text(), "WiFi not stable!");
}

TEST_F(UpdateFormTest, AnUnstableLinkStopsEveryTargetBeforeItStarts) {
    tap(form->RB_User);
    tap(form->B_Start);
    EXPECT_EQ(messages, std::vector<QString>{"WiFi connection not stable!\n\rUpdate aborted!"});
    EXPECT_TRUE(sent.empty());
}

TEST_F(UpdateFormTest, TargetsShowTheFileFoundOrNoFile) {
    form->showLinkQuality(kReady);
    tap(form->E_Nimbrel);
    EXPECT_EQ(form->E_Nimbrel->text(), "TALIX1.QFM");
    EXPECT_TRUE(form->RB_Nimbrel->isChecked());
    tap(form->RB_User);
    EXPECT_EQ(form->E_User->text(), "No File");
    EXPECT_TRUE(form->RB_User->isChecked());
    EXPECT_FALSE(form->RB_Nimbrel->isChecked());
    tap(form->B_Start);
    EXPECT_EQ(messages, std::vector<QString>{"No File found to upload!"});
    tap(form->E_WiFi); // nothing found: no target chosen, and Start does nothing
    EXPECT_FALSE(form->RB_WiFi->isChecked() || form->RB_User->isChecked());
    tap(form->B_Start);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(sent.empty());
}

TEST_F(UpdateFormTest, CloseLeavesTheFormInTheMiddleOfATransfer) {
    form->showLinkQuality(kReady);
    tap(form->RB_Nimbrel);
    tap(form->B_Start);
    ASSERT_TRUE(pumpUntil([&] { return form->L_Send->text() == "Clearing memory:"; }));
    EXPECT_FALSE(form->B_Start->isEnabled());
    EXPECT_FALSE(form->GB_Update->isEnabled());
    EXPECT_TRUE(form->B_Close->isEnabled());
    EXPECT_TRUE(form->Timer2->isActive());
    tap(form->B_Close);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(sent.back(), std::vector<uint8_t>{18});
    EXPECT_FALSE(form->Timer->isActive());
    EXPECT_FALSE(form->Timer2->isActive());
    EXPECT_TRUE(messages.empty());
    // Shown again, it starts afresh.
    showAndExpose(form.get());
    EXPECT_TRUE(form->B_Start->isEnabled());
    EXPECT_EQ(form->E_Nimbrel->text(), "No File");
    EXPECT_FALSE(form->RB_Nimbrel->isChecked());
}

TEST_F(UpdateFormTest, ABoardThatConnectsAnewEndsTheTransferAsAFailedLink) {
    form->showLinkQuality(kReady);
    tap(form->RB_Nimbrel);
    tap(form->B_Start);
    ASSERT_TRUE(pumpUntil([&] { return form->L_Send->text() == "Clearing memory:"; }));
    const size_t before = sent.size();
    connection = 2; // the link dropped and the board connected again, its memory untouched
    form->updateReply(0); // "cleared": the first packet would follow
    ASSERT_TRUE(pumpUntil([&] { return !messages.empty(); }));
    EXPECT_EQ(messages.back(), "Can not open WiFi connection!");
    EXPECT_EQ(sent.size(), before); // nothing went to the new connection
    EXPECT_TRUE(form->B_Start->isEnabled());
    tap(form->B_Close);
    EXPECT_FALSE(form->isVisible());
}

} // namespace
