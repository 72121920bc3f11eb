#include "app/FormShell.h"

namespace talix::app {

TFormShell::TFormShell(const Design& design, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint |
                          (design.stayOnTop ? Qt::WindowStaysOnTopHint : Qt::WindowFlags())) {
    setObjectName(design.instance);
    setFixedSize(design.size);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, design.fill);
    setPalette(p);
    Label1 = new QLabel(design.heading, this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(16, 2, design.size.width() - 32, 52);
    Label1->setStyleSheet("color: yellow; font-size: 38px;");
}

} // namespace talix::app
