#pragma once

#include "update/UpdateTransfer.h"

#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace talix::update::testing {

// The transfer's host on a clock of its own: the reply timer and the clearing tick expire when
// run() comes to them, in virtual milliseconds, and a scripted board answers what is sent.
class TransferBench : public UpdateTransferHost {
public:
    struct Sent {
        int64_t atMs;
        std::vector<uint8_t> bytes;
    };
    struct Shown {
        int64_t atMs;
        QString text;
    };
    // The board: the replies to one record (none: silence).
    using Board = std::function<std::vector<uint32_t>(const std::vector<uint8_t>& record)>;

    TransferBench();

    // Starts an update of a file of `size` bytes (byte i is i & 0xFF) named `name`.
    void start(UpdateTransfer::Target target, size_t size, const QString& name = "TALIX12.QFM");
    // Delivers the board's replies and lets the timers expire until the transfer is idle again,
    // or until the next expiry would come after `untilMs` of virtual time.
    void run(int64_t untilMs = 600'000);

    UpdateTransfer transfer{*this};
    Board board;
    bool connected = true;
    std::optional<size_t> failSendAt; // the write of this record (counted from 0) fails
    int64_t nowMs = 0;
    std::vector<Sent> sent;
    std::vector<Shown> messages;
    std::vector<Shown> captions;
    std::vector<int64_t> bytesShown;
    std::vector<int> progress;
    bool startEnabled = true;
    bool targetsEnabled = true;
    std::deque<uint32_t> pendingReplies;
    std::optional<int64_t> replyDueMs;
    std::optional<int64_t> tickDueMs;
    QTemporaryDir dir;

    // UpdateTransferHost
    bool linkConnected() override { return connected; }
    bool send(std::span<const uint8_t> record) override;
    void startReplyTimer(int ms) override { replyDueMs = nowMs + ms; }
    void stopReplyTimer() override { replyDueMs.reset(); }
    void startClearingTick() override { tickDueMs = nowMs + 1000; }
    void stopClearingTick() override { tickDueMs.reset(); }
    void setSendCaption(const QString& text) override { captions.push_back({nowMs, text}); }
    void setBytes(int64_t number) override { bytesShown.push_back(number); }
    void setProgress(int percent) override { progress.push_back(percent); }
    void setStartEnabled(bool enabled) override { startEnabled = enabled; }
    void setTargetsEnabled(bool enabled) override { targetsEnabled = enabled; }
    void showMessage(const QString& text) override { messages.push_back({nowMs, text}); }
};

// A board that accepts everything: 85 to [10], 0 to [13, 3], 90 and at once 0 to a start record,
// 0 to every packet.
std::vector<uint32_t> willingBoard(const std::vector<uint8_t>& record);

} // namespace talix::update::testing
