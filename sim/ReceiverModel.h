#pragma once

#include "base/Endpoint.h"
#include "sim/AudioSynth.h"
#include "sim/BandPlan.h"
#include "sim/DabEnsemble.h"
#include "sim/FrameWriter.h"
#include "sim/MemoryBank.h"
#include "sim/ParamSender.h"
#include "sim/BoardSettings.h"
#include "sim/ReportQueue.h"
#include "sim/RotatorMotor.h"
#include "sim/SettingsForms.h"
#include "sim/SpectrumSynth.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace talix::sim {

// The simulated receiver: it holds the radio's state, answers the program's commands by
// queuing reports for the parameter stream, and produces each frame's audio, spectrum line and
// status word from the band plan. Used by the board thread only.
class ReceiverModel {
public:
    ReceiverModel(uint32_t seed, Endpoint rotator, bool rotatorFound);

    // The program greeted: identify, then report the whole state.
    void greeted();
    // One command record (acknowledgements and greetings are the board's own business).
    void handleCommand(const std::vector<uint8_t>& record);
    // Once per frame, before the frame's parameter block is chosen: periodic reports.
    void tick();
    // The next block of pending reports.
    std::optional<ParamBlock> takeBlock();
    // Audio, spectrum and status of the next frame; advances the board's clock by one frame.
    void renderFrame(FrameContent& content);

    const BoardSettings& state() const { return m_state; }
    // Board time of the next frame, seconds.
    double now() const { return double(m_sampleClock) / kSampleRate; }
    // The rotator's datagrams: a position (0: off), and its greeting, answered with its state
    // and version.
    void setRotatorPosition(uint8_t position, bool on);
    void rotatorGreeted();

    // Encoders of what the board reports (the main window's items, the Setup form's items).
    std::vector<uint32_t> encode(int form, int item) const;

private:
    // Commands.
    void button(uint8_t code, uint8_t high);
    void memoryKey(uint8_t code, uint8_t high);
    void memoryLine(uint8_t tag, uint8_t zone);
    void recallMemory(int tag);
    void knob(int step);
    void selectField(uint8_t item, uint8_t form);
    void setValue(uint8_t item, uint8_t form, uint32_t value);

    // Main-window changes with the reports they need.
    void tuneTo(int64_t freq, bool remember);
    void setMode(uint8_t mode);
    void editMainField(uint8_t field, int units);
    void editSetupItem(uint8_t item, int units);
    void zeroBeat();
    void setTuneMode(bool on);
    void showForm(int form);
    void closeForm(int form);
    void undoTuning();
    void reportTuning();
    void reportPassband() { m_reports.item(board::MainItem::Passband); }

    // Live readings.
    TuningView tuningView() const;
    DisplayScale displayScale() const;
    void measureLevels();
    void reportClock();
    void reportRds();
    void turnRotator();

    std::vector<uint32_t> mainItem(int item) const;
    std::vector<uint32_t> setupItem(int item) const;
    uint32_t undoValue() const;

    uint32_t m_seed;
    Endpoint m_rotator;
    bool m_rotatorFound;
    BandPlan m_plan;
    BoardSettings m_state;
    ReportQueue m_reports;
    SettingsForms m_forms{m_state, m_reports}; // System, Microphone and WiFi
    AudioSynth m_audio;
    SpectrumSynth m_spectrum;
    uint64_t m_sampleClock = 0;
    uint64_t m_frame = 0;
    int m_knobRemainder = 0;
    RotatorMotor m_rotatorMotor{m_state.rotatorPosition};
    MemoryBank m_memory;
    int m_memorySelected = 0; // the memory line touched last
    DabEnsemble m_dab;

    // Readings reported periodically.
    int32_t m_levelTenths = -1200, m_smeterTenths = -1200, m_noiseTenths = -1200;
    int32_t m_marker = 0;
    bool m_overload = false;
    uint16_t m_agcRow = 0;
    int32_t m_clockCal = 0;
    int64_t m_lastGpsSecond = -1;
    std::string m_gpsTime = "--:--:--", m_latitude, m_longitude, m_altitude;
    int m_rdsStation = -1; // band-plan index of the FM station whose RDS is shown
    double m_rdsSince = 0;
    int m_rdsStage = 0;
    size_t m_radioTextIndex = 0;
};

} // namespace talix::sim
