#pragma once

#include "base/Palette.h"
#include "sync/FormSlots.h"
#include "sync/FrameSinks.h"
#include "sync/LinkQuality.h"
#include "sync/MainItems.h"
#include "sync/MainView.h"
#include "sync/ParamReassembly.h"
#include "sync/ParamWalk.h"
#include "sync/ReceiverState.h"

#include <QLocale>
#include <array>
#include <cstdint>

namespace talix::sync {

// The main window's handling of one frame payload (WM_LINKFRAME): link quality, the audio block,
// the status word and the spectrum line to their consumers, then the parameter stream: reassembly,
// the walk of each completed block and its acknowledgement. What the user sees goes to `view`, the
// audio, the acknowledgement and the rotator relay to `sinks`. UI thread only; may be re-entered
// from a modal message shown by a walk.
class FrameDispatcher {
public:
    // `state` is the receiver state its items write; it outlives the dispatcher.
    FrameDispatcher(MainView& view, FrameSinks& sinks, FormSlots& formSlots, ReceiverState& state,
                    const QLocale& locale = QLocale::system());

    // `payload` holds at least the payload length given in lParam's low 16 bits; lParam's upper 16
    // bits are the board's frame counter.
    void handleFrame(const uint8_t* payload, uint32_t lParam);

    ReceiverState& state() { return m_state; }
    const ReceiverState& state() const { return m_state; }
    const LinkQuality& linkQuality() const { return m_link; }
    const ParamReassembly& reassembly() const { return m_reassembly; }
    bool rotatorSelected() const { return m_walk.RotatorSelected; }

    static constexpr uint32_t kExternalAntennaArgb = kHotPink;
    static constexpr uint32_t kInternalAntennaArgb = kLime;

private:
    void handleStatus(uint32_t status);
    void walkAndAcknowledge(const ParamBlock& block);

    MainView& m_view;
    FrameSinks& m_sinks;
    ReceiverState& m_state;
    MainItems m_items;
    LinkQuality m_link;
    ParamReassembly m_reassembly;
    ParamWalk m_walk;
};

} // namespace talix::sync
