#pragma once

#include "audio/AudioDevice.h"
#include "audio/BlockPacer.h"

#include <QTimer>
#include <span>

namespace talix::audio {

// The `null` device: plays without sound, one block per 12.5 ms on a steady clock, and reports
// each block done as a sound card would. Needs the thread's event loop for its timer.
class PacedAudioDevice : public AudioDevice {
public:
    PacedAudioDevice();
    ~PacedAudioDevice() override;

    OpenResult open(AudioDeviceListener& listener) override;
    void write(WaveHeader& header) override;
    void setVolume(std::uint16_t level) override;
    void pause() override;
    void restart() override;
    void reset() override;
    void close() override;

    std::uint16_t volume() const { return m_volume; }

protected:
    // Called for each block as it is played, in order, before its done notification.
    virtual void played(std::span<const std::uint8_t> block);
    // Called by close() after every block has been returned.
    virtual void closing();

private:
    void playDue();
    void schedule();
    void returnAll();

    BlockPacer m_pacer;
    QTimer m_timer;
    AudioDeviceListener* m_listener = nullptr;
    std::uint16_t m_volume = 0xFFFF;
};

} // namespace talix::audio
