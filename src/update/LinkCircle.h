#pragma once

#include <QColor>
#include <QWidget>

namespace talix::update {

// C_WLAN: a filled circle in the colour of the link's state.
class LinkCircle : public QWidget {
public:
    explicit LinkCircle(QWidget* parent = nullptr) : QWidget(parent) {}

    void setColour(QColor colour);
    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour{Qt::red};
};

} // namespace talix::update
