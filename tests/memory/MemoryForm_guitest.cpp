// The memory keypad as the user touches it: its activation, keys and line zones on the queue, the
// highlight as pixels, the right button, the full queue, the wheel and "Discover DAB".
#include "base/Tags.h"
#include "controls/support/Pointer.h"
#include "controls/support/QueueProbe.h"
#include "memory/MemoryForm.h"
#include "memory/MemoryLine.h"
#include "support/PumpUntil.h"

#include <QTest>
#include <QWindow>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::memory;
using namespace talix::controls::testing;
using talix::link::Command;
using talix::testing::pumpUntil;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

struct MemoryRig {
    MemoryRig()
        : form(
              probe.queue, [this] { ++dabClosed; }, nullptr) {
        form.setWheelHandler([this](int delta) { wheel.push_back(delta); });
        form.showForm();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form, 10000));
        // Its activation announces it to the board.
        EXPECT_TRUE(pumpUntil([&] { return probe.queue.waiting() > 0; }));
        EXPECT_THAT(probe.drain(), ElementsAre(Command{192, 0, 16}));
    }
    // Five words of a line's block.
    void write(int tag, const char* bytes) {
        std::vector<uint32_t> words(5, 0);
        for (size_t i = 0; bytes[i] != 0 && i < 20; ++i)
            words[i / 4] |= uint32_t(uint8_t(bytes[i])) << (8 * (i % 4));
        form.ApplyItem(tag, words);
    }

    QueueProbe probe;
    int dabClosed = 0;
    std::vector<int> wheel;
    TF_Memory form;
};

// Pixels of `colour` in the grabbed line: its text is drawn in that colour.
int pixelsOf(QWidget* w, QRgb colour) {
    const QImage image = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

constexpr QRgb kHotPinkRgb = 0xFF69B4;
constexpr QRgb kWhiteRgb = 0xFFFFFF;

} // namespace

TEST(MemoryForm, KeysSendTheirRecordsAndLeaveTheFormOpen) {
    MemoryRig rig;
    for (const char* name :
         {"Button5", "Button10", "Button11", "Button13", "Button12", "B_Esc", "B_OK"})
        click(rig.form.button(name), rig.form.button(name)->rect().center());
    EXPECT_THAT(rig.probe.drain(),
                ElementsAre(Command{1, 5, 0}, Command{1, 12, 0}, Command{1, 13, 0},
                            Command{1, 10, 53}, Command{1, 10, 37}, Command{1, 11, 21},
                            Command{1, 10, 5}));
    EXPECT_TRUE(rig.form.isVisible()); // only the board closes it
    EXPECT_EQ(rig.dabClosed, 0);

    click(rig.form.button("Button14"), rig.form.button("Button14")->rect().center());
    EXPECT_THAT(rig.probe.drain(), ElementsAre(Command{1, 10, 69}));
    EXPECT_EQ(rig.dabClosed, 1); // "Discover DAB" closes the DAB list
    EXPECT_TRUE(rig.form.isVisible());
}

TEST(MemoryForm, LineZonesOnTheWireAndTheTouchedLineTurnsPink) {
    MemoryRig rig;
    rig.write(3, "\x03"
                 "ABCDabcdefghijklm");
    MemoryLine* line = rig.form.line(3);
    EXPECT_EQ(line->text(), "  3 C  S  ABCD abcdefghijklm");
    const struct {
        int x;
        Command record;
    } cases[] = {{20, {192, 3, 5, 0, 1, 24, 3}},
                 {130, {192, 3, 5, 0, 1, 25, 3}},
                 {200, {192, 3, 5, 0, 1, 25, 3}},
                 {201, {192, 3, 5, 0, 1, 138, 0}},
                 {320, {192, 3, 5, 0, 1, 10, 0}}};
    for (const auto& c : cases) {
        press(line, QPointF(c.x, 30));
        release(line, QPointF(c.x, 30));
        EXPECT_THAT(rig.probe.drain(), ElementsAre(c.record)) << c.x;
    }
    EXPECT_EQ(rig.form.TagObject(), line);
    EXPECT_GT(pixelsOf(line, kHotPinkRgb), 50);
    EXPECT_EQ(pixelsOf(rig.form.line(2), kHotPinkRgb), 0);

    // 3 pixels above the line still touch it.
    click(&rig.form, QPointF(1200, line->y() - 3));
    EXPECT_THAT(rig.probe.drain(), ElementsAre(Command{192, 3, 5, 0, 1, 10, 0}));
}

TEST(MemoryForm, BoardUpdatesKeepOrRemoveTheHighlight) {
    MemoryRig rig;
    for (int tag = 0; tag < 10; ++tag)
        rig.write(tag, "\x01"
                       "FM-NStation");
    MemoryLine* two = rig.form.line(2);
    click(two, QPointF(400, 30));
    rig.probe.drain();
    EXPECT_GT(pixelsOf(two, kHotPinkRgb), 50);
    rig.write(2, "\x02"
                 "USB Changed");
    EXPECT_GT(pixelsOf(two, kHotPinkRgb), 50); // the highlighted line itself
    rig.write(6, "\x06"
                 "USB Other");
    EXPECT_EQ(pixelsOf(two, kHotPinkRgb), 0);
    EXPECT_GT(pixelsOf(two, kWhiteRgb), 50);
    // Lines beyond the ten change nothing.
    click(two, QPointF(400, 30));
    rig.write(12, "\x0C"
                  "XXXX");
    EXPECT_GT(pixelsOf(two, kHotPinkRgb), 50);
    // Showing it again opens it without a highlight, TagObject kept.
    rig.form.closeForm();
    rig.form.showForm();
    EXPECT_EQ(pixelsOf(two, kHotPinkRgb), 0);
    EXPECT_EQ(rig.form.TagObject(), two);
}

TEST(MemoryForm, RightButtonAndFullQueueChangeNothing) {
    MemoryRig rig;
    rig.write(4, "\x04"
                 "AM-EStation");
    MemoryLine* four = rig.form.line(4);
    QTest::mousePress(rig.form.windowHandle(), Qt::RightButton, {},
                      four->mapTo(&rig.form, QPoint(50, 30)));
    QTest::mouseRelease(rig.form.windowHandle(), Qt::RightButton, {},
                        four->mapTo(&rig.form, QPoint(50, 30)));
    EXPECT_THAT(rig.probe.drain(), IsEmpty());
    EXPECT_EQ(pixelsOf(four, kHotPinkRgb), 0);

    rig.probe.fill();
    click(four, QPointF(50, 30));
    click(rig.form.button("Button7"), rig.form.button("Button7")->rect().center());
    EXPECT_EQ(rig.probe.notices, 2); // "No WiFi Connection!" for each
    EXPECT_EQ(pixelsOf(four, kHotPinkRgb), 0);
    EXPECT_EQ(rig.probe.queue.waiting(), talix::link::kQueueLimit);
}

TEST(MemoryForm, TheWheelOverItTunes) {
    MemoryRig rig;
    wheel(&rig.form, QPointF(300, 50), 120);
    wheel(rig.form.line(1), QPointF(300, 30), -240);
    EXPECT_THAT(rig.wheel, ElementsAre(120, -240));
}
