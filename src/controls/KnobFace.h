#pragma once

#include <QWidget>

namespace talix::controls {

// S_Geber, the tuning knob: a circle with a grey gradient. Its mark is drawn by the readouts.
class KnobFace : public QWidget {
public:
    explicit KnobFace(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace talix::controls
