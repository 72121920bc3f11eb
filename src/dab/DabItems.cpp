#include "dab/DabItems.h"

#include "base/BoardWords.h"
#include "sync/AnsiText.h"

#include <algorithm>

namespace talix::dab {

namespace {

// Characters of the status text, and of the edit that shows it (MaxLength 13).
constexpr size_t kStatusBytes = 14;
// The programme number of a "P" status begins at its eleventh character.
constexpr int kProgrammeNumberAt = 10;
constexpr size_t kServiceNameBytes = 80;
constexpr size_t kDynamicLabelBytes = 128;

// A decimal number and nothing else; nothing when the text is not one (or does not fit an int).
std::optional<int> decimal(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || !std::all_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    bool ok = false;
    const int n = t.toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

} // namespace

QString dataServiceName(uint8_t code) {
    switch (code) {
    case 0:
        return QStringLiteral("Slide Show");
    case 1:
        return QStringLiteral("BWS");
    case 2:
        return QStringLiteral("TPEG");
    case 3:
        return QStringLiteral("DGPS");
    case 4:
        return QStringLiteral("TMC");
    case 5:
        return QStringLiteral("EPG");
    case 6:
        return QStringLiteral("DAB Java");
    case 7:
        return QStringLiteral("DMB");
    case 8:
        return QStringLiteral("Push Radio");
    case 74:
        return QStringLiteral("Journaline");
    default:
        return QStringLiteral("Unknown");
    }
}

DabUpdate applyDabItem(DabListState& list, int item, std::span<const uint32_t> words) {
    using board::DabItem;
    DabUpdate u;
    // The data words the count word announces and the block holds.
    const std::span<const uint32_t> data =
        words.empty() ? words : words.subspan(1, std::min<size_t>(words[0], words.size() - 1));
    const auto text = [&](size_t bytes, size_t from = 0) {
        return from < data.size() ? sync::ansiTextOfWords(data.subspan(from), bytes) : QString();
    };
    const bool hasWord = !data.empty();
    switch (item) {
    case board::number(DabItem::ScrollRow):
        if (!hasWord)
            break;
        list.scrollRow(data[0] == 0);
        u.listMoved = true;
        break;
    case board::number(DabItem::Status): {
        const QString status = text(kStatusBytes);
        u.status = status;
        if (status.startsWith(QLatin1Char('P'))) {
            const std::optional<int> n = decimal(status.mid(kProgrammeNumberAt));
            if (!n) {
                u.failed = true;
                break;
            }
            list.selectProgramme(*n);
            u.listMoved = true;
        }
        break;
    }
    case board::number(DabItem::ServiceName):
        if (hasWord && data[0] < uint32_t(kServices))
            u.serviceName = std::pair{int(data[0]), text(kServiceNameBytes, 1)};
        break;
    case board::number(DabItem::SampleRate):
        u.sampleRate = text(3) + QStringLiteral("kSpls");
        break;
    case board::number(DabItem::BitRate):
        u.bitRate = text(4) + QStringLiteral("kBit");
        break;
    case board::number(DabItem::Signal):
        if (hasWord)
            u.signal = int(std::min<uint32_t>(data[0], 100));
        break;
    case board::number(DabItem::DynamicLabel):
        u.dynamicLabel = text(kDynamicLabelBytes);
        break;
    case board::number(DabItem::DataServices):
        if (!hasWord)
            break;
        u.mot1 = dataServiceName(uint8_t(data[0]));
        u.mot2 = dataServiceName(uint8_t(data[0] >> 8));
        break;
    default:
        break;
    }
    return u;
}

} // namespace talix::dab
