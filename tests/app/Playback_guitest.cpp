// The main window's wave output: opened at start-up, its notifications handled by the message
// procedure, a device that cannot be opened reported in the message form.
#include "app/Forms.h"
#include "app/MessageForm.h"
#include "controls/MainControls.h"
#include "support/PumpUntil.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>

using namespace talix;
using talix::testing::pumpUntil;
using namespace talix::app;

namespace {

// Nothing listens on port 9 of loopback: the receive thread keeps trying, harmlessly.
ProgramContext context(const QString& audio, const QString& dataDir) {
    ProgramContext c;
    c.options.board = {"127.0.0.1", 9};
    c.options.rotator = {"127.0.0.1", 9};
    c.options.audio = audio;
    c.options.hostServices = "simulated";
    c.options.windowed = true;
    c.drives.set('C', dataDir);
    c.receiveTimings = {20, 5, 80};
    return c;
}

TEST(Playback, DeviceOpensAtStartUpAndPlaysTheBlocksItIsGiven) {
    QTemporaryDir data;
    const QString wav = data.filePath("played.wav");
    {
        FormSet forms(context("wav:" + wav, data.path()));
        audio::PlaybackRing& ring = forms.session().playbackRing();
        ASSERT_TRUE(pumpUntil([&] { return ring.isOpen(); }));
        EXPECT_TRUE(forms.session().threadsRunning());

        std::array<std::uint8_t, audio::kBlockBytes> block{};
        for (int i = 0; i < audio::PlaybackRing::kSlots; ++i) {
            block.fill(static_cast<std::uint8_t>(i));
            ring.queueBlock(block);
        }
        // The device reports every block done through LinkWindow; the queue level bar follows,
        // from 63 of 64 queued (98) down to none.
        int highest = 0;
        ASSERT_TRUE(pumpUntil([&] {
            highest = std::max(highest, forms.main().controls()->PBWiFi->value());
            return ring.queuedBlocks() == 0;
        }));
        EXPECT_EQ(highest, 98);
        EXPECT_EQ(forms.main().controls()->PBWiFi->value(), 0);
    }
    QFile file(wav);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.size(), 44 + 64 * 2048);
}

TEST(Playback, UnopenableDeviceIsReportedAndTheProgramRunsWithoutALink) {
    QTemporaryDir data;
    QString shown;
    QTimer closer;
    closer.setInterval(5);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* message = qobject_cast<TF_Message*>(QApplication::activeModalWidget())) {
            shown = message->Message->text();
            message->B_OK->click();
        }
    });
    closer.start();
    FormSet forms(context("wav:" + data.filePath("no/such/folder/x.wav"), data.path()));
    EXPECT_EQ(shown, "Failed to open audio device!");
    EXPECT_FALSE(forms.session().threadsRunning());
    EXPECT_FALSE(forms.session().playbackRing().isOpen());
}

} // namespace
