#include "display/SpectrumTrace.h"

#include <algorithm>
#include <cmath>

namespace talix::display {

namespace {

// Draws on one path while remembering the current point, which saves asking the path for it.
class TracePen {
public:
    explicit TracePen(QPainterPath& path) : m_path(path) {}

    void moveTo(double x, double y) {
        m_path.moveTo(x, y);
        m_x = x;
        m_y = y;
    }
    void lineTo(double x, double y) {
        m_path.lineTo(x, y);
        m_x = x;
        m_y = y;
    }
    void verticalTo(double y) { lineTo(m_x, y); }

    // One bin of value v after a bin of value p: the horizontal part stays at the lower of the two.
    void step(int v, int p) {
        const double y = kBottomY - v;
        if (v == p) {
            lineTo(m_x + 1, m_y);
        } else if (v > p) {
            lineTo(m_x + 1, m_y);
            verticalTo(y);
        } else {
            verticalTo(y);
            lineTo(m_x + 1, y);
        }
    }

    void finish() {
        verticalTo(kBottomY);
        m_path.closeSubpath();
    }

private:
    QPainterPath& m_path;
    double m_x = 0;
    double m_y = 0;
};

} // namespace

int shownBinCount(double shift) {
    if (shift <= 0)
        return kSpectrumBins;
    return int(std::clamp(std::trunc(kSpectrumBins - shift), 0.0, double(kSpectrumBins)));
}

void buildSpectrumTrace(const SpectrumBins& values, int passbandLo, int passbandHi, double shift,
                        SpectrumTrace& trace) {
    trace.outsidePath.clear();
    trace.insidePath.clear();
    TracePen outside(trace.outsidePath);
    TracePen inside(trace.insidePath);
    const double loX = passbandLo + 0.5 + shift;
    const double hiX = passbandHi + 0.5 + shift;

    outside.moveTo(loX, kBottomY);
    outside.lineTo(0.5 + shift, kBottomY);
    inside.moveTo(loX, kBottomY);

    const int n = shownBinCount(shift);
    int p = 0;
    for (int i = 0; i < n; ++i) {
        const int v = values[i];
        if (i >= passbandLo && i < passbandHi) {
            if (i == passbandLo) {
                outside.verticalTo(kBottomY);
                inside.lineTo(loX, kBottomY - p);
            }
            inside.step(v, p);
        } else {
            if (i == passbandHi) {
                inside.verticalTo(kBottomY);
                outside.moveTo(hiX, kBottomY);
                outside.verticalTo(kBottomY - p);
            }
            outside.step(v, p);
        }
        p = v;
    }
    outside.finish();
    inside.finish();
}

} // namespace talix::display
