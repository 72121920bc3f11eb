// Choosing the host services, and what the simulated ones record.
#include "host/HostServices.h"
#include "host/HostServicesSimulated.h"

#include <gtest/gtest.h>

using namespace talix::host;
using Request = SimulatedHostServices::Request;

namespace {

TEST(HostServices, TestMachinesNeverGetTheSystemServices) {
    // CTest marks every run with TALIX_LOOPBACK_ONLY.
    ASSERT_NE(std::getenv("TALIX_LOOPBACK_ONLY"), nullptr);
    for (const char* kind : {"system", "simulated", "bogus"})
        EXPECT_NE(dynamic_cast<SimulatedHostServices*>(makeHostServices(kind).get()), nullptr)
            << kind;
}

TEST(SimulatedHostServices, RecordsEachRequest) {
    SimulatedHostServices host;
    host.setDisplayBrightness({kPolicyBoth, 40, 40}); // no display device yet: goes nowhere
    host.openDisplay();
    host.setDisplayBrightness({kPolicyBoth, 70, 70});
    EXPECT_TRUE(host.obtainShutdownPrivilege());
    host.grantShutdownPrivilege = false;
    EXPECT_FALSE(host.obtainShutdownPrivilege());
    host.powerOff();
    const std::vector<Request> expected = {{Request::OpenDisplay, {}},
                                           {Request::Brightness, {kPolicyBoth, 70, 70}},
                                           {Request::ShutdownPrivilege, {}},
                                           {Request::ShutdownPrivilege, {}},
                                           {Request::PowerOff, {}}};
    EXPECT_EQ(host.requests(), expected);
    EXPECT_EQ(host.count(Request::ShutdownPrivilege), 2u);
}

TEST(SimulatedHostServices, ReportsTheStatusItIsGiven) {
    SimulatedHostServices host;
    EXPECT_EQ(host.powerStatus().batteryFlag, kNoSystemBattery);
    host.status = {kBatteryCharging, 80};
    EXPECT_EQ(host.powerStatus().lifePercent, 80);
    EXPECT_TRUE(host.requests().empty());
}

} // namespace
