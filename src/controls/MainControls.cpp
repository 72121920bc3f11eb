#include "controls/MainControls.h"

#include "base/Tags.h"
#include "display/ReadoutWindow.h"

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

    createHostControls(w);
    RPegel = display::createReadoutDisplay(w);
}

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect box, QColor colour,
              int pixelSize) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(box);
    QFont f = l->font();
    f.setPixelSize(pixelSize);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect box) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    setTag(b, 0);
    b->setGeometry(box);
    b->setFocusPolicy(Qt::NoFocus);
    b->setStyleSheet("font-size: 32px;");
    return b;
}

// The blue bar style of the status block's vertical bars.
constexpr const char* kBlueBar =
    "QProgressBar { background: #696969; border: 1px solid #808080; }"
    "QProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
    "stop:0 #7BB6ED, stop:1 #0571A2); }";

} // namespace

void MainControls::createHostControls(QWidget* w) {
    B_OFF = button(w, "B_OFF", "OFF", {1473, 658, 160, 76});
    B_Touch = button(w, "B_Touch", "Touch Lock", {1305, 658, 164, 76});

    TB_Bright = new QSlider(Qt::Vertical, w); // maximum at the top
    TB_Bright->setObjectName("TB_Bright");
    setTag(TB_Bright, 28);
    TB_Bright->setRange(0, 100);
    TB_Bright->setValue(50);
    TB_Bright->setFocusPolicy(Qt::NoFocus);
    TB_Bright->setGeometry(1844, 56, 19, 380);
    L_Bright = label(w, "L_Bright", "100%", {1816, 440, 84, 34}, Qt::white, 22);
    Label48 = label(w, "Label48", "Brightness", {1800, 18, 104, 30}, Qt::white, 18);

    LBatt = label(w, "LBatt", "n/a", {1398, 116, 60, 30}, Qt::yellow, 22);
    PBat = new QProgressBar(w);
    PBat->setObjectName("PBat");
    PBat->setOrientation(Qt::Vertical);
    PBat->setRange(0, 100);
    PBat->setValue(50);
    PBat->setTextVisible(false);
    PBat->setGeometry(1416, 152, 20, 169);
    PBat->setStyleSheet(kBlueBar);
    Label49 = label(w, "Label49", "Batt", {1406, 328, 50, 26}, Qt::white, 18);
}

} // namespace talix::controls
