#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

namespace talix::settings {

// A whole number as plain decimal digits, with a minus sign when negative and no grouping.
inline QString decimal(int64_t x) {
    return QString::number(x);
}

// tenths / 10 with exactly one digit after the locale's decimal separator ("3.5", "-1,5").
inline QString oneDecimal(int64_t tenths, const QLocale& locale) {
    return locale.toString(double(tenths) / 10.0, 'f', 1);
}

} // namespace talix::settings
