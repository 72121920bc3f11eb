#include "audio/support/RingDriver.h"

#include "audio/AudioDeviceFactory.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <span>

namespace talix::audio::testing {

RingDriver::RingDriver(int totalBlocks, Generator generator)
    : m_total(totalBlocks), m_generator(std::move(generator)) {}

RingDriver::~RingDriver() {
    ring.close();
}

OpenResult RingDriver::open(const QString& deviceName, std::uint8_t speakerVolume) {
    return ring.open(createAudioDevice(deviceName), m_poster, speakerVolume);
}

bool RingDriver::waitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const QDeadlineTimer deadline(timeout);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

bool RingDriver::finished() const {
    return fed == m_total && ring.queuedBlocks() == 0;
}

bool RingDriver::event(QEvent* event) {
    if (event->type() != DeviceEvent::eventType())
        return QObject::event(event);
    const auto& deviceEvent = static_cast<const DeviceEvent&>(*event);
    const auto bar = deliverDeviceEvent(deviceEvent.kind(), ring);
    switch (deviceEvent.kind()) {
    case DeviceEvent::Kind::Open:
        for (int i = 0; i < PlaybackRing::kSlots; ++i)
            feed();
        break;
    case DeviceEvent::Kind::Done:
        ++done;
        if (bar)
            lastBar = bar;
        feed();
        break;
    case DeviceEvent::Kind::Close:
        break;
    }
    return true;
}

void RingDriver::feed() {
    if (fed >= m_total)
        return;
    const Block block = m_generator(fed);
    if (block.size() != kBlockBytes)
        return;
    ring.queueBlock(std::span<const std::uint8_t, kBlockBytes>(block.data(), kBlockBytes));
    ++fed;
}

} // namespace talix::audio::testing
