#include "update/UpdateTransfer.h"

#include "update/UpdatePackets.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace talix::update {

const QString UpdateTransfer::kNotLoaded = QStringLiteral("File cannot be loaded into TLX!");
const QString UpdateTransfer::kFinished = QStringLiteral("File transfer finished successfully!");
const QString UpdateTransfer::kTimeout = QStringLiteral("Timeout: Device doesn't respond!");
const QString UpdateTransfer::kNoBoard = QStringLiteral("Nimbrel doesn't respond!");
const QString UpdateTransfer::kNoWiFiCpu = QStringLiteral("WiFi-CPU doesn't respond!");
const QString UpdateTransfer::kNotActivated =
    QStringLiteral("Could not automatically activate new driver!");
const QString UpdateTransfer::kNotAllBurnt =
    QStringLiteral("Could not burn all bytes into WiFi CPU!");
const QString UpdateTransfer::kLinkFailed = QStringLiteral("Can not open WiFi connection!");
const QString UpdateTransfer::kClearingCaption = QStringLiteral("Clearing memory:");
const QString UpdateTransfer::kSentCaption = QStringLiteral("Bytes sent:");
const QString UpdateTransfer::kBurningCaption = QStringLiteral("Bytes left to burn:");

namespace {

constexpr int32_t kLinkFailedReply = 2;
constexpr int32_t kRefusedReply = 4;
constexpr int32_t kTimedOutReply = 5;
constexpr int kSentCaptionFrom = 65; // firmware groups; the name and first packet come before
constexpr int kSentCaptionTo = 119;

} // namespace

void UpdateTransfer::start(Target target, const QString& path, const QString& fileName) {
    if (m_stage != Stage::Idle)
        return;
    m_target = target;
    m_path = path;
    m_fileName = fileName;
    m_burning = false;
    m_busy = false;
    m_group = 1;
    if (!QFileInfo(path).isFile() || !m_host.linkConnected()) {
        end(false);
        return;
    }
    m_host.setStartEnabled(false);
    m_busy = true;
    request(Stage::Handshake, packets::enterUpdateMode(), kAccepted);
}

void UpdateTransfer::reply(uint32_t word) {
    if (m_stage == Stage::Idle || m_stage == Stage::Result)
        return;
    m_reply = int32_t(word);
    if (m_fallback == kNoReply && m_reply == kReady)
        m_fallback = kReady;
    if (m_burning && m_reply == kAccepted) {
        m_host.stopReplyTimer();
        m_bytes = std::max<int64_t>(0, m_bytes - 4096);
        showBytes(m_bytes);
        showProgress();
        m_host.startReplyTimer(kBurnTimeoutMs);
        m_reply = kNoReply;
        return;
    }
    resume();
}

void UpdateTransfer::replyTimerExpired() {
    if (m_stage == Stage::Idle || m_stage == Stage::Result)
        return;
    m_host.stopReplyTimer();
    expire();
    resume();
}

void UpdateTransfer::clearingTick() {
    if (m_stage == Stage::Idle || m_stage == Stage::Result)
        return;
    m_host.stopReplyTimer();
    if (m_shown < kClearingTicks) {
        showBytes(m_shown + 1);
        m_host.startReplyTimer(kReplyTimeoutMs);
        return;
    }
    expire();
    m_host.stopClearingTick();
    resume();
}

// One silence is taken as the expected reply; a second in a row ends the update.
void UpdateTransfer::expire() {
    if (m_fallback == kNoReply) {
        m_result = kTimeout;
        m_busy = false;
        m_reply = kTimedOutReply;
        m_host.stopClearingTick();
        return;
    }
    m_reply = m_fallback;
    m_fallback = kNoReply;
    m_host.startReplyTimer(kReplyTimeoutMs);
}

void UpdateTransfer::abort() {
    if (m_stage == Stage::Idle || m_stage == Stage::Result)
        return;
    m_host.stopReplyTimer();
    m_host.stopClearingTick();
    m_busy = false;
    end(false);
}

// Where the current wait ends: a reply came, a timer stood in for one, or the update stopped.
void UpdateTransfer::resume() {
    if (m_stage == Stage::Burning) {
        if ((m_reply & 0xFF) == kBurnt || !m_busy)
            burningEnded();
        return;
    }
    if (m_reply == kNoReply && m_busy)
        return;
    switch (m_stage) {
    case Stage::Handshake: handshakeAnswered(); break;
    case Stage::SelectCpu: wifiCpuAnswered(); break;
    case Stage::Start: startAnswered(); break;
    case Stage::Transfer: transferStep(); break;
    default: break;
    }
}

void UpdateTransfer::handshakeAnswered() {
    m_host.stopReplyTimer();
    m_host.setTargetsEnabled(false);
    if (m_reply != kAccepted) {
        refused(kNoBoard);
        return;
    }
    QFile file(m_path);
    if (file.size() > kLargestImage || !file.open(QIODevice::ReadOnly)) {
        connectionFailure();
        return;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size()) {
        connectionFailure();
        return;
    }
    m_image.assign(bytes.begin(), bytes.end());
    const QByteArray name = m_fileName.toLocal8Bit();
    m_name = packets::paddedName(
        std::span(reinterpret_cast<const uint8_t*>(name.constData()), size_t(name.size())));
    if (m_target == Target::Firmware) {
        m_startCode = packets::kFirmwareStart;
        sendStart();
        return;
    }
    request(Stage::SelectCpu, packets::selectWiFiCpu(), kReady);
}

void UpdateTransfer::wifiCpuAnswered() {
    m_host.stopReplyTimer();
    if (m_reply != kReady) {
        refused(kNoWiFiCpu);
        return;
    }
    m_startCode = packets::kWiFiStart;
    sendStart();
}

