#pragma once

#include "sim/BoardSettings.h"
#include "sim/ReportQueue.h"

#include <array>
#include <cstdint>
#include <vector>

namespace talix::sim {

// What the simulated board keeps for the System, Microphone and WiFi forms: every item's value,
// the selected field of each form, and the equaliser. Items that carry the settings word, the
// accessory serial number and the demodulator read and write the receiver's state. Showing a form
// reports all its items and its selection; a selection is answered, the knob changes the selected
// item, and the equaliser takes the bars' positions. Used by the board thread only.
class SettingsForms {
public:
    SettingsForms(BoardSettings& state, ReportQueue& reports);

    // Whether the form is one of these three.
    static bool owns(int form);

    void shown(int form);
    void select(int form, uint8_t item);
    // `units` knob steps on the form's selected item.
    void edit(int form, int units);
    // A set-value record: the equaliser's bars (Microphone items 10 to 15), n = 0 to 63.
    void setValue(int form, uint8_t item, uint32_t value);

    // The value words of an item: a ValueWord and its value; nothing for an item the form lacks.
    std::vector<uint32_t> encode(int form, int item) const;

private:
    uint32_t value(int form, int item) const;
    // The knob on the items without a step rule.
    void editSystem(int item, int units);
    void editMike(int item, int units);
    void report(int form, int item);
    bool selectable(int form, int item) const;

    BoardSettings& m_state;
    ReportQueue& m_reports;
    // Raw value words by item; the settings word and the serial number live in the receiver.
    std::array<uint32_t, board::kSystemItems> m_system{};
    std::array<uint32_t, board::kMikeItems> m_mike{};
    std::array<uint32_t, board::kWiFiItems> m_wifi{};
    uint8_t m_systemSelected = 0;
    uint8_t m_mikeSelected = 1;
    bool m_wifiSelected = false; // the user selected the channel in this showing
};

} // namespace talix::sim
