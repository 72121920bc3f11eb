#include "controls/MainControls.h"

#include "base/Tags.h"
#include "controls/ArmedBars.h"
#include "controls/ArrowIndicator.h"
#include "controls/KnobFace.h"
#include "display/readouts/ReadoutWindow.h"

#include <QFrame>

namespace talix::controls {

using board::Field;
using board::Form;
using board::MainButton;
using board::MainItem;
using board::number;
using board::showButtonTag;

QLineEdit* MainControls::readout(QWidget* parent, Field field, QRect box) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(board::fieldName(field));
    setTag(e, number(field));
    setTagFloat(e, 0);
    e->setGeometry(box);
    e->setReadOnly(true);
    e->setContextMenuPolicy(Qt::NoContextMenu); // no edit offers a context menu
    e->setCursor(Qt::ArrowCursor);
    e->setStyleSheet("QLineEdit { background: black; color: #98FB98; border: 1px solid #98FB98; }");
    return e;
}

MainControls::MainControls(QWidget* w) {
    EFreq1 = readout(w, Field::EFreq1, {40, 856, 468, 100});
    // B_Rec and E_File in the free corner between the WF speed readout and the knob.
    E_File = readout(w, Field::E_File, {1380, 906, 176, 46});
    QFont fileFont = E_File->font();
    fileFont.setPixelSize(14);
    E_File->setFont(fileFont);

    // LWiFi's place, font and colour are the status block's.
    LWiFi = new QLabel("0%", w);
    LWiFi->setObjectName("LWiFi");

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
    B_Rec->setGeometry(1380, 840, 176, 62);
    B_Rec->setStyleSheet("font-size: 32px;");

    createHostControls(w);
    const display::ReadoutDisplay readouts = display::createReadoutDisplay(w);
    RPegel = readouts.RPegel;
    this->readouts = readouts.controls.edits;
    S_Pitch = readouts.controls.S_Pitch;
    scales = readouts.controls.scales;
    createOperatingControls(w);
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

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect box,
                    int tag = 0) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    setTag(b, tag);
    b->setGeometry(box);
    b->setFocusPolicy(Qt::NoFocus);
    b->setStyleSheet("font-size: 32px;");
    return b;
}

// A volume bar: positions 0 to 255 (Max 300 less a viewport of 45). It starts disarmed, so that
// the first change, the board's, is not sent back.
QScrollBar* volumeBar(QWidget* parent, const char* name, int tag, QRect box, int start) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    setTag(bar, tag);
    bar->setRange(0, 255);
    bar->setPageStep(45);
    bar->setValue(start);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setGeometry(box);
    setArmed(bar, false);
    return bar;
}

// A transparent touch area at the left end of a volume bar (mute).
QWidget* muteArea(QWidget* parent, const char* name, int tag, QRect box) {
    auto* area = new QWidget(parent);
    area->setObjectName(name);
    setTag(area, tag);
    area->setGeometry(box);
    return area;
}

// A vertical track bar with its maximum at the top.
QSlider* trackBar(QWidget* parent, const char* name, int tag, QRect box, int min, int max,
                  int start) {
    auto* bar = new QSlider(Qt::Vertical, parent);
    bar->setObjectName(name);
    setTag(bar, tag);
    bar->setRange(min, max);
    bar->setValue(start);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setGeometry(box);
    return bar;
}

} // namespace

void MainControls::createHostControls(QWidget* w) {
    B_OFF = button(w, "B_OFF", "OFF", {1489, 660, 140, 62});
    B_Touch = button(w, "B_Touch", "Touch Lock", {1305, 660, 180, 62});

    TB_Bright =
        trackBar(w, "TB_Bright", number(MainItem::Brightness), {1844, 56, 19, 380}, 0, 100, 50);
    // Under the bar: the level texts of the status block fill the corner above it.
    L_Bright = label(w, "L_Bright", "100%", {1808, 436, 92, 22}, Qt::white, 20);
    Label48 = label(w, "Label48", "Brightness", {1790, 457, 112, 22}, Qt::white, 18);

    // The status block (display library) places and styles these with the rest of the block.
    LBatt = label(w, "LBatt", "n/a", {1398, 116, 58, 32}, Qt::yellow, 22);
    PBat = new QProgressBar(w);
    PBat->setObjectName("PBat");
    PBat->setRange(0, 100);
    PBat->setValue(50);
    Label49 = label(w, "Label49", "Batt", {1398, 328, 56, 26}, Qt::white, 18);
}

