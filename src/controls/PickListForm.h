#pragma once

#include "controls/PickCell.h"
#include "controls/PickListCells.h"
#include "link/CommandPort.h"

#include <QDialog>
#include <array>
#include <vector>

namespace talix::controls {

// What the pick-lists and the undo box look like: a fixed client area with a fill, a single
// border without border icons, centred on the main window (their parent).
struct FormDesign {
    const char* instance; // the form's name, "F_Demods"
    QSize client;
    QColor fill;
    bool stayOnTop;
};
Qt::WindowFlags formFlags(const FormDesign& design);
void applyFormDesign(QWidget* form, const FormDesign& design);

// The cell grid of a pick-list: two rows, columns columnPitch apart from x = 8, each cell's label
// inside it, in the lists' font of 48 pixels.
struct PickGrid {
    int cellWidth, cellHeight, columnPitch;
    std::array<int, 2> cellTop, labelTop; // top row, bottom row
    int labelHeight;

    static constexpr int kFontPixels = 48;

    constexpr QRect cell(int column, int row) const {
        return {left(column), cellTop[size_t(row)], cellWidth, cellHeight};
    }
    constexpr QRect label(int column, int row) const {
        return {left(column), labelTop[size_t(row)], cellWidth, labelHeight};
    }

private:
    constexpr int left(int column) const { return 8 + columnPitch * column; }
};

// A pick-list: cells whose taps send a choice to the board, queued with the notify rule.
class PickListForm : public QDialog {
    Q_OBJECT
public:
    PickListForm(const FormDesign& design, link::CommandPort& commands, QWidget* parent);

    // The cells that send a value, in the order they were laid out.
    const std::vector<PickCell*>& cells() const { return m_cells; }
    // The cell whose Tag is tag, or nullptr.
    PickCell* cellWithTag(int tag) const;

protected:
    // Lays a cell with the given Tag; its taps reach Rectangle1Click. A cell without a Tag
    // (hasTag false) takes taps but sends nothing.
    PickCell* addCell(QRect box, QColor outline, int tag, bool hasTag = true);
    // Lays a cell of the grid with its label; outline and text in `colour`.
    QLabel* addLabelledCell(const PickGrid& grid, const PickCellRow& row, QColor colour);
    // A pick-list's choice: queued with the notify rule, after which the list closes. With a full
    // queue the user sees "No WiFi Connection!" and the list stays open for another tap.
    void choose(link::Command record);
    virtual void Rectangle1Click(QObject* sender) = 0;

    link::CommandPort& m_commands;

private:
    std::vector<PickCell*> m_cells;
};

} // namespace talix::controls
