#include "rigctl/NumberText.h"

namespace talix::rigctl {

namespace {

bool digit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<int64_t> parseTenths(std::string_view hz) {
    // Twelve digits of hertz are far beyond every band and still fit in tenths.
    constexpr size_t kMostDigits = 12;
    constexpr int64_t kBeyondEveryBand = 10'000'000'000'000;
    const size_t point = hz.find('.');
    const std::string_view whole = hz.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : hz.substr(point + 1);
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    for (std::string_view part : {whole, fraction})
        for (char c : part)
            if (!digit(c))
                return std::nullopt;
    size_t first = 0;
    while (first < whole.size() && whole[first] == '0')
        ++first;
    if (whole.size() - first > kMostDigits)
        return kBeyondEveryBand;
    int64_t tenths = 0;
    for (char c : whole.substr(first))
        tenths = tenths * 10 + (c - '0');
    tenths *= 10;
    if (!fraction.empty())
        tenths += fraction[0] - '0';
    if (fraction.size() > 1 && fraction[1] >= '5')
        ++tenths;
    return tenths;
}

std::optional<int64_t> parseInteger(std::string_view text) {
    constexpr size_t kMostDigits = 9;
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.empty() || text.size() > kMostDigits)
        return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (!digit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

} // namespace talix::rigctl
