#pragma once

#include <QWidget>

namespace talix::dab {

// A black rectangle with a white outline, divided by white lines every `rowHeight` (RCells under
// the service list; 0: no lines, as Rectangle2 under the dynamic label).
class ServiceCells : public QWidget {
    Q_OBJECT
public:
    ServiceCells(QWidget* form, QRect box, int rowHeight);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_rowHeight;
};

} // namespace talix::dab
