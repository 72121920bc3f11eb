#pragma once

#include "base/Endpoint.h"

#include <cstdint>
#include <string>

namespace talix::sim {

// Small POSIX socket helpers for the board's listening side. Every descriptor is non-blocking and
// closed on exec.

// Listens on exactly the given address (a numeric IPv4 address or "localhost"); port 0 picks a
// free port. Returns the descriptor or -1 with a reason in `error`.
int listenTcp(const Endpoint& at, std::string& error);
uint16_t localPort(int fd);
// Accepts one waiting connection (-1 when none); the new socket sends small writes at once.
int acceptTcp(int listenFd);
// A UDP socket bound to exactly the given address (port 0: a free port), or -1.
int bindUdp(const Endpoint& at, std::string& error);
// Tells the peer and releases the socket.
void closeSocket(int& fd);

} // namespace talix::sim
