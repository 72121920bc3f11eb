#pragma once

#include <QFont>

namespace talix::display {

// The program's typefaces are pinned to fonts Debian installs (fonts-liberation2), so that layouts
// and pictures do not depend on what a machine happens to have: Liberation Sans has the metrics of
// Arial and stands in for the UI family, Liberation Mono those of "Courier New".
constexpr const char* kUiFamily = "Liberation Sans";
constexpr const char* kMonoFamily = "Liberation Mono";

enum class FontFace {
    UiSemibold, // the readouts' default: UI family, semibold
    UiRegular,
    MonoBold, // "Courier New" bold
};

// A font of `face` whose size is given in pixels, as the main window's layout gives them.
QFont pinnedFont(FontFace face, int pixelSize);

// Registers the Liberation files with the application's font database when fontconfig does not list
// them already. Needs a QGuiApplication. Returns false when a family is still missing.
bool pinFonts();

} // namespace talix::display
