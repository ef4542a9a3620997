#ifndef ASTERIX_TESTS_PCAPREADER_H
#define ASTERIX_TESTS_PCAPREADER_H

// A small reader of libpcap capture files for the tests: the UDP datagrams of Ethernet frames
// carrying IPv4. The payload is cut at the UDP length, not at the captured length, so the
// padding that short Ethernet frames carry is not taken for data.

#include <cstdint>
#include <string>
#include <vector>

struct UdpDatagram {
    uint16_t sourcePort = 0;
    uint16_t destinationPort = 0;
    std::vector<uint8_t> payload;
};

struct PcapCapture {
    bool ok = false;      // the file is a libpcap capture of Ethernet frames
    uint32_t frames = 0;  // frames in the file, UDP or not
    std::vector<UdpDatagram> datagrams;
};

inline PcapCapture readPcap(const std::vector<uint8_t>& file) {
    PcapCapture capture;
    if (file.size() < 24)
        return capture;
    const uint32_t magic = uint32_t{file[0]} | uint32_t{file[1]} << 8 | uint32_t{file[2]} << 16 |
                           uint32_t{file[3]} << 24;
    // Microsecond (a1b2c3d4) and nanosecond (a1b23c4d) captures, in either byte order.
    bool swapped;
    if (magic == 0xA1B2C3D4u || magic == 0xA1B23C4Du)
        swapped = false;
    else if (magic == 0xD4C3B2A1u || magic == 0x4D3CB2A1u)
        swapped = true;
    else
        return capture;
    auto u32 = [&](size_t at) {
        const uint32_t little = uint32_t{file[at]} | uint32_t{file[at + 1]} << 8 |
                                uint32_t{file[at + 2]} << 16 | uint32_t{file[at + 3]} << 24;
        return swapped ? __builtin_bswap32(little) : little;
    };
    auto be16 = [&](size_t at) { return static_cast<uint16_t>(file[at] << 8 | file[at + 1]); };
    if (u32(20) != 1)  // link type: Ethernet
        return capture;
    capture.ok = true;
    size_t pos = 24;
    while (pos + 16 <= file.size()) {
        const uint32_t captured = u32(pos + 8);
        const size_t frame = pos + 16;
        if (captured > file.size() - frame) {
            capture.ok = false;  // truncated file
            break;
        }
        pos = frame + captured;
        ++capture.frames;
        size_t at = frame + 12;
        if (at + 2 > pos)
            continue;
        uint16_t etherType = be16(at);
        at += 2;
        if (etherType == 0x8100 && at + 4 <= pos) {  // one IEEE 802.1Q tag
            etherType = be16(at + 2);
            at += 4;
        }
        if (etherType != 0x0800 || at + 20 > pos)
            continue;
        const size_t ipHeader = (file[at] & 0x0F) * 4u;
        if ((file[at] >> 4) != 4 || ipHeader < 20 || file[at + 9] != 17 || at + ipHeader + 8 > pos)
            continue;
        const size_t udp = at + ipHeader;
        const uint16_t udpLength = be16(udp + 4);
        if (udpLength < 8 || udp + udpLength > pos)
            continue;
        UdpDatagram datagram;
        datagram.sourcePort = be16(udp);
        datagram.destinationPort = be16(udp + 2);
        datagram.payload.assign(file.begin() + static_cast<long>(udp + 8),
                                file.begin() + static_cast<long>(udp + udpLength));
        capture.datagrams.push_back(std::move(datagram));
    }
    return capture;
}

#endif  // ASTERIX_TESTS_PCAPREADER_H
