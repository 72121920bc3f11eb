#pragma once

#include <cstdint>
#include <vector>

namespace talix::sim {

// A DAB slide-show picture: a 320 x 240 PNG file drawn from the service and the slide number, so
// that every slide of every service looks different.
std::vector<uint8_t> slidePicture(int service, int slide);

} // namespace talix::sim
