// The System, Microphone and WiFi forms in the program against the simulated board: each shown by
// its button on the main window, filled by the board, its fields selected and changed, and closed
// by touching its own Close.
#include "app/Forms.h"
#include "app/support/LoopbackContext.h"
#include "app/support/ScreenPixels.h"
#include "app/support/SimulatedBoard.h"
#include "controls/FieldHighlight.h"
#include "controls/MainControls.h"
#include "settings/MikeForm.h"
#include "settings/SystemForm.h"
#include "settings/WiFiForm.h"
#include "support/PumpUntil.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::app;
using namespace talix::testing;

namespace {

using Record = std::vector<uint8_t>;

struct Program {
    Program() : forms(streamingBoardContext(startedPort(), data.path())) {
        main.show();
        QApplication::setActiveWindow(&main);
    }
    uint16_t startedPort() {
        EXPECT_TRUE(board.start()) << board.error();
        return board.port();
    }
    // Waits for the board's state after the greeting, taps the button and waits for the form.
    bool open(QPushButton* button, QWidget* form) {
        if (!pumpUntil([&] { return board.blocksAcknowledged() >= 1; }))
            return false;
        tap(button);
        return pumpUntil([&] { return form->isVisible(); }) &&
               QTest::qWaitForWindowExposed(form, 10000);
    }
    bool received(const Record& record) const {
        const auto records = board.receivedRecords();
        return std::find(records.begin(), records.end(), record) != records.end();
    }
    static void tap(QWidget* w) {
        QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, {},
                          w->mapTo(w->window(), w->rect().center()));
    }
    static void wheel(QWidget* form, int delta) {
        QWheelEvent e(QPointF(5, 5), form->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form, &e);
    }

    sim::SimBoard board{simulatedBoardOptions()};
    QTemporaryDir data;
    FormSet forms;
    TFMain& main = forms.main();
    controls::MainControls& c = *forms.main().controls();
};

TEST(SettingsFormsOnBoard, SystemShowsTheBoardsSettingsAndSendsAChangedSerialNumberOnClose) {
    Program p;
    auto& form = *dynamic_cast<settings::TF_System*>(p.forms.F_System);
    ASSERT_TRUE(p.open(p.c.B_System, &form));
    EXPECT_FALSE(p.c.B_Setup->isEnabled()); // the board shows the form over the main window
    EXPECT_TRUE(pumpUntil([&] { return form.Edits[17]->text() == "1234"; }));
    EXPECT_TRUE(pumpUntil([&] { return form.Edits[14]->text() == "1200"; }));
    EXPECT_EQ(form.Edits[0]->text(), "+37");

    // Select the serial number on the board and turn the knob by one step.
    p.tap(form.captionWithTag(17));
    ASSERT_TRUE(pumpUntil([&] { return form.currentField() == form.Edits[17]; }));
    EXPECT_EQ(controls::editStyleOf(form.Edits[17]), "Edit1Style4");
    p.wheel(&form, 120);
    ASSERT_TRUE(pumpUntil([&] { return form.Edits[17]->text() != "1234"; }));
    const uint16_t changed = form.Edits[17]->text().toUShort();

    p.tap(form.B_OK);
    EXPECT_TRUE(pumpUntil([&] { return !form.isVisible(); }));
    EXPECT_TRUE(pumpUntil([&] {
        return p.received({23, 179, uint8_t(changed), uint8_t(changed >> 8)});
    }));
    EXPECT_TRUE(p.received({1, 11, 2}));
    EXPECT_TRUE(pumpUntil([&] { return p.c.B_Setup->isEnabled(); }));
}

