#include "sim/SimCommandLine.h"

namespace talix::sim {

namespace {

const OptionRow kOptions[] = {
    {"listen", "HOST:PORT",
     "The address to accept the program on, a numeric IPv4 address or localhost.",
     "127.0.0.1:55555"},
    {"log", "FILE", "Write every received command record to FILE as a line of hex bytes.", nullptr},
    {"seed", "N", "The seed of the band plan and of every random choice (noise, faults).", "1"},
    {"faults", "LIST",
     "Inject faults, a comma-separated list of pause=R[:MS], drop=R, garbage=F[:N], "
     "split=F[:any], badblock=F, blocksplit=F, update=silent|refuse and mix (rates R per minute, "
     "fractions F of frames).",
     nullptr},
    {"rotator", "HOST:PORT",
     "The rotator address the board reports and plays over UDP; loopback addresses only.",
     "127.0.0.1:55556"},
    {"resend-ms", "N", "Send an unacknowledged parameter block again after N ms.", "400"},
    {"pause", "AFTER_MS:FOR_MS",
     "On every connection, stop streaming for FOR_MS once AFTER_MS have passed since its "
     "greeting.",
     nullptr},
    {"drop", "AFTER_MS", "Close every connection AFTER_MS after its greeting.", nullptr},
    {"control", "HOST:PORT", "Accept line commands for tests there; loopback addresses only.",
     nullptr},
    {"script", "FILE", "Run the line commands of FILE once the program has greeted.", nullptr},
    {"version", nullptr, "Print the version and exit.", nullptr},
    {"help", nullptr, "Print the options and exit.", nullptr},
};

constexpr std::size_t kHelpColumn = 26;

} // namespace

std::span<const OptionRow> optionTable() {
    return kOptions;
}

std::string usageText() {
    std::string text = std::string("Usage: talix-sim [OPTION]...\ntalix-sim, ") + kProgramSummary +
                       ".\n\nOptions:\n";
    for (const OptionRow& row : optionTable()) {
        std::string line = std::string("  --") + row.name;
        if (row.valueName)
            line += std::string(" ") + row.valueName;
        line += line.size() + 2 > kHelpColumn ? "\n" + std::string(kHelpColumn, ' ')
                                              : std::string(kHelpColumn - line.size(), ' ');
        text += line + row.description;
        if (row.defaultText)
            text += std::string(" Default: ") + row.defaultText + ".";
        text += "\n";
    }
    return text;
}

bool takesValue(const std::string& arg) {
    for (const OptionRow& row : optionTable())
        if (row.valueName && arg == std::string("--") + row.name)
            return true;
    return false;
}

} // namespace talix::sim
