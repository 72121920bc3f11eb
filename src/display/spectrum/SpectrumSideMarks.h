#pragma once

#include <QWidget>

namespace talix::display {

// The short yellow lines left of the spectrum and the waterfall, one beside every horizontal
// division line of both panels (the outlines included).
class SpectrumSideMarks : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 8;
    static constexpr int kHeight = 650;

    explicit SpectrumSideMarks(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace talix::display
