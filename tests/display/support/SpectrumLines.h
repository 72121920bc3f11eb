#pragma once

#include "display/spectrum/SpectrumLine.h"

#include <array>
#include <cstdint>
#include <vector>

namespace talix::display::testing {

using LineBytes = std::array<uint8_t, kSpectrumLineBytes>;

// Packs bin values the way the board does: bit k of the stream is bit (k mod 32) of the
// little-endian 32-bit word k div 32. Written bit by bit, independently of the decoder.
LineBytes packLine(const SpectrumBins& bins);

// A line with every bin at `value`.
SpectrumBins flatBins(uint16_t value);

} // namespace talix::display::testing
