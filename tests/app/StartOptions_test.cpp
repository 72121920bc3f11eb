#include "app/CommandLineHelp.h"
#include "app/OptionTable.h"
#include "app/StartOptions.h"

#include <QRegularExpression>
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
        // One line, naming the program, as a Unix program says it.
        EXPECT_TRUE(parsed.text.startsWith("talix: ")) << parsed.text.toStdString();
        EXPECT_EQ(parsed.text.count('\n'), 1) << parsed.text.toStdString();
    }
}

// The control port listens only where the user says, and on this machine alone unless the user
// names another address.
TEST(StartOptions, RigctlListensOnLoopbackUnlessAnAddressIsNamed) {
    EXPECT_FALSE(parseStartOptions({"talix"}).options->rigctl) << "off unless asked for";
    const std::pair<const char*, const char*> good[] = {{"4532", "127.0.0.1:4532"},
                                                        {"127.0.0.5:7000", "127.0.0.5:7000"},
                                                        {"203.0.113.5:4532", "203.0.113.5:4532"},
                                                        {"127.0.0.1:0", "127.0.0.1:0"}};
    for (auto [given, listens] : good) {
        const auto parsed = parseStartOptions({"talix", "--rigctl", given});
        ASSERT_TRUE(parsed.options && parsed.options->rigctl) << given;
        EXPECT_EQ(parsed.options->rigctl->toString(), listens) << given;
    }
    for (const char* bad : {"", "x", "4532x", "99999", ":4532", "127.0.0.1"}) {
        const auto parsed = parseStartOptions({"talix", "--rigctl", bad});
        EXPECT_FALSE(parsed.options) << bad;
        EXPECT_EQ(parsed.exitCode, 2) << bad;
    }
}

TEST(StartOptions, ScaleIsAFactorInItsRange) {
    for (double good : {0.25, 0.5, 1.5, 4.0}) {
        const auto parsed = parseStartOptions({"talix", "--scale", QString::number(good)});
        ASSERT_TRUE(parsed.options) << good;
        EXPECT_EQ(parsed.options->scale, good);
    }
    EXPECT_FALSE(parseStartOptions({"talix"}).options->scale);
    for (const char* bad : {"0.2", "0", "4.5", "x", "", "-1", "1,5"})
        EXPECT_EQ(parseStartOptions({"talix", "--scale", bad}).exitCode, 2) << bad;
}

TEST(StartOptions, VersionNamesTheProgram) {
    const auto parsed = parseStartOptions({"talix", "--version"});
    EXPECT_FALSE(parsed.options);
    EXPECT_EQ(parsed.exitCode, 0);
    EXPECT_TRUE(parsed.text.startsWith("talix ")) << parsed.text.toStdString();
}

TEST(StartOptions, ArgumentsThatAreNoOptionsAreRefused) {
    EXPECT_EQ(parseStartOptions({"talix", "demo"}).exitCode, 2);
}

TEST(StartOptions, HelpListsTheOptions) {
    const auto parsed = parseStartOptions({"talix", "--help"});
    EXPECT_FALSE(parsed.options);
    EXPECT_EQ(parsed.exitCode, 0);
    for (const char* option : {"--board", "--rotator", "--demo", "--audio", "--drive",
                               "--host-services", "--windowed", "--scale", "--version"})
        EXPECT_TRUE(parsed.text.contains(option)) << option;
}

TEST(StartOptions, HelpAndManualPageDescribeEveryOptionAlike) {
    const QString help = helpText();
    const QString page = manPage();
    EXPECT_TRUE(page.startsWith(".TH TALIX 1 "));
    for (const OptionRow& row : optionTable()) {
        EXPECT_TRUE(help.contains(QString("--") + row.name)) << row.name;
        EXPECT_TRUE(page.contains(QString(".B \\-\\-") + QString(row.name).replace("-", "\\-")))
            << row.name;
        // The first words of the description, as roff escapes them.
        const QString start = QString(row.description).section(' ', 0, 2);
        EXPECT_TRUE(help.contains(start)) << row.name;
        EXPECT_TRUE(page.contains(QString(start).replace("-", "\\-"))) << row.name;
    }
    // No line of the page may start as a request by accident.
    for (const QString& line : page.split('\n')) {
        if (line.startsWith('.')) {
            EXPECT_TRUE(QRegularExpression("^\\.(TH|SH|TP|B|PP|I|BR)( |$)").match(line).hasMatch())
                << line.toStdString();
        }
    }
}