TEST(SettingsFormsOnBoard, MicrophoneBarsTakeTheBoardsCurveAndSendTheUsersDrag) {
    Program p;
    auto& form = *dynamic_cast<settings::TF_Mike*>(p.forms.F_Mike);
    ASSERT_TRUE(p.open(p.c.B_Mike, &form));
    EXPECT_TRUE(pumpUntil([&] { return form.Edits[8]->text() == "260"; }));
    EXPECT_TRUE(pumpUntil([&] { return form.TB[0]->value() == 63 - 36; }));
    EXPECT_TRUE(form.TB[0]->isEnabled());

    // A drag of TB2 to its bottom sends 63 and the board keeps it.
    QSlider* bar = form.TB[1];
    const QPoint handle(bar->width() / 2, 10 + (bar->height() - 20) * (63 - bar->value()) / 63);
    QWindow* window = form.windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, bar->mapTo(&form, handle));
    QTest::mouseMove(window, bar->mapTo(&form, handle + QPoint(0, 4)));
    QTest::mouseMove(window, bar->mapTo(&form, QPoint(handle.x(), bar->height() + 40)));
    QTest::mouseRelease(window, Qt::LeftButton, {},
                        bar->mapTo(&form, QPoint(handle.x(), bar->height() + 40)));
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(pumpUntil([&] { return p.received({245, 11, 4, 63, 0, 0, 0}); }));

    p.tap(form.B_Exit);
    EXPECT_TRUE(pumpUntil([&] { return !form.isVisible(); }));
    EXPECT_TRUE(p.received({1, 10, 4}));
    // Shown again, the bars stand where the board keeps them.
    ASSERT_TRUE(p.open(p.c.B_Mike, &form));
    EXPECT_TRUE(pumpUntil([&] { return form.Edits[8]->text() == "260"; }));
    EXPECT_EQ(form.TB[1]->value(), 0);
    EXPECT_EQ(form.TB[0]->value(), 63 - 36);
    p.tap(form.B_Exit);
    EXPECT_TRUE(pumpUntil([&] { return !form.isVisible(); }));
}

TEST(SettingsFormsOnBoard, WiFiSwitchesTheAntennaAndSetsTheChannel) {
    Program p;
    auto& form = *dynamic_cast<settings::TF_WiFi*>(p.forms.F_WiFi);
    ASSERT_TRUE(p.open(p.c.B_WiFi, &form));
    EXPECT_TRUE(pumpUntil([&] { return form.Edits[1]->text() == "Nimbrel007"; }));
    EXPECT_EQ(form.Edits[0]->text(), "6");
    EXPECT_FALSE(form.B_Set->isEnabled());

    // The antenna: the board switches, its status word checks RBAnt and colours LWiFi.
    p.tap(form.RBAnt);
    ASSERT_TRUE(pumpUntil([&] { return form.RBAnt->isChecked(); }));
    EXPECT_TRUE(pumpUntil([&] { return pixelsOf(onScreen(p.c.LWiFi), 0xFFFF69B4) > 10; }));
    p.tap(form.RBAnt);
    ASSERT_TRUE(pumpUntil([&] { return !form.RBAnt->isChecked(); }));
    EXPECT_TRUE(pumpUntil([&] { return pixelsOf(onScreen(p.c.LWiFi), 0xFF00FF00) > 10; }));

    // The channel: selected, turned, then set.
    p.tap(form.Edits[0]);
    ASSERT_TRUE(pumpUntil([&] { return form.currentField() == form.Edits[0]; }));
    p.wheel(&p.main, 120); // the form has no wheel of its own: the main window's turns the knob
    ASSERT_TRUE(pumpUntil([&] { return form.Edits[0]->text() == "7"; }));
    EXPECT_TRUE(form.B_Set->isEnabled());
    p.tap(form.B_Set);
    EXPECT_TRUE(pumpUntil([&] { return !form.isVisible(); }));
    EXPECT_TRUE(p.received({8}));
    EXPECT_TRUE(p.received({23, 178, 1}));
    EXPECT_TRUE(p.received({23, 178, 0}));

    // Shown again and left by its Close.
    ASSERT_TRUE(p.open(p.c.B_WiFi, &form));
    p.tap(form.B_Close);
    EXPECT_TRUE(pumpUntil([&] { return !form.isVisible(); }));
    EXPECT_TRUE(p.received({1, 10, 10}));
}

} // namespace
