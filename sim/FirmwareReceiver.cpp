#include "sim/FirmwareReceiver.h"

#include <algorithm>

namespace talix::sim {

namespace {

constexpr uint8_t kEnter = 10;
constexpr uint8_t kSelectCpu = 13;
constexpr uint8_t kAcknowledge = 13; // 13, 0, then a 24-bit block number
constexpr size_t kAckLength = 5;
constexpr uint8_t kCpuArgument = 3;
constexpr uint8_t kFirmwareStart = 12;
constexpr uint8_t kWiFiStart = 9;
constexpr uint8_t kGreeting = 18;
constexpr uint32_t kAccepted = 85;
constexpr uint32_t kReady = 0;
constexpr uint32_t kClearing = 90;
constexpr uint32_t kRefused = 3;
constexpr uint32_t kBurnt = 15;
constexpr size_t kStartLength = 5;
constexpr size_t kNamePacket = 5;
constexpr size_t kFirmwarePacket = 64 * 5;
constexpr size_t kWiFiPacket = 257;
constexpr int kNamePackets = 3;
constexpr size_t kBurnBlock = 4096;

} // namespace

bool FirmwareReceiver::begins(uint8_t firstByte) const {
    return m_fault != Fault::Silent && m_stage == Stage::Idle && firstByte == kEnter;
}

void FirmwareReceiver::reset() {
    m_stage = Stage::Idle;
    m_pending.clear();
}

std::vector<uint8_t> FirmwareReceiver::feed(const uint8_t* data, size_t size,
                                            std::vector<Reply>& replies) {
    m_pending.insert(m_pending.end(), data, data + size);
    std::vector<uint8_t> commands;
    while (!m_pending.empty()) {
        // The program acknowledges the parameter blocks that were on their way when the update
        // began; those records stay ordinary commands.
        if (m_stage != Stage::Idle && m_pending.front() == kAcknowledge) {
            if (m_pending.size() < 2 || (m_pending[1] == 0 && m_pending.size() < kAckLength))
                break;
            if (m_pending[1] == 0) {
                commands.insert(commands.end(), m_pending.begin(),
                                m_pending.begin() + std::ptrdiff_t(kAckLength));
                m_pending.erase(m_pending.begin(), m_pending.begin() + std::ptrdiff_t(kAckLength));
                continue;
            }
        }
        if (!step(replies))
            break;
    }
    if (m_stage == Stage::Idle) {
        commands.insert(commands.end(), m_pending.begin(), m_pending.end());
        m_pending.clear();
    }
    return commands;
}

// Handles the record at the front of the pending bytes.
bool FirmwareReceiver::step(std::vector<Reply>& replies) {
    const auto take = [this](size_t n) {
        m_pending.erase(m_pending.begin(), m_pending.begin() + std::ptrdiff_t(n));
    };
    switch (m_stage) {
    case Stage::Idle:
        if (m_pending.front() != kEnter)
            return false;
        take(1);
        m_wifi = false;
        m_stage = Stage::Mode;
        replies.push_back({kAccepted, {}});
        return true;
    case Stage::Mode: {
        const uint8_t kind = m_pending.front();
        if (kind == kGreeting) { // the program gave up
            m_stage = Stage::Idle;
            return false;
        }
        if (kind == kSelectCpu) {
            if (m_pending.size() < 2)
                return false;
            const bool cpu = m_pending[1] == kCpuArgument;
            take(2);
            m_wifi = cpu;
            replies.push_back({cpu ? kReady : kRefused, {}});
            if (!cpu)
                m_stage = Stage::Idle;
            return true;
        }
        if (kind != kFirmwareStart && kind != kWiFiStart) {
            m_pending.clear();
            replies.push_back({kRefused, {}});
            m_stage = Stage::Idle;
            return false;
        }
        if (m_pending.size() < kStartLength)
            return false;
        m_size = size_t(m_pending[1]) | size_t(m_pending[2]) << 8 | size_t(m_pending[3]) << 16 |
                 size_t(m_pending[4]) << 24;
        const bool wifiStart = kind == kWiFiStart;
        take(kStartLength);
        if (m_fault == Fault::Refuse || wifiStart != m_wifi || m_size > kLargestImage) {
            replies.push_back({kRefused, {}});
            m_stage = Stage::Idle;
            return true;
        }
        m_image.clear();
        m_names = 0;
        replies.push_back({kClearing, {}});
        for (int i = 0; i < kClearingTicks; ++i)
            replies.push_back({kAccepted, kClearingTick});
        replies.push_back({kReady, kClearingTick});
        m_stage = m_wifi ? Stage::WiFiData : Stage::Names;
        if (m_size == 0)
            finish(replies);
        return true;
    }
    case Stage::Names:
        if (m_pending.front() == kGreeting) {
            m_stage = Stage::Idle;
            return false;
        }
        if (m_pending.size() < kNamePacket)
            return false;
        take(kNamePacket);
        replies.push_back({kReady, {}});
        if (++m_names == kNamePackets)
            m_stage = Stage::FirmwareData;
        return true;
    case Stage::FirmwareData:
    case Stage::WiFiData: {
        if (m_pending.front() == kGreeting) {
            m_stage = Stage::Idle;
            return false;
        }
        const bool firmware = m_stage == Stage::FirmwareData;
        const size_t length = firmware ? kFirmwarePacket : kWiFiPacket;
        if (m_pending.size() < length)
            return false;
        std::vector<uint8_t> bytes;
        if (firmware) {
            for (size_t g = 0; g < 64; ++g)
                bytes.insert(bytes.end(), m_pending.begin() + std::ptrdiff_t(g * 5 + 1),
                             m_pending.begin() + std::ptrdiff_t(g * 5 + 5));
        } else {
            bytes.assign(m_pending.begin() + 1, m_pending.begin() + std::ptrdiff_t(kWiFiPacket));
        }
        take(length);
        const size_t wanted = std::min(bytes.size(), m_size - m_image.size());
        m_image.insert(m_image.end(), bytes.begin(), bytes.begin() + std::ptrdiff_t(wanted));
        replies.push_back({kReady, {}});
        if (m_image.size() >= m_size)
            finish(replies);
        return true;
    }
    }
    return false;
}

// The whole image is in: a firmware image is stored; a WiFi image is burnt first.
void FirmwareReceiver::finish(std::vector<Reply>& replies) {
    if (m_wifi) {
        const size_t blocks = (m_size + kBurnBlock - 1) / kBurnBlock;
        for (size_t i = 0; i < blocks; ++i)
            replies.push_back({kAccepted, kBurnTick});
        replies.push_back({kBurnt, kBurnTick});
    }
    ++m_imagesReceived;
    m_stage = Stage::Idle;
}

} // namespace talix::sim