// The operating controls and the labels that the board's reports write beside them.
void MainControls::createOperatingControls(QWidget* w) {
    B_Zero = button(w, "B_Zero", QString::fromUtf8("→ Zero"), {552, 736, 156, 84},
                    number(MainButton::B_Zero));
    B_Tune = button(w, "B_Tune", "Tune", {709, 736, 108, 84}, number(MainButton::B_Tune));
    B_KAP = button(w, "B_KAP", "KAP", {1039, 736, 113, 84});
    B_Stereo = button(w, "B_Stereo", "Stereo", {1153, 736, 137, 84}, number(MainButton::B_Stereo));
    B_Filter = button(w, "B_Filter", "Average", {1291, 736, 174, 84}, number(MainButton::B_Filter));
    B_Setup = button(w, "B_Setup", "Setup", {1305, 496, 204, 80}, showButtonTag(Form::Setup));
    B_System = button(w, "B_System", "System", {1510, 496, 204, 80}, showButtonTag(Form::System));
    B_Mike =
        button(w, "B_Mike", "Microphone", {1715, 496, 204, 80}, showButtonTag(Form::Microphone));
    B_WiFi = button(w, "B_WiFi", "WiFi", {1305, 576, 204, 80}, showButtonTag(Form::WiFi));
    B_Memory =
        button(w, "B_Memory", "Mem/Direct", {1510, 576, 204, 80}, showButtonTag(Form::Memory));
    B_Recorder =
        button(w, "B_Recorder", "Recorder", {1715, 576, 204, 80}, showButtonTag(Form::Recorder));
    B_Lock = button(w, "B_Lock", "TX Lock", {536, 864, 97, 88}, number(MainButton::B_Lock));
    B_Lock->setStyleSheet("font-size: 22px;"); // the whole text within the narrow button
    EUndo = button(w, "EUndo", "0", {1548, 120, 93, 81}, showButtonTag(Form::Undo));
    EUndo->setCheckable(true); // stays pressed
    EUndo->setStyleSheet("font-size: 48px; color: #C71585;");

    S_Geber = new KnobFace(w);
    S_Geber->setObjectName("S_Geber");
    S_Geber->setGeometry(1560, 847, 348, 348);
    S_Geber->lower(); // beneath the knob's mark

    Panel9 = new QWidget(w);
    Panel9->setObjectName("Panel9");
    Panel9->setGeometry(1616, 752, 297, 65);

    SBKH = volumeBar(w, "SBKH", number(MainItem::HeadphoneVolume), {10, 1094, 720, 80}, 0);
    SBLSP = volumeBar(w, "SBLSP", number(MainItem::SpeakerVolume), {762, 1094, 720, 80}, 250);
    SBKHN = muteArea(w, "SBKHN", number(MainItem::HeadphoneVolume), {0, 1080, 97, 105});
    SBLSPN = muteArea(w, "SBLSPN", number(MainItem::SpeakerVolume), {752, 1080, 97, 105});

    TBWFH = trackBar(w, "TBWFH", number(MainItem::WaterfallHigh), {1145, 448, 19, 238}, 1, 160, 70);
    TBWFL = trackBar(w, "TBWFL", number(MainItem::WaterfallLow), {1240, 448, 19, 238}, 0, 159, 5);
    TB_Att = trackBar(w, "TB_Att", number(MainItem::Attenuation), {1745, 170, 19, 266}, 0, 35, 6);

    // Under the volume bars; the readouts' unit labels take the row above them.
    LHeadphone = label(w, "LHeadphone", "Headphone 0 %", {110, 1174, 300, 26}, Qt::white, 20);
    LLoudspeaker =
        label(w, "LLoudspeaker", "Loudspeaker 98 %", {862, 1174, 300, 26}, Qt::white, 20);
    L_Att = label(w, "L_Att", "0dB", {1712, 440, 90, 32}, Qt::white, 22);
    Lhigh = label(w, "Lhigh", "45", {1128, 414, 52, 30}, Qt::white, 20);
    Llow = label(w, "Llow", "3", {1223, 414, 52, 30}, Qt::white, 20);
    LSYNCSB = label(w, "LSYNCSB", "Sync SB", {16, 958, 137, 32}, QColor(0xFF, 0xB6, 0xC1), 22);
    LSYNCSB->hide(); // shown while the modulation is the selected field
    LWLANDevice = label(w, "LWLANDevice", "", {420, 1174, 430, 26}, Qt::white, 18);
    // The scroll wheel's automatic threshold (Setup item 0), between the TX frequency and the
    // waterfall speed: centred over its own caption, as the speed is over its one.
    L_Auto = label(w, "L_Auto", "Auto 10", {1136, 848, 110, 57}, Qt::white, 22);
    L_Auto->setAlignment(Qt::AlignCenter);

    CB_Arrow = new ArrowIndicator(w);
    CB_Arrow->setObjectName("CB_Arrow");
    CB_Arrow->setGeometry(560, 806, 48, 48);
    CB_Arrow->hide();

    // The noise blanker's frame, around its two readouts while the board reports it active.
    RNB = new QFrame(w);
    RNB->setObjectName("RNB");
    RNB->setGeometry(1114, 988, 173, 76);
    RNB->setAttribute(Qt::WA_TransparentForMouseEvents);
    RNB->setStyleSheet("QFrame { border: 3px solid #FF0000; background: transparent; }");
    RNB->hide();
}

std::vector<QAbstractButton*> MainControls::tagButtons() const {
    return {B_Zero, B_Tune, B_Stereo, B_Filter,   B_Setup, B_System,
            B_Mike, B_WiFi, B_Memory, B_Recorder, B_Lock,  EUndo};
}

} // namespace talix::controls
