#ifndef ASTERIX_DECODE_UDPRECEIVER_H
#define ASTERIX_DECODE_UDPRECEIVER_H

// A UDP socket on a local port, optionally in a multicast group on a chosen interface.

#include <cstddef>
#include <cstdint>
#include <string>

namespace asterixdecode {

class UdpReceiver {
public:
    UdpReceiver() = default;
    ~UdpReceiver();
    UdpReceiver(const UdpReceiver&) = delete;
    UdpReceiver& operator=(const UdpReceiver&) = delete;

    // Binds the port on every local address (shared with other receivers of the port) and joins
    // the IPv4 group when one is given, on the interface named or addressed by `interface`
    // (empty: the system's choice). false with the reason.
    bool open(uint16_t port, const std::string& group, const std::string& interface,
              std::string* error);
    // Waits up to timeoutMs (negative: no limit) for one datagram: its size (0 is a legal empty
    // datagram), -1 when the time ran out or a signal came, -2 on a socket error.
    long receive(uint8_t* buffer, size_t capacity, int timeoutMs);
    uint16_t localPort() const;

private:
    int _fd = -1;
};

}  // namespace asterixdecode

#endif  // ASTERIX_DECODE_UDPRECEIVER_H
