#include "rigctl/RigctlSession.h"

#include "rigctl/HamlibErrors.h"
#include "rigctl/RigctlParser.h"

namespace talix::rigctl {

RigctlSession::RigctlSession(session::ReceiverPort& receiver) : m_runner(receiver) {}

std::string RigctlSession::receive(std::string_view bytes) {
    std::string replies;
    while (!m_finished && !bytes.empty()) {
        // A line ends at a line feed or a carriage return alone; "\r\n" leaves an empty line,
        // which answers nothing.
        const size_t end = bytes.find_first_of("\r\n");
        const std::string_view piece = bytes.substr(0, end);
        if (m_line.size() + piece.size() > kLongestLine) {
            replies += "RPRT " + std::to_string(kInvalidArgument) + "\n";
            m_line.clear();
            m_finished = true;
            break;
        }
        m_line.append(piece);
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 1);
        replies += answerLine(m_line);
        m_line.clear();
    }
    return replies;
}

std::string RigctlSession::answerLine(std::string_view line) {
    const Request request = parseRequest(line);
    switch (request.kind) {
    case Request::Kind::Empty:
        return {};
    case Request::Kind::Unknown:
        return formatReply(request, Answer::error(kNotAvailable));
    case Request::Kind::BadArguments:
        return formatReply(request, Answer::error(kInvalidArgument));
    case Request::Kind::Command:
        break;
    }
    if (request.command->id == CommandId::Quit)
        m_finished = true;
    return formatReply(request, m_runner.run(request));
}

} // namespace talix::rigctl
