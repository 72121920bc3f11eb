#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QWidget>

namespace talix::rotator {

// S_Geber of the rotator form: the dial with its compass letters and ticks, the two circles that
// mark the antenna's ends (S_Pitch, S_Pitch1) and the null line across it (LNull). It reports
// touches and drags; what they mean is the form's business.
class RotatorDial : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSize = 360;
    static constexpr int kCircleSize = 180;

    explicit RotatorDial(QWidget* parent);

    // The marks for position p (the dial redraw).
    void showPosition(int p);
    // The circles in their selected colours (S_Pitch yellow, S_Pitch1 lemon chiffon) or white.
    void paintCircles(bool selected);

    // Where the circles are and how they are filled, in the dial's coordinates.
    QRectF pitchBox() const { return {m_pitch, QSizeF(kCircleSize, kCircleSize)}; }
    QRectF pitch1Box() const { return {m_pitch1, QSizeF(kCircleSize, kCircleSize)}; }
    QColor pitchFill() const { return m_pitchFill; }
    QColor pitch1Fill() const { return m_pitch1Fill; }
    double nullLineDegrees() const { return m_nullLineDegrees; }

signals:
    // The left button or a finger went down on the dial (S_GeberMouseDown).
    void touched(QPointF pos);
    // It moved while down (S_GeberMouseMove).
    void dragged(QPointF pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPointF m_pitch, m_pitch1;
    QColor m_pitchFill = Qt::white, m_pitch1Fill = Qt::white;
    double m_nullLineDegrees = 0;
};

} // namespace talix::rotator
