#include "base/Endpoint.h"

#include <arpa/inet.h>
#include <atomic>
#include <cstdlib>

namespace talix {

std::optional<Endpoint> parseEndpoint(const std::string& text, uint16_t defaultPort,
                                      bool allowAnyPort) {
    Endpoint ep;
    const auto colon = text.rfind(':');
    if (colon == std::string::npos) {
        ep.host = text;
        ep.port = defaultPort;
    } else {
        ep.host = text.substr(0, colon);
        const std::string portText = text.substr(colon + 1);
        if (portText.empty() || portText.size() > 5 ||
            portText.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        const long port = std::strtol(portText.c_str(), nullptr, 10);
        if (port < 0 || port > 65535 || (port == 0 && !allowAnyPort))
            return std::nullopt;
        ep.port = uint16_t(port);
    }
    if (ep.host.empty() || (ep.port == 0 && !allowAnyPort))
        return std::nullopt;
    return ep;
}

std::optional<Endpoint> parseListenAddress(const std::string& text) {
    const bool portOnly =
        !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    if (!portOnly && text.find(':') == std::string::npos)
        return std::nullopt; // a host alone names no port
    return parseEndpoint(portOnly ? "127.0.0.1:" + text : text, 0, true);
}

bool isLoopbackHost(const std::string& host) {
    if (host == "localhost")
        return true;
    in_addr addr{};
    if (inet_pton(AF_INET, host.c_str(), &addr) != 1)
        return false;
    return (ntohl(addr.s_addr) >> 24) == 127;
}

namespace {
// Constant-initialised, so that it holds before any static initialiser runs.
std::atomic<bool> loopbackForced{false};
} // namespace

bool destinationAllowed(const std::string& host) {
    const char* guard = std::getenv("TALIX_LOOPBACK_ONLY");
    const bool guarded =
        loopbackForced.load() || (guard != nullptr && *guard != '\0' && *guard != '0');
    return !guarded || isLoopbackHost(host);
}

void forceLoopbackOnly() {
    loopbackForced = true;
}

} // namespace talix
