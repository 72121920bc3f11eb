#pragma once

#include "sync/FixedList.h"
#include "sync/MainControl.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace talix::sync {

// A repaint mark for the TFieldTable slot of `tag`: 1 normal, 2 tenths format.
struct FieldMark {
    uint8_t tag = 0;
    uint8_t mark = 0;
};

// One direct change of a main-window control.
struct ControlChange {
    enum Kind : uint8_t {
        Text,       // label or button text
        FontColour, // ARGB in `argb`
        Fill,       // ARGB in `argb`
        BarValue,   // progress bar position
        MoveSlider, // move a bar to `value`, disarmed so that it does not echo the value back
        Visible,    // value != 0
        Pressed,    // stays-pressed and pressed (value != 0) or neither
        Rotation,   // degrees
        RepaintNow, // redraw the control at once
    };
    MainControl control{};
    Kind kind = Text;
    int value = 0;
    uint32_t argb = 0;
    QString text;
};

// The rotator's reports (items 55-57), applied to the rotator form.
struct RotatorReport {
    enum Kind : uint8_t { Present, Version, NotFound };
    Kind kind = NotFound;
    QString connectText; // LConnect (Present, NotFound)
    QString currentText; // L_Current (Present)
    int position = 0;    // Present: DialPosition when not 0; 0 means switched off
    QString versionText; // L_Ver (Version)
    QString address;     // RUDP's new host, dotted decimal (Present, Version)
};

// What one main-window item asks the main window to do; the decoder has already stored the values
// in ReceiverState. Widget code only applies it.
struct ItemEffect {
    FixedList<FieldMark, 4> marks;
    FixedList<ControlChange, 6> changes;
    bool repaint = false;                  // PaintEvent at the end of the walk
    bool rebuildGrid = false;              // passband marks (RebuildGrid)
    bool placeThresholdLine = false;       // reference line
    bool markerPathChanged = false;        // the notch marker redrawn from MarkerLo and MarkerHi
    std::optional<uint8_t> playbackVolume; // while the playback device is open
    // Item 28's value word: the brightness bar, its label and the host display follow it.
    std::optional<uint32_t> brightnessReport;
    std::optional<QString> modalMessage; // F_Message, shown modally
    std::optional<RotatorReport> rotator;
    std::optional<int> slideProgress; // PB_SL
    // The slide stream holds a whole picture: decode it into RMOT. Then, whether it decoded or not,
    // the stream is emptied and PB_SL returns to 0.
    bool slideComplete = false;

    void mark(int tag, int value = 1) { marks.push_back({uint8_t(tag), uint8_t(value)}); }
    void change(MainControl control, ControlChange::Kind kind, int value = 0) {
        changes.push_back({control, kind, value, 0, {}});
    }
    void colour(MainControl control, ControlChange::Kind kind, uint32_t argb) {
        changes.push_back({control, kind, 0, argb, {}});
    }
    void text(MainControl control, QString text) {
        changes.push_back({control, ControlChange::Text, 0, 0, std::move(text)});
    }
};

} // namespace talix::sync
