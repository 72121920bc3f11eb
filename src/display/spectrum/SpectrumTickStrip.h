#pragma once

#include "display/spectrum/SpectrumDisplay.h"

#include <QWidget>

namespace talix::display {

// A 1026 x 8 strip with the tick marks of the vertical grid lines (Rxgrid1 above the spectrum
// shows the even ones). The strip itself is transparent.
class SpectrumTickStrip : public QWidget {
    Q_OBJECT
public:
    enum class Parity { Even, Odd };
    static constexpr int kWidth = 1026;
    static constexpr int kHeight = 8;

    SpectrumTickStrip(const SpectrumDisplay& display, Parity parity, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const SpectrumDisplay& m_display;
    Parity m_parity;
};

} // namespace talix::display
