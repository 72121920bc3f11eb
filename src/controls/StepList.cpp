#include "controls/StepList.h"

#include "base/Tags.h"
#include "controls/PickChoices.h"
#include "controls/PickListCells.h"

namespace talix::controls {

namespace {
constexpr QSize kClient{1298, 249};
constexpr int kCellWidth = 177, kCellHeight = 113, kColumnPitch = 184;
constexpr int kCellTop[] = {8, 128};
constexpr int kLabelTop[] = {38, 158};
constexpr int kLabelHeight = 49;
constexpr int kFontPixels = 48;
} // namespace

TF_Steps::TF_Steps(link::CommandPort& commands, QWidget* parent)
    : PickListForm({"F_Steps", kClient, QColor(0x98, 0xFB, 0x98), false}, commands, parent) {
    setWindowTitle("Frequency Step Grid / Hz");
    const QColor text = palette().color(QPalette::WindowText);
    for (const auto& c : kStepCells) {
        const int x = 8 + kColumnPitch * c.column;
        addCell({x, kCellTop[c.row], kCellWidth, kCellHeight}, text, c.tag);
        cellLabel(this, c.text, {x, kLabelTop[c.row], kCellWidth, kLabelHeight}, kFontPixels, text);
    }
}

void TF_Steps::Rectangle1Click(QObject* sender) {
    choose(stepChoice(tagOf(sender)));
}

} // namespace talix::controls
