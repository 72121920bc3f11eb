#pragma once

namespace talix::rigctl {

// Hamlib's error numbers as "RPRT n" carries them. Only soft errors: Hamlib's clients take those
// as a refusal of the one command, not as a broken connection to reopen.
constexpr int kOk = 0;
constexpr int kInvalidArgument = -1; // RIG_EINVAL
constexpr int kRejected = -9;        // RIG_ERJCTED: the board's link is busy
constexpr int kNotAvailable = -11;   // RIG_ENAVAIL: not a function of this receiver
constexpr int kInvalidVfo = -16;     // RIG_EVFO
constexpr int kOutOfDomain = -17;    // RIG_EDOM: a frequency outside the tunable bands

} // namespace talix::rigctl
