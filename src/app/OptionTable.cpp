#include "app/OptionTable.h"

#include "app/StartOptions.h"

namespace talix::app {

namespace {
// The defaults are the program's own, so the texts cannot name others.
const StartOptions kDefaults;
const OptionRow kOptions[] = {
    {"board", "HOST[:PORT]", "The receiver board.", kDefaults.board.toString()},
    {"rotator", "HOST[:PORT]", "The rotator's first datagram target.",
     kDefaults.rotator.toString()},
    {"demo",
     nullptr,
     "Run the simulated board inside the program on a free loopback port, use it as board and "
     "rotator, and use simulated host services.",
     {}},
    {"audio", "qt|null|wav:PATH",
     "The audio device: the desktop's mixer, a silent device paced like a sound card, or one "
     "that writes what it plays to a WAV file.",
     "qt"},
    {"drive",
     "LETTER=DIR",
     "Where drive C, D, E or F lives; may be given once per drive. C holds the recordings and "
     "the program's own files, D and E are the update sticks, F the export stick.",
     {}},
    {"host-services", "system|simulated",
     "Brightness, battery and power-off on this machine, or simulated ones that only print what "
     "they would do.",
     "system, simulated with --demo"},
    {"windowed",
     nullptr,
     "A window on the desktop instead of full screen; the 1920 x 1200 layout is scaled as a whole "
     "to fit the desktop.",
     {}},
    {"scale",
     "FACTOR",
     "Scale the 1920 x 1200 layout by FACTOR (0.25 to 4) instead of fitting it to the screen.",
     {}},
    {"rigctl",
     "[HOST:]PORT",
     "Listen for other radio programs on PORT with the rigctld protocol (Hamlib's NET rigctl, "
     "as in: rigctl -m 2 -r 127.0.0.1:4532 f). A port alone listens on 127.0.0.1; name another "
     "address to be reached from other machines. 4532 is the usual port.",
     "off"},
    {"version", nullptr, "Print the program's version and exit.", {}},
    {"help", nullptr, "Print the options and exit.", {}},
};
} // namespace

std::span<const OptionRow> optionTable() {
    return kOptions;
}

const char* usageLine() {
    return "talix [OPTION]...";
}

} // namespace talix::app
