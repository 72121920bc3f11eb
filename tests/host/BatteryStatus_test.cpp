// The battery display from power-supply trees, read as the system host services read the host's.
#include "host/BatteryDisplay.h"
#include "host/BatteryStatus.h"
#include "host/HostServicesSystem.h"
#include "host/support/SysfsTree.h"

#include <gtest/gtest.h>
#include <vector>

using namespace talix::host;
using talix::testing::SysfsTree;

namespace {

struct Supply {
    QString name;
    SysfsTree::Attributes attributes;
};

struct TreeCase {
    const char* name;
    std::vector<Supply> supplies;
    uint8_t flag;
    uint8_t percent;
    QString text;
    uint32_t colour;
    std::optional<int> bar;
};

const SysfsTree::Attributes kMains = {{"type", "Mains"}, {"online", "1"}};

void PrintTo(const TreeCase& c, std::ostream* os) {
    *os << c.name;
}

class BatteryTree : public ::testing::TestWithParam<TreeCase> {};

TEST_P(BatteryTree, GivesTheStatusAndItsDisplay) {
    const TreeCase& c = GetParam();
    SysfsTree tree;
    tree.add("power_supply", "AC", kMains);
    for (const Supply& s : c.supplies)
        tree.add("power_supply", s.name, s.attributes);

    const PowerStatus status = SystemHostServices(tree.root()).powerStatus();
    EXPECT_EQ(status.batteryFlag, c.flag);
    EXPECT_EQ(status.lifePercent, c.percent);

    const BatteryDisplay shown = batteryDisplay(status);
    EXPECT_EQ(shown.text, c.text);
    EXPECT_EQ(shown.colour, c.colour);
    EXPECT_EQ(shown.barValue, c.bar);
}

INSTANTIATE_TEST_SUITE_P(
    Trees, BatteryTree,
    ::testing::Values(
        TreeCase{"NoBattery", {}, 128, 255, "n/a", 0xFF00FFFF, std::nullopt},
        TreeCase{
            "ChargingAt80",
            {{"BAT0",
              {{"type", "Battery"}, {"present", "1"}, {"status", "Charging"}, {"capacity", "80"}}}},
            8,
            80,
            "80%",
            0xFF00FF00,
            80},
        TreeCase{"Discharging",
                 {{"BAT0",
                   {{"type", "Battery"},
                    {"present", "1"},
                    {"status", "Discharging"},
                    {"capacity", "43"}}}},
                 0,
                 43,
                 "43%",
                 0xFFFF0000,
                 43},
        TreeCase{"FullOnMainsIsNotCharging",
                 {{"BAT0", {{"type", "Battery"}, {"status", "Full"}, {"capacity", "100"}}}},
                 0,
                 100,
                 "100%",
                 0xFFFF0000,
                 100},
        TreeCase{"UnknownCharge",
                 {{"BAT0", {{"type", "Battery"}, {"present", "1"}, {"status", "Unknown"}}}},
                 0,
                 255,
                 "255%",
                 0xFFFF0000,
                 100},
        TreeCase{"ChargeFromEnergyCounters",
                 {{"BAT0",
                   {{"type", "Battery"},
                    {"status", "Discharging"},
                    {"energy_now", "30000000"},
                    {"energy_full", "40000000"}}}},
                 0,
                 75,
                 "75%",
                 0xFFFF0000,
                 75},
        TreeCase{"RemovedBatteryIsNone",
                 {{"BAT0", {{"type", "Battery"}, {"present", "0"}, {"capacity", "0"}}}},
                 128,
                 255,
                 "n/a",
                 0xFF00FFFF,
                 std::nullopt},
        TreeCase{"AMouseBatteryIsNotTheHosts",
                 {{"hidpp_battery_0",
                   {{"type", "Battery"},
                    {"scope", "Device"},
                    {"status", "Discharging"},
                    {"capacity", "20"}}}},
                 128,
                 255,
                 "n/a",
                 0xFF00FFFF,
                 std::nullopt},
        TreeCase{"TwoBatteriesGiveTheirMean",
                 {{"BAT0", {{"type", "Battery"}, {"status", "Discharging"}, {"capacity", "90"}}},
                  {"BAT1", {{"type", "Battery"}, {"status", "Charging"}, {"capacity", "51"}}}},
                 8,
                 71,
                 "71%",
                 0xFF00FF00,
                 71},
        TreeCase{"GarbledCapacityIsUnknown",
                 {{"BAT0", {{"type", "Battery"}, {"status", "Charging"}, {"capacity", "lots"}}}},
                 8,
                 255,
                 "255%",
                 0xFF00FF00,
                 100}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BatteryTree, AMissingFolderMeansNoBattery) {
    const PowerStatus status = readPowerSupplies("/nonexistent/power_supply");
    EXPECT_EQ(status.batteryFlag, kNoSystemBattery);
    EXPECT_EQ(batteryDisplay(status).text, "n/a");
}

TEST(BatteryDisplay, FollowsTheHostsFlags) {
    struct Case {
        PowerStatus status;
        const char* text;
        uint32_t colour;
    };
    // The host's "unknown" battery flag (255) includes the charging bit.
    for (const Case& c : {Case{{128, 80}, "n/a", 0xFF00FFFF}, Case{{8 | 1, 99}, "99%", 0xFF00FF00},
                          Case{{2, 12}, "12%", 0xFFFF0000}, Case{{255, 255}, "255%", 0xFF00FF00},
                          Case{{0, 0}, "0%", 0xFFFF0000}}) {
        const BatteryDisplay shown = batteryDisplay(c.status);
        EXPECT_EQ(shown.text, c.text);
        EXPECT_EQ(shown.colour, c.colour);
    }
}

} // namespace
