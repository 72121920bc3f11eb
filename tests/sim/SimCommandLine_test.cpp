// talix-sim's option table: what --help prints and what sim/README.md documents.
#include "sim/SimCommandLine.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>

using namespace talix::sim;

TEST(SimOptionTable, HelpListsEveryOptionWithItsValueAndDefault) {
    const std::string help = usageText();
    for (const OptionRow& row : optionTable()) {
        std::string synopsis = std::string("  --") + row.name;
        if (row.valueName)
            synopsis += std::string(" ") + row.valueName;
        const auto at = help.find(synopsis);
        ASSERT_NE(at, std::string::npos) << synopsis;
        // The option's entry runs up to the next option.
        const std::string entry = help.substr(at, help.find("\n  --", at) - at);
        EXPECT_TRUE(entry[synopsis.size()] == ' ' || entry[synopsis.size()] == '\n') << entry;
        EXPECT_NE(entry.find(row.description), std::string::npos) << entry;
        if (row.defaultText)
            EXPECT_NE(entry.find(std::string("Default: ") + row.defaultText + "."),
                      std::string::npos)
                << entry;
    }
}

TEST(SimOptionTable, DescriptionsAreSentences) {
    for (const OptionRow& row : optionTable()) {
        const std::string text = row.description;
        ASSERT_FALSE(text.empty()) << row.name;
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(text.front()))) << row.name;
        EXPECT_EQ(text.back(), '.') << row.name;
    }
}

TEST(SimOptionTable, ExactlyTheOptionsWithAValueTakeOne) {
    const struct {
        const char* arg;
        bool takes;
    } cases[] = {{"--listen", true}, {"--faults", true}, {"--pause", true},
                 {"--script", true}, {"--help", false},  {"--version", false},
                 {"listen", false},  {"--board", false}, {"--listen=1", false}};
    for (const auto& c : cases)
        EXPECT_EQ(takesValue(c.arg), c.takes) << c.arg;
}

// The README's table of options is written by hand; it must name the options the program has.
TEST(SimOptionTable, TheReadmeDocumentsEveryOption) {
    const char* source = std::getenv("TALIX_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    std::ifstream readme(std::string(source) + "/sim/README.md");
    ASSERT_TRUE(readme);
    std::set<std::string> documented;
    const std::regex row(R"(^\| `--([a-z-]+)[ `])");
    std::string line;
    std::smatch match;
    while (std::getline(readme, line))
        if (std::regex_search(line, match, row))
            documented.insert(match[1]);
    std::set<std::string> table;
    for (const OptionRow& row : optionTable())
        if (row.valueName)
            table.insert(row.name);
    EXPECT_EQ(documented, table);
}
