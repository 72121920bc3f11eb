#include "controls/PickChoices.h"

#include "base/BoardWords.h"
#include "link/CommandRecords.h"

namespace talix::controls {

namespace cmd = link::commands;
using board::Form;
using board::MainItem;
using board::number;

namespace {
struct StepDigit {
    int32_t step;
    int digit;
};
constexpr StepDigit kStepDigits[] = {
    {10, 0},      {100, 1},
    {1000, 2},    {10000, 3},
    {45000, 3},   {125000, 3},
    {50000, 4},   {90000, 4},
    {100000, 4},  {250000, 4},
    {500000, 5},  {1000000, 5},
    {5000000, 6}, {kStep8333, kDigitFor8333},
};
} // namespace

int stepDigit(int32_t step) {
    for (const auto& row : kStepDigits)
        if (row.step == step)
            return row.digit;
    return 0;
}

link::Command demodChoice(int modeIndex) {
    return cmd::modeChoice(modeIndex);
}

link::Command bandwidthChoice(int position) {
    return cmd::setValue(number(MainItem::Bandwidth), number(Form::Main), uint32_t(position));
}

link::Command stepChoice(int32_t step) {
    return cmd::concat(
        cmd::setValue(number(MainItem::TuneStep), number(Form::Main), uint32_t(step)),
        cmd::setValue(number(MainItem::TuneDigit), number(Form::Main), uint32_t(stepDigit(step))));
}

} // namespace talix::controls
