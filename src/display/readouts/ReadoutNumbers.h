#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

namespace talix::display {

// Integer digits a readout number may have before it falls back to exponent form.
constexpr int kNumberDigits = 7;
constexpr int kFrequencyDigits = 11;

// The value with thousands separators and `decimals` decimals in the separators of `locale`
// (group separators are used even where the locale's own options omit them). A value with more
// than `maxIntegerDigits` integer digits, or one that is not finite, is written in exponent form
// with `maxIntegerDigits` significant digits.
QString numberText(double value, int decimals, const QLocale& locale,
                   int maxIntegerDigits = kNumberDigits);

// The plain decimal integer, no separators.
QString integerText(int64_t value);

// A signed readout: the magnitude's text followed by "-" for a negative value, "+" for a positive
// one, nothing for zero. Drawn right to left, the sign shows in front of the digits.
QString withTrailingSign(const QString& magnitude, int64_t value);

// numberText of |value| with no decimals, followed by the sign.
QString signedNumberText(int64_t value, const QLocale& locale);

// integerText of |value|, followed by the sign.
QString signedIntegerText(int64_t value);

} // namespace talix::display
