#pragma once

#include "base/Palette.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace talix::sync {

// What one measurement shows: LWiFi's text, and the update form's circle C_WLAN and label L_WLAN.
struct LinkQualityReport {
    uint32_t percent = 0;
    QString text; // LWiFi: "95%"
    uint32_t circleArgb = 0;
    QString stateText; // L_WLAN
};

constexpr uint32_t kLinkBadArgb = kRed;
constexpr uint32_t kLinkReadyArgb = kGreen;
inline const QString kLinkReadyText = QStringLiteral("WiFi ready!");
inline const QString kLinkUnstableText = QStringLiteral("WiFi not stable!");

// Link quality from the board's 16-bit frame counter: once the counter has moved by 80 or more
// since the last measurement, the frames received meanwhile are set against that distance.
// "WiFi ready!" needs eleven measurements of at least 95 % in a row.
class LinkQuality {
public:
    static constexpr int32_t kMeasureDistance = 80;
    static constexpr uint32_t kGoodPercent = 95;
    static constexpr int kReadyStreak = 10;

    // Called for every frame; returns a report on the frames that make a measurement.
    std::optional<LinkQualityReport> frame(uint16_t frameCounter);

    // The percentage of the last measurement; 0 before the first.
    uint32_t lastPercent() const { return m_lastPercent; }

    uint32_t LinkFrames = 0;
    uint16_t LinkRef = 0;
    int LinkGood = 0;

private:
    uint32_t m_lastPercent = 0;
};

} // namespace talix::sync
