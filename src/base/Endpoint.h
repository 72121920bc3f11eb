#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace talix {

// A host and port as given on the command line ("HOST[:PORT]").
struct Endpoint {
    std::string host;
    uint16_t port = 0;

    std::string toString() const { return host + ":" + std::to_string(port); }
};

// Parses "HOST" or "HOST:PORT"; a missing port takes defaultPort. Empty hosts and bad ports give
// nothing; port 0 ("any free port") only where a listener asks for it.
std::optional<Endpoint> parseEndpoint(const std::string& text, uint16_t defaultPort,
                                      bool allowAnyPort = false);

// Where one of the program's own services listens, "[HOST:]PORT": a port alone listens on
// 127.0.0.1, so that only this machine reaches it unless the user names another address; port 0
// takes any free port (the program says which).
std::optional<Endpoint> parseListenAddress(const std::string& text);

// True for a numeric IPv4 address in 127.0.0.0/8 or "localhost".
bool isLoopbackHost(const std::string& host);

// Development and test machines must never reach the real device: when TALIX_LOOPBACK_ONLY is set
// in the environment, or forceLoopbackOnly() was called, every outgoing connection or datagram to
// another address is refused before anything is sent.
bool destinationAllowed(const std::string& host);
// Turns the guard on for the rest of the process, whatever the environment says (test, fuzz and
// benchmark programs call it before main).
void forceLoopbackOnly();

} // namespace talix
