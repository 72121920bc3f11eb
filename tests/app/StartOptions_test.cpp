#include "app/StartOptions.h"

#include <gtest/gtest.h>

using namespace talix::app;

TEST(StartOptions, DefaultsNameTheRealDevice) {
    const auto parsed = parseStartOptions({"talix"});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->board.toString(), "192.168.4.1:55555");
    EXPECT_EQ(parsed.options->rotator.toString(), "192.168.4.2:55556");
    EXPECT_EQ(parsed.options->audio, "qt");
    EXPECT_EQ(parsed.options->hostServices, "system");
    EXPECT_FALSE(parsed.options->demo);
    EXPECT_FALSE(parsed.options->windowed);
}

TEST(StartOptions, ParsesEveryOption) {
    const auto parsed =
        parseStartOptions({"talix", "--board", "127.0.0.1:4000", "--rotator", "127.0.0.2",
                           "--audio", "wav:/tmp/x.wav", "--drive", "c=/tmp/c", "--drive",
                           "F=/tmp/f", "--host-services", "simulated", "--windowed"});
    ASSERT_TRUE(parsed.options) << parsed.text.toStdString();
    const StartOptions& o = *parsed.options;
    EXPECT_EQ(o.board.toString(), "127.0.0.1:4000");
    EXPECT_EQ(o.rotator.toString(), "127.0.0.2:55556");
    EXPECT_EQ(o.audio, "wav:/tmp/x.wav");
    EXPECT_EQ(o.drives.at('C'), "/tmp/c");
    EXPECT_EQ(o.drives.at('F'), "/tmp/f");
    EXPECT_EQ(o.hostServices, "simulated");
    EXPECT_TRUE(o.windowed);
}

TEST(StartOptions, DemoUsesSimulatedHostServices) {
    const auto parsed = parseStartOptions({"talix", "--demo"});
    ASSERT_TRUE(parsed.options);
    EXPECT_TRUE(parsed.options->demo);
    EXPECT_EQ(parsed.options->hostServices, "simulated");
}

TEST(StartOptions, RejectsBadValues) {
    for (const QStringList& args :
         {QStringList{"talix", "--board", "127.0.0.1:0"}, QStringList{"talix", "--board", ":55"},
          QStringList{"talix", "--board", "127.0.0.1:99999"},
          QStringList{"talix", "--audio", "alsa"}, QStringList{"talix", "--audio", "wav:"},
          QStringList{"talix", "--drive", "Z=/tmp"}, QStringList{"talix", "--drive", "C"},
          QStringList{"talix", "--host-services", "x"}, QStringList{"talix", "--frobnicate"}}) {
        const auto parsed = parseStartOptions(args);
        EXPECT_FALSE(parsed.options) << args.join(' ').toStdString();
        EXPECT_EQ(parsed.exitCode, 2);
        EXPECT_FALSE(parsed.text.isEmpty());
    }
}

TEST(StartOptions, HelpListsTheOptions) {
    const auto parsed = parseStartOptions({"talix", "--help"});
    EXPECT_FALSE(parsed.options);
    EXPECT_EQ(parsed.exitCode, 0);
    for (const char* option :
         {"--board", "--rotator", "--demo", "--audio", "--drive", "--host-services", "--windowed"})
        EXPECT_TRUE(parsed.text.contains(option)) << option;
}
