#include "sync/LinkQuality.h"

#include <algorithm>
#include <cstdlib>

namespace talix::sync {

std::optional<LinkQualityReport> LinkQuality::frame(uint16_t frameCounter) {
    LinkFrames += 1;
    const int32_t d = std::abs(int32_t(int16_t(frameCounter)) - int32_t(int16_t(LinkRef)));
    if (d < kMeasureDistance)
        return std::nullopt;
    LinkRef = frameCounter;
    const uint32_t q = std::min<uint32_t>(uint32_t(uint64_t(LinkFrames) * 100 / uint32_t(d)), 100);
    LinkFrames = 0;
    m_lastPercent = q;

    LinkQualityReport report;
    report.percent = q;
    report.text = QString::number(q) + QLatin1Char('%');
    bool ready = false;
    if (q >= kGoodPercent) {
        LinkGood += 1;
        if (LinkGood > kReadyStreak) {
            ready = true;
            LinkGood = kReadyStreak;
        }
    } else {
        LinkGood = 0;
    }
    report.circleArgb = ready ? kLinkReadyArgb : kLinkBadArgb;
    report.stateText = ready ? kLinkReadyText : kLinkUnstableText;
    return report;
}

} // namespace talix::sync
