// The DAB list as the user sees and touches it: shown afresh, filled and scrolled by the board
// only, a tapped service on the queue, the status field's selection, the slide and its zoom.
#include "controls/support/Pointer.h"
#include "controls/support/QueueProbe.h"
#include "dab/DabForm.h"
#include "dab/SlidePanel.h"
#include "support/PumpUntil.h"

#include <QBuffer>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::dab;
using namespace talix::controls::testing;
using talix::link::Command;
using talix::testing::pumpUntil;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

std::vector<uint32_t> textValue(const std::string& text, std::vector<uint32_t> before = {}) {
    std::vector<uint32_t> data = before;
    const size_t first = data.size();
    data.resize(first + text.size() / 4 + 1, 0);
    for (size_t i = 0; i < text.size(); ++i)
        data[first + i / 4] |= uint32_t(uint8_t(text[i])) << (8 * (i % 4));
    data.insert(data.begin(), uint32_t(data.size()));
    return data;
}

struct DabRig {
    DabRig() : form(probe.queue, nullptr) {
        form.setWheelHandler([this](int delta) { wheel.push_back(delta); });
        form.showForm();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form, 10000));
        EXPECT_TRUE(pumpUntil([&] { return probe.queue.waiting() > 0; }));
        EXPECT_THAT(probe.drain(), ElementsAre(Command{192, 0, 16}));
    }
    void status(const std::string& text) { form.ApplyItem(1, textValue(text)); }
    void scroll(bool down) { form.ApplyItem(0, std::vector<uint32_t>{1, down ? 0u : 1u}); }
    int firstRowShown() const { return form.LV_Prog->indexAt(QPoint(10, 10)).row(); }

    QueueProbe probe;
    std::vector<int> wheel;
    TF_DAB form;
};

// A PNG file of one colour.
QByteArray png(QColor colour) {
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return file;
}

QRgb pixelAt(QWidget* w, QPoint p) {
    return w->grab().toImage().pixel(p) & 0xFFFFFF;
}

} // namespace

TEST(DabForm, ShowingStartsAFreshListOnItsFirstRow) {
    DabRig rig;
    ASSERT_EQ(rig.form.LV_Prog->count(), 256);
    EXPECT_EQ(rig.form.LV_Prog->item(0)->text(), "1");
    EXPECT_EQ(rig.form.LV_Prog->item(255)->text(), "256");
    EXPECT_EQ(rig.form.Edit0->text(), "Search DAB...");
    EXPECT_TRUE(rig.form.RSelect->isVisible());
    EXPECT_EQ(rig.form.RSelect->y(), 8);
    EXPECT_EQ(rig.firstRowShown(), 0);

    rig.form.ApplyItem(2, textValue("Alpha Radio", {3}));
    rig.form.ApplyItem(2, textValue("Nowhere", {300}));
    EXPECT_EQ(rig.form.LV_Prog->item(3)->text(), "Alpha Radio");
    rig.status("Prog 11D  12");
    EXPECT_EQ(rig.form.list().selectedIndex(), 11);
    EXPECT_EQ(rig.firstRowShown(), 3);
    EXPECT_EQ(rig.form.RSelect->y(), 8 * 76 + 8);

    // Shown again, the names are gone until the board sends them anew.
    rig.form.closeForm();
    rig.form.showForm();
    EXPECT_EQ(rig.form.LV_Prog->item(3)->text(), "4");
    EXPECT_EQ(rig.firstRowShown(), 0);
}

TEST(DabForm, OnlyTheBoardScrollsTheList) {
    DabRig rig;
    for (int i = 0; i < 250; ++i)
        rig.scroll(true);
    EXPECT_EQ(rig.form.list().topIndex(), 247);
    EXPECT_EQ(rig.firstRowShown(), 247);
    EXPECT_FALSE(rig.form.RSelect->isVisible()); // row 0 is off screen
    rig.scroll(false);
    EXPECT_EQ(rig.firstRowShown(), 246);

    // The user's attempts are undone; the wheel goes to the tuning knob.
    rig.form.LV_Prog->verticalScrollBar()->setValue(20);
    EXPECT_EQ(rig.firstRowShown(), 246);
    wheel(rig.form.LV_Prog->viewport(), QPointF(100, 100), -120);
    EXPECT_EQ(rig.firstRowShown(), 246);
    EXPECT_THAT(rig.wheel, ElementsAre(-120));
    rig.form.LV_Prog->scrollToItem(rig.form.LV_Prog->item(0));
    EXPECT_EQ(rig.firstRowShown(), 246);
}

