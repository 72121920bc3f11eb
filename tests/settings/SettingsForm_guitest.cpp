// The settings-form scheme through a small form of its own: what the Setup form does not use
// (centred placement, fields that cannot be selected, a current field without the selected look)
// and the effect of an item on the main window.
#include "base/Palette.h"
#include "base/Tags.h"
#include "controls/FieldHighlight.h"
#include "settings/SettingsForm.h"
#include "settings/StyleBook.h"
#include "support/SettingsProbe.h"

#include <gtest/gtest.h>

using namespace talix;
using namespace talix::settings;
using namespace talix::settings::testing;
using talix::link::Command;
using talix::sync::MainControl;

namespace {

const SettingsFormDesign kDesign{"F_Sample", 7, {400, 300}, kGrey, std::nullopt};

// Two rows: item 1 selectable, item 2 only shown. Values of item 1 drive the main window.
class SampleForm : public SettingsForm {
public:
    SampleForm(SettingsProbe& probe, bool startSelected)
        : SettingsForm(kDesign, probe, &probe.mainWindow) {
        one = addRow({1, "Label5", "One:", {10, 10, 150, 40}, "Edit1", {200, 10, 150, 40}, "0"});
        two = addRow(
            {2, "Label3", "Two:", {10, 80, 150, 40}, "Edit2", {200, 80, 150, 40}, "0", false});
        close = addCloseButton("B_Close", "Close", 0x070A, {100, 200, 200, 60});
        FormCreate(one, startSelected);
    }
    QLabel* captionOf(QLineEdit* e) const {
        for (QLabel* l : findChildren<QLabel*>())
            if (tagOf(l) == tagOf(e))
                return l;
        return nullptr;
    }

    QLineEdit* one;
    QLineEdit* two;
    QPushButton* close;

protected:
    void applyValue(int item, uint32_t v) override {
        FormItemEffect e;
        e.editText = QString::number(v);
        if (item == 1) {
            e.mainTexts = {{MainControl::L_Auto, "sample"}};
            e.marks = {{5, 2}};
            e.placeThresholdLine = true;
            e.rebuildGrid = true;
        }
        applyEffect(item, e);
    }
};

TEST(SettingsForm, ShowsCentredOnTheMainWindow) {
    SettingsProbe probe;
    probe.mainWindow.move(100, 50);
    SampleForm form(probe, true);
    form.showForm();
    EXPECT_EQ(form.pos(), QPoint(100 + 760, 50 + 450));
    form.closeForm();
    EXPECT_FALSE(form.isVisible());
}

TEST(SettingsForm, FieldsThatAreOnlyShownSendNothingButTakeTheFocus) {
    SettingsProbe probe;
    SampleForm form(probe, true);
    showAndExpose(&form);
    tap(form.one);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{192, 1, 7, 0}}));
    tap(form.two);
    tap(form.captionOf(form.two));
    EXPECT_TRUE(probe.drain().empty());
    EXPECT_EQ(form.focusedEdit(), form.two);
    tap(form.one);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{192, 1, 7, 0}}));
    tap(form.close);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{1, 0x0A, 0x07}}));
}

TEST(SettingsForm, ACurrentFieldMayStartWithTheNormalLook) {
    SettingsProbe probe;
    SampleForm form(probe, false);
    EXPECT_EQ(form.currentField(), form.one);
    EXPECT_EQ(controls::editStyleOf(form.one), kEdit1Style3);
    EXPECT_EQ(controls::editStyleOf(form.two), kEdit1Style3);
    form.selectField(2);
    EXPECT_EQ(controls::editStyleOf(form.two), kEdit1Style4);
    EXPECT_EQ(controls::editStyleOf(form.one), kEdit1Style3);
    EXPECT_EQ(form.formIndex(), 7);
}

TEST(SettingsForm, AnItemsEffectReachesTheMainWindow) {
    SettingsProbe probe;
    SampleForm form(probe, true);
    const uint32_t words[] = {42};
    EXPECT_EQ(form.ApplyItem(1, words), sync::ApplyResult::Applied);
    EXPECT_EQ(form.one->text(), "42");
    EXPECT_EQ(probe.mainTexts[MainControl::L_Auto], "sample");
    EXPECT_EQ(probe.marks, (std::vector<std::pair<int, int>>{{5, 2}}));
    EXPECT_EQ(probe.thresholdLines, 1);
    EXPECT_EQ(probe.grids, 1);
    form.ApplyItem(2, words);
    EXPECT_EQ(form.two->text(), "42");
    form.ApplyItem(3, words); // no edit with that Tag
    EXPECT_EQ(probe.grids, 1);
}

TEST(SettingsForm, EachStyleNameHasItsOwnLook) {
    SettingsProbe probe;
    SampleForm form(probe, true);
    showAndExpose(&form);
    QColor last;
    for (const char* style : {kEdit1Style1, kEdit1Style2, kEdit1Style3, kEdit1Style4}) {
        controls::setEditStyle(form.two, style);
        const QColor frame = form.two->grab().toImage().pixelColor(0, 0);
        const QColor inside = form.two->grab().toImage().pixelColor(form.two->width() / 2, 4);
        EXPECT_NE(frame, last) << style;
        EXPECT_NE(frame, inside) << style;
        last = frame;
    }
    controls::setEditStyle(form.two, kEdit1Style4);
    EXPECT_EQ(form.two->grab().toImage().pixelColor(0, 0), QColor(0xFF, 0x8C, 0x00));
    EXPECT_EQ(form.two->grab().toImage().pixelColor(form.two->width() / 2, 4),
              QColor(0xFF, 0xFF, 0xE0));
}

} // namespace
