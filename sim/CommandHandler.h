#pragma once

#include "sim/BoardSettings.h"
#include "sim/DabEnsemble.h"
#include "sim/FormSwitcher.h"
#include "sim/KnobEditor.h"
#include "sim/MemoryKeypad.h"
#include "sim/ReportQueue.h"
#include "sim/SettingsForms.h"
#include "sim/Tuner.h"

#include <cstdint>
#include <vector>

namespace talix::sim {

// Turns the program's command records (buttons, knob steps, field selections, set values,
// settings) into changes of the board's state and the reports they need. A record of the wrong
// length or for something the board does not know changes nothing.
class CommandHandler {
public:
    struct Parts {
        BoardSettings& settings;
        ReportQueue& reports;
        Tuner& tuner;
        FormSwitcher& forms;
        MemoryKeypad& keypad;
        KnobEditor& knob;
        SettingsForms& settingsForms;
        DabEnsemble& dab;
    };
    explicit CommandHandler(Parts parts) : m(parts) {}

    // One command record (acknowledgements and greetings are the board's own business).
    void handle(const std::vector<uint8_t>& record);

private:
    void button(uint8_t code, uint8_t high);
    void mainButton(uint8_t code);
    void selectField(uint8_t item, uint8_t form);
    void setValue(uint8_t item, uint8_t form, uint32_t value);

    Parts m;
};

} // namespace talix::sim
