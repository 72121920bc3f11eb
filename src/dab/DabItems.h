#pragma once

#include "dab/DabListState.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>

namespace talix::dab {

// What one of the board's DAB items changes on the form; the list state is already updated.
struct DabUpdate {
    std::optional<QString> status;                      // Edit0
    std::optional<QString> sampleRate;                  // Edit1
    std::optional<QString> bitRate;                     // Edit2
    std::optional<QString> mot1, mot2;                  // Edit3, Edit4
    std::optional<int> signal;                          // PBRSSI, 0..100
    std::optional<QString> dynamicLabel;                // LText
    std::optional<std::pair<int, QString>> serviceName; // list index, text
    bool listMoved = false; // scroll the list to the top index and place the selection frame
    bool failed = false;    // a "P" status without a programme number: the walk fails
};

// The name of a data service (MOT) code.
QString dataServiceName(uint8_t code);

// Decodes item `item` of the DAB list; `words` is the count word N and its N data words. Items 8
// and above, and items that need a data word without one, change nothing.
DabUpdate applyDabItem(DabListState& list, int item, std::span<const uint32_t> words);

} // namespace talix::dab
