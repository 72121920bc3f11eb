#pragma once

#include <span>
#include <string>

namespace talix::sim {

// One option of talix-sim's command line. `--help` and the manual page talix-sim(1) are both
// made from this table, so they cannot disagree.
struct OptionRow {
    const char* name;        // without the leading "--"
    const char* valueName;   // nullptr for a switch
    const char* description; // one sentence
    const char* defaultText; // nullptr when there is nothing to say
};

std::span<const OptionRow> optionTable();

constexpr const char* kProgramSummary = "a simulated board for the receiver's operating program";

// What `talix-sim --help` prints.
std::string usageText();

// Whether `arg` names an option that takes a value.
bool takesValue(const std::string& arg);

} // namespace talix::sim
