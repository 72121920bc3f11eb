#pragma once

namespace talix::app {

// The program: parses the command line, creates the forms and runs the event loop.
int runTalix(int argc, char** argv);

} // namespace talix::app
