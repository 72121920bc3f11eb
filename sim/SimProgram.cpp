// talix-sim: the simulated receiver board as a program of its own.
#include "sim/ControlServer.h"
#include "sim/SimBoard.h"
#include "sim/SimCommandLine.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

bool parseMs(const std::string& text, long& out) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos ||
        text.size() > 9)
        return false;
    out = std::strtol(text.c_str(), nullptr, 10);
    return true;
}

int fail(const std::string& message) {
    std::fprintf(stderr, "talix-sim: %s (talix-sim --help lists the options)\n", message.c_str());
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    talix::sim::SimOptions options;
    std::optional<talix::Endpoint> control;
    std::string script;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(talix::sim::usageText().c_str(), stdout);
            return 0;
        }
        if (arg == "--version") {
            std::puts("talix-sim " TALIX_VERSION);
            return 0;
        }
        if (!talix::sim::takesValue(arg))
            return fail("unknown option " + arg);
        if (i + 1 >= argc)
            return fail("missing value after " + arg);
        const std::string value = argv[++i];
        long number = 0;
        if (arg == "--listen") {
            const auto ep = talix::parseEndpoint(value, 55555, true);
            if (!ep)
                return fail("bad address " + value);
            options.listen = *ep;
        } else if (arg == "--log") {
            options.logPath = value;
        } else if (arg == "--seed") {
            if (!parseMs(value, number))
                return fail("bad seed " + value);
            options.seed = uint32_t(number);
        } else if (arg == "--faults") {
            options.faults = value;
        } else if (arg == "--rotator") {
            const auto ep = talix::parseEndpoint(value, 55556);
            if (!ep || !talix::isLoopbackHost(ep->host))
                return fail("the rotator address must be a loopback address: " + value);
            options.rotator = *ep;
        } else if (arg == "--resend-ms") {
            if (!parseMs(value, number) || number == 0)
                return fail("bad time " + value);
            options.resendAfter = std::chrono::milliseconds(number);
        } else if (arg == "--pause") {
            const auto colon = value.find(':');
            long after = 0;
            long length = 0;
            if (colon == std::string::npos || !parseMs(value.substr(0, colon), after) ||
                !parseMs(value.substr(colon + 1), length) || after == 0)
                return fail("bad pause " + value);
            options.pauseAfter = std::chrono::milliseconds(after);
            options.pauseFor = std::chrono::milliseconds(length);
        } else if (arg == "--drop") {
            if (!parseMs(value, number) || number == 0)
                return fail("bad time " + value);
            options.dropAfter = std::chrono::milliseconds(number);
        } else if (arg == "--control") {
            control = talix::parseEndpoint(value, 0);
            if (!control)
                return fail("bad address " + value);
        } else if (arg == "--script") {
            script = value;
        }
    }

    // Block the stop signals before any thread starts, then wait for one of them here.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    talix::sim::SimBoard board(options);
    if (!board.start()) {
        std::fprintf(stderr, "talix-sim: %s\n", board.error().c_str());
        return 1;
    }
    std::fprintf(stderr, "talix-sim: listening on %s:%u\n", options.listen.host.c_str(),
                 unsigned(board.port()));
    talix::sim::ControlServer controlServer(board);
    talix::sim::ScriptRunner scriptRunner(board);
    std::string error;
    if (control) {
        if (!controlServer.start(*control, error)) {
            std::fprintf(stderr, "talix-sim: %s\n", error.c_str());
            return 1;
        }
        std::fprintf(stderr, "talix-sim: control on %s:%u\n", control->host.c_str(),
                     unsigned(controlServer.port()));
    }
    if (!script.empty() && !scriptRunner.start(script, error)) {
        std::fprintf(stderr, "talix-sim: %s\n", error.c_str());
        return 1;
    }
    int signal = 0;
    sigwait(&stopSignals, &signal);
    scriptRunner.stop();
    controlServer.stop();
    board.stop();
    return 0;
}
