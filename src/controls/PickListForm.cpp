#include "controls/PickListForm.h"

#include "base/Tags.h"
#include "display/WidgetColours.h"

namespace talix::controls {

Qt::WindowFlags formFlags(const FormDesign& design) {
    Qt::WindowFlags f = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (design.stayOnTop)
        f |= Qt::WindowStaysOnTopHint;
    return f;
}

void applyFormDesign(QWidget* form, const FormDesign& design) {
    form->setObjectName(design.instance);
    form->setFixedSize(design.client);
    display::setFillColour(form, design.fill);
}

PickListForm::PickListForm(const FormDesign& design, link::CommandPort& commands, QWidget* parent)
    : QDialog(parent, formFlags(design)), m_commands(commands) {
    applyFormDesign(this, design);
}

PickCell* PickListForm::cellWithTag(int tag) const {
    for (PickCell* c : m_cells)
        if (tagOf(c) == tag)
            return c;
    return nullptr;
}

PickCell* PickListForm::addCell(QRect box, QColor outline, int tag, bool hasTag) {
    auto* cell = new PickCell(this, box, outline);
    if (!hasTag)
        return cell;
    setTag(cell, tag);
    connect(cell, &PickCell::tapped, this, [this, cell] { Rectangle1Click(cell); });
    m_cells.push_back(cell);
    return cell;
}

QLabel* PickListForm::addLabelledCell(const PickGrid& grid, const PickCellRow& row, QColor colour) {
    addCell(grid.cell(row.column, row.row), colour, row.tag);
    return cellLabel(this, row.text, grid.label(row.column, row.row), PickGrid::kFontPixels,
                     colour);
}

void PickListForm::choose(link::Command record) {
    if (m_commands.QueueCommand(std::move(record), link::LimitRule::Notify) ==
        link::QueueResult::Queued)
        accept();
}

} // namespace talix::controls
