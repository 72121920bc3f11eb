// The memory keypad and the DAB list inside the program: a slide assembled from item-59
// fragments shown on the list, and both forms shown by the simulated board, used and left by
// touching their controls.
#include "app/Forms.h"
#include "app/support/LoopbackContext.h"
#include "app/support/SimulatedBoard.h"
#include "base/BoardWords.h"
#include "controls/MainControls.h"
#include "controls/support/Pointer.h"
#include "dab/DabForm.h"
#include "dab/SlidePanel.h"
#include "memory/MemoryForm.h"
#include "memory/MemoryLine.h"
#include "session/Session.h"
#include "support/LoopbackServer.h"
#include "support/ParamFrames.h"
#include "support/PumpUntil.h"

#include <QApplication>
#include <QBuffer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::app;
using namespace talix::testing;
using talix::controls::testing::click;
using talix::controls::testing::wheel;

namespace {

constexpr int kDab = board::number(board::Form::DAB);
constexpr int kMemory = board::number(board::Form::Memory);

// The program with frames handed to its message procedure; the board on loopback takes commands.
struct Program {
    explicit Program(uint16_t port) : forms(loopbackContext(port, data.path(), 1000)) {
        main.show();
        QApplication::setActiveWindow(&main);
    }
    void send(const Words& paramWords) {
        const Words b = block(paramWords);
        const Payload p = payload(streamHeader(uint32_t(b.size()), seq++, false), b);
        session.linkFrame(p.data(), lParamOf(counter++));
    }

    QTemporaryDir data;
    FormSet forms;
    TFMain& main = forms.main();
    session::Session& session = forms.session();
    dab::TF_DAB& dabForm = *dynamic_cast<dab::TF_DAB*>(forms.F_DAB);
    memory::TF_Memory& memoryForm = *dynamic_cast<memory::TF_Memory*>(forms.F_Memory);
    uint16_t counter = 1;
    uint32_t seq = 1;
};

void tap(QWidget* w) {
    click(w, QPointF(w->rect().center()));
}

bool hasRecord(const std::vector<std::vector<uint8_t>>& records, std::vector<uint8_t> r) {
    return std::find(records.begin(), records.end(), r) != records.end();
}

QByteArray picture(QColor colour) {
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(colour);
    for (int x = 0; x < 320; x += 7) // some detail, so that the file spans several fragments
        image.setPixelColor(x, x % 240, Qt::white);
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return file;
}

} // namespace

TEST(DabListInTheProgram, SlideFromItem59FragmentsAppearsWithItsProgress) {
    LoopbackServer board;
    Program p(board.port());
    p.send({showForm(kDab)});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.dabForm, 10000));
    EXPECT_FALSE(p.main.controls()->B_Recorder->isEnabled());
    EXPECT_TRUE(p.main.controls()->B_Memory->isEnabled());

    const QByteArray file = picture(QColor(0x20, 0x60, 0xC0));
    ASSERT_GT(file.size(), 400);
    p.send({valueWord(58), uint32_t(file.size()), 0});
    constexpr int kFragment = 300;
    for (int at = 0; at < file.size(); at += kFragment) {
        const int n = std::min<int>(kFragment, int(file.size()) - at);
        Words words{valueWord(59), uint32_t(n)};
        for (int i = 0; i < n; i += 4) {
            uint32_t w = 0;
            for (int k = 0; k < 4 && i + k < n; ++k)
                w |= uint32_t(uint8_t(file[at + i + k])) << (8 * k);
            words.push_back(w);
        }
        p.send(words);
        if (at + n < file.size()) {
            EXPECT_EQ(p.dabForm.PB_SL->value(), (at + n) * 100 / int(file.size()));
        }
    }
    EXPECT_EQ(p.dabForm.PB_SL->value(), 0);
    const QImage shown = p.dabForm.RMOT->grab().toImage();
    EXPECT_EQ(shown.pixel(100, 101) & 0xFFFFFF, 0x2060C0u);
    EXPECT_TRUE(p.forms.session().state().SlideStream.isEmpty());

    // Left through the keypad the board shows: "Discover DAB" closes the list, the board the
    // keypad.
    p.send({showForm(kMemory)});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.memoryForm, 10000));
    tap(p.memoryForm.button("Button14"));
    EXPECT_FALSE(p.dabForm.isVisible());
    const uint8_t discover[] = {1, 10, 69};
    ASSERT_TRUE(LoopbackServer::waitFor([&] {
        const std::vector<uint8_t> r = board.received(0);
        return std::search(r.begin(), r.end(), std::begin(discover), std::end(discover)) != r.end();
    }));
    p.send({closeForm(kMemory)});
    EXPECT_FALSE(p.memoryForm.isVisible());
    EXPECT_TRUE(p.main.controls()->B_Recorder->isEnabled());
}

