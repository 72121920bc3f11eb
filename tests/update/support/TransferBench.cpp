#include "update/support/TransferBench.h"

#include <QFile>

namespace talix::update::testing {

TransferBench::TransferBench() : board(willingBoard) {}

void TransferBench::start(UpdateTransfer::Target target, size_t size, const QString& name) {
    const QString path = dir.filePath(name);
    QByteArray bytes(qsizetype(size), '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[qsizetype(i)] = char(i & 0xFF);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    file.close();
    transfer.start(target, path, name);
}

bool TransferBench::send(std::span<const uint8_t> record) {
    if (!connected || (failSendAt && sent.size() == *failSendAt))
        return false;
    sent.push_back({nowMs, {record.begin(), record.end()}});
    if (board)
        for (uint32_t reply : board(sent.back().bytes))
            pendingReplies.push_back(reply);
    return true;
}

void TransferBench::run(int64_t untilMs) {
    while (transfer.stage() != UpdateTransfer::Stage::Idle) {
        if (!pendingReplies.empty()) {
            const uint32_t reply = pendingReplies.front();
            pendingReplies.pop_front();
            transfer.reply(reply);
            continue;
        }
        if (!replyDueMs && !tickDueMs)
            return; // nothing more can happen
        const bool tickFirst = tickDueMs && (!replyDueMs || *tickDueMs <= *replyDueMs);
        if ((tickFirst ? *tickDueMs : *replyDueMs) > untilMs)
            return;
        if (tickFirst) {
            nowMs = *tickDueMs;
            tickDueMs = nowMs + 1000;
            transfer.clearingTick();
        } else {
            nowMs = *replyDueMs;
            replyDueMs.reset();
            transfer.replyTimerExpired();
        }
    }
}

std::vector<uint32_t> willingBoard(const std::vector<uint8_t>& record) {
    if (record == std::vector<uint8_t>{10})
        return {85};
    if (record == std::vector<uint8_t>{18})
        return {};
    if (record.size() == 5 && (record[0] == 12 || record[0] == 9))
        return {90, 0}; // cleared at once
    return {0};
}

} // namespace talix::update::testing
