#include "link/DatagramClient.h"

#include "link/HostLookup.h"

#include <arpa/inet.h>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace talix::link {

namespace {

std::string dotted(uint32_t address) {
    in_addr a{};
    a.s_addr = htonl(address);
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &a, text, sizeof text);
    return text;
}

} // namespace

DatagramClient::DatagramClient(Endpoint target, HostResolver resolver)
    : m_target(std::move(target)), m_resolver(std::move(resolver)) {
    m_fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    resolveTarget();
}

DatagramClient::~DatagramClient() {
    if (m_fd >= 0)
        ::close(m_fd);
}

void DatagramClient::setHost(const std::string& host) {
    if (host == m_target.host)
        return;
    m_target.host = host;
    resolveTarget();
}

// Numeric addresses (every address the board reports) need no lookup; a name given at start-up
// is looked up once here.
void DatagramClient::resolveTarget() {
    m_address.reset();
    if (m_target.host.empty() || m_target.port == 0 || !destinationAllowed(m_target.host))
        return;
    in_addr numeric{};
    std::optional<uint32_t> address;
    if (inet_pton(AF_INET, m_target.host.c_str(), &numeric) == 1)
        address = ntohl(numeric.s_addr);
    else
        address = m_resolver ? m_resolver(m_target.host) : lookUpHost(m_target.host);
    if (address && destinationAllowed(dotted(*address)))
        m_address = address;
}

bool DatagramClient::send(std::span<const uint8_t> bytes) {
    if (m_fd < 0 || !m_address)
        return false;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(m_target.port);
    to.sin_addr.s_addr = htonl(*m_address);
    const ssize_t n = ::sendto(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL,
                               reinterpret_cast<const sockaddr*>(&to), sizeof to);
    return n == ssize_t(bytes.size());
}

} // namespace talix::link
