#pragma once

#include "sync/MainControl.h"

#include <QString>
#include <optional>
#include <vector>

namespace talix::settings {

// A text for a control of the main window.
struct MainText {
    sync::MainControl control;
    QString text;

    bool operator==(const MainText&) const = default;
};

// A repaint mark for the main window's readout with this Tag: 1 normal, 2 tenths format.
struct ReadoutMark {
    int tag = 0;
    int mark = 1;

    bool operator==(const ReadoutMark&) const = default;
};

// What one value reported for a settings form changes on screen, decided without widgets: the
// texts of the item's own edit and caption, texts of main-window controls the item drives,
// readouts to be repainted by the painter's next pass, and spectrum work. Shared settings words
// have already been stored when the effect is returned.
struct FormItemEffect {
    std::optional<QString> editText;    // nothing: the edit keeps its text
    std::optional<QString> captionText; // nothing: the caption label keeps its text
    std::vector<MainText> mainTexts;
    std::vector<ReadoutMark> marks;
    bool placeThresholdLine = false;
    bool rebuildGrid = false;

    bool operator==(const FormItemEffect&) const = default;
};

} // namespace talix::settings
