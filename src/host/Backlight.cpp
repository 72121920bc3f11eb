#include "host/Backlight.h"

#include "host/SysfsFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cmath>

namespace talix::host {

namespace {

constexpr std::array<const char*, 3> kTypePreference = {"firmware", "platform", "raw"};
constexpr int kFullLevel = 100;

int typeRank(const QString& folder) {
    const auto type = readAttribute(folder, "type");
    for (size_t i = 0; i < kTypePreference.size(); ++i)
        if (type == QString(kTypePreference[i]))
            return int(i);
    return int(kTypePreference.size());
}

} // namespace

std::optional<BacklightDevice> findBacklight(const QString& classFolder) {
    std::optional<BacklightDevice> best;
    int bestRank = 0;
    for (const QString& folder : deviceFolders(classFolder)) {
        const auto maximum = readNumber(folder, "max_brightness");
        if (!maximum || *maximum <= 0 || !QFileInfo::exists(folder + "/brightness"))
            continue;
        const int rank = typeRank(folder);
        if (best && rank >= bestRank)
            continue; // folders come by name: the first of a kind wins
        best = BacklightDevice{folder, QFileInfo(folder).fileName(), *maximum};
        bestRank = rank;
    }
    return best;
}

long long backlightValue(uint8_t percent, long long maximum) {
    if (maximum <= 0)
        return 0;
    const int level = std::min<int>(percent, kFullLevel);
    const auto value = std::llround(double(level) * double(maximum) / kFullLevel);
    return std::clamp<long long>(value, 1, maximum);
}

bool writeBacklight(const BacklightDevice& device, long long value) {
    QFile file(device.folder + "/brightness");
    if (!file.open(QIODevice::WriteOnly | QIODevice::ExistingOnly))
        return false;
    const QByteArray text = QByteArray::number(value) + '\n';
    return file.write(text) == text.size() && file.flush();
}

} // namespace talix::host
