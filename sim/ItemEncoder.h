#pragma once

#include "sim/BoardSettings.h"
#include "sim/GpsReceiver.h"
#include "sim/RdsReception.h"
#include "sim/RotatorRelay.h"
#include "sim/SettingsForms.h"
#include "sim/SignalMeter.h"

#include <cstdint>
#include <vector>

namespace talix::sim {

// What the board reports for an item: its ValueWord and value words, for the main window's items,
// the Setup form's, the undo level and the settings forms'. Nothing for an item the board does not
// report.
class ItemEncoder {
public:
    struct Sources {
        const BoardSettings& settings;
        const SettingsForms& settingsForms;
        const SignalMeter& meter;
        const GpsReceiver& gps;
        const RdsReception& rds;
        const RotatorRelay& rotator;
    };
    explicit ItemEncoder(Sources sources) : m(sources) {}

    std::vector<uint32_t> encode(int form, int item) const;

private:
    std::vector<uint32_t> mainItem(int item) const;
    std::vector<uint32_t> setupItem(int item) const;
    std::vector<uint32_t> passband(uint32_t w) const;

    Sources m;
};

} // namespace talix::sim
