#include "display/readouts/ReadoutCaptions.h"

#include "base/Palette.h"
#include "display/Fonts.h"
#include "display/WidgetColours.h"

#include <QLabel>
#include <array>

namespace talix::display {

namespace {

struct Caption {
    const char* name;
    const char* text; // at start
    int x, y, w, h;
    int fontSize;
    Qt::Alignment align;
    bool wrap = false;
};

constexpr Qt::Alignment kCentre = Qt::AlignCenter;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

// The lower row of readouts (y 994 to 1058): captions above, units below.
constexpr int kAboveRow = 966;
constexpr int kBelowRow = 1060;
constexpr int kCaptionSize = 20;
constexpr int kUnitSize = 18;
constexpr int kTightSize = 14;

// clang-format off
constexpr std::array<Caption, 36> kCaptions{{
    {"Cap_RX", "RX", 40, 824, 60, 30, 24, kLeft},
    {"Cap_TX", "TX", 664, 824, 60, 30, 24, kLeft},
    {"Cap_Modulation", "Modulation", 16, kAboveRow, 137, 26, kCaptionSize, kCentre},
    {"Cap_Bandwidth", "Bandwidth", 166, kAboveRow, 166, 26, kCaptionSize, kCentre},
    {"Cap_BandwidthUnit", "Hz", 166, kBelowRow, 166, 22, kUnitSize, kRight},
    {"Cap_Shift", "PBT/Shift", 346, kAboveRow, 144, 26, kCaptionSize, kCentre},
    {"Cap_ShiftUnit", "Hz", 346, kBelowRow, 144, 22, kUnitSize, kRight},
    {"Cap_Notch", "Notch", 504, kAboveRow, 89, 26, kCaptionSize, kCentre},
    {"Cap_NotchWidth", "Width", 504, kBelowRow, 89, 22, kUnitSize, kCentre},
    {"Cap_NotchPosition", "Position", 608, kAboveRow, 164, 26, kCaptionSize, kCentre},
    // The AGC and threshold units share the caption row: the volume labels lie under the row.
    {"LGain", "AGC Limit", 780, kAboveRow, 72, 26, kTightSize, kLeft},
    {"LGain_Unit", "dBm", 854, kAboveRow, 44, 26, kTightSize, kLeft},
    {"Cap_Threshold", "RF Threshold", 906, kAboveRow, 92, 26, kTightSize, kLeft},
    {"LThreshold_Unit", "dBm", 1000, kAboveRow, 40, 26, kTightSize, kLeft},
    {"Cap_DNR", "DNR", 1032, kAboveRow, 75, 26, kCaptionSize, kCentre},
    {"Cap_Noiseblanker", "Noiseblanker", 1120, kAboveRow, 161, 26, kCaptionSize, kCentre},
    {"Cap_NoiseblankerLevel", "Level", 1120, kBelowRow, 74, 22, kUnitSize, kCentre},
    {"Cap_NoiseblankerUnit", "ms", 1208, kBelowRow, 73, 22, kUnitSize, kCentre},
    {"Cap_Hold", "Hold", 1296, kAboveRow, 74, 26, kCaptionSize, kCentre},
    {"Cap_HoldUnit", "Sec", 1296, kBelowRow, 74, 22, kUnitSize, kCentre},
    {"Cap_Attack", "Attack", 1384, kAboveRow, 98, 26, kCaptionSize, kCentre},
    {"Cap_AttackUnit", "dB/Sec", 1384, kBelowRow, 98, 22, kUnitSize, kCentre},
    // Spectrum settings.
    {"Cap_ResolutionBin", "Resolution Bin", 24, 722, 209, 24, kUnitSize, kCentre},
    {"Cap_ResolutionDev", "Resolution Dev", 256, 722, 265, 24, kUnitSize, kCentre},
    // Under ERefresh: the buttons of the host duties stand above it.
    {"LRefresh", "Refresh", 1462, 812, 110, 24, kUnitSize, kRight},
    {"Lms", "ms", 1576, 812, 34, 24, kUnitSize, kLeft},
    {"Cap_Time", "s/Dev WF Speed", 1252, 907, 121, 46, kUnitSize, kCentre, true},
    {"Cap_Auto", "Scrollwheel Threshold", 1136, 907, 110, 46, kUnitSize, kCentre, true},
    {"Cap_Steps", "Steps", 1640, 656, 248, 26, kCaptionSize, kCentre},
    {"Cap_StepsUnit", "Hz", 1890, 702, 30, 24, kUnitSize, kLeft},
    // Right of the spectrum's level and brightness column.
    {"LETop", "dBm", 1245, 32, 80, 50, kUnitSize, kLeft},
    {"Cap_Span", "dB/Dev", 1245, 96, 80, 50, kUnitSize, kLeft},
    {"Cap_Inside", "Inside", 1245, 160, 80, 50, kUnitSize, kLeft},
    {"Cap_Outside", "Outside", 1245, 224, 80, 50, kUnitSize, kLeft},
    {"Cap_Grid", "Grid", 1245, 288, 80, 50, kUnitSize, kLeft},
    {"LEBot", "dBm", 1245, 352, 80, 50, kUnitSize, kLeft},
}};
// clang-format on

} // namespace

void createReadoutCaptions(QWidget* mainWindow) {
    for (const Caption& c : kCaptions) {
        const QString name = QString::fromLatin1(c.name);
        auto* label = mainWindow->findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
        if (label == nullptr) {
            label = new QLabel(QString::fromLatin1(c.text), mainWindow);
            label->setObjectName(name);
        }
        label->setGeometry(c.x, c.y, c.w, c.h);
        label->setFont(pinnedFont(FontFace::UiSemibold, c.fontSize));
        label->setAlignment(c.align);
        label->setWordWrap(c.wrap);
        display::setTextColour(label, QColor::fromRgba(kWhite));
    }
}

} // namespace talix::display
