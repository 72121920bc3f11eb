#pragma once

#include "app/ControlTargets.h"
#include "display/spectrum/SpectrumSettings.h"
#include "session/RotatorLink.h"
#include "session/SessionView.h"
#include "sync/FormSlots.h"
#include "sync/LinkQuality.h"
#include "sync/MainControl.h"
#include "sync/ReceiverState.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>
#include <functional>
#include <optional>

namespace talix::display {
class ReadoutPainter;
}
namespace talix::update {
class TF_Update;
}

namespace talix::app {

class TFMain;

// The main window as a view of the session: it applies to the widgets what the board's words
// decided (items, field selection, forms shown and closed, link quality, readout marks) and does
// no I/O. UI thread only.
class MainWindowView : public session::SessionView {
public:
    // What the view reads of the session.
    struct Sources {
        const sync::ReceiverState& state;
        sync::FormSlots& forms;
        session::RotatorLink& rotator; // passes the dial's selection to the rotator form
        std::function<bool()> touchLocked;
    };

    // `updateForm` is F_Update, which shows each link measurement;
    // `readouts` paints the marked readouts; `brightnessReport` takes the board's brightness.
    MainWindowView(TFMain& main, Sources session, update::TF_Update* updateForm,
                   display::ReadoutPainter& readouts,
                   std::function<void(uint32_t valueWord)> brightnessReport);

    // The main window's field that the tuning knob acts on (EFreq1 at start).
    QLineEdit* SelectedField() const { return m_selectedField; }
    // The last link measurement, for the update form's WiFi indicator.
    const std::optional<sync::LinkQualityReport>& linkReport() const { return m_linkReport; }
    // The spectrum's frequency grid anew: the scales follow its new offset.
    void rebuildGrid();
    void placeThresholdLine();
    // A change the settings forms' items make to a main-window control.
    void applyControlChange(const sync::ControlChange& change) const { m_targets.apply(change); }

    // session::SessionView
    void linkLostDisplay() override;
    void paintReadouts() override;
    void spectrumLine(const uint8_t* line) override;
    void showLinkQuality(const sync::LinkQualityReport& report) override;
    void setLinkBarValue(int percent) override;
    void setLinkBarShowsPlayback(bool playback) override;
    void setExternalAntenna(bool checked, uint32_t lwifiArgb) override;
    void markField(int tag, int mark) override;
    sync::ApplyResult applyItemEffect(const sync::ItemEffect& effect,
                                      const sync::ReceiverState& state) override;
    void showTuneMode(bool offered, bool on) override;
    bool selectMainField(int item) override;
    void selectDabField() override;
    void paintRotatorCircles(bool selected) override;
    void disableMainControls(bool onlyRecorder) override;
    void enableMainControls() override;
    void focusSelectedField(bool focus) override;
    void setIdentification(const QString& text) override;

private:
    display::SpectrumSettings spectrumSettings() const;
    void setDabEntryFieldSelected(bool selected);
    bool touchLocked() const;
    QAbstractButton* antennaButton() const;

    TFMain& m_main;
    Sources m_session;
    display::ReadoutPainter& m_readouts;
    std::function<void(uint32_t)> m_brightnessReport;
    QPointer<update::TF_Update> m_updateForm;
    ControlTargets m_targets;
    QPointer<QLineEdit> m_selectedField;
    std::optional<sync::LinkQualityReport> m_linkReport;
};

} // namespace talix::app
