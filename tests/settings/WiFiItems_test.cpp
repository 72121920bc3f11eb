// The WiFi items' texts: channel, network name and key number.
#include "settings/WiFiItems.h"

#include <gtest/gtest.h>
#include <optional>

using namespace talix::settings;

namespace {

struct TextCase {
    const char* name;
    int item;
    uint32_t v;
    std::optional<QString> text;
};

const TextCase kTextCases[] = {
    {"Channel", 1, 11, "11"},
    {"Ssid0", 2, 0, "Nimbrel000"},
    {"Ssid7", 2, 7, "Nimbrel007"},
    {"Ssid9", 2, 9, "Nimbrel009"},
    {"Ssid10", 2, 10, "Nimbrel010"},
    {"Ssid42", 2, 42, "Nimbrel042"},
    {"Ssid99", 2, 99, "Nimbrel099"},
    {"Ssid123", 2, 123, "Nimbrel123"},
    {"Ssid1000", 2, 1000, "Nimbrel1000"},
    {"SsidLargest", 2, 0xFFFF'FFFF, "Nimbrel4294967295"},
    {"Passkey", 3, 12345678, "12345678"},
    {"Item0", 0, 5, std::nullopt},
    {"Item4", 4, 5, std::nullopt},
};

class WiFiItemText : public ::testing::TestWithParam<TextCase> {};

TEST_P(WiFiItemText, ShowsTheBoardsValue) {
    const TextCase& c = GetParam();
    EXPECT_EQ(applyWiFiItem(c.item, c.v).editText, c.text);
}

INSTANTIATE_TEST_SUITE_P(Table, WiFiItemText, ::testing::ValuesIn(kTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
