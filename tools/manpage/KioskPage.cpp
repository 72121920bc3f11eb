#include "KioskPage.h"

#include "app/OptionTable.h"

#include <cstring>

namespace talix::manpage {

PageText kioskPage() {
    PageText page;
    page.program = QStringLiteral("talix-kiosk");
    page.version = QStringLiteral(TALIX_VERSION);
    page.summary = QStringLiteral("start the receiver's operating program full screen at boot");
    page.description = {
        QStringLiteral(
            "talix-kiosk starts the program that the start script TALIX/Start.bat on drive C: "
            "names, passing its own arguments on. The program's software update installs a new "
            "version on drive C: and rewrites the script, so an update takes effect at the next "
            "start. Without a readable script, or when its first line names no program on drive "
            "C:, it starts the talix installed beside it, and it starts that talix too when the "
            "program named cannot be executed at all."),
        QStringLiteral(
            "The systemd unit talix-kiosk@.service runs it as the only client of an X server on "
            "tty1, as the user named after the \"@\", on a handheld without a desktop. The unit is "
            "installed but not enabled: systemctl enable talix-kiosk@USER.service enables it."),
    };
    for (const app::OptionRow& row : app::optionTable()) {
        QString description = QString::fromUtf8(row.description);
        if (!row.defaultText.empty())
            description +=
                QStringLiteral(" Default: %1.").arg(QString::fromStdString(row.defaultText));
        if (std::strcmp(row.name, "drive") == 0)
            description += QStringLiteral(" talix-kiosk looks for the start script on the drive C "
                                          "given here.");
        page.options.push_back({QString::fromUtf8(row.name),
                                row.valueName ? QString::fromUtf8(row.valueName) : QString(),
                                description});
    }
    page.exitStatus = QStringLiteral("That of the program it started.");
    page.files = {
        {QStringLiteral("$XDG_DATA_HOME/talix/TALIX/Start.bat"),
         QStringLiteral("The start script on drive C: (~/.local/share/talix without "
                        "XDG_DATA_HOME); its first line, start C:\\PATH, names the program.")},
        {QStringLiteral("/usr/lib/systemd/system/talix-kiosk@.service"),
         QStringLiteral("The systemd unit that runs talix-kiosk at boot.")},
    };
    page.seeAlso = {QStringLiteral("talix"), QStringLiteral("xinit")};
    return page;
}

} // namespace talix::manpage
