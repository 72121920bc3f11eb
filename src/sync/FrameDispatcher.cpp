#include "sync/FrameDispatcher.h"

#include "base/FramePayload.h"
#include "base/LittleEndian.h"

namespace talix::sync {

FrameDispatcher::FrameDispatcher(MainView& view, FrameSinks& sinks, FormSlots& formSlots,
                                 ReceiverState& state, const QLocale& locale)
    : m_view(view), m_sinks(sinks), m_state(state), m_items(locale),
      m_walk(view, sinks, formSlots, m_state, m_items) {}

void FrameDispatcher::handleFrame(const uint8_t* payload, uint32_t lParam) {
    if (payload == nullptr)
        return;
    const uint32_t length = board::payloadLengthOf(lParam);
    const auto measured = m_link.frame(board::frameCounterOf(lParam));
    if (measured)
        m_view.showLinkQuality(*measured);
    if (length == 0)
        return;

    // Audio, status and spectrum stand still while the recorder plays a file. A payload too short
    // to hold the whole audio block carries none.
    if (length >= board::kAudioOffset + board::kAudioBytes && length > board::kAudioThreshold &&
        !m_sinks.recorderPlaying()) {
        const uint8_t* audio = payload + board::kAudioOffset;
        if (m_sinks.recording())
            m_sinks.appendRecording(audio);
        if (m_sinks.playbackOpen() && m_state.playsOnHost())
            m_sinks.queuePlayback(audio);
        else if (measured)
            m_view.setLinkBarValue(int(measured->percent));
        if (length >= board::kFullPayload) {
            handleStatus(readLe32(payload + board::kStatusOffset));
            m_view.spectrumLine(payload + board::kSpectrumOffset);
        }
    }

    if (auto block = m_reassembly.addFragment(payload, length))
        walkAndAcknowledge(*block);
}

void FrameDispatcher::handleStatus(uint32_t status) {
    m_state.AgcLevelRow = uint16_t(board::agcLevelRowOf(status));
    const bool external = board::externalAntennaOf(status);
    if (external == m_state.ExternalAntenna)
        return;
    m_state.ExternalAntenna = external;
    m_view.setExternalAntenna(external, external ? kExternalAntennaArgb : kInternalAntennaArgb);
}

// The block is a copy: a modal message in its walk may let later frames complete new blocks.
// The acknowledgement names this block's own sequence number, also when nested walks have
// completed later blocks in the meantime. A walk that failed is acknowledged as well: its sequence
// number is taken, so a copy sent again would be ignored, and a board that sends an unacknowledged
// block again and again holds back every block behind it.
void FrameDispatcher::walkAndAcknowledge(const ParamBlock& block) {
    const WalkResult r = m_walk.walk(block);
    m_sinks.writeAck(block.seq);
    if (r.repaint)
        m_sinks.requestPaint();
}

} // namespace talix::sync
