#pragma once

#include <QRgb>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace talix::display {

// RPegel, the level meter box: its fill (black, red while the board says so), an aqua outline, the
// level marker line and over it the meter's scale lines and numbers. Not touchable.
class MeterBox : public QWidget {
public:
    explicit MeterBox(QWidget* parent);

    // Where the marker's level (LevelMarker, tenths of a dB) is read at each repaint.
    void setLevelSource(std::function<int32_t()> source);
    // The fill colour; repaints at once.
    void setFill(QRgb argb);
    QRgb fill() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<int32_t()> m_level;
    QRgb m_fill;
};

} // namespace talix::display
