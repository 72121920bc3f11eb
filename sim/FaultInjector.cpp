#include "sim/FaultInjector.h"

#include "sim/ParamWords.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace talix::sim {

namespace {

bool parseNumber(const std::string& text, double& out) {
    if (text.empty())
        return false;
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    return end && *end == '\0' && out >= 0;
}

bool parseFraction(const std::string& text, double& out) {
    return parseNumber(text, out) && out <= 1;
}

} // namespace

std::optional<FaultPlan> parseFaults(const std::string& text, std::string& error) {
    FaultPlan plan;
    std::stringstream list(text);
    for (std::string entry; std::getline(list, entry, ',');) {
        if (entry.empty())
            continue;
        if (entry == "mix") {
            plan.pausesPerMinute = 1;
            plan.dropsPerMinute = 0.5;
            plan.garbageFraction = 0.02;
            plan.splitFraction = 0.1;
            plan.badBlockFraction = 0.02;
            plan.blockSplitFraction = 0.2;
            continue;
        }
        const auto eq = entry.find('=');
        if (eq == std::string::npos) {
            error = "fault entry without a value: " + entry;
            return std::nullopt;
        }
        const std::string name = entry.substr(0, eq);
        std::string value = entry.substr(eq + 1);
        std::string extra;
        if (const auto colon = value.find(':'); colon != std::string::npos) {
            extra = value.substr(colon + 1);
            value = value.substr(0, colon);
        }
        double second = 0;
        bool ok = true;
        if (name == "pause") {
            ok = parseNumber(value, plan.pausesPerMinute) &&
                 (extra.empty() || (parseNumber(extra, second) && second >= 1 && second <= 60000));
            if (ok && !extra.empty())
                plan.pauseLength = std::chrono::milliseconds(long(second));
        } else if (name == "drop") {
            ok = extra.empty() && parseNumber(value, plan.dropsPerMinute);
        } else if (name == "garbage") {
            ok = parseFraction(value, plan.garbageFraction) &&
                 (extra.empty() || (parseNumber(extra, second) && second >= 1 && second <= 4096));
            if (ok && !extra.empty())
                plan.garbageBytes = int(second);
        } else if (name == "split") {
            ok = (extra.empty() || extra == "any") && parseFraction(value, plan.splitFraction);
            plan.splitAnywhere = extra == "any";
        } else if (name == "badblock") {
            ok = extra.empty() && parseFraction(value, plan.badBlockFraction);
        } else if (name == "update") {
            ok = extra.empty() && (value == "silent" || value == "refuse");
            plan.update = value == "silent" ? FirmwareReceiver::Fault::Silent
                                            : FirmwareReceiver::Fault::Refuse;
        } else if (name == "blocksplit") {
            ok = extra.empty() && parseFraction(value, plan.blockSplitFraction);
        } else {
            error = "unknown fault: " + name;
            return std::nullopt;
        }
        if (!ok) {
            error = "bad value in fault entry: " + entry;
            return std::nullopt;
        }
    }
    return plan;
}

FaultInjector::FaultInjector(FaultPlan plan, uint32_t seed)
    : m_plan(plan), m_random(uint64_t(seed) * 7919 + 17) {}

std::optional<std::chrono::milliseconds> FaultInjector::pauseNow() {
    if (perMinute(m_plan.pausesPerMinute))
        return m_plan.pauseLength;
    return std::nullopt;
}

bool FaultInjector::dropNow() {
    return perMinute(m_plan.dropsPerMinute);
}

std::vector<uint8_t> FaultInjector::garbage() {
    if (!perFrame(m_plan.garbageFraction))
        return {};
    const auto n = size_t(m_plan.garbageBytes > 0 ? m_plan.garbageBytes : m_random.range(1, 64));
    std::vector<uint8_t> bytes(n);
    for (auto& b : bytes)
        b = uint8_t(m_random.next());
    return bytes;
}

std::vector<size_t> FaultInjector::splitPoints(size_t frameSize) {
    if (!perFrame(m_plan.splitFraction) || frameSize < 4)
        return {};
    std::vector<size_t> points;
    const int pieces = int(m_random.range(2, 4));
    for (int i = 1; i < pieces; ++i) {
        auto at = size_t(m_random.range(1, int64_t(frameSize) - 1));
        if (!m_plan.splitAnywhere)
            at = std::max<size_t>(4, at & ~size_t(3));
        points.push_back(at);
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    return points;
}

uint32_t FaultInjector::blockSplit(uint32_t totalWords) {
    if (totalWords < 2 || !perFrame(m_plan.blockSplitFraction))
        return totalWords;
    return uint32_t(m_random.range(1, totalWords - 1));
}

const char* FaultInjector::name(BadBlock kind) {
    // In the order of BadBlock.
    static constexpr const char* kNames[kBadBlockKinds] = {
        "block length too small", "block length too large",
        "block cut short",        "unknown id",
        "values past the block",  "word count above 124",
        "sequence number 0",      "continuation without a block"};
    return kNames[size_t(kind)];
}

bool FaultInjector::badBlockFrame(FrameContent& content, const std::function<uint32_t()>& takeSeq) {
    if (m_truncatedSeq) {
        // Two words where nine are missing: the program drops the block.
        content.words[0] = 0;
        content.words[1] = 0;
        content.streamHeader = streamHeader(2, *m_truncatedSeq, true);
        m_truncatedSeq.reset();
        return true;
    }
    if (!perFrame(m_plan.badBlockFraction))
        return false;
    m_lastBad = BadBlock(m_random.range(0, kBadBlockKinds - 1));
    const uint32_t seq = takeSeq();
    auto& w = content.words;
    switch (m_lastBad) {
    case BadBlock::LengthTooSmall:
        w[0] = 4;
        w[1] = 0;
        content.streamHeader = streamHeader(2, seq, false);
        break;
    case BadBlock::LengthTooLarge:
        w[0] = 500;
        w[1] = 0;
        content.streamHeader = streamHeader(2, seq, false);
        break;
    case BadBlock::TruncatedBlock:
        w[0] = 4 * 12; // twelve words announced, three sent, then two
        w[1] = 0;
        w[2] = 0;
        content.streamHeader = streamHeader(3, seq, false);
        m_truncatedSeq = seq;
        break;
    case BadBlock::UnknownId:
        w[0] = 12;
        w[1] = 0;          // filler
        w[2] = 0x00AB0063; // id 99: the walk ends here
        content.streamHeader = streamHeader(3, seq, false);
        break;
    case BadBlock::ValuesPastEnd:
        w[0] = 12;
        w[1] = valueWord(board::number(board::MainItem::TunedFreq),
                         board::number(board::Form::Main)); // it needs three value words
        w[2] = 1000;
        content.streamHeader = streamHeader(3, seq, false);
        break;
    case BadBlock::TooManyWords:
        w[0] = 8;
        w[1] = 0;
        content.streamHeader = streamHeader(200, seq, false);
        break;
    case BadBlock::ZeroSequence:
        w[0] = 8;
        w[1] = valueWord(99, board::number(board::Form::Main));
        content.streamHeader = streamHeader(2, 0, false);
        break;
    case BadBlock::StrayContinuation:
        w[0] =
            valueWord(board::number(board::MainItem::TunedFreq), board::number(board::Form::Main));
        content.streamHeader = streamHeader(1, seq, true);
        break;
    }
    return true;
}

} // namespace talix::sim
