#pragma once

#include "sim/BoardSettings.h"
#include "sim/ItemSource.h"
#include "sim/SettingsForms.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace talix::sim {

// What the board reports for an item: its ValueWord and value words, for the main window's items,
// the Setup form's, the undo level and the settings forms'. Nothing for an item the board does not
// report.
class ItemEncoder {
public:
    // Items the settings do not hold come from the sources.
    ItemEncoder(const BoardSettings& settings, const SettingsForms& settingsForms,
                std::vector<const ItemSource*> sources)
        : m_settings(settings), m_settingsForms(settingsForms), m_sources(std::move(sources)) {}

    std::vector<uint32_t> encode(int form, int item) const;

private:
    std::vector<uint32_t> mainItem(int item) const;
    std::vector<uint32_t> setupItem(int item) const;
    std::vector<uint32_t> passband(uint32_t w) const;

    const BoardSettings& m_settings;
    const SettingsForms& m_settingsForms;
    std::vector<const ItemSource*> m_sources;
};

} // namespace talix::sim
