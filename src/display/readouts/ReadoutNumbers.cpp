#include "display/readouts/ReadoutNumbers.h"

#include <cmath>
#include <cstdlib>

namespace talix::display {

namespace {

// Integer digits of |value| once rounded to `decimals` decimals.
int integerDigits(double value, int decimals) {
    const QString plain = QString::number(std::fabs(value), 'f', decimals);
    const qsizetype point = plain.indexOf(QLatin1Char('.'));
    return int(point < 0 ? plain.size() : point);
}

} // namespace

QString numberText(double value, int decimals, const QLocale& locale, int maxIntegerDigits) {
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    if (!std::isfinite(value) || integerDigits(value, decimals) > maxIntegerDigits)
        return grouped.toString(value, 'e', maxIntegerDigits - 1);
    return grouped.toString(value, 'f', decimals);
}

QString integerText(int64_t value) {
    return QString::number(value);
}

QString withTrailingSign(const QString& magnitude, int64_t value) {
    if (value < 0)
        return magnitude + QLatin1Char('-');
    if (value > 0)
        return magnitude + QLatin1Char('+');
    return magnitude;
}

QString signedNumberText(int64_t value, const QLocale& locale) {
    return withTrailingSign(numberText(double(std::llabs(value)), 0, locale), value);
}

QString signedIntegerText(int64_t value) {
    return withTrailingSign(integerText(std::llabs(value)), value);
}

} // namespace talix::display
