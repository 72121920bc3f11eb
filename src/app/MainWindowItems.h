#pragma once

#include "app/FrameConsumers.h"
#include "display/SpectrumSettings.h"
#include "sync/DispatchHost.h"
#include "sync/FormSlots.h"
#include "sync/FrameDispatcher.h"
#include "sync/LinkQuality.h"

#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace talix::app {

class TFMain;

// The main window's side of the frame dispatcher: it owns the dispatcher with the receiver state
// and TFormSlots, and applies to the widgets what the board's words decided. UI thread only.
class MainWindowItems : public sync::DispatchHost {
public:
    MainWindowItems(TFMain& main, const QLocale& locale = QLocale::system());
    ~MainWindowItems() override;

    // WM_LINKFRAME.
    void handleFrame(const uint8_t* payload, uint32_t lParam) {
        m_dispatcher.handleFrame(payload, lParam);
    }

    sync::FrameDispatcher& dispatcher() { return m_dispatcher; }
    sync::ReceiverState& state() { return m_dispatcher.state(); }
    sync::TFormSlots& formSlots() { return m_slots; }
    FrameConsumers consumers;

    // The main window's field that the tuning knob acts on (EFreq1 at start).
    QLineEdit* SelectedField() const { return m_selectedField; }
    // The last link measurement, for the update form's WiFi indicator.
    const std::optional<sync::LinkQualityReport>& linkReport() const { return m_linkReport; }
    // The rotator as the board last reported it (fields of the rotator form).
    bool RotatorOn = false;
    int DialPosition = 0;
    // The last slide-show picture that decoded.
    const QImage& slide() const { return m_slide; }

    // Puts the forms that take values from the board into TFormSlots: a form that is a
    // sync::TSlotForm itself, otherwise a shell that shows and closes it and passes its values by.
    void fillFormSlots();

    // sync::DispatchHost
    bool recorderPlaying() const override;
    bool recording() const override;
    void appendRecording(const uint8_t* audio) override;
    bool playbackOpen() const override;
    void queuePlayback(const uint8_t* audio) override;
    void spectrumLine(const uint8_t* line) override;
    void statusWord(uint32_t status) override;
    void showLinkQuality(const sync::LinkQualityReport& report) override;
    void setLinkBarValue(int percent) override;
    void setLinkBarShowsPlayback(bool playback) override;
    bool externalAntennaChecked() const override;
    void setExternalAntenna(bool checked, uint32_t lwifiArgb) override;
    void markField(int tag, int mark) override;
    void requestPaint() override;
    sync::ApplyResult applyItemEffect(const sync::ItemEffect& effect,
                                      const sync::ReceiverState& state) override;
    bool selectMainField(int item) override;
    void selectDabField() override;
    void paintRotatorCircles(bool selected) override;
    bool rotatorOn() const override { return RotatorOn; }
    void sendRotatorValue(uint8_t value) override;
    void disableMainControls(bool onlyRecorder) override;
    void enableMainControls() override;
    void focusSelectedField(bool focus) override;
    std::optional<QString> startScriptFirstLine() override;
    void setIdentification(const QString& text) override;
    bool updateFormVisible() const override;
    void writeAck(const uint8_t* record, size_t size) override;
    bool tuneButtonPressed() const override;
    int sliderPosition(sync::MainControl slider) const override;
    float gridOffset() const override;

private:
    void attachConsumers();
    display::SpectrumSettings spectrumSettings() const;
    QWidget* control(sync::MainControl c) const;
    void applyRotator(const sync::RotatorReport& report);
    sync::ApplyResult showSlide(const sync::ReceiverState& state);
    void setSlideProgress(int percent);
    void setMainControlsEnabled(bool enabled);
    bool touchLocked() const;

    TFMain& m_main;
    sync::TFormSlots m_slots;
    sync::FrameDispatcher m_dispatcher;
    std::map<sync::MainControl, QPointer<QWidget>> m_controls;
    std::vector<std::unique_ptr<sync::TSlotForm>> m_shells;
    QPointer<QLineEdit> m_selectedField;
    std::optional<sync::LinkQualityReport> m_linkReport;
    bool m_externalAntenna = false; // while the WiFi form has no RBAnt of its own
    QImage m_slide;
};

} // namespace talix::app
