#pragma once

#include "base/BoardModes.h"

#include <array>
#include <cstdint>

namespace talix::controls {

// One cell of a pick-list: its text, the value it sends (its Tag) and its place in the grid.
struct PickCellRow {
    const char* text;
    int32_t tag;
    int column;
    int row; // 0 top, 1 bottom
};

// A mode's cell shows the mode's name and sends its index.
constexpr PickCellRow modeCell(uint8_t mode, int column, int row) {
    return {board::modeName(mode), mode, column, row};
}

// The demodulator list: spectrum-based modes on top, time-based below; the Tag is the mode index.
constexpr std::array<PickCellRow, 14> kDemodCells{{
    modeCell(board::kModeSync, 0, 0),
    modeCell(board::kModeDsb, 1, 0),
    modeCell(board::kModeLsb, 2, 0),
    modeCell(board::kModeUsb, 3, 0),
    modeCell(board::kModeEusb, 4, 0),
    modeCell(board::kModeSbcw, 5, 0),
    modeCell(board::kModeCw, 6, 0),
    modeCell(board::kModeAmE, 0, 1),
    modeCell(board::kModeDsbQ, 1, 1),
    modeCell(board::kModeLsbQ, 2, 1),
    modeCell(board::kModeUsbQ, 3, 1),
    modeCell(board::kModeDigi, 4, 1),
    modeCell(board::kModeFmNarrow, 5, 1),
    modeCell(board::kModeFmWide, 6, 1),
}};

// The step of 8.333 kHz channels, in 0.1 Hz.
constexpr int32_t kStep8333 = 83333;
// The digit sent with the 8.333 kHz step: the thousands digit, as with its neighbours 5 k and 9 k.
constexpr int kDigitFor8333 = 4;

// One tuning step: the text (the step in Hz), the step in 0.1 Hz, and the digit of the step readout
// the knob changes after the step is chosen.
struct TuningStep {
    const char* text;
    int32_t step;
    int digit;
};

// The tuning step grid, column by column, the top cell first.
constexpr TuningStep kTuningSteps[] = {
    {"1", 10, 0},
    {"10", 100, 1},
    {"100", 1000, 2},
    {"1 k", 10000, 3},
    {"4,5 k", 45000, 3},
    {"5 k", 50000, 4},
    {"8,333 k", kStep8333, kDigitFor8333},
    {"9 k", 90000, 4},
    {"10 k", 100000, 4},
    {"12,5 k", 125000, 3},
    {"25 k", 250000, 4},
    {"50 k", 500000, 5},
    {"100 k", 1000000, 5},
    {"500 k", 5000000, 6},
};

// The step grid's cells: the Tag is the step.
constexpr std::array<PickCellRow, std::size(kTuningSteps)> kStepCells = [] {
    std::array<PickCellRow, std::size(kTuningSteps)> cells{};
    for (size_t i = 0; i < cells.size(); ++i)
        cells[i] = {kTuningSteps[i].text, kTuningSteps[i].step, int(i / 2), int(i % 2)};
    return cells;
}();

// The bandwidth list: 8 columns of two cells; the Tags run down each column, as the step grid's
// do, so the cell at (column, row) sends its position 2 * column + row. The bottom-right cell,
// position 15, is the unit label.
constexpr int kBandwidthPositions = 15;

} // namespace talix::controls
