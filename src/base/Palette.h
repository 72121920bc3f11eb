#pragma once

#include <cstdint>

// The program's colours by name, 0xAARRGGBB (a QRgb; QColor::fromRgba takes it as it is). Forms,
// readouts, scales, the spectrum and the rotator dial name their colours from here instead of
// writing the numbers again.
namespace talix {

constexpr uint32_t kAqua = 0xFF00FFFF;
constexpr uint32_t kAzure = 0xFFF0FFFF;
constexpr uint32_t kBeige = 0xFFF5F5DC;
constexpr uint32_t kBlack = 0xFF000000;
constexpr uint32_t kBlue = 0xFF0000FF;
constexpr uint32_t kCornsilk = 0xFFFFF8DC;
constexpr uint32_t kDarkRed = 0xFF8B0000;
constexpr uint32_t kDarkViolet = 0xFF9400D3;
constexpr uint32_t kDeepPink = 0xFFFF1493;
constexpr uint32_t kDeepSkyBlue = 0xFF00BFFF;
constexpr uint32_t kFirebrick = 0xFFB22222;
constexpr uint32_t kFuchsia = 0xFFFF00FF;
constexpr uint32_t kGreen = 0xFF008000;
constexpr uint32_t kGreenYellow = 0xFFADFF2F;
constexpr uint32_t kGrey = 0xFF808080;
constexpr uint32_t kHotPink = 0xFFFF69B4;
constexpr uint32_t kKhaki = 0xFFF0E68C;
constexpr uint32_t kLemonChiffon = 0xFFFFFACD;
constexpr uint32_t kLightBlue = 0xFFADD8E6;
constexpr uint32_t kLightGoldenrodYellow = 0xFFFAFAD2;
constexpr uint32_t kLightGreen = 0xFF90EE90;
constexpr uint32_t kLightPink = 0xFFFFB6C1;
constexpr uint32_t kLightSkyBlue = 0xFF87CEFA;
constexpr uint32_t kLime = 0xFF00FF00;
constexpr uint32_t kMediumSeaGreen = 0xFF3CB371;
constexpr uint32_t kMediumSpringGreen = 0xFF00FA9A;
constexpr uint32_t kMediumVioletRed = 0xFFC71585;
constexpr uint32_t kPaleGreen = 0xFF98FB98;
constexpr uint32_t kPapayaWhip = 0xFFFFEFD5;
constexpr uint32_t kPink = 0xFFFFC0CB;
constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kRoyalBlue = 0xFF4169E1;
constexpr uint32_t kSpringGreen = 0xFF00FF7F;
constexpr uint32_t kTeal = 0xFF008080;
constexpr uint32_t kTurquoise = 0xFF40E0D0;
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kYellow = 0xFFFFFF00;

} // namespace talix
