#include "soak/support/CommandTrail.h"

#include "base/BoardWords.h"
#include "link/CommandRecords.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <map>

namespace talix::testing {

namespace {

constexpr int kHeadphoneVolumeItem = board::number(board::MainItem::HeadphoneVolume);

std::string list(const std::vector<uint32_t>& numbers) {
    constexpr size_t kShown = 12;
    std::string text;
    for (size_t i = 0; i < numbers.size() && i < kShown; ++i)
        text += " " + std::to_string(numbers[i]);
    if (numbers.size() > kShown)
        text += " ... (" + std::to_string(numbers.size()) + ")";
    return text;
}

} // namespace

link::Command numberedCommand(uint32_t number) {
    return link::commands::setValue(kHeadphoneVolumeItem, board::number(board::Form::Main), number);
}

std::optional<uint32_t> commandNumber(const std::vector<uint8_t>& record) {
    if (record.size() != 7 || record[0] != board::number(board::Record::SetValue) ||
        record[1] != kHeadphoneVolumeItem || record[2] != board::number(board::Form::Main))
        return std::nullopt;
    const uint32_t value = uint32_t(record[3]) | uint32_t(record[4]) << 8 |
                           uint32_t(record[5]) << 16 | uint32_t(record[6]) << 24;
    if (value < kFirstCommandNumber)
        return std::nullopt;
    return value;
}

std::vector<LossWindow> lossWindows(const std::vector<Recovery>& recoveries, int64_t marginMs) {
    std::vector<LossWindow> windows;
    for (const Recovery& r : recoveries)
        windows.push_back({r.closedMs - marginMs,
                           r.recovered() ? r.greetingMs : std::numeric_limits<int64_t>::max()});
    return windows;
}

std::string TrailReport::describe() const {
    return "queued " + std::to_string(queued) + ", delivered " + std::to_string(delivered) +
           ", lost at a drop " + std::to_string(lostAtDrop) + "; duplicated:" + list(duplicated) +
           "; reordered:" + list(reordered) + "; lost outside a drop:" + list(lost) +
           "; never queued:" + list(unknown);
}

TrailReport checkTrail(const std::vector<QueuedCommand>& queued,
                       const std::vector<BoardEvent>& events,
                       const std::vector<LossWindow>& windows) {
    TrailReport report;
    report.queued = queued.size();
    std::map<uint32_t, int64_t> queuedAt;
    for (const QueuedCommand& q : queued)
        queuedAt[q.number] = q.queuedMs;

    std::map<uint32_t, size_t> seen;       // times logged
    std::map<uint32_t, size_t> connection; // the connection that delivered it first
    size_t connections = 0;
    uint32_t highest = 0;
    for (const BoardEvent& e : events) {
        if (e.kind == BoardEvent::Kind::Accepted)
            ++connections;
        if (e.kind != BoardEvent::Kind::Record)
            continue;
        const auto number = commandNumber(e.bytes);
        if (!number)
            continue;
        if (!queuedAt.count(*number)) {
            report.unknown.push_back(*number);
            continue;
        }
        connection.emplace(*number, connections);
        if (++seen[*number] == 2)
            report.duplicated.push_back(*number);
        if (*number < highest)
            report.reordered.push_back(*number);
        highest = std::max(highest, *number);
    }
    report.delivered = seen.size();

    for (const QueuedCommand& q : queued) {
        if (seen.count(q.number))
            continue;
        // A hole between two commands that one connection delivered is never a drop's doing.
        const auto after = connection.upper_bound(q.number);
        if (after != connection.end() && after != connection.begin() &&
            std::prev(after)->second == after->second) {
            report.lost.push_back(q.number);
            continue;
        }
        const bool inWindow = std::any_of(windows.begin(), windows.end(), [&](const LossWindow& w) {
            return q.queuedMs >= w.fromMs && q.queuedMs <= w.toMs;
        });
        if (inWindow)
            ++report.lostAtDrop;
        else
            report.lost.push_back(q.number);
    }
    return report;
}

} // namespace talix::testing
