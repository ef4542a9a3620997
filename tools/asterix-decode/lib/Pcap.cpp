#include "Pcap.h"

namespace asterixdecode {

namespace {

constexpr uint32_t MAX_FRAME = 256 * 1024;

// Link-layer header types (tcpdump.org LINKTYPE_ values).
enum : uint32_t {
    LINK_NULL = 0,        // BSD loopback: 4-octet address family in host order
    LINK_ETHERNET = 1,
    LINK_RAW = 101,       // raw IPv4 or IPv6
    LINK_LOOP = 108,      // OpenBSD loopback: address family in network order
    LINK_LINUX_SLL = 113, // Linux cooked capture, 16-octet header
    LINK_IPV4 = 228,
    LINK_IPV6 = 229,
    LINK_LINUX_SLL2 = 276 // Linux cooked capture v2, 20-octet header
};

uint16_t be16(const uint8_t* at) {
    return static_cast<uint16_t>(at[0] << 8 | at[1]);
}

// The network layer of a frame: where the IP header starts, or size when there is none.
size_t networkStart(const uint8_t* frame, size_t size, uint32_t linkType) {
    switch (linkType) {
        case LINK_ETHERNET: {
            size_t at = 12;
            // Up to two 802.1Q or 802.1ad tags in front of the EtherType.
            for (int tags = 0; tags <= 2; ++tags) {
                if (at + 2 > size)
                    return size;
                const uint16_t type = be16(frame + at);
                if (type == 0x8100 || type == 0x88A8) {
                    at += 4;
                    continue;
                }
                return type == 0x0800 || type == 0x86DD ? at + 2 : size;
            }
            return size;
        }
        case LINK_LINUX_SLL:
            return size >= 16 && (be16(frame + 14) == 0x0800 || be16(frame + 14) == 0x86DD) ? 16
                                                                                           : size;
        case LINK_LINUX_SLL2:
            return size >= 20 && (be16(frame) == 0x0800 || be16(frame) == 0x86DD) ? 20 : size;
        case LINK_NULL:
        case LINK_LOOP:
            return size >= 4 ? 4 : size;
        case LINK_RAW:
        case LINK_IPV4:
        case LINK_IPV6:
            return 0;
        default:
            return size;
    }
}

}  // namespace

bool isPcapMagic(const uint8_t* m) {
    const uint32_t magic = uint32_t{m[0]} << 24 | uint32_t{m[1]} << 16 | uint32_t{m[2]} << 8 | m[3];
    return magic == 0xA1B2C3D4u || magic == 0xA1B23C4Du || magic == 0xD4C3B2A1u ||
           magic == 0x4D3CB2A1u;
}

uint32_t PcapReader::u32(const uint8_t* at) const {
    const uint32_t little = uint32_t{at[0]} | uint32_t{at[1]} << 8 | uint32_t{at[2]} << 16 |
                            uint32_t{at[3]} << 24;
    return _swapped ? __builtin_bswap32(little) : little;
}

bool PcapReader::open(std::string* error) {
    uint8_t header[24];
    if (_source.readFully(header, sizeof header) != sizeof header || !isPcapMagic(header)) {
        *error = "not a libpcap capture file (pcapng is not read: convert it with "
                 "'editcap -F pcap')";
        return false;
    }
    // The magic written in the writer's order: d4 c3 b2 a1 on disk is a little-endian file.
    _swapped = header[0] == 0xA1;
    _linkType = u32(header + 20) & 0x0FFFFFFF;
    return true;
}

bool PcapReader::next(PcapFrame* frame, std::string* error) {
    error->clear();
    uint8_t header[16];
    const size_t got = _source.readFully(header, sizeof header);
    if (got == 0)
        return false;
    const uint64_t number = _frames + 1;
    if (got < sizeof header) {
        *error = "frame " + std::to_string(number) + ": the file ends inside its header";
        return false;
    }
    const uint32_t captured = u32(header + 8);
    if (captured > MAX_FRAME) {
        *error = "frame " + std::to_string(number) + ": captured length " +
                 std::to_string(captured) + " is impossible, the rest of the file is not read";
        return false;
    }
    frame->data.resize(captured);
    if (_source.readFully(frame->data.data(), captured) != captured) {
        *error = "frame " + std::to_string(number) + ": the file ends inside its data";
        return false;
    }
    frame->number = number;
    frame->originalLength = u32(header + 12);
    _frames = number;
    return true;
}

UdpResult udpPayload(const uint8_t* frame, size_t size, uint32_t linkType, UdpPayload* payload,
                     std::string* why) {
    const size_t ip = networkStart(frame, size, linkType);
    if (ip + 1 > size)
        return UdpResult::NotUdp;
    const uint8_t* p = frame + ip;
    const size_t room = size - ip;
    size_t udp;
    if ((p[0] >> 4) == 4) {
        if (room < 20)
            return UdpResult::NotUdp;
        const size_t headerLength = (p[0] & 0x0F) * 4u;
        if (p[9] != 17 || headerLength < 20)
            return UdpResult::NotUdp;
        const uint16_t fragment = be16(p + 6);
        if ((fragment & 0x2000) || (fragment & 0x1FFF)) {
            *why = "a fragment of an IPv4 datagram (fragments are not reassembled)";
            return UdpResult::Damaged;
        }
        udp = headerLength;
    } else if ((p[0] >> 4) == 6) {
        if (room < 40 || p[6] != 17)
            return UdpResult::NotUdp;
        udp = 40;
    } else {
        return UdpResult::NotUdp;
    }
    if (udp + 8 > room) {
        *why = "the UDP header was not captured";
        return UdpResult::Damaged;
    }
    const uint16_t length = be16(p + udp + 4);
    if (length < 8) {
        *why = "UDP length " + std::to_string(length) + " is below its own header";
        return UdpResult::Damaged;
    }
    if (udp + length > room) {
        *why = "the datagram was cut short by the capture (" + std::to_string(room - udp - 8) +
               " of " + std::to_string(length - 8) + " octets)";
        return UdpResult::Damaged;
    }
    payload->sourcePort = be16(p + udp);
    payload->destinationPort = be16(p + udp + 2);
    payload->data = p + udp + 8;
    payload->size = length - 8u;
    return UdpResult::Payload;
}

}  // namespace asterixdecode
