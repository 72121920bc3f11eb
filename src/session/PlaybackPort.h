#pragma once

#include <QString>
#include <cstdint>

namespace talix::session {

// The recorder's player as its form uses it: a recording plays on an output device of its own
// while the live audio is held (neither played nor recorded) until it stops, as loud as the
// loudspeaker bar sets the live audio. Times are in 100 ns units. UI thread only.
class PlaybackPort {
public:
    static constexpr std::int64_t kTimeUnitsPerSecond = 10'000'000;

    virtual ~PlaybackPort() = default;
    // Opens `path` and plays it from its start; false, with the live audio going on, when it is
    // no recording of the program's format or its device does not open.
    virtual bool play(const QString& path) = 0;
    // Ends the play and the live audio comes back; the recording stays open until release().
    virtual void stop() = 0;
    virtual void release() = 0;
    // From play() until stop() or the recording's last block has been played.
    virtual bool playing() const = 0;
    virtual std::int64_t position() const = 0;
    virtual std::int64_t duration() const = 0;
    // Goes on from `time` (clamped to the recording).
    virtual void seek(std::int64_t time) = 0;
};

} // namespace talix::session
