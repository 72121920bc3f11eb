#pragma once

#include "base/Endpoint.h"

#include <QString>
#include <QStringList>
#include <map>
#include <optional>

namespace talix::app {

constexpr uint16_t kDefaultBoardPort = 55555;
constexpr uint16_t kDefaultRotatorPort = 55556;

// The program's command line.
struct StartOptions {
    Endpoint board{"192.168.4.1", kDefaultBoardPort};     // default: the real board
    Endpoint rotator{"192.168.4.2", kDefaultRotatorPort}; // default: the real rotator
    bool demo = false;
    QString audio = "qt";            // qt | null | wav:PATH
    std::map<QChar, QString> drives; // from --drive LETTER=DIR
    QString hostServices = "system"; // system | simulated
    bool windowed = false;
    std::optional<double> scale; // --scale; otherwise the layout is fitted to the screen
    // --rigctl: where the network control port listens; off unless given.
    std::optional<Endpoint> rigctl;
};

struct ParsedOptions {
    // Empty: print `text` (on stdout for exit code 0, else on stderr) and exit with `exitCode`.
    std::optional<StartOptions> options;
    QString text;
    int exitCode = 0;
};

// Needs no QCoreApplication, so that `--help` works without a display.
ParsedOptions parseStartOptions(const QStringList& arguments);

} // namespace talix::app
