#include "controls/StepList.h"

#include "base/Palette.h"
#include "base/Tags.h"
#include "controls/PickChoices.h"
#include "controls/PickListCells.h"

namespace talix::controls {

namespace {
constexpr QSize kClient{1298, 249};
constexpr PickGrid kGrid{177, 113, 184, {8, 128}, {38, 158}, 49};
} // namespace

TF_Steps::TF_Steps(link::CommandPort& commands, QWidget* parent)
    : PickListForm({"F_Steps", kClient, QColor::fromRgba(kPaleGreen), false}, commands, parent) {
    setWindowTitle("Frequency Step Grid / Hz");
    const QColor text = palette().color(QPalette::WindowText);
    for (const auto& c : kStepCells)
        addLabelledCell(kGrid, c, text);
}

void TF_Steps::Rectangle1Click(QObject* sender) {
    choose(stepChoice(tagOf(sender)));
}

} // namespace talix::controls
