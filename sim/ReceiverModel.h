#pragma once

#include "base/Endpoint.h"
#include "sim/BandPlan.h"
#include "sim/BoardSettings.h"
#include "sim/CommandHandler.h"
#include "sim/DabEnsemble.h"
#include "sim/FormSwitcher.h"
#include "sim/FrameRenderer.h"
#include "sim/FrameWriter.h"
#include "sim/GpsReceiver.h"
#include "sim/ItemEncoder.h"
#include "sim/KnobEditor.h"
#include "sim/MemoryBank.h"
#include "sim/MemoryKeypad.h"
#include "sim/ParamSender.h"
#include "sim/RdsReception.h"
#include "sim/ReportQueue.h"
#include "sim/RotatorRelay.h"
#include "sim/SettingsForms.h"
#include "sim/SignalMeter.h"
#include "sim/Tuner.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace talix::sim {

// The simulated receiver, as the board thread sees it: greeted, it identifies and reports its
// whole state; it takes the program's commands (CommandHandler) and queues the reports they need
// (ReportQueue, encoded by ItemEncoder); once per frame it measures and reports what changes by
// itself (SignalMeter, GpsReceiver, RdsReception, RotatorRelay, DabEnsemble) and renders the
// frame's audio, spectrum and status (FrameRenderer). Used by the board thread only.
class ReceiverModel {
public:
    ReceiverModel(uint32_t seed, Endpoint rotator, bool rotatorFound);

    // The program greeted: identify, then report the whole state.
    void greeted();
    // One command record (acknowledgements and greetings are the board's own business).
    void handleCommand(const std::vector<uint8_t>& record) { m_commands.handle(record); }
    // Once per frame, before the frame's parameter block is chosen: periodic reports.
    void tick();
    // The next block of pending reports.
    std::optional<ParamBlock> takeBlock();
    // Audio, spectrum and status of the next frame; advances the board's clock by one frame.
    void renderFrame(FrameContent& content) { m_renderer.render(content, m_meter.agcRow()); }

    const BoardSettings& state() const { return m_state; }
    // Board time of the next frame, seconds.
    double now() const { return m_renderer.now(); }
    // A datagram the program sent the rotator.
    void rotatorDatagram(const uint8_t* data, size_t size) { m_rotator.datagram(data, size); }

    // What the board reports for an item of a form.
    std::vector<uint32_t> encode(int form, int item) const { return m_encoder.encode(form, item); }

private:
    uint32_t m_seed;
    BandPlan m_plan;
    BoardSettings m_state;
    ReportQueue m_reports;
    SettingsForms m_forms{m_state, m_reports}; // System, Microphone and WiFi
    DabEnsemble m_dab;
    MemoryBank m_memory;
    FrameRenderer m_renderer;
    SignalMeter m_meter{m_plan, m_state, m_reports};
    GpsReceiver m_gps;
    RdsReception m_rds{m_plan, m_state, m_reports};
    RotatorRelay m_rotator;
    Tuner m_tuner{m_state, m_reports, m_plan, m_dab};
    FormSwitcher m_shownForm{m_state, m_reports, m_memory, m_forms};
    MemoryKeypad m_keypad{m_state, m_reports, m_memory, m_shownForm, m_tuner, m_dab};
    KnobEditor m_knob{m_state, m_reports, m_tuner, m_rotator, m_forms, m_dab};
    CommandHandler m_commands{
        {m_state, m_reports, m_tuner, m_shownForm, m_keypad, m_knob, m_forms, m_dab}};
    ItemEncoder m_encoder{m_state, m_forms, {&m_meter, &m_gps, &m_rds, &m_rotator}};
};

} // namespace talix::sim
