#include "rigctl/DumpState.h"

#include "base/Bandwidths.h"
#include "base/BoardModes.h"
#include "base/TunableBands.h"
#include "rigctl/HamlibNames.h"

#include <cinttypes>
#include <cstdio>
#include <span>

namespace talix::rigctl {

namespace {

std::string hex(uint64_t v) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%" PRIx64, v);
    return text;
}

// A frequency in 0.1 Hz as Hamlib's client reads one: Hz with a fraction.
std::string hertz(int64_t tenths) {
    char text[32];
    std::snprintf(text, sizeof text, "%" PRId64 ".%" PRId64, tenths / 10, tenths % 10);
    return text;
}

uint64_t allModes() {
    uint64_t mask = 0;
    for (const board::ModeEntry& m : board::kModes)
        mask |= hamlib::modeBit(m.hamlibName);
    return mask;
}

// Hamlib's filter list: for each mode the cells of its bandwidth list, the first taken as its
// normal passband. Modes that share a list share its lines.
void addPassbands(std::vector<std::string>& lines) {
    struct Group {
        std::span<const board::Bandwidth> list;
        uint64_t modes;
    };
    std::vector<Group> groups;
    uint64_t fmWide = 0;
    for (const board::ModeEntry& m : board::kModes) {
        if (!m.hamlibSets)
            continue;
        const uint64_t bit = hamlib::modeBit(m.hamlibName);
        if (m.index == board::kModeFmWide) {
            fmWide |= bit;
            continue;
        }
        const std::span<const board::Bandwidth> list = board::bandwidthList(m.index);
        bool joined = false;
        for (Group& g : groups)
            if (g.list.data() == list.data()) {
                g.modes |= bit;
                joined = true;
            }
        if (!joined)
            groups.push_back({list, bit});
    }
    for (const Group& g : groups)
        for (const board::Bandwidth& b : g.list)
            lines.push_back(hex(g.modes) + " " + std::to_string(b.hz));
    for (const board::FmWideBandwidth& b : board::kFmWideBandwidths)
        if (!b.fullListOnly)
            lines.push_back(hex(fmWide) + " " + std::to_string(b.hz));
    lines.push_back("0 0");
}

} // namespace

std::vector<std::string> dumpStateLines() {
    constexpr int kProtocolVersion = 1;
    constexpr int kItuRegion = 0; // none claimed: the receiver does not transmit
    constexpr const char* kNoRange = "0 0 0 0 0 0 0";
    constexpr uint64_t kFirstAntenna = 1;

    const uint64_t modes = allModes();
    std::vector<std::string> lines = {std::to_string(kProtocolVersion),
                                      std::to_string(hamlib::kModelNetRigctl),
                                      std::to_string(kItuRegion)};
    // Receive ranges: start, end, modes, low and high power (none), VFOs, antennas.
    for (const board::TunableBand& b : board::kTunableBands)
        lines.push_back(hertz(b.low) + " " + hertz(b.high) + " " + hex(modes) + " -1 -1 " +
                        hex(hamlib::kVfoA) + " " + hex(kFirstAntenna));
    lines.push_back(kNoRange);
    lines.push_back(kNoRange);          // no transmit range
    lines.push_back(hex(modes) + " 1"); // tuning steps: any, in Hz
    lines.push_back("0 0");
    addPassbands(lines);
    lines.insert(lines.end(), {
                                  "0",                                            // max RIT
                                  "0",                                            // max XIT
                                  "0",                                            // max IF shift
                                  "0",                                            // announces
                                  "0",                                            // preamplifiers
                                  "0",                                            // attenuators
                                  "0x0",                                          // functions read
                                  "0x0",                                          // functions set
                                  hex(hamlib::kLevelAf | hamlib::kLevelStrength), // levels read
                                  "0x0",                                          // levels set
                                  "0x0",                                          // parameters read
                                  "0x0",                                          // parameters set
                                  "vfo_ops=0x0",
                                  "ptt_type=0x0",
                                  "targetable_vfo=0x0",
                                  "has_set_vfo=1",
                                  "has_get_vfo=1",
                                  "has_set_freq=1",
                                  "has_get_freq=1",
                                  "done",
                              });
    return lines;
}

} // namespace talix::rigctl
