#pragma once

#include <span>
#include <string>

namespace talix::app {

// One option of the program's command line. The parser, `--help` and the manual page are all
// made from this table, so they cannot disagree.
struct OptionRow {
    const char* name;        // without the leading "--"
    const char* valueName;   // nullptr for a switch
    const char* description; // one sentence
    std::string defaultText; // empty when there is nothing to say
};

std::span<const OptionRow> optionTable();

constexpr const char* kProgramSummary = "the operating program of the portable receiver";

// The synopsis: the program's name and what follows it.
const char* usageLine();

} // namespace talix::app
