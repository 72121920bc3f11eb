#include "rigctl/RigctlParser.h"

namespace talix::rigctl {

namespace {

// More arguments than any command takes are refused without keeping them.
constexpr size_t kMostArgs = 4;

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view skipBlanks(std::string_view s) {
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    return s;
}

std::string_view takeWord(std::string_view& s) {
    size_t n = 0;
    while (n < s.size() && !blank(s[n]))
        ++n;
    const std::string_view word = s.substr(0, n);
    s.remove_prefix(n);
    return word;
}

} // namespace

Request parseRequest(std::string_view line) {
    Request r;
    std::string_view rest = skipBlanks(line);
    if (rest.empty())
        return r;

    const char prefix = rest.front();
    if (prefix == '+' || prefix == ';' || prefix == '|' || prefix == ',') {
        r.form.extended = true;
        r.form.separator = prefix == '+' ? '\n' : prefix;
        rest.remove_prefix(1);
    }

    r.kind = Request::Kind::Unknown;
    if (!rest.empty() && rest.front() == '\\') {
        rest.remove_prefix(1);
        r.command = commandByName(takeWord(rest));
    } else if (!rest.empty() && (rest.size() == 1 || blank(rest[1]))) {
        r.command = commandByLetter(rest.front());
        rest.remove_prefix(1);
    }
    if (!r.command)
        return r;

    r.kind = Request::Kind::Command;
    for (rest = skipBlanks(rest); !rest.empty(); rest = skipBlanks(rest)) {
        const std::string_view word = takeWord(rest);
        if (r.args.size() == kMostArgs) {
            r.kind = Request::Kind::BadArguments;
            break;
        }
        r.args.emplace_back(word);
    }
    const int n = int(r.args.size());
    if (n < r.command->minArgs || n > r.command->maxArgs)
        r.kind = Request::Kind::BadArguments;
    return r;
}

} // namespace talix::rigctl
