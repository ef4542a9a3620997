#ifndef ASTERIX_DECODE_PCAP_H
#define ASTERIX_DECODE_PCAP_H

// libpcap capture files, read frame by frame, and the UDP payloads of their frames.

#include <cstdint>
#include <string>
#include <vector>

#include "ByteSource.h"

namespace asterixdecode {

// The magic numbers of libpcap files: microsecond and nanosecond time stamps, either byte order.
bool isPcapMagic(const uint8_t* first4);

struct PcapFrame {
    uint64_t number = 0;  // 1-based, as capture tools count frames
    std::vector<uint8_t> data;  // the captured octets
    uint32_t originalLength = 0;
};

// Reads the file header, then one frame at a time. A frame whose captured length is above
// 256 KiB or beyond the end of the file ends the reading with an error.
class PcapReader {
public:
    explicit PcapReader(ByteSource& source) : _source(source) {}
    // The 24-octet file header; false with a reason when it is not a libpcap file.
    bool open(std::string* error);
    // The next frame; false at the end of the file, with a reason when the file is cut short or
    // a frame header is impossible (error stays empty at a clean end).
    bool next(PcapFrame* frame, std::string* error);
    uint32_t linkType() const { return _linkType; }

private:
    uint32_t u32(const uint8_t* at) const;
    ByteSource& _source;
    bool _swapped = false;
    uint32_t _linkType = 0;
    uint64_t _frames = 0;
};

// The UDP payload of a frame: link layers Ethernet (with one or two 802.1Q tags), Linux cooked
// (SLL and SLL2), BSD loopback and raw IP; IPv4 and IPv6 (no extension headers). Cut at the UDP
// length, so that the padding of short Ethernet frames is not taken for data.
struct UdpPayload {
    uint16_t sourcePort = 0;
    uint16_t destinationPort = 0;
    const uint8_t* data = nullptr;
    size_t size = 0;
};

enum class UdpResult {
    Payload,    // *payload is filled
    NotUdp,     // another protocol: skipped without a word
    Damaged     // a UDP datagram that cannot be read: *why says why
};

UdpResult udpPayload(const uint8_t* frame, size_t size, uint32_t linkType, UdpPayload* payload,
                     std::string* why);

}  // namespace asterixdecode

#endif  // ASTERIX_DECODE_PCAP_H
