#include "sync/FrameDispatcher.h"

#include "base/LittleEndian.h"
#include "sync/FramePayload.h"

namespace talix::sync {

namespace {
constexpr uint8_t kAckKind = 13;
constexpr uint8_t kPlaysOnHost = 0x02; // LoudspeakerMode bit 1
} // namespace

FrameDispatcher::FrameDispatcher(DispatchHost& host, TFormSlots& formSlots, const QLocale& locale)
    : m_host(host), m_items(locale), m_walk(host, formSlots, m_state, m_items) {}

void FrameDispatcher::handleFrame(const uint8_t* payload, uint32_t lParam) {
    if (payload == nullptr)
        return;
    const uint32_t length = payloadLengthOf(lParam);
    const auto measured = m_link.frame(frameCounterOf(lParam));
    if (measured)
        m_host.showLinkQuality(*measured);
    if (length == 0)
        return;

    // Audio, status and spectrum stand still while the recorder plays a file. A payload too short
    // to hold the whole audio block carries none.
    if (length >= kAudioOffset + kAudioBytes && length > kAudioThreshold &&
        !m_host.recorderPlaying()) {
        const uint8_t* audio = payload + kAudioOffset;
        if (m_host.recording())
            m_host.appendRecording(audio);
        if (m_host.playbackOpen() && (m_state.LoudspeakerMode & kPlaysOnHost))
            m_host.queuePlayback(audio);
        else if (measured)
            m_host.setLinkBarValue(int(measured->percent));
        if (length >= kFullPayload) {
            handleStatus(readLe32(payload + kStatusOffset));
            m_host.spectrumLine(payload + kSpectrumOffset);
        }
    }

    if (auto block = m_reassembly.addFragment(payload, length))
        walkAndAcknowledge(*block);
}

void FrameDispatcher::handleStatus(uint32_t status) {
    m_state.AgcLevelRow = uint16_t(agcLevelRowOf(status));
    m_host.statusWord(status);
    const bool external = externalAntennaOf(status);
    if (external != m_host.externalAntennaChecked())
        m_host.setExternalAntenna(external, external ? kExternalAntennaArgb : kInternalAntennaArgb);
}

// The block is a copy: a modal message in its walk may let later frames complete new blocks.
// The acknowledgement names this block's own sequence number, also when nested walks have
// completed later blocks in the meantime.
void FrameDispatcher::walkAndAcknowledge(const ParamBlock& block) {
    const WalkResult r = m_walk.walk(block);
    if (!r.failed) {
        const std::array<uint8_t, 5> ack = {kAckKind, 0, uint8_t(block.seq),
                                            uint8_t(block.seq >> 8), uint8_t(block.seq >> 16)};
        m_host.writeAck(ack.data(), ack.size());
    }
    if (r.repaint)
        m_host.requestPaint();
}

} // namespace talix::sync
