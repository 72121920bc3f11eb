#pragma once

#include "audio/AudioDevice.h"
#include "audio/PlaybackRing.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <optional>

namespace talix::audio {

// A device notification on its way to the main window's message procedure. The kinds carry the
// numbers of the waveform-audio messages they stand for.
class DeviceEvent : public QEvent {
public:
    enum class Kind { Open = 955, Close = 956, Done = 957 };

    explicit DeviceEvent(Kind kind) : QEvent(eventType()), m_kind(kind) {}
    Kind kind() const { return m_kind; }
    static QEvent::Type eventType();

private:
    Kind m_kind;
};

// Passes a device's notifications on as DeviceEvents posted to `target`, so that they are
// handled in order with everything else on the target's thread, never inside a device call.
// Posting stops silently once the target is gone.
class DeviceEventPoster : public AudioDeviceListener {
public:
    explicit DeviceEventPoster(QObject* target) : m_target(target) {}

    void deviceOpened() override { post(DeviceEvent::Kind::Open); }
    void blockDone() override { post(DeviceEvent::Kind::Done); }
    void deviceClosed() override { post(DeviceEvent::Kind::Close); }

private:
    void post(DeviceEvent::Kind kind);

    QPointer<QObject> m_target;
};

// Hands one notification to the ring, as the message procedure does with the device's messages;
// returns the new value for the queue level bar if it is to change.
std::optional<int> deliverDeviceEvent(DeviceEvent::Kind kind, PlaybackRing& ring);

} // namespace talix::audio