TEST(DabForm, TappedServiceIsSentAndFramed) {
    DabRig rig;
    QListWidget* list = rig.form.LV_Prog;
    click(list->viewport(), list->visualItemRect(list->item(5)).center());
    EXPECT_THAT(rig.probe.drain(), ElementsAre(Command{245, 5, 15}));
    EXPECT_EQ(rig.form.RSelect->y(), 5 * 76 + 8);
    rig.status("Prog 11D  6"); // the board confirms programme 6
    EXPECT_EQ(rig.form.RSelect->y(), 5 * 76 + 8);
    EXPECT_EQ(rig.form.Edit0->text(), "Prog 11D  6");

    // A full queue: the message, nothing sent, the frame stays.
    rig.probe.fill();
    click(list->viewport(), list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(rig.probe.notices, 1);
    EXPECT_EQ(rig.form.RSelect->y(), 5 * 76 + 8);
}

TEST(DabForm, StatusFieldSelectsOncePerEntry) {
    DabRig rig;
    click(rig.form.Edit0, QPointF(50, 40));
    click(rig.form.Edit0, QPointF(60, 40));
    EXPECT_THAT(rig.probe.drain(), ElementsAre(Command{192, 0, 15, 13}));
    QListWidget* list = rig.form.LV_Prog;
    click(list->viewport(), list->visualItemRect(list->item(1)).center());
    click(rig.form.Edit0, QPointF(50, 40));
    EXPECT_THAT(rig.probe.drain(), ElementsAre(Command{245, 1, 15}, Command{192, 0, 15, 13}));

    // Its look follows the board's selections, which the main window hands on.
    rig.form.setEntryFieldSelected(true);
    EXPECT_EQ(rig.form.Edit0->property("StyleLookup").toString(), "Edit1Style1");
    rig.form.setEntryFieldSelected(false);
    EXPECT_EQ(rig.form.Edit0->property("StyleLookup").toString(), "Edit1Style2");
}

TEST(DabForm, RatesDataServicesSignalAndLabel) {
    DabRig rig;
    rig.form.ApplyItem(3, textValue("48"));
    rig.form.ApplyItem(4, textValue("128"));
    rig.form.ApplyItem(7, std::vector<uint32_t>{1, 0x4A00});
    rig.form.ApplyItem(5, std::vector<uint32_t>{1, 64});
    rig.form.ApplyItem(6, textValue("Now: the morning show"));
    EXPECT_EQ(rig.form.Edit1->text(), "48kSpls");
    EXPECT_EQ(rig.form.Edit2->text(), "128kBit");
    EXPECT_EQ(rig.form.Edit3->text(), "Slide Show");
    EXPECT_EQ(rig.form.Edit4->text(), "Journaline");
    EXPECT_EQ(rig.form.PBRSSI->value(), 64);
    EXPECT_EQ(rig.form.LText->text(), "Now: the morning show");
    // A "P" status without a number is a failure of the walk.
    EXPECT_EQ(rig.form.ApplyItem(1, textValue("Prog 11D  ??")), sync::ApplyResult::Failed);
}

// "0%" at the signal bar's foot stays clear of the dynamic label's box: a label long enough to
// fill the box draws nothing over it.
TEST(DabForm, TheSignalBarsFootStaysClearOfTheDynamicLabel) {
    DabRig rig;
    const auto* zero = rig.form.findChild<QLabel*>("Label4");
    const auto* box = rig.form.findChild<QWidget*>("Rectangle2");
    ASSERT_TRUE(zero && box);
    ASSERT_EQ(zero->text(), "0%");
    const QRect place = zero->geometry();
    EXPECT_FALSE(place.intersects(box->geometry()));
    EXPECT_FALSE(place.intersects(rig.form.PBRSSI->geometry()));
    EXPECT_TRUE(rig.form.rect().contains(place));

    const QImage before = rig.form.grab(place).toImage();
    std::string text; // short words: every line runs up to the box's right edge
    while (text.size() + 2 < 128)
        text += "W ";
    rig.form.ApplyItem(6, textValue(text));
    ASSERT_EQ(rig.form.LText->text().toStdString(), text);
    const QImage after = rig.form.grab(place).toImage();
    EXPECT_TRUE(after == before) << "the dynamic label draws over \"0%\"";
    int white = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            white += (after.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
    EXPECT_GT(white, 10); // the caption itself is there
}

TEST(DabForm, SlideIsShownZoomedOnADoubleTapAndBack) {
    DabRig rig;
    SlidePanel* slide = rig.form.RMOT;
    rig.form.showSlide(png(QColor(0x12, 0xAB, 0x34)));
    EXPECT_EQ(pixelAt(slide, {160, 120}), 0x12AB34u);
    // A file that is no picture keeps the shown one.
    rig.form.showSlide(QByteArray("not a picture"));
    EXPECT_EQ(pixelAt(slide, {160, 120}), 0x12AB34u);
    rig.form.showSlide(png(Qt::red).left(100));
    EXPECT_EQ(pixelAt(slide, {160, 120}), 0x12AB34u);

    doubleClick(slide, QPointF(100, 100));
    EXPECT_DOUBLE_EQ(slide->scale(), 1.54);
    EXPECT_EQ(slide->size(), QSize(496, 373));
    doubleClick(slide, QPointF(100, 100));
    EXPECT_DOUBLE_EQ(slide->scale(), 1.0);
    EXPECT_EQ(slide->size(), QSize(322, 242));

    rig.form.setSlideProgress(40);
    EXPECT_EQ(rig.form.PB_SL->value(), 40);
}
