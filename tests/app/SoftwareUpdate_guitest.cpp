// The software update inside the program against the simulated board over loopback: the Setup
// form opens it, the firmware and the WiFi CPU's image go over the link and arrive whole, every
// result is answered on the message form, and "Close" leads back.
#include "app/Forms.h"
#include "app/MessageForm.h"
#include "app/support/SimulatedBoard.h"
#include "controls/MainControls.h"
#include "controls/support/Pointer.h"
#include "settings/SetupForm.h"
#include "support/PumpUntil.h"
#include "update/UpdateForm.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::app;
using namespace talix::controls::testing;
using talix::testing::pumpUntil;
using talix::testing::simulatedBoardOptions;
using talix::testing::streamingBoardContext;

namespace {

QByteArray pattern(int size, int seed) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + seed) & 0xFF);
    return bytes;
}

class SoftwareUpdate : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(stick.path()).mkpath(".");
        writeStick("TALIX3.QFM", firmware);
        writeStick("TALIX4.BIN", wifi);
        board = std::make_unique<sim::SimBoard>(simulatedBoardOptions());
        ASSERT_TRUE(board->start()) << board->error();
        ProgramContext context = streamingBoardContext(board->port(), data.path());
        context.drives.set('D', stick.path());
        forms = std::make_unique<FormSet>(std::move(context));
        showAndExpose(&forms->main());
        // Whoever the message form asks, the user answers with its OK.
        answering.setInterval(50);
        QObject::connect(&answering, &QTimer::timeout, [this] {
            TF_Message* m = forms->F_Message;
            if (m->isVisible() && m->isActiveWindow()) {
                answers.push_back(m->Message->text());
                tap(m->B_OK);
            }
        });
        answering.start();
    }
    void TearDown() override {
        answering.stop();
        forms.reset();
        board.reset();
    }
    void writeStick(const char* name, const QByteArray& bytes) {
        QFile f(stick.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void tap(QWidget* w) { click(w, w->rect().center()); }
    update::TF_Update& form() { return *qobject_cast<update::TF_Update*>(forms->F_Update); }
    update::TF_Update& openUpdateForm() {
        tap(forms->main().controls()->B_Setup);
        auto* setup = qobject_cast<settings::TF_Setup*>(forms->F_Setup);
        EXPECT_TRUE(pumpUntil([&] { return setup->isVisible(); }));
        tap(setup->B_Update);
        EXPECT_TRUE(pumpUntil([&] { return form().isVisible(); }));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form(), 10000));
        return form();
    }

    const QByteArray firmware = pattern(3000, 1);
    const QByteArray wifi = pattern(9000, 2);
    QTemporaryDir data;
    QTemporaryDir stick;
    std::unique_ptr<sim::SimBoard> board;
    std::unique_ptr<FormSet> forms;
    QTimer answering;
    std::vector<QString> answers;
};

TEST_F(SoftwareUpdate, FirmwareAndWiFiDriverArriveWholeAndCloseLeadsBack) {
    update::TF_Update& f = openUpdateForm();
    // A steady link turns the indicator green after eleven good measurements.
    ASSERT_TRUE(
        pumpUntil([&] { return f.L_WLAN->text() == "WiFi ready!"; }, std::chrono::seconds(40)));

    tap(f.RB_Nimbrel);
    EXPECT_EQ(f.E_Nimbrel->text(), "TALIX3.QFM");
    tap(f.B_Start);
    ASSERT_TRUE(pumpUntil([&] { return !answers.empty(); }, std::chrono::seconds(30)));
    EXPECT_EQ(answers, std::vector<QString>{"File transfer finished successfully!"});
    auto [images, image] = board->updateImages();
    EXPECT_EQ(images, 1u);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())),
              firmware);
    EXPECT_TRUE(pumpUntil([&] { return f.B_Start->isEnabled(); }));

    tap(f.E_WiFi); // the edit selects its target as well
    EXPECT_TRUE(f.RB_WiFi->isChecked());
    EXPECT_FALSE(f.RB_Nimbrel->isChecked());
    tap(f.B_Start);
    ASSERT_TRUE(pumpUntil([&] { return answers.size() == 2; }, std::chrono::seconds(30)));
    EXPECT_EQ(answers.back(), "File transfer finished successfully!");
    std::tie(images, image) = board->updateImages();
    EXPECT_EQ(images, 2u);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())),
              wifi);
    EXPECT_EQ(f.L_Send->text(), "Bytes left to burn:");

    // The board streams again once it has the image.
    const uint64_t frames = board->framesSent();
    EXPECT_TRUE(pumpUntil([&] { return board->framesSent() > frames + 40; }));

    tap(f.B_Close);
    EXPECT_TRUE(pumpUntil([&] { return !f.isVisible(); }));
    EXPECT_TRUE(forms->F_Setup->isVisible());
}

} // namespace
