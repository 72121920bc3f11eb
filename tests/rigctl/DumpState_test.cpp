// The capabilities as Hamlib's NET rigctl client reads them on opening: it reads them line by line
// into buffers of 96 bytes, expects seven numbers on each range line and a key=value list ended by
// "done", and asks only for the levels listed.
#include "rigctl/DumpState.h"

#include <cstdio>
#include <gtest/gtest.h>

using namespace talix::rigctl;

TEST(DumpState, ReadsAsHamlibsClientReadsIt) {
    const std::vector<std::string> lines = dumpStateLines();
    ASSERT_GT(lines.size(), 12u);
    for (const std::string& l : lines)
        EXPECT_LT(l.size() + 1, 96u) << l;
    EXPECT_EQ(lines[0], "1"); // protocol version: the key list follows
    EXPECT_EQ(lines[1], "2");
    size_t at = 3;
    // Receive ranges, the tunable bands in Hz, then their end.
    const char* bands[][2] = {{"0.0", "30000000.0"},
                              {"50000000.0", "71000000.0"},
                              {"87000000.0", "110000000.0"},
                              {"130000000.0", "156000000.0"}};
    for (const auto& b : bands) {
        double start, end;
        unsigned long long modes;
        int low, high;
        unsigned vfo, ant;
        ASSERT_EQ(std::sscanf(lines[at].c_str(), "%lf%lf%llx%d%d%x%x", &start, &end, &modes, &low,
                              &high, &vfo, &ant),
                  7)
            << lines[at];
        EXPECT_EQ(lines[at].substr(0, lines[at].find(' ')), b[0]);
        EXPECT_NE(lines[at].find(std::string(" ") + b[1] + " "), std::string::npos) << lines[at];
        EXPECT_EQ(modes, 0x9086Fu); // AM CW USB LSB FM WFM PKTUSB SAM DSB
        ++at;
    }
    EXPECT_EQ(lines[at++], "0 0 0 0 0 0 0");
    EXPECT_EQ(lines[at++], "0 0 0 0 0 0 0"); // no transmit range
    EXPECT_EQ(lines[at++], "0x9086f 1");
    EXPECT_EQ(lines[at++], "0 0");
    EXPECT_EQ(lines[at], "0x9002f 3000"); // the wide list's modes, its first cell their normal
    while (at < lines.size() && lines[at] != "0 0")
        ++at;
    ASSERT_LT(at + 13, lines.size());
    EXPECT_EQ(lines[at + 9], "0x40000008"); // levels read: AF and STRENGTH
    EXPECT_EQ(lines[at + 10], "0x0");       // none set
    EXPECT_EQ(lines.back(), "done");
    for (size_t i = at + 13; i + 1 < lines.size(); ++i)
        EXPECT_NE(lines[i].find('='), std::string::npos) << lines[i];
}
