#pragma once

#include "audio/AudioFormat.h"
#include "audio/DeviceEvent.h"
#include "audio/PlaybackRing.h"

#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

namespace talix::audio::testing {

// Plays a sequence of generated blocks through a PlaybackRing and a real device, the way the
// main window does: the device's notifications arrive as posted events. After the device has
// opened it feeds the ring 64 blocks, then one block per block done, so that no block is dropped.
class RingDriver : public QObject {
public:
    using Block = std::vector<std::uint8_t>; // kBlockBytes long
    using Generator = std::function<Block(int index)>;

    RingDriver(int totalBlocks, Generator generator);
    ~RingDriver() override;

    OpenResult open(const QString& deviceName, std::uint8_t speakerVolume);
    // Processes events until `done` holds; false if `timeout` passed first.
    static bool waitFor(const std::function<bool()>& done,
                        std::chrono::milliseconds timeout = std::chrono::seconds(20));
    // Every block fed and every block handed over played.
    bool finished() const;

    PlaybackRing ring;
    int fed = 0;
    int done = 0;
    std::optional<int> lastBar;

protected:
    bool event(QEvent* event) override;

private:
    void feed();

    int m_total;
    Generator m_generator;
    DeviceEventPoster m_poster{this};
};

} // namespace talix::audio::testing
