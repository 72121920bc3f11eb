#pragma once

#include "session/SessionView.h"

#include <QString>
#include <vector>

namespace talix::session::testing {

// A SessionView that only counts and keeps what reaches the screen, for sessions run without
// widgets.
class CountingView : public SessionView {
public:
    int linkLost = 0;
    int paintPasses = 0;
    int spectrumLines = 0;
    std::vector<int> linkBarValues;
    QString identification;

    void linkLostDisplay() override { ++linkLost; }
    void paintReadouts() override { ++paintPasses; }
    void spectrumLine(const uint8_t*) override { ++spectrumLines; }
    void showLinkQuality(const sync::LinkQualityReport&) override {}
    void setLinkBarValue(int percent) override { linkBarValues.push_back(percent); }
    void setLinkBarShowsPlayback(bool) override {}
    void setExternalAntenna(bool, uint32_t) override {}
    void markField(int, int) override {}
    sync::ApplyResult applyItemEffect(const sync::ItemEffect&,
                                      const sync::ReceiverState&) override {
        return sync::ApplyResult::Applied;
    }
    void showTuneMode(bool, bool) override {}
    bool selectMainField(int) override { return false; }
    void selectDabField() override {}
    void paintRotatorCircles(bool) override {}
    void disableMainControls(bool) override {}
    void enableMainControls() override {}
    void focusSelectedField(bool) override {}
    void setIdentification(const QString& text) override { identification = text; }
};

} // namespace talix::session::testing
