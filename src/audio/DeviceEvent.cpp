#include "audio/DeviceEvent.h"

#include <QCoreApplication>

namespace talix::audio {

QEvent::Type DeviceEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void DeviceEventPoster::post(DeviceEvent::Kind kind) {
    if (m_target)
        QCoreApplication::postEvent(m_target, new DeviceEvent(kind));
}

std::optional<int> deliverDeviceEvent(DeviceEvent::Kind kind, PlaybackRing& ring) {
    switch (kind) {
    case DeviceEvent::Kind::Open:
        ring.deviceOpened();
        break;
    case DeviceEvent::Kind::Done:
        return ring.blockDone();
    case DeviceEvent::Kind::Close:
        ring.deviceClosed();
        break;
    }
    return std::nullopt;
}

} // namespace talix::audio
