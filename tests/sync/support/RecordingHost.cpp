#include "RecordingHost.h"

#include <cstdio>

namespace talix::sync::testing {

namespace {
std::string hex(uint32_t v) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%08x", v);
    return buffer;
}
} // namespace

std::vector<std::string> RecordingHost::lines(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& line : m_lines)
        if (line.rfind(prefix, 0) == 0)
            out.push_back(line);
    return out;
}

void RecordingHost::appendRecording(const uint8_t* audio) {
    log("record " + std::to_string(audio[0]));
}
void RecordingHost::queuePlayback(const uint8_t* audio) {
    log("play " + std::to_string(audio[0]));
}
void RecordingHost::spectrumLine(const uint8_t* line) {
    log("spectrum " + std::to_string(line[0]));
}
void RecordingHost::showLinkQuality(const LinkQualityReport& report) {
    log("link " + report.text.toStdString() + " " + hex(report.circleArgb) + " " +
        report.stateText.toStdString());
}
void RecordingHost::setLinkBarValue(int percent) {
    log("linkbar " + std::to_string(percent));
}
void RecordingHost::setLinkBarShowsPlayback(bool playback) {
    log(std::string("linkbar-style ") + (playback ? "playback" : "link"));
}
void RecordingHost::setExternalAntenna(bool checked, uint32_t lwifiArgb) {
    antennaChecked = checked;
    log("antenna " + std::to_string(int(checked)) + " " + hex(lwifiArgb));
}
void RecordingHost::markField(int tag, int mark) {
    log("mark " + std::to_string(tag) + " " + std::to_string(mark));
}
void RecordingHost::requestPaint() {
    log("paint");
}
ApplyResult RecordingHost::applyItemEffect(const ItemEffect& effect, const ReceiverState& state) {
    effects.push_back(effect);
    log("effect");
    if (effect.modalMessage) {
        log("message " + effect.modalMessage->toStdString());
        if (onModalMessage)
            onModalMessage();
    }
    if (effect.slideComplete)
        log("slide " + std::to_string(state.SlideStream.size()));
    return ApplyResult::Applied;
}
bool RecordingHost::selectMainField(int item) {
    log("select-main " + std::to_string(item));
    return mainFieldRepaints;
}
void RecordingHost::selectDabField() {
    log("select-dab");
}
void RecordingHost::paintRotatorCircles(bool selected) {
    log("circles " + std::to_string(int(selected)));
}
void RecordingHost::sendRotatorValue(uint8_t value) {
    log("rotator " + std::to_string(value));
}
void RecordingHost::disableMainControls(bool onlyRecorder) {
    log(onlyRecorder ? "disable recorder" : "disable all");
}
void RecordingHost::enableMainControls() {
    log("enable");
}
void RecordingHost::focusSelectedField(bool focus) {
    log("focus " + std::to_string(int(focus)));
}
void RecordingHost::setIdentification(const QString& text) {
    log("ident " + text.toStdString());
}
void RecordingHost::writeAck(uint32_t seq) {
    log("ack 13 0 " + std::to_string(seq & 0xFF) + " " + std::to_string((seq >> 8) & 0xFF) + " " +
        std::to_string((seq >> 16) & 0xFF));
}
void RecordingHost::setPlaybackVolume(uint8_t volume) {
    log("play volume " + std::to_string(volume));
}
void RecordingHost::rotatorReport(const RotatorReport& report) {
    rotatorReports.push_back(report);
}

ApplyResult RecordingForm::ApplyItem(int item, std::span<const uint32_t> words) {
    std::string line = prefix() + "apply " + std::to_string(item);
    for (uint32_t w : words)
        line += " " + std::to_string(w);
    m_host.log(line);
    if (failNextApply) {
        failNextApply = false;
        return ApplyResult::Failed;
    }
    return ApplyResult::Applied;
}
void RecordingForm::setSlideProgress(int percent) {
    m_host.log(prefix() + "slide progress " + std::to_string(percent));
}
void RecordingForm::showSlide(const QByteArray& picture) {
    m_host.log(prefix() + "slide " + picture.toStdString());
}
void RecordingForm::selectField(int tag) {
    m_host.log(prefix() + "select " + std::to_string(tag));
}
void RecordingForm::showForm() {
    m_host.log(prefix() + "show");
}
void RecordingForm::closeForm() {
    m_host.log(prefix() + "close");
}

} // namespace talix::sync::testing
