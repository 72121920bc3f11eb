#pragma once

#include "link/CommandQueue.h"
#include "settings/SettingsHost.h"
#include "sync/ReceiverState.h"

#include <QString>
#include <QWidget>
#include <map>
#include <utility>
#include <vector>

namespace talix::settings::testing {

// The main window as the settings forms see it, recording what they ask of it: the commands they
// queue, every "No WiFi Connection!" the notify rule raised, main-window texts, repaint marks,
// spectrum work, wheel turns, update-form requests and restarts of the link display.
class SettingsProbe : public SettingsHost {
public:
    SettingsProbe();

    link::CommandPort& commands() override { return queue; }
    sync::ReceiverState& receiverState() override { return state; }
    void applyControlChange(const sync::ControlChange& change) override;
    void markField(int tag, int mark) override { marks.emplace_back(tag, mark); }
    void placeThresholdLine() override { ++thresholdLines; }
    void rebuildGrid() override { ++grids; }
    void mouseWheel(int wheelDelta) override { wheel.push_back(wheelDelta); }
    void showUpdateForm() override { ++updateForms; }
    void restartLinkDisplay() override { ++linkRestarts; }

    // Takes every queued record out, oldest first.
    std::vector<link::Command> drain();
    // Puts records in until `count` wait.
    void fillTo(size_t count);

    link::CommandQueue queue;
    sync::ReceiverState state;
    // A stand-in for the main window: the forms' parent, 1920 x 1200 at the origin.
    QWidget mainWindow;

    std::vector<QString> messages;                  // texts the full queue showed
    std::map<sync::MainControl, QString> mainTexts; // the last text of each control
    std::vector<std::pair<int, int>> marks;
    int thresholdLines = 0;
    int grids = 0;
    std::vector<int> wheel;
    int updateForms = 0;
    int linkRestarts = 0;
};

// Input as the window system delivers it, in the coordinates of widget w.
void showAndExpose(QWidget* window);
void click(QWidget* w, QPointF pos);
// A drag: press, moves that carry the held button, release.
void press(QWidget* w, QPointF pos);
void moveTo(QWidget* w, QPointF pos);
void release(QWidget* w, QPointF pos);
void tap(QWidget* w); // a click at the widget's centre
void wheelOver(QWidget* w, int deltaY);

} // namespace talix::settings::testing
