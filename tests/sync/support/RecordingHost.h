#pragma once

#include "sync/FormSlots.h"
#include "sync/FrameSinks.h"
#include "sync/MainView.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace talix::sync::testing {

// The main window's view and the session's sinks in one, recording every call as one line
// ("ack 13 0 5 0 0", "mark 0 2", "form 1 show") and answering the queries from its public fields.
class RecordingHost : public MainView, public FrameSinks {
public:
    // Lines that start with `prefix` (all lines for an empty prefix).
    std::vector<std::string> lines(const std::string& prefix = {}) const;
    void clear() {
        m_lines.clear();
        effects.clear();
    }

    // Answers.
    bool isRecorderPlaying = false;
    bool isRecording = false;
    bool isPlaybackOpen = false;
    bool antennaChecked = false;
    bool isRotatorOn = false;
    bool isUpdateVisible = false;
    bool mainFieldRepaints = true;
    std::optional<QString> startScript;
    // B_Tune as last shown: offered, on.
    std::pair<bool, bool> tuneShown{false, false};
    // Called while a modal message would be shown: frames handled here re-enter the dispatcher.
    std::function<void()> onModalMessage;

    std::vector<ItemEffect> effects;
    std::vector<RotatorReport> rotatorReports;

    bool recorderPlaying() const override { return isRecorderPlaying; }
    bool recording() const override { return isRecording; }
    void appendRecording(const uint8_t* audio) override;
    bool playbackOpen() const override { return isPlaybackOpen; }
    void queuePlayback(const uint8_t* audio) override;
    void setPlaybackVolume(uint8_t volume) override;
    void rotatorReport(const RotatorReport& report) override;
    void spectrumLine(const uint8_t* line) override;
    void showLinkQuality(const LinkQualityReport& report) override;
    void setLinkBarValue(int percent) override;
    void setLinkBarShowsPlayback(bool playback) override;
    void setExternalAntenna(bool checked, uint32_t lwifiArgb) override;
    void markField(int tag, int mark) override;
    void requestPaint() override;
    ApplyResult applyItemEffect(const ItemEffect& effect, const ReceiverState& state) override;
    bool selectMainField(int item) override;
    void showTuneMode(bool offered, bool on) override { tuneShown = {offered, on}; }
    void selectDabField() override;
    void paintRotatorCircles(bool selected) override;
    bool rotatorOn() const override { return isRotatorOn; }
    void sendRotatorValue(uint8_t value) override;
    void disableMainControls(bool onlyRecorder) override;
    void enableMainControls() override;
    void focusSelectedField(bool focus) override;
    std::optional<QString> startScriptFirstLine() override { return startScript; }
    void setIdentification(const QString& text) override;
    bool updateFormShown() const override { return isUpdateVisible; }
    void writeAck(uint32_t seq) override;

    void log(std::string line) { m_lines.push_back(std::move(line)); }

private:
    std::vector<std::string> m_lines;
};

// A form in a slot that records its calls as "form <index> ...".
class RecordingForm : public SlotForm {
public:
    RecordingForm(RecordingHost& host, int index) : m_host(host), m_index(index) {}

    bool failNextApply = false;

    ApplyResult ApplyItem(int item, std::span<const uint32_t> words) override;
    void setSlideProgress(int percent) override;
    void showSlide(const QByteArray& picture) override;
    void selectField(int tag) override;
    void showForm() override;
    void closeForm() override;

private:
    std::string prefix() const { return "form " + std::to_string(m_index) + " "; }

    RecordingHost& m_host;
    int m_index;
};

} // namespace talix::sync::testing
