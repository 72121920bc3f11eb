// A client's lines against the protocol session on the session's own receiver port, without a
// link: the reply bytes as Hamlib's clients read them, and the record each set queues for the
// board.
#include "base/BoardModes.h"
#include "link/CommandQueue.h"
#include "link/CommandRecords.h"
#include "rigctl/RigctlSession.h"
#include "session/SessionReceiverPort.h"
#include "sync/ReceiverState.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

using namespace talix;
using namespace talix::rigctl;

namespace {

struct Receiver {
    Receiver() {
        state.TunedFreq = 71'000'005; // 7 100 000.5 Hz, answered as whole hertz
        state.ModeIndex = board::kModeUsb;
        state.Bandwidth = 3000;
        state.SignalLevel = -930; // -93 dBm: 20 dB under S9
        state.SpeakerVolume = 127;
    }
    sync::ReceiverState state;
    link::CommandQueue queue;
    session::SessionReceiverPort port{state, queue};
};

struct Case {
    const char* in;
    const char* reply;
    std::optional<link::Command> record; // what reaches the queue, if anything
};

const Case kCases[] = {
    // Reads: the board's last report.
    {"f\n", "7100001\n", {}},
    {"\\get_freq\n", "7100001\n", {}},
    {"+f\n", "get_freq:\nFrequency: 7100001\nRPRT 0\n", {}},
    {"m\n", "USB\n3000\n", {}},
    {";m\n", "get_mode:;Mode: USB;Passband: 3000;RPRT 0\n", {}},
    {"|\\get_mode\n", "get_mode:|Mode: USB|Passband: 3000|RPRT 0\n", {}},
    {"v\n", "VFOA\n", {}},
    {"+v\n", "get_vfo:\nVFO: VFOA\nRPRT 0\n", {}},
    {"l STRENGTH\n", "-20\n", {}},
    {"+l STRENGTH\n", "get_level: STRENGTH\n-20\nRPRT 0\n", {}},
    {"l AF\n", "0.500000\n", {}},
    {"t\n", "0\n", {}},
    {"s\n", "0\nVFOA\n", {}},
    {"+s\n", "get_split_vfo:\nSplit: 0\nTX VFO: VFOA\nRPRT 0\n", {}},
    {"\\chk_vfo\n", "0\n", {}},
    {"\\get_powerstat\n", "0\n", {}}, // no frames have arrived
    {"\\get_lock_mode\n", "0\n", {}},
    // Sets through the port's checks.
    {"F 145000000\n", "RPRT 0\n", link::commands::tuneTo(1'450'000'000)},
    {"F 7074000.000000\n", "RPRT 0\n", link::commands::tuneTo(70'740'000)},
    {"F 100.05\n", "RPRT 0\n", link::commands::tuneTo(1'001)},
    {"+F 14000000\n", "set_freq: 14000000\nRPRT 0\n", link::commands::tuneTo(140'000'000)},
    {";\\set_freq 14000000\n", "set_freq: 14000000;RPRT 0\n", link::commands::tuneTo(140'000'000)},
    {"F 40000000\n", "RPRT -17\n", {}}, // between two bands: refused, not snapped
    {"F 99999999999999999999\n", "RPRT -17\n", {}},
    {"F abc\n", "RPRT -1\n", {}},
    {"F -5\n", "RPRT -1\n", {}},
    {"F 1e6\n", "RPRT -1\n", {}},
    {"F\n", "RPRT -1\n", {}},
    {"F 1 2\n", "RPRT -1\n", {}},
    {"M USB 0\n", "RPRT 0\n", link::commands::modeChoice(board::kModeUsb)},
    {"M PKTUSB -1\n", "RPRT 0\n", link::commands::modeChoice(board::kModeDigi)},
    {"M SAM\n", "RPRT 0\n", link::commands::modeChoice(board::kModeSync)},
    {"+M WFM 120000\n", "set_mode: WFM 120000\nRPRT 0\n",
     link::commands::modeChoice(board::kModeFmWide)},
    {"M RTTY 0\n", "RPRT -1\n", {}},
    {"M EUSB 0\n", "RPRT -1\n", {}}, // the board's name, not Hamlib's
    {"M USB wide\n", "RPRT -1\n", {}},
    {"V VFOA\n", "RPRT 0\n", {}},
    {"V currVFO\n", "RPRT 0\n", {}},
    {"V VFOB\n", "RPRT -16\n", {}},
    {"V 7\n", "RPRT -1\n", {}},
    {"S 0 VFOA\n", "RPRT 0\n", {}},
    {"S 0 VFOB\n", "RPRT 0\n", {}},
    {"S 1 VFOB\n", "RPRT -11\n", {}},
    {"S x VFOA\n", "RPRT -1\n", {}},
    {"S 0 nowhere\n", "RPRT -1\n", {}},
    // Refused: not this receiver's to do.
    {"T 1\n", "RPRT -11\n", {}},
    {"T 0\n", "RPRT -11\n", {}},
    {"+T 1\n", "set_ptt: 1\nRPRT -11\n", {}},
    {"L AF 0.5\n", "RPRT -11\n", {}},
    {"l SQL\n", "RPRT -11\n", {}},
    {"l\n", "RPRT -1\n", {}},
    {"\\set_powerstat 0\n", "RPRT -11\n", {}},
    {"ZZZ\n", "RPRT -11\n", {}},
    {"ff\n", "RPRT -11\n", {}},
    {"\\no_such_thing\n", "RPRT -11\n", {}},
    {"+ZZZ\n", "RPRT -11\n", {}},
    {"\\\n", "RPRT -11\n", {}},
    {"+\n", "RPRT -11\n", {}},
    // Line ends and blank lines.
    {"f\r\n", "7100001\n", {}},
    {"f\r", "7100001\n", {}},
    {"f\rf\n", "7100001\n7100001\n", {}},
    {"  f  \n", "7100001\n", {}},
    {"\n", "", {}},
    {" \t\r\n", "", {}},
    {"f", "", {}}, // not a line yet
    {"q\n", "RPRT 0\n", {}},
};

class RigctlLines : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(RigctlLines, AnswerAndRecord) {
    const Case& c = GetParam();
    Receiver r;
    RigctlSession session(r.port);
    EXPECT_EQ(session.receive(c.in), c.reply);
    const std::vector<link::Command> queued = r.queue.takeCommands();
    if (c.record)
        EXPECT_EQ(queued, std::vector<link::Command>{*c.record});
    else
        EXPECT_TRUE(queued.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, RigctlLines, ::testing::ValuesIn(kCases));

TEST(RigctlSession, ReadsWhatTheBoardReportsNotWhatWasAsked) {
    Receiver r;
    RigctlSession session(r.port);
    EXPECT_EQ(session.receive("F 14074000\nf\nM CW 0\nm\n"),
              "RPRT 0\n7100001\nRPRT 0\nUSB\n3000\n");
    r.state.TunedFreq = 140'740'000;
    r.state.ModeIndex = board::kModeCw;
    r.state.Bandwidth = 500; // not a cell of CW's list: the board's report is what is shown
    EXPECT_EQ(session.receive("f\nm\n"), "14074000\nCW\n500\n");
}

TEST(RigctlSession, EveryModeReadsAsItsHamlibNameAndEachNameSetsOne) {
    const struct {
        uint8_t mode;
        const char* name;
    } reads[] = {
        {board::kModeSync, "SAM"}, {board::kModeDsb, "DSB"},     {board::kModeLsb, "LSB"},
        {board::kModeUsb, "USB"},  {board::kModeEusb, "USB"},    {board::kModeSbcw, "CW"},
        {board::kModeCw, "CW"},    {board::kModeFmNarrow, "FM"}, {board::kModeFmWide, "WFM"},
        {board::kModeUsbQ, "USB"}, {board::kModeDsbQ, "DSB"},    {board::kModeAmE, "AM"},
        {board::kModeLsbQ, "LSB"}, {board::kModeDigi, "PKTUSB"},
    };
    ASSERT_EQ(std::size(reads), std::size(board::kModes));
    for (const auto& m : reads) {
        Receiver r;
        r.state.ModeIndex = m.mode;
        RigctlSession session(r.port);
        EXPECT_EQ(session.receive("m\n"), std::string(m.name) + "\n3000\n") << int(m.mode);
        // Reading it back and setting it again lands on a mode that reads the same.
        ASSERT_EQ(session.receive(std::string("M ") + m.name + " 0\n"), "RPRT 0\n");
        const std::vector<link::Command> queued = r.queue.takeCommands();
        ASSERT_EQ(queued.size(), 1u);
        EXPECT_STREQ(board::hamlibModeName(queued[0][3]), m.name) << int(m.mode);
    }
    // A report of a number that names no mode is not guessed at.
    Receiver r;
    r.state.ModeIndex = 12;
    RigctlSession session(r.port);
    EXPECT_EQ(session.receive("m\n"), "RPRT -11\n");
}

TEST(RigctlSession, PassbandFromTheBoardsBandwidth) {
    const struct {
        uint8_t mode;
        uint16_t bandwidth;
        const char* reply;
    } cases[] = {
        {board::kModeDigi, 125, "PKTUSB\n125\n"}, {board::kModeUsb, 10, "USB\n10\n"},
        {board::kModeFmWide, 0, "WFM\n38000\n"}, // FM-W codes: the list position
        {board::kModeFmWide, 4, "WFM\n120000\n"}, {board::kModeFmWide, 7, "WFM\n300000\n"},
        {board::kModeFmWide, 8, "WFM\n0\n"}, // a code no cell has
        {board::kModeFmWide, 9, "WFM\n0\n"},
    };
    for (const auto& c : cases) {
        Receiver r;
        r.state.ModeIndex = c.mode;
        r.state.Bandwidth = c.bandwidth;
        RigctlSession session(r.port);
        EXPECT_EQ(session.receive("m\n"), c.reply) << c.bandwidth;
    }
}

TEST(RigctlSession, StrengthIsDecibelsOverS9AndAfTheLoudspeakerBar) {
    const struct {
        int32_t tenthsDbm;
        const char* strength;
    } levels[] = {{-730, "0\n"},
                  {-725, "1\n"},
                  {-735, "-1\n"},
                  {-734, "0\n"},
                  {-1270, "-54\n"},
                  {-130, "60\n"},
                  {INT32_MIN, "-214748292\n"}};
    for (const auto& l : levels) {
        Receiver r;
        r.state.SignalLevel = l.tenthsDbm;
        RigctlSession session(r.port);
        EXPECT_EQ(session.receive("l STRENGTH\n"), l.strength) << l.tenthsDbm;
    }
    const struct {
        uint8_t volume;
        const char* af;
    } volumes[] = {{0, "0.000000\n"}, {254, "1.000000\n"}, {255, "1.000000\n"}, {64, "0.251969\n"}};
    for (const auto& v : volumes) {
        Receiver r;
        r.state.SpeakerVolume = v.volume;
        RigctlSession session(r.port);
        EXPECT_EQ(session.receive("l AF\n"), v.af) << int(v.volume);
    }
}
