#include "rigctl/Answer.h"

#include "rigctl/HamlibErrors.h"

namespace talix::rigctl {

namespace {

std::string reportLine(int code) {
    return "RPRT " + std::to_string(code) + "\n";
}

} // namespace

std::string formatReply(const Request& request, const Answer& answer) {
    const char sep = request.form.separator;
    // A line that names no command has nothing to echo.
    if (!request.form.extended || !request.command) {
        if (answer.code != kOk || answer.values.empty())
            return reportLine(answer.code);
        std::string out;
        for (const Answer::Value& v : answer.values)
            out += v.text + '\n';
        return out;
    }
    std::string out = std::string(request.command->longName) + ':';
    for (const std::string& a : request.args)
        out += ' ' + a;
    out += sep;
    if (answer.code == kOk)
        for (const Answer::Value& v : answer.values)
            out += (v.label.empty() ? v.text : v.label + ": " + v.text) + sep;
    return out + reportLine(answer.code);
}

} // namespace talix::rigctl
