#include "app/StartOptions.h"

#include <QCommandLineParser>

namespace talix::app {

ParsedOptions parseStartOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Talix: the operating program of the portable receiver.");
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    const QCommandLineOption board("board", "The receiver board (default 192.168.4.1:55555).",
                                   "HOST[:PORT]");
    const QCommandLineOption rotator(
        "rotator", "The rotator's initial datagram target (default 192.168.4.2:55556).",
        "HOST[:PORT]");
    const QCommandLineOption demo(
        "demo", "Run the simulated board inside the program on a free loopback port and use "
                "it as board and rotator, with simulated host services.");
    const QCommandLineOption audio("audio", "Audio device: qt (default), null or wav:PATH.",
                                   "DEVICE");
    const QCommandLineOption drive("drive", "Where drive LETTER (C, D, E, F) lives.", "LETTER=DIR");
    const QCommandLineOption host("host-services", "Host services: system (default) or simulated.",
                                  "KIND");
    const QCommandLineOption windowed("windowed",
                                      "A normal 1920 x 1200 window instead of full screen.");
    parser.addOptions({help, board, rotator, demo, audio, drive, host, windowed});

    ParsedOptions result;
    if (!parser.parse(arguments)) {
        result.text = parser.errorText() + "\n\n" + parser.helpText();
        result.exitCode = 2;
        return result;
    }
    if (parser.isSet(help)) {
        result.text = parser.helpText();
        return result;
    }
    auto fail = [&](const QString& message) {
        result.text = message + "\n";
        result.exitCode = 2;
        return result;
    };

    StartOptions o;
    if (parser.isSet(board)) {
        auto ep = parseEndpoint(parser.value(board).toStdString(), kDefaultBoardPort);
        if (!ep)
            return fail("Invalid --board: " + parser.value(board));
        o.board = *ep;
    }
    if (parser.isSet(rotator)) {
        auto ep = parseEndpoint(parser.value(rotator).toStdString(), kDefaultRotatorPort);
        if (!ep)
            return fail("Invalid --rotator: " + parser.value(rotator));
        o.rotator = *ep;
    }
    o.demo = parser.isSet(demo);
    if (parser.isSet(audio)) {
        o.audio = parser.value(audio);
        if (o.audio != "qt" && o.audio != "null" &&
            !(o.audio.startsWith("wav:") && o.audio.size() > 4))
            return fail("Invalid --audio: " + o.audio);
    }
    for (const QString& d : parser.values(drive)) {
        const int eq = d.indexOf('=');
        const QChar letter = d.isEmpty() ? QChar() : d.at(0).toUpper();
        if (eq != 1 || !QString("CDEF").contains(letter) || d.size() < 3)
            return fail("Invalid --drive: " + d);
        o.drives[letter] = d.mid(2);
    }
    o.hostServices = o.demo ? "simulated" : "system";
    if (parser.isSet(host)) {
        o.hostServices = parser.value(host);
        if (o.hostServices != "system" && o.hostServices != "simulated")
            return fail("Invalid --host-services: " + o.hostServices);
    }
    o.windowed = parser.isSet(windowed);
    result.options = o;
    return result;
}

} // namespace talix::app
