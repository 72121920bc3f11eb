#include "display/MeterBars.h"

#include <QProgressBar>

namespace talix::display {

void setBarStyle(QProgressBar* bar, BarStyle style) {
    if (bar == nullptr)
        return;
    const char* from = style == BarStyle::Blue ? "#7BB6ED" : "#ED7B97";
    const char* to = style == BarStyle::Blue ? "#0571A2" : "#A20536";
    bar->setStyleSheet(
        QStringLiteral("QProgressBar { background: #696969; border: 1px solid #808080; }"
                       "QProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:1, "
                       "y2:0, stop:0 %1, stop:1 %2); }")
            .arg(QLatin1String(from), QLatin1String(to)));
}

} // namespace talix::display