// A handshake refused: said, and over without greeting the board.
void UpdateTransfer::refused(const QString& message) {
    m_stage = Stage::Result;
    m_busy = false;
    m_image.clear();
    m_host.showMessage(message);
    m_stage = Stage::Idle;
    m_host.setStartEnabled(true);
    m_host.setTargetsEnabled(true);
}

void UpdateTransfer::sendStart() {
    m_result = kNotLoaded;
    showBytes(0);
    request(Stage::Start, packets::start(m_startCode, uint32_t(m_image.size())), kClearing);
}

void UpdateTransfer::startAnswered() {
    m_host.stopReplyTimer();
    if (m_reply == kClearing) {
        m_host.setSendCaption(kClearingCaption);
        m_reply = kNoReply;
        m_host.startClearingTick();
        m_host.startReplyTimer(kReplyTimeoutMs);
    } else {
        m_reply = kRefusedReply;
    }
    m_host.setProgress(0);
    m_bytes = 0;
    m_fallback = kReady;
    m_stage = Stage::Transfer;
    resume();
}

// One pass of the transfer loop, for the reply that ended the wait.
void UpdateTransfer::transferStep() {
    m_host.stopReplyTimer();
    m_host.stopClearingTick();
    if (m_reply != kNoReply && m_busy) {
        if (m_reply == kAccepted) {
            showBytes(m_shown + 1);
            m_host.startReplyTimer(kReplyTimeoutMs);
            m_reply = kNoReply;
            m_fallback = kReady;
            return;
        }
        if (m_reply == kReady) {
            showBytes(m_bytes);
            showProgress();
            std::vector<uint8_t> packet;
            if (m_bytes < int64_t(m_image.size())) {
                packet = nextPacket();
            } else {
                m_busy = false;
                m_result = kFinished;
            }
            m_reply = kNoReply;
            m_host.startReplyTimer(kReplyTimeoutMs);
            if (!packet.empty() && !sendOrFail(packet))
                return;
            if (m_busy)
                return;
        } else {
            m_busy = false;
        }
    }
    afterTransfer();
}

std::vector<uint8_t> UpdateTransfer::nextPacket() {
    const size_t offset = size_t(m_bytes);
    if (m_target == Target::WiFi) {
        if (m_group > 1 && m_group < kSentCaptionTo + 1)
            m_host.setSendCaption(kSentCaption);
        m_bytes += int64_t(packets::kBytesPerPacket);
        return packets::wifiDataPacket(m_group++, m_image, offset);
    }
    if (m_group <= packets::kNameGroups)
        return packets::namePacket(m_group++, m_name);
    if (m_group >= kSentCaptionFrom && m_group <= kSentCaptionTo)
        m_host.setSendCaption(kSentCaption);
    const int first = m_group;
    m_group += int(packets::kGroupsPerPacket);
    m_bytes += int64_t(packets::kBytesPerPacket);
    return packets::firmwareDataPacket(first, m_image, offset);
}

void UpdateTransfer::afterTransfer() {
    m_host.stopReplyTimer();
    if (m_target == Target::Firmware) {
        showResult();
        return;
    }
    m_host.setSendCaption(kBurningCaption);
    m_host.startReplyTimer(kReplyTimeoutMs);
    m_busy = true;
    m_burning = true;
    m_fallback = kBurnt;
    m_stage = Stage::Burning;
    resume();
}

void UpdateTransfer::burningEnded() {
    m_host.stopReplyTimer();
    switch ((m_reply >> 8) & 0xFF) {
    case 1: m_result = kNotActivated; break;
    case 2: m_result = kNotAllBurnt; break;
    default: showBytes(0); break;
    }
    showResult();
}

void UpdateTransfer::showResult() {
    m_busy = false;
    m_stage = Stage::Result;
    m_host.stopReplyTimer();
    m_host.stopClearingTick();
    m_host.showMessage(m_result);
    end(false);
}

void UpdateTransfer::end(bool failedLink) {
    m_stage = Stage::Idle;
    m_busy = false;
    m_burning = false;
    m_image.clear();
    m_image.shrink_to_fit();
    if (!failedLink)
        m_host.send(packets::greeting()); // the board goes back to streaming
    m_host.setStartEnabled(true);
    m_host.setTargetsEnabled(true);
    if (failedLink)
        m_host.showMessage(kLinkFailed);
}

void UpdateTransfer::connectionFailure() {
    m_host.stopReplyTimer();
    m_host.stopClearingTick();
    m_busy = false;
    m_reply = kLinkFailedReply;
    end(true);
}

// The reply timer runs from the send; `fallback` is taken for the reply if it expires first. A send
// that fails has ended the update already.
void UpdateTransfer::request(Stage stage, std::span<const uint8_t> record, int32_t fallback) {
    m_reply = kNoReply;
    m_host.startReplyTimer(kReplyTimeoutMs);
    m_stage = stage;
    if (sendOrFail(record))
        m_fallback = fallback;
}

bool UpdateTransfer::sendOrFail(std::span<const uint8_t> record) {
    if (m_host.send(record))
        return true;
    connectionFailure();
    return false;
}

void UpdateTransfer::showBytes(int64_t number) {
    m_shown = number;
    m_host.setBytes(number);
}

void UpdateTransfer::showProgress() {
    const int64_t size = int64_t(m_image.size());
    const int64_t percent = size == 0 ? 100 : 100 * m_bytes / size;
    m_host.setProgress(int(std::clamp<int64_t>(percent, 0, 100)));
}

} // namespace talix::update
