#include "rotator/DialArithmetic.h"

#include "base/BoardWords.h"

#include <cmath>

namespace talix::rotator {

namespace {
constexpr int kPositions = board::kRotatorPositions;
} // namespace

double dialAngle(double x, double y, double w, double h) {
    return std::atan2(h / 2 - y, x - w / 2);
}

int positionOfAngle(double a) {
    int p = int(std::trunc(((kPi - a) * 180 / kPi - 90) * kPositions / 180));
    if (p < 0)
        p += kPositions;
    if (p > kPositions)
        p -= kPositions;
    return p;
}

int wheelPosition(int position, int wheelDelta) {
    int p = position + (wheelDelta <= 0 ? -1 : 1);
    if (p < 1)
        p = kPositions;
    if (p > kPositions)
        p -= kPositions;
    return p;
}

double angleOfPosition(int p) {
    if (p == 0)
        return kPi / 2;
    return kPi - (double(p) * 180 / kPositions + 90) * kPi / 180;
}

DialMarks dialMarks(int p, QSizeF dial, QSizeF circle) {
    const double a = angleOfPosition(p);
    const double rx = (dial.width() - circle.width()) / 2;
    const double ry = (dial.height() - circle.height()) / 2;
    DialMarks m;
    m.pitch = {rx + rx * std::cos(a), ry - ry * std::sin(a)};
    m.pitch1 = {rx - rx * std::cos(a), ry + ry * std::sin(a)};
    m.nullLineDegrees = (kPi - a) * 180 / kPi - 90;
    return m;
}

QString degreesText(int p) {
    return QString::number(p * 200 / 257) + QStringLiteral("°");
}

void DialDrag::touch(double x, double y, double w, double h) {
    m_lastAngle = float(dialAngle(x, y, w, h));
}

std::optional<int> DialDrag::move(double x, double y, double w, double h) {
    if (x == w / 2 || y == h / 2)
        return std::nullopt;
    const double a = dialAngle(x, y, w, h);
    if (std::abs(a - double(m_lastAngle)) < kDialStepAngle)
        return std::nullopt;
    m_lastAngle = float(a);
    return positionOfAngle(a);
}

} // namespace talix::rotator
