#include "controls/PickChoices.h"

#include "base/BoardWords.h"
#include "controls/PickListCells.h"
#include "link/CommandRecords.h"

namespace talix::controls {

namespace cmd = link::commands;
using board::Form;
using board::MainItem;
using board::number;

int stepDigit(int32_t step) {
    for (const TuningStep& row : kTuningSteps)
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
