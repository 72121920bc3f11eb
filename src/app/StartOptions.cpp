#include "app/StartOptions.h"

#include "app/CommandLineHelp.h"
#include "app/OptionTable.h"
#include "app/ScreenFit.h"

#include <QCommandLineParser>

namespace talix::app {

ParsedOptions parseStartOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    for (const OptionRow& row : optionTable()) {
        QStringList names{row.name};
        if (QLatin1String(row.name) == QLatin1String("help"))
            names.prepend("h");
        parser.addOption(row.valueName ? QCommandLineOption(names, row.description, row.valueName)
                                       : QCommandLineOption(names, row.description));
    }

    ParsedOptions result;
    auto fail = [&](const QString& message) {
        result.text = "talix: " + message + " (talix --help lists the options)\n";
        result.exitCode = 2;
        return result;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail("Unexpected argument '" + parser.positionalArguments().first() + "'.");
    if (parser.isSet("help")) {
        result.text = helpText();
        return result;
    }
    if (parser.isSet("version")) {
        result.text = versionText();
        return result;
    }

    StartOptions o;
    if (parser.isSet("board")) {
        auto ep = parseEndpoint(parser.value("board").toStdString(), kDefaultBoardPort);
        if (!ep)
            return fail("Invalid --board: " + parser.value("board"));
        o.board = *ep;
    }
    if (parser.isSet("rotator")) {
        auto ep = parseEndpoint(parser.value("rotator").toStdString(), kDefaultRotatorPort);
        if (!ep)
            return fail("Invalid --rotator: " + parser.value("rotator"));
        o.rotator = *ep;
    }
    o.demo = parser.isSet("demo");
    if (parser.isSet("audio")) {
        o.audio = parser.value("audio");
        if (o.audio != "qt" && o.audio != "null" &&
            !(o.audio.startsWith("wav:") && o.audio.size() > 4))
            return fail("Invalid --audio: " + o.audio);
    }
    for (const QString& d : parser.values("drive")) {
        const int eq = d.indexOf('=');
        const QChar letter = d.isEmpty() ? QChar() : d.at(0).toUpper();
        if (eq != 1 || !QString("CDEF").contains(letter) || d.size() < 3)
            return fail("Invalid --drive: " + d);
        o.drives[letter] = d.mid(2);
    }
    o.hostServices = o.demo ? "simulated" : "system";
    if (parser.isSet("host-services")) {
        o.hostServices = parser.value("host-services");
        if (o.hostServices != "system" && o.hostServices != "simulated")
            return fail("Invalid --host-services: " + o.hostServices);
    }
    o.windowed = parser.isSet("windowed");
    if (parser.isSet("scale")) {
        bool ok = false;
        const double scale = parser.value("scale").toDouble(&ok);
        if (!ok || scale < kSmallestUsableScale || scale > kLargestUsableScale)
            return fail("Invalid --scale: " + parser.value("scale") + " (0.25 to 4)");
        o.scale = scale;
    }
    if (parser.isSet("rigctl")) {
        const auto at = parseListenAddress(parser.value("rigctl").toStdString());
        if (!at)
            return fail("Invalid --rigctl: " + parser.value("rigctl"));
        o.rigctl = *at;
    }
    result.options = o;
    return result;
}

} // namespace talix::app
