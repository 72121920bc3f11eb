#pragma once

#include <optional>

namespace talix::dab {

// The service list's rows: 256 services, nine rows on screen, each 76 high.
constexpr int kServices = 256;
constexpr int kVisibleRows = 9;
constexpr int kLargestTopIndex = kServices - kVisibleRows; // 247
constexpr int kRowHeight = 76;
// RCells' top edge; the selection frame stands 2 above a row's top.
constexpr int kCellsTop = 10;

// Which part of the service list is on screen and which service is selected. Only the board moves
// either: its scroll and status items, and a service the user tapped once it was sent.
class DabListState {
public:
    int topIndex() const { return m_top; }
    int selectedIndex() const { return m_selected; }

    // The form is shown: the list starts at its first row with the first service selected.
    void reset();
    // One row down (true) or up; the top index stays within 0..247.
    void scrollRow(bool down);
    // The board's status named programme n (1-based): it becomes the selection and the top index
    // follows it onto the screen. A number outside the list selects nothing.
    void selectProgramme(int n);
    // The user tapped a service (0-based), which the board was told of.
    void select(int index);
    // Where RSelect stands: y on the form, or nothing when the selection is off screen.
    std::optional<int> frameY() const;

private:
    int m_top = 0;
    int m_selected = 0;
};

} // namespace talix::dab
