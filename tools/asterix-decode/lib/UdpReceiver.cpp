#include "UdpReceiver.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace asterixdecode {

UdpReceiver::~UdpReceiver() {
    if (_fd >= 0)
        ::close(_fd);
}

bool UdpReceiver::open(uint16_t port, const std::string& group, const std::string& interface,
                       std::string* error) {
    _fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (_fd < 0) {
        *error = std::string("socket: ") + std::strerror(errno);
        return false;
    }
    const int on = 1;
    ::setsockopt(_fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    // Surveillance feeds come in bursts: a large receive buffer keeps them while output waits.
    const int buffer = 4 * 1024 * 1024;
    ::setsockopt(_fd, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (::bind(_fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        *error = "UDP port " + std::to_string(port) + ": " + std::strerror(errno);
        return false;
    }
    if (group.empty())
        return true;
    ip_mreqn request{};
    if (::inet_pton(AF_INET, group.c_str(), &request.imr_multiaddr) != 1 ||
        !IN_MULTICAST(ntohl(request.imr_multiaddr.s_addr))) {
        *error = "'" + group + "' is no IPv4 multicast group";
        return false;
    }
    if (!interface.empty() && ::inet_pton(AF_INET, interface.c_str(), &request.imr_address) != 1) {
        request.imr_ifindex = static_cast<int>(::if_nametoindex(interface.c_str()));
        if (request.imr_ifindex == 0) {
            *error = "no interface '" + interface + "'";
            return false;
        }
    }
    if (::setsockopt(_fd, IPPROTO_IP, IP_ADD_MEMBERSHIP, &request, sizeof request) != 0) {
        *error = "joining " + group + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

long UdpReceiver::receive(uint8_t* buffer, size_t capacity, int timeoutMs) {
    pollfd p{_fd, POLLIN, 0};
    const int ready = ::poll(&p, 1, timeoutMs);
    if (ready == 0 || (ready < 0 && errno == EINTR))
        return -1;
    if (ready < 0)
        return -2;
    const ssize_t n = ::recv(_fd, buffer, capacity, 0);
    if (n < 0)
        return errno == EINTR ? -1 : -2;
    return static_cast<long>(n);
}

uint16_t UdpReceiver::localPort() const {
    sockaddr_in local{};
    socklen_t size = sizeof local;
    if (_fd < 0 || ::getsockname(_fd, reinterpret_cast<sockaddr*>(&local), &size) != 0)
        return 0;
    return ntohs(local.sin_port);
}

}  // namespace asterixdecode
