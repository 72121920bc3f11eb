#include "RoffPage.h"

namespace talix::manpage {

namespace {

// roff treats a leading "." or "'" as a request, "\" as an escape and "-" as a hyphen that a
// reader could not search or copy as the option's minus.
QString roffText(QString text) {
    text.replace('\\', QStringLiteral("\\e"));
    text.replace('-', QStringLiteral("\\-"));
    if (text.startsWith('.') || text.startsWith('\''))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

} // namespace

QString roffPage(const PageText& page) {
    QString out =
        QStringLiteral(".TH %1 1 \"\" \"%2 %3\" \"User Commands\"\n")
            .arg(roffText(page.program.toUpper()), roffText(page.program), roffText(page.version));
    out +=
        QStringLiteral(".SH NAME\n%1 \\- %2\n").arg(roffText(page.program), roffText(page.summary));
    out += QStringLiteral(".SH SYNOPSIS\n.B %1\n[\\fIOPTION\\fR]...\n").arg(roffText(page.program));
    out += QStringLiteral(".SH DESCRIPTION\n");
    for (qsizetype i = 0; i < page.description.size(); ++i)
        out += (i ? QStringLiteral(".PP\n") : QString()) + roffText(page.description[i]) + "\n";
    out += QStringLiteral(".SH OPTIONS\n");
    for (const PageOption& option : page.options) {
        out += QStringLiteral(".TP\n.B \\-\\-%1").arg(roffText(option.name));
        if (!option.valueName.isEmpty())
            out += QStringLiteral(" \\fI%1\\fR").arg(roffText(option.valueName));
        out += "\n" + roffText(option.description) + "\n";
    }
    if (!page.exitStatus.isEmpty())
        out += QStringLiteral(".SH EXIT STATUS\n") + roffText(page.exitStatus) + "\n";
    if (!page.files.empty()) {
        out += QStringLiteral(".SH FILES\n");
        for (const PageFile& file : page.files)
            out += QStringLiteral(".TP\n.I %1\n%2\n")
                       .arg(roffText(file.path), roffText(file.description));
    }
    if (!page.seeAlso.isEmpty()) {
        QStringList references;
        for (const QString& name : page.seeAlso)
            references += QStringLiteral(".BR %1 (1)").arg(roffText(name));
        out += QStringLiteral(".SH SEE ALSO\n") + references.join(QStringLiteral(",\n")) + "\n";
    }
    return out;
}

} // namespace talix::manpage
