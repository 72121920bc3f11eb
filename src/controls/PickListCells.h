#pragma once

#include <array>
#include <cstdint>

namespace talix::controls {

// One cell of a pick-list: its text, the value it sends (its Tag) and its place in the grid.
struct PickCellSpec {
    const char* text;
    int32_t tag;
    int column;
    int row; // 0 top, 1 bottom
};

// The demodulator list: spectrum-based modes on top, time-based below; the Tag is the mode index.
constexpr std::array<PickCellSpec, 14> kDemodCells{{
    {"SYNC", 0, 0, 0},
    {"DSB", 1, 1, 0},
    {"LSB", 2, 2, 0},
    {"USB", 3, 3, 0},
    {"EUSB", 4, 4, 0},
    {"SBCW", 5, 5, 0},
    {"CW", 6, 6, 0},
    {"AM-E", 11, 0, 1},
    {"DSBQ", 10, 1, 1},
    {"LSBQ", 25, 2, 1},
    {"USBQ", 9, 3, 1},
    {"DIGI", 41, 4, 1},
    {"FM-N", 7, 5, 1},
    {"FM-W", 8, 6, 1},
}};

// The tuning step grid: the Tag is the step in 0.1 Hz, the text the step in Hz.
constexpr std::array<PickCellSpec, 14> kStepCells{{
    {"1", 10, 0, 0},
    {"10", 100, 0, 1},
    {"100", 1000, 1, 0},
    {"1 k", 10000, 1, 1},
    {"4,5 k", 45000, 2, 0},
    {"5 k", 50000, 2, 1},
    {"8,333 k", 83333, 3, 0},
    {"9 k", 90000, 3, 1},
    {"10 k", 100000, 4, 0},
    {"12,5 k", 125000, 4, 1},
    {"25 k", 250000, 5, 0},
    {"50 k", 500000, 5, 1},
    {"100 k", 1000000, 6, 0},
    {"500 k", 5000000, 6, 1},
}};

// The bandwidth list: 8 columns of two cells; the Tags run down each column, so the cell at
// (column, row) sends its position 2 * column + row. The bottom-right cell is the unit label.
constexpr int kBandwidthColumns = 8;
constexpr int kBandwidthPositions = 15;
constexpr int bandwidthPosition(int column, int row) {
    return 2 * column + row;
}

} // namespace talix::controls
