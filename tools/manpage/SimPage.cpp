#include "SimPage.h"

#include "sim/SimCommandLine.h"

namespace talix::manpage {

PageText simPage() {
    PageText page;
    page.program = QStringLiteral("talix-sim");
    page.version = QStringLiteral(TALIX_VERSION);
    page.summary = QString::fromUtf8(sim::kProgramSummary);
    page.description = {
        QStringLiteral(
            "talix-sim stands in for the receiver's DSP board on a development machine. It listens "
            "for the program on a TCP address, waits for its greeting and then streams 80 frames a "
            "second: audio, the spectrum line, the status word and the parameter stream that "
            "answers the program's command records."),
        QStringLiteral("It serves one connection at a time; a new connection replaces the current "
                       "one. Stop it with SIGINT or SIGTERM."),
        QStringLiteral("Point it and the program at loopback addresses only, never at the "
                       "receiver's own addresses: talix --board 127.0.0.1:55555 --windowed "
                       "reaches a talix-sim started without options."),
    };
    for (const sim::OptionRow& row : sim::optionTable()) {
        QString description = QString::fromUtf8(row.description);
        if (row.defaultText)
            description += QStringLiteral(" Default: %1.").arg(QString::fromUtf8(row.defaultText));
        page.options.push_back({QString::fromUtf8(row.name),
                                row.valueName ? QString::fromUtf8(row.valueName) : QString(),
                                description});
    }
    page.exitStatus = QStringLiteral(
        "0 after a stop signal and after --help and --version; 1 when it cannot start (an address "
        "cannot be bound, a file cannot be opened or the fault list is malformed); 2 for an "
        "unknown option or a bad value.");
    page.seeAlso = {QStringLiteral("talix")};
    return page;
}

} // namespace talix::manpage
