#include "sync/DeviceHello.h"

namespace talix::sync {

namespace {

// Removes `count` characters starting at the 1-based `index`, as the string routines the start
// script line was cut with: nothing for an index outside the text or a count below 1.
void deleteChars(QString& s, qsizetype index, qsizetype count) {
    if (index < 1 || index > s.size() || count < 1)
        return;
    s.remove(index - 1, count);
}

QString hex(uint32_t value, int digits) {
    return QString::number(value, 16).toUpper().rightJustified(digits, '0');
}

} // namespace

QString programVersionText(const std::optional<QString>& startScriptFirstLine) {
    QString v = " ";
    if (!startScriptFirstLine)
        return v;
    v += *startScriptFirstLine;
    deleteChars(v, v.indexOf('.') + 1, 4);
    deleteChars(v, 2, v.size() - 8);
    return v;
}

QString identificationText(uint32_t w, uint32_t x, const QString& programVersion) {
    return "LANV" + hex((w >> 8) & 0xFF, 2) + " TLX" + hex(x & 0xFFFF, 4) + " V" + hex(x >> 16, 3) +
           programVersion + " SN" + QString::number(w >> 16).rightJustified(3, '0');
}

} // namespace talix::sync
