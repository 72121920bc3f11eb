#pragma once

#include <QRgb>

namespace talix::display {

// The main window's readout and scale colours, 0xAARRGGBB.
constexpr QRgb kPaleGreen = 0xFF98FB98;
constexpr QRgb kTurquoise = 0xFF40E0D0;
constexpr QRgb kLime = 0xFF00FF00;
constexpr QRgb kKhaki = 0xFFF0E68C;
constexpr QRgb kFuchsia = 0xFFFF00FF;
constexpr QRgb kDeepSkyBlue = 0xFF00BFFF;
constexpr QRgb kLightSkyBlue = 0xFF87CEFA;
constexpr QRgb kGreenYellow = 0xFFADFF2F;
constexpr QRgb kLemonChiffon = 0xFFFFFACD;
constexpr QRgb kMediumSpringGreen = 0xFF00FA9A;
constexpr QRgb kSpringGreen = 0xFF00FF7F;
constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kPink = 0xFFFFC0CB;
constexpr QRgb kLightPink = 0xFFFFB6C1;
constexpr QRgb kHotPink = 0xFFFF69B4;
constexpr QRgb kAqua = 0xFF00FFFF;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kGrey = 0xFF808080;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kEditInnerLine = 0xFF181818;

} // namespace talix::display
