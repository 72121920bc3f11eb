#include "audio/support/ScriptedAudioDevice.h"

namespace talix::audio::testing {

OpenResult ScriptedAudioDevice::open(AudioDeviceListener& listener) {
    m_log.calls.push_back("open");
    if (m_openResult != OpenResult::Ok)
        return m_openResult;
    m_listener = &listener;
    listener.deviceOpened();
    return OpenResult::Ok;
}

void ScriptedAudioDevice::write(WaveHeader& header) {
    markQueued(header);
    m_queue.push_back(&header);
    m_log.written.push_back(&header);
}

void ScriptedAudioDevice::setVolume(std::uint16_t level) {
    m_log.calls.push_back("volume");
    m_log.volumes.push_back(level);
}

void ScriptedAudioDevice::reset() {
    m_log.calls.push_back("reset");
    while (playOne()) {
    }
}

void ScriptedAudioDevice::close() {
    m_log.calls.push_back("close");
    while (playOne()) {
    }
    if (m_listener)
        m_listener->deviceClosed();
    m_listener = nullptr;
}

bool ScriptedAudioDevice::playOne() {
    if (m_queue.empty() || !m_listener)
        return false;
    WaveHeader* header = m_queue.front();
    m_queue.pop_front();
    m_log.played.emplace_back(header->data, header->data + header->bufferLength);
    markPlayed(*header);
    m_listener->blockDone();
    return true;
}

} // namespace talix::audio::testing
