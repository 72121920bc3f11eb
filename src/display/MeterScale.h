#pragma once

#include "base/Palette.h"

#include <QRgb>
#include <array>
#include <cstdint>

namespace talix::display {

// The level meter RPegel and its scales in the status block at the upper right of the main window.
// Inside RPegel a level of L dB lies at x = 2·L + 294.
constexpr int kMeterPixelsPerDb = 2;
constexpr int kMeterZeroX = 294;

struct MeterBoxPlace {
    int x, y, w, h;
};
constexpr MeterBoxPlace kMeterBox{1336, 19, 345, 89};

// The x of the level marker inside RPegel for a level in tenths of a dB (division truncating toward
// zero: -731 lies at 148).
constexpr int64_t levelMarkerX(int32_t tenthsDb) {
    return int64_t(tenthsDb / 5) + kMeterZeroX;
}

// The marker line runs from the bottom to the top of RPegel, 2 pixels thick, 70 % opaque.
constexpr double kMarkerBottom = 86.5;
constexpr double kMarkerTop = 2.5;
constexpr double kMarkerWidth = 2.0;
constexpr double kMarkerOpacity = 0.7;

// A scale line on the main window: from (x, y), `length` long, across (horizontal) or down.
struct ScaleLine {
    const char* name;
    int x, y, length;
    bool horizontal;
    QRgb colour;
};

constexpr int kTickLength = 10;
constexpr int kUpperTickTop = 50;
constexpr int kLowerTickTop = 71;

// The two base lines, the S-unit ticks (S1, S3, S5, S7, S9 and the right end), the ticks 20, 40,
// 60 and 80 dB above S9, and the dBm ticks every 20 dB.
constexpr std::array<ScaleLine, 20> kMeterScaleLines{{
    {"Line1", 1348, 60, 322, true, kWhite},
    {"Line2", 1348, 70, 322, true, kYellow},
    {"Line13", 1386, kUpperTickTop, kTickLength, false, kWhite},
    {"Line14", 1410, kUpperTickTop, kTickLength, false, kWhite},
    {"Line15", 1434, kUpperTickTop, kTickLength, false, kWhite},
    {"Line16", 1458, kUpperTickTop, kTickLength, false, kWhite},
    {"Line17", 1482, kUpperTickTop, kTickLength, false, kWhite},
    {"Line12", 1668, kUpperTickTop, kTickLength, false, kWhite},
    {"Line6", 1522, kUpperTickTop, kTickLength, false, kHotPink},
    {"Line18", 1562, kUpperTickTop, kTickLength, false, kHotPink},
    {"Line19", 1602, kUpperTickTop, kTickLength, false, kHotPink},
    {"Line20", 1642, kUpperTickTop, kTickLength, false, kHotPink},
    {"Line7", 1388, kLowerTickTop, kTickLength, false, kYellow},
    {"Line8", 1428, kLowerTickTop, kTickLength, false, kYellow},
    {"Line9", 1468, kLowerTickTop, kTickLength, false, kYellow},
    {"Line10", 1508, kLowerTickTop, kTickLength, false, kYellow},
    {"Line11", 1548, kLowerTickTop, kTickLength, false, kYellow},
    {"Line5", 1588, kLowerTickTop, kTickLength, false, kYellow},
    {"Line4", 1628, kLowerTickTop, kTickLength, false, kYellow},
    {"Line3", 1668, kLowerTickTop, kTickLength, false, kYellow},
}};

// A fixed label of the meter's scales, at (x, y) on the main window.
struct ScaleText {
    const char* name;
    int x, y;
    const char* text;
    QRgb colour;
};
constexpr int kScaleTextSize = 20;

constexpr std::array<ScaleText, 7> kMeterScaleTexts{{
    {"Label1", 1380, 21, "1", kWhite},
    {"Label5", 1404, 21, "3", kWhite},
    {"Label4", 1428, 21, "5", kWhite},
    {"Label3", 1452, 21, "7", kWhite},
    {"Label2", 1476, 21, "9", kWhite},
    {"Label6", 1541, 21, "+40", kHotPink},
    {"Label7", 1622, 20, "+80", kHotPink},
}};

// The dBm scale numbers under the meter: 50 wide, their texts follow the tuned band and the level
// unit (set by the receiver state); these are the texts at start.
constexpr int kDbmLabelWidth = 50;
constexpr std::array<ScaleText, 4> kDbmScaleTexts{{
    {"LM120dBm", 1364, 77, "-120", kWhite},
    {"LM80dBm", 1444, 77, "-80", kWhite},
    {"LM40dBm", 1524, 77, "-40", kWhite},
    {"L0dBm", 1604, 77, "0", kWhite},
}};

} // namespace talix::display
