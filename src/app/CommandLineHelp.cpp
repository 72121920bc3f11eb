#include "app/CommandLineHelp.h"

#include "app/OptionTable.h"

namespace talix::app {

namespace {

constexpr int kHelpColumn = 32;

QString optionSynopsis(const OptionRow& row) {
    QString text = QStringLiteral("--") + row.name;
    if (row.valueName)
        text += QStringLiteral(" ") + row.valueName;
    return text;
}

QString describe(const OptionRow& row) {
    QString text = row.description;
    if (!row.defaultText.empty())
        text += QStringLiteral(" Default: %1.").arg(QString::fromStdString(row.defaultText));
    return text;
}

// roff treats a leading "." or "'" as a request and "\" as an escape.
QString roffText(QString text) {
    text.replace('\\', QStringLiteral("\\e"));
    text.replace('-', QStringLiteral("\\-"));
    if (text.startsWith('.') || text.startsWith('\''))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

} // namespace

QString versionText() {
    return QStringLiteral("talix " TALIX_VERSION "\n");
}

QString helpText() {
    QString text =
        QStringLiteral("Usage: %1\nTalix, %2.\n\nOptions:\n").arg(usageLine(), kProgramSummary);
    for (const OptionRow& row : optionTable()) {
        QString line = QStringLiteral("  ") + optionSynopsis(row);
        line = line.size() + 2 > kHelpColumn ? line + "\n" + QString(kHelpColumn, ' ')
                                             : line.leftJustified(kHelpColumn);
        text += line + describe(row) + "\n";
    }
    return text;
}

QString manPage() {
    QString page;
    page += QStringLiteral(".TH TALIX 1 \"\" \"talix " TALIX_VERSION "\" \"User Commands\"\n");
    page += QStringLiteral(".SH NAME\ntalix \\- %1\n").arg(roffText(kProgramSummary));
    page += QStringLiteral(".SH SYNOPSIS\n.B talix\n[\\fIOPTION\\fR]...\n");
    page += QStringLiteral(
        ".SH DESCRIPTION\n"
        "Talix is the touch-screen operating program of a portable shortwave, VHF and DAB "
        "receiver. It connects over TCP to the receiver's DSP board, plays its audio, draws the "
        "spectrum and waterfall, shows every readout as the board reports it and turns every "
        "touch into a command for the board.\n"
        ".PP\n"
        "Without \\fB\\-\\-windowed\\fR the program fills the screen with a frameless window at "
        "the origin, for a kiosk session without a desktop.\n");
    page += QStringLiteral(".SH OPTIONS\n");
    for (const OptionRow& row : optionTable()) {
        page += QStringLiteral(".TP\n.B \\-\\-%1").arg(roffText(row.name));
        if (row.valueName)
            page += QStringLiteral(" \\fI%1\\fR").arg(roffText(row.valueName));
        page += "\n" + roffText(describe(row)) + "\n";
    }
    page += QStringLiteral(
        ".SH EXIT STATUS\n"
        "0 when the program ends normally or after \\fB\\-\\-help\\fR and "
        "\\fB\\-\\-version\\fR; 2 for an unknown option or a bad value.\n"
        ".SH FILES\n"
        ".TP\n.I $XDG_DATA_HOME/talix\n"
        "Drive C: the recordings (WAV), the installed program updates and the start script "
        "TALIX/Start.bat naming the program that \\fBtalix\\-kiosk\\fR starts.\n");
    return page;
}

} // namespace talix::app
