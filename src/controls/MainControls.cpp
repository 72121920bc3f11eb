#include "controls/MainControls.h"

#include "base/Tags.h"

namespace talix::controls {

QLineEdit* MainControls::readout(QWidget* parent, const char* name, int tag, QRect box) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    setTag(e, tag);
    setTagFloat(e, 0);
    e->setGeometry(box);
    e->setReadOnly(true);
    e->setContextMenuPolicy(Qt::NoContextMenu); // no edit offers a context menu
    e->setCursor(Qt::ArrowCursor);
    e->setStyleSheet("QLineEdit { background: black; color: #98FB98; border: 1px solid #98FB98; }");
    return e;
}

MainControls::MainControls(QWidget* w) {
    EFreq1 = readout(w, "EFreq1", 0, {40, 856, 468, 100});
    E_File = readout(w, "E_File", 38, {1536, 1140, 360, 44});

    LWiFi = new QLabel("0%", w);
    LWiFi->setObjectName("LWiFi");
    LWiFi->setGeometry(1456, 116, 60, 30);
    LWiFi->setStyleSheet("color: #00FF7F; font-size: 22px;");

    PBWiFi = new QProgressBar(w);
    PBWiFi->setObjectName("PBWiFi");
    PBWiFi->setOrientation(Qt::Vertical);
    PBWiFi->setRange(0, 100);
    PBWiFi->setValue(0);
    PBWiFi->setTextVisible(false);
    PBWiFi->setGeometry(1472, 152, 20, 169);

    B_Rec = new QPushButton("Rec", w);
    B_Rec->setObjectName("B_Rec");
    B_Rec->setCheckable(true);
    setTag(B_Rec, 0);
    B_Rec->setGeometry(1536, 1080, 160, 56);
}

} // namespace talix::controls
