// Finding the display's backlight in a class tree and scaling levels to it. Nothing here writes to
// a backlight: only fixture trees are read.
#include "host/Backlight.h"
#include "host/HostServicesSystem.h"
#include "host/support/SysfsTree.h"

#include <gtest/gtest.h>

using namespace talix::host;
using talix::testing::SysfsTree;

namespace {

TEST(Backlight, FirmwareBeforePlatformBeforeRaw) {
    SysfsTree tree;
    tree.add("backlight", "a_raw",
             {{"type", "raw"}, {"max_brightness", "255"}, {"brightness", "9"}});
    tree.add("backlight", "b_platform",
             {{"type", "platform"}, {"max_brightness", "15"}, {"brightness", "3"}});
    tree.add("backlight", "intel_backlight",
             {{"type", "firmware"}, {"max_brightness", "96000"}, {"brightness", "500"}});
    tree.add("backlight", "z_firmware",
             {{"type", "firmware"}, {"max_brightness", "100"}, {"brightness", "5"}});

    const auto found = findBacklight(tree.folder("backlight"));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->name, "intel_backlight");
    EXPECT_EQ(found->maximum, 96000);
}

TEST(Backlight, DevicesThatCannotBeDrivenAreSkipped) {
    SysfsTree tree;
    tree.add("backlight", "broken",
             {{"type", "firmware"}, {"max_brightness", "0"}, {"brightness", "0"}});
    tree.add("backlight", "nobrightness", {{"type", "firmware"}, {"max_brightness", "100"}});
    tree.add("backlight", "garbled",
             {{"type", "firmware"}, {"max_brightness", "x"}, {"brightness", "1"}});
    EXPECT_FALSE(findBacklight(tree.folder("backlight")));
    tree.add("backlight", "panel", {{"type", "raw"}, {"max_brightness", "7"}, {"brightness", "1"}});
    ASSERT_TRUE(findBacklight(tree.folder("backlight")));
    EXPECT_EQ(findBacklight(tree.folder("backlight"))->name, "panel");
}

TEST(Backlight, NoBacklightFolderNoDisplay) {
    SysfsTree tree;
    SystemHostServices host(tree.root());
    host.openDisplay();
    EXPECT_FALSE(host.display());
}

TEST(Backlight, OpeningTheDisplayFindsTheBacklight) {
    SysfsTree tree;
    tree.add("backlight", "acpi_video0",
             {{"type", "firmware"}, {"max_brightness", "15"}, {"brightness", "3"}});
    SystemHostServices host(tree.root());
    EXPECT_FALSE(host.display());
    host.openDisplay();
    ASSERT_TRUE(host.display());
    EXPECT_EQ(host.display()->name, "acpi_video0");
    EXPECT_EQ(host.display()->folder, tree.folder("backlight") + "/acpi_video0");
}

TEST(Backlight, LevelsScaleToTheDeviceAndNeverSwitchItOff) {
    struct Case {
        uint8_t percent;
        long long maximum;
        long long value;
    };
    for (const Case& c : {Case{100, 255, 255}, Case{50, 255, 128}, Case{40, 96000, 38400},
                          Case{0, 255, 1}, Case{1, 15, 1}, Case{7, 15, 1}, Case{10, 15, 2},
                          Case{200, 255, 255}, Case{255, 7, 7}, Case{50, 1, 1}, Case{50, 0, 0}})
        EXPECT_EQ(backlightValue(c.percent, c.maximum), c.value)
            << int(c.percent) << "% of " << c.maximum;
}

} // namespace
