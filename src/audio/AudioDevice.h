#pragma once

#include "audio/WaveHeader.h"

#include <cstdint>

namespace talix::audio {

// The result of opening an output device. The numbers are those of the waveform-audio interface,
// so that every device reports its failures in one vocabulary with one set of texts.
enum class OpenResult : int {
    Ok = 0,
    Failed = 1, // no more specific reason
    BadDeviceId = 2,
    Allocated = 4,
    NoDriver = 6,
    NoMemory = 7,
    BadFormat = 32,
    Synchronous = 35,
};

// Receives a device's notifications, on the thread that uses the device. A device never calls
// its listener from inside write(), setVolume(), pause() or restart(), so the listener may call
// straight back into whoever writes blocks.
class AudioDeviceListener {
public:
    virtual ~AudioDeviceListener() = default;
    virtual void deviceOpened() = 0; // from inside a successful open()
    virtual void blockDone() = 0;    // one written block played, or returned by reset() or close()
    virtual void deviceClosed() = 0; // from inside close(), after every block has been returned
};

// A queue of 2048-byte blocks of the audio format (AudioFormat.h) played in the order written.
// All calls come from one thread, the one the device was created on.
class AudioDevice {
public:
    virtual ~AudioDevice() = default;

    // Opens the output. On success the listener has received deviceOpened() and will receive
    // every later notification; on failure nothing else may be called but the destructor.
    virtual OpenResult open(AudioDeviceListener& listener) = 0;
    // Queues one block: before returning, the device has cleared kHeaderDone and set
    // kHeaderInQueue; once the block has been played it sets kHeaderDone, clears kHeaderInQueue
    // and calls blockDone(). `header` and its data must stay valid until then.
    virtual void write(WaveHeader& header) = 0;
    // Output level as a fraction level / 65535 of full scale, the same on both channels.
    virtual void setVolume(std::uint16_t level) = 0;
    // Holds the output where it is, and goes on from there.
    virtual void pause() = 0;
    virtual void restart() = 0;
    // Stops the output and returns every queued block as done, from inside the call.
    virtual void reset() = 0;
    // Returns any queued block as reset() does, releases the output and reports deviceClosed().
    // The device touches no header and calls no listener afterwards.
    virtual void close() = 0;
    // Destroying a device releases its output without notifying anyone.
};

} // namespace talix::audio
