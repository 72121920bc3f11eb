#include "display/MeterBlock.h"

#include "base/Palette.h"
#include "display/Fonts.h"
#include "display/MeterBars.h"
#include "display/MeterBox.h"
#include "display/MeterScale.h"
#include "display/WidgetColours.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <array>

namespace talix::display {

namespace {

constexpr QRect kBlockRect(1328, 8, 577, 473);
constexpr QRgb kBlockTop = 0xFF00134F;
constexpr QRgb kBlockBottom = 0xFF000614;

// Rectangle4: the block's background, a vertical gradient with a yellow outline.
class BlockBackground : public QWidget {
public:
    explicit BlockBackground(QWidget* parent) : QWidget(parent) {
        setObjectName("Rectangle4");
        setGeometry(kBlockRect);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor::fromRgba(kBlockTop));
        g.setColorAt(1, QColor::fromRgba(kBlockBottom));
        p.fillRect(rect(), g);
        p.setPen(QPen(QColor::fromRgba(kYellow), 1));
        p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
};

struct LabelPlace {
    const char* name;
    int x, y, w, h;
    int fontSize;
    QRgb colour;
    Qt::Alignment align;
    const char* text; // the text at start
    bool wrap = false;
};

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignCenter;
constexpr int kGpsCaptionX = 1568;
constexpr int kGpsValueX = 1622;
constexpr int kGpsValueWidth = 118; // up to the attenuator's track bar
constexpr int kGpsSize = 18;
constexpr int kLevelTextRight = 1840;

// clang-format off
constexpr std::array<LabelPlace, 26> kStatusLabels{{
    // dBm scale numbers under the meter; their texts follow the band and the level unit.
    {"LM120dBm", 1364, 77, kDbmLabelWidth, 26, kScaleTextSize, kWhite, kCentre, "-120"},
    {"LM80dBm", 1444, 77, kDbmLabelWidth, 26, kScaleTextSize, kWhite, kCentre, "-80"},
    {"LM40dBm", 1524, 77, kDbmLabelWidth, 26, kScaleTextSize, kWhite, kCentre, "-40"},
    {"L0dBm", 1604, 77, kDbmLabelWidth, 26, kScaleTextSize, kWhite, kCentre, "0"},
    // Level texts right of the meter, clear of the brightness bar TB_Bright (x = 1844) beside
    // them, which must take its touches up to its top.
    {"LSMeter", 1689, 8, kLevelTextRight - 1689, 32, 24, kWhite, kLeft, "-120 dBm"},
    {"LPegel", 1688, 40, kLevelTextRight - 1688, 32, 24, kYellow, kLeft, "-120 dBm"},
    {"LALC", 1688, 72, kLevelTextRight - 1688, 32, 24, kHotPink, kLeft, "-120 dBm"},
    // Bar values above and captions under the bars.
    {"LMod", 1336, 116, 68, 32, 22, kYellow, kCentre, "0%"},
    {"LBatt", 1398, 116, 58, 32, 22, kYellow, kCentre, "n/a"},
    {"LWiFi", 1456, 116, 68, 32, 22, kSpringGreen, kCentre, "0%"},
    {"Label55", 1342, 328, 56, 26, 18, kWhite, kCentre, "Mod"},
    {"Label49", 1398, 328, 56, 26, 18, kWhite, kCentre, "Batt"},
    {"L_WiFi", 1454, 328, 56, 26, 18, kWhite, kCentre, "WiFi"},
    // RDS: programme identification, radio text, programme type.
    {"LPI", 1344, 368, 361, 30, 22, kAqua, kLeft, ""},
    {"LRDS", 1344, 400, 361, 46, 18, kAqua, Qt::AlignLeft | Qt::AlignTop, "", true},
    {"LPTY", 1344, 446, 361, 30, 22, kAqua, kLeft, ""},
    // GPS time, position and altitude and the reference clock, right-aligned after captions.
    {"LUTCCaption", kGpsCaptionX, 208, 60, 28, kGpsSize, kWhite, kLeft, "UTC :"},
    {"LLatCaption", kGpsCaptionX, 240, 60, 28, kGpsSize, kWhite, kLeft, "Lat   :"},
    {"LLongCaption", kGpsCaptionX, 268, 60, 28, kGpsSize, kWhite, kLeft, "Long:"},
    {"LAltCaption", kGpsCaptionX, 296, 60, 28, kGpsSize, kWhite, kLeft, "Alt   :"},
    {"LCLKCaption", kGpsCaptionX, 324, 80, 28, kGpsSize, kWhite, kLeft, "CLK Cal:"},
    {"LUTC", kGpsValueX, 208, kGpsValueWidth, 28, kGpsSize, kGreenYellow, kRight, "Off"},
    {"LLat", kGpsValueX, 240, kGpsValueWidth, 28, kGpsSize, kSpringGreen, kRight, "Unknown"},
    {"LLong", kGpsValueX, 268, kGpsValueWidth, 28, kGpsSize, kSpringGreen, kRight, "Unknown"},
    {"LAlt", kGpsValueX, 296, kGpsValueWidth, 28, kGpsSize, kSpringGreen, kRight, "Unknown"},
    {"LCLK", kGpsValueX + 20, 324, kGpsValueWidth - 20, 28, kGpsSize, kSpringGreen, kRight, "Off"},
}};
// clang-format on

struct BarPlace {
    const char* name;
    int x;
    int value; // at start
};
constexpr int kBarTop = 152;
constexpr int kBarWidth = 20;
constexpr int kBarHeight = 169;
constexpr std::array<BarPlace, 3> kBars{
    {{"PBMod", 1360, 0}, {"PBat", 1416, 50}, {"PBWiFi", 1472, 0}}};

template <typename T> T* existingOrNew(QWidget* parent, const char* name, bool& created) {
    auto* w = parent->findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    created = w == nullptr;
    if (created) {
        w = new T(parent);
        w->setObjectName(QString::fromLatin1(name));
    }
    return w;
}

void placeLabel(QWidget* parent, const LabelPlace& l) {
    bool created = false;
    auto* label = existingOrNew<QLabel>(parent, l.name, created);
    if (created)
        label->setText(QString::fromUtf8(l.text));
    label->setGeometry(l.x, l.y, l.w, l.h);
    label->setFont(pinnedFont(FontFace::UiSemibold, l.fontSize));
    label->setAlignment(l.align);
    label->setWordWrap(l.wrap);
    display::setTextColour(label, QColor::fromRgba(l.colour));
}

void placeBar(QWidget* parent, const BarPlace& b) {
    bool created = false;
    auto* bar = existingOrNew<QProgressBar>(parent, b.name, created);
    bar->setOrientation(Qt::Vertical);
    bar->setRange(0, 100);
    bar->setTextVisible(false);
    if (created)
        bar->setValue(b.value);
    bar->setGeometry(b.x, kBarTop, kBarWidth, kBarHeight);
    setBarStyle(bar, BarStyle::Blue);
}

} // namespace

MeterBox* createStatusBlock(QWidget* mainWindow) {
    auto* background = new BlockBackground(mainWindow);
    background->lower(); // beneath everything else of the block, whenever it was created
    auto* meter = new MeterBox(mainWindow);
    for (const LabelPlace& l : kStatusLabels)
        placeLabel(mainWindow, l);
    for (const BarPlace& b : kBars)
        placeBar(mainWindow, b);
    return meter;
}

} // namespace talix::display