// End to end: the simulated board shows the keypad and the DAB list and plays an ensemble.
TEST(MemoryAndDabInTheProgram, TheSimulatedBoardPlaysMemoriesAndAnEnsemble) {
    sim::SimBoard board(simulatedBoardOptions());
    ASSERT_TRUE(board.start()) << board.error();
    QTemporaryDir data;
    FormSet forms(streamingBoardContext(board.port(), data.path()));
    TFMain& main = forms.main();
    session::Session& session = forms.session();
    main.show();
    auto& keypad = *dynamic_cast<memory::TF_Memory*>(forms.F_Memory);
    auto& dab = *dynamic_cast<dab::TF_DAB*>(forms.F_DAB);
    ASSERT_TRUE(pumpUntil([&] { return board.blocksAcknowledged() >= 1; }));

    // "Mem/Direct": the keypad with the board's memory lines.
    tap(main.controls()->B_Memory);
    ASSERT_TRUE(pumpUntil([&] { return keypad.isVisible(); }));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&keypad, 10000));
    EXPECT_TRUE(pumpUntil([&] { return keypad.line(1)->text().contains("Shortwave 49m"); }));
    for (const char* key : {"Button1", "Button4", "Button11", "Button2"})
        tap(keypad.button(key));
    EXPECT_TRUE(pumpUntil([&] { return keypad.line(0)->text().endsWith("14.2_"); }))
        << keypad.line(0)->text().toStdString();

    // "Discover DAB": the board searches and fills the list, then plays its first service.
    tap(keypad.button("Button14"));
    ASSERT_TRUE(pumpUntil([&] { return !keypad.isVisible() && dab.isVisible(); }));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dab, 10000));
    ASSERT_TRUE(
        pumpUntil([&] { return dab.Edit0->text().startsWith("Prog"); }, std::chrono::seconds(20)));
    EXPECT_EQ(dab.LV_Prog->item(0)->text(), "Alpha Radio");
    EXPECT_EQ(dab.Edit1->text(), "48kSpls");
    EXPECT_FALSE(dab.LText->text().isEmpty());

    // A tapped service: the board tunes it and names it in the status.
    QListWidget* list = dab.LV_Prog;
    click(list->viewport(), list->visualItemRect(list->item(4)).center());
    EXPECT_TRUE(pumpUntil([&] { return dab.Edit0->text() == "Prog 11D  5"; }));
    EXPECT_EQ(dab.list().selectedIndex(), 4);
    EXPECT_EQ(dab.Edit3->text(), "Slide Show");
    // Its slide show: a picture of the board's arrives through items 58 and 59.
    const qint64 placeholder = dab.RMOT->picture().cacheKey();
    EXPECT_TRUE(pumpUntil([&] { return dab.RMOT->picture().cacheKey() != placeholder; },
                          std::chrono::seconds(20)));
    const QImage slide = dab.RMOT->picture();
    EXPECT_EQ(slide.size(), QSize(320, 240));
    EXPECT_EQ(dab.RMOT->grab().toImage().pixel(11, 11) & 0xFFFFFF, slide.pixel(10, 10) & 0xFFFFFF);

    // The wheel over the list turns the knob, and the board scrolls the list.
    for (int i = 0; i < 4; ++i)
        wheel(list->viewport(), QPointF(100, 100), 120);
    ASSERT_TRUE(pumpUntil([&] { return dab.list().topIndex() > 0; }));
    EXPECT_EQ(list->verticalScrollBar()->value(), dab.list().topIndex());

    // Leaving DAB: a frequency typed on the keypad.
    tap(main.controls()->B_Memory);
    ASSERT_TRUE(pumpUntil([&] { return keypad.isVisible(); }));
    for (const char* key : {"Button7", "Button11", "Button1", "Button13"})
        tap(keypad.button(key));
    EXPECT_TRUE(pumpUntil([&] { return !keypad.isVisible() && !dab.isVisible(); }));
    EXPECT_TRUE(pumpUntil([&] { return session.state().TunedFreq == 71'000'000; }));
    const auto records = board.receivedRecords();
    EXPECT_TRUE(hasRecord(records, {192, 0, 16}));
    EXPECT_TRUE(hasRecord(records, {245, 4, 15}));
    EXPECT_TRUE(hasRecord(records, {1, 10, 53}));
}
