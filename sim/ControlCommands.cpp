#include "sim/ControlCommands.h"

#include "sim/ParamSender.h"
#include "sim/SimBoard.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace talix::sim {

namespace {

bool parseWord(const std::string& text, uint32_t& out) {
    if (text.empty() || text.size() > 12)
        return false;
    char* end = nullptr;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const unsigned long long v = std::strtoull(text.c_str(), &end, hex ? 16 : 10);
    if (!end || *end != '\0' || text[0] == '-' || v > 0xFFFFFFFFull)
        return false;
    out = uint32_t(v);
    return true;
}

} // namespace

std::string runControlCommand(SimBoard& board, const std::string& line) {
    std::istringstream in(line);
    std::string command;
    in >> command;
    if (command.empty() || command[0] == '#')
        return "ok";
    if (command == "words") {
        std::vector<uint32_t> words;
        for (std::string token; in >> token;) {
            uint32_t w = 0;
            if (!parseWord(token, w))
                return "error not a 32-bit word: " + token;
            words.push_back(w);
        }
        if (words.empty() || words.size() > kMaxBlockWords)
            return "error a block holds 1 to 123 words";
        board.sendParamWords(words);
        return "ok";
    }
    if (command == "pause") {
        uint32_t ms = 0;
        std::string token;
        in >> token;
        if (!parseWord(token, ms) || ms > 600000)
            return "error pause takes milliseconds";
        board.pauseStreaming(std::chrono::milliseconds(ms));
        return "ok";
    }
    if (command == "drop") {
        board.dropConnection();
        return "ok";
    }
    if (command == "stats") {
        return "stats connections=" + std::to_string(board.connectionsAccepted()) +
               " greetings=" + std::to_string(board.greetingsReceived()) +
               " frames=" + std::to_string(board.framesSent()) +
               " records=" + std::to_string(board.receivedRecords().size()) +
               " acknowledged=" + std::to_string(board.blocksAcknowledged()) +
               " resent=" + std::to_string(board.blocksResent());
    }
    if (command == "help")
        return "ok commands: words W..., pause MS, drop, stats, help";
    return "error unknown command: " + command;
}

} // namespace talix::sim
