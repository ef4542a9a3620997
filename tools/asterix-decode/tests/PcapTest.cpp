// Capture files frame by frame, and the UDP payloads of the link layers and IP versions met in
// captures of surveillance feeds.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AstTestData.h"
#include "Pcap.h"
#include "PcapReader.h"  // the asterix tests' own reader, a second opinion on the samples

using asterixdecode::UdpResult;

namespace {

void put32(Bytes& out, uint32_t v, bool bigEndian) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(bigEndian ? v >> (24 - 8 * i) : v >> (8 * i)));
}

// A capture file of the given frames, written in either byte order.
Bytes capture(const std::vector<Bytes>& frames, uint32_t linkType, bool bigEndian = false,
              uint32_t magic = 0xA1B2C3D4) {
    Bytes out;
    put32(out, magic, bigEndian);
    out.insert(out.end(), {0, 0, 0, 0});  // version fields, not read
    put32(out, 0, bigEndian);
    put32(out, 0, bigEndian);
    put32(out, 65535, bigEndian);
    put32(out, linkType, bigEndian);
    for (const Bytes& f : frames) {
        put32(out, 1, bigEndian);
        put32(out, 2, bigEndian);
        put32(out, static_cast<uint32_t>(f.size()), bigEndian);
        put32(out, static_cast<uint32_t>(f.size()), bigEndian);
        out.insert(out.end(), f.begin(), f.end());
    }
    return out;
}

// IPv4 header (20 octets, UDP), flags and fragment offset as given, then UDP to port 8600.
std::string ipv4Udp(const std::string& payload, const char* fragment = "00 00") {
    const size_t size = hexBytes(payload).size();
    char udp[64];
    std::snprintf(udp, sizeof udp, "1F 40 21 98 %02zX %02zX 00 00 ", (size + 8) >> 8,
                  (size + 8) & 0xFF);
    char ip[96];
    std::snprintf(ip, sizeof ip, "45 00 %02zX %02zX 00 01 %s 40 11 00 00 7F 00 00 01 7F 00 00 01 ",
                  (size + 28) >> 8, (size + 28) & 0xFF, fragment);
    return std::string(ip) + udp + payload;
}

const char* const ETHERNET = "FF FF FF FF FF FF 00 11 22 33 44 55 ";
const char* const BLOCK = "30 00 04 AA";

}  // namespace

TEST(Pcap, RealCapturesGiveTheDatagramsOfASecondReader) {
    for (const char* file : {"cat_034_048.pcap", "cat_001_002.pcap", "cat_062_065.pcap"}) {
        const Bytes bytes = readFile(file);
        const PcapCapture expected = readPcap(bytes);
        ASSERT_TRUE(expected.ok) << file;
        asterixdecode::MemorySource source(bytes.data(), bytes.size());
        asterixdecode::PcapReader reader(source);
        std::string error;
        ASSERT_TRUE(reader.open(&error)) << file;
        EXPECT_EQ(reader.linkType(), 1u);
        asterixdecode::PcapFrame frame;
        size_t datagrams = 0;
        uint64_t frames = 0;
        while (reader.next(&frame, &error)) {
            EXPECT_EQ(frame.number, ++frames);
            asterixdecode::UdpPayload payload;
            std::string why;
            if (asterixdecode::udpPayload(frame.data.data(), frame.data.size(), reader.linkType(),
                                          &payload, &why) != UdpResult::Payload)
                continue;
            ASSERT_LT(datagrams, expected.datagrams.size()) << file;
            const UdpDatagram& d = expected.datagrams[datagrams++];
            EXPECT_EQ(payload.destinationPort, d.destinationPort);
            EXPECT_EQ(Bytes(payload.data, payload.data + payload.size), d.payload) << file;
        }
        EXPECT_EQ(error, "") << file;
        EXPECT_EQ(datagrams, expected.datagrams.size()) << file;
        EXPECT_EQ(frames, expected.frames) << file;
    }
}

TEST(Pcap, ByteOrdersAndTimeStampResolutions) {
    const Bytes frame = hexBytes(std::string(ETHERNET) + "08 00 " + ipv4Udp(BLOCK));
    for (bool big : {false, true})
        for (uint32_t magic : {0xA1B2C3D4u, 0xA1B23C4Du}) {
            const Bytes file = capture({frame, frame}, 1, big, magic);
            asterixdecode::MemorySource source(file.data(), file.size());
            asterixdecode::PcapReader reader(source);
            std::string error;
            ASSERT_TRUE(reader.open(&error));
            EXPECT_EQ(reader.linkType(), 1u);
            asterixdecode::PcapFrame f;
            int frames = 0;
            while (reader.next(&f, &error)) {
                ++frames;
                EXPECT_EQ(f.data, frame);
                EXPECT_EQ(f.originalLength, frame.size());
            }
            EXPECT_EQ(frames, 2) << big << " " << magic;
            EXPECT_EQ(error, "");
        }
}

TEST(Pcap, DamagedFilesEndWithAReason) {
    const Bytes frame = hexBytes(std::string(ETHERNET) + "08 00 " + ipv4Udp(BLOCK));
    const Bytes good = capture({frame, frame}, 1);
    Bytes impossible = good;
    impossible[24 + 8] = 0xFF;  // first frame's captured length: 0x..FF, far beyond 256 KiB
    impossible[24 + 11] = 0x7F;
    const struct {
        const char* name;
        Bytes file;
        bool opens;
        int frames;
        const char* error;
    } rows[] = {
        {"cut in a frame's data", Bytes(good.begin(), good.end() - 3), true, 1,
         "frame 2: the file ends inside its data"},
        {"cut in a frame header", Bytes(good.begin(), good.begin() + 24 + 16 + frame.size() + 5),
         true, 1, "frame 2: the file ends inside its header"},
        {"impossible length", impossible, true, 0,
         "frame 1: captured length 2130706687 is impossible, the rest of the file is not read"},
        {"pcapng", hexBytes("0A 0D 0D 0A 1C 00 00 00 4D 3C 2B 1A 01 00 00 00 FF FF FF FF FF FF FF "
                            "FF 1C 00 00 00"),
         false, 0, "not a libpcap capture file"},
        {"short header", Bytes(good.begin(), good.begin() + 20), false, 0,
         "not a libpcap capture file"},
    };
    for (const auto& row : rows) {
        asterixdecode::MemorySource source(row.file.data(), row.file.size());
        asterixdecode::PcapReader reader(source);
        std::string error;
        ASSERT_EQ(reader.open(&error), row.opens) << row.name;
        int frames = 0;
        asterixdecode::PcapFrame f;
        if (row.opens)
            while (reader.next(&f, &error))
                ++frames;
        EXPECT_EQ(frames, row.frames) << row.name;
        EXPECT_NE(error.find(row.error), std::string::npos) << row.name << ": " << error;
    }
}

TEST(Pcap, UdpPayloadOfEachLinkLayer) {
    const std::string ip = ipv4Udp(BLOCK);
    const std::string ipv6 =
        std::string("60 00 00 00 00 0C 11 40 "
                    "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01 "
                    "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01 "
                    "1F 40 21 98 00 0C 00 00 ") +
        BLOCK;
    const struct {
        const char* name;
        uint32_t linkType;
        std::string frame;
        UdpResult result;
        const char* why;
    } rows[] = {
        {"Ethernet", 1, std::string(ETHERNET) + "08 00 " + ip, UdpResult::Payload, ""},
        {"Ethernet with padding", 1, std::string(ETHERNET) + "08 00 " + ip + " 00 00 00 00",
         UdpResult::Payload, ""},
        {"802.1Q", 1, std::string(ETHERNET) + "81 00 00 05 08 00 " + ip, UdpResult::Payload, ""},
        {"802.1ad and 802.1Q", 1, std::string(ETHERNET) + "88 A8 00 05 81 00 00 06 08 00 " + ip,
         UdpResult::Payload, ""},
        {"Linux cooked", 113, "00 00 00 01 00 06 00 11 22 33 44 55 00 00 08 00 " + ip,
         UdpResult::Payload, ""},
        {"Linux cooked v2", 276, "08 00 00 00 00 00 00 01 00 01 06 00 00 11 22 33 44 55 00 00 " + ip,
         UdpResult::Payload, ""},
        {"BSD loopback", 0, "02 00 00 00 " + ip, UdpResult::Payload, ""},
        {"raw IP", 101, ip, UdpResult::Payload, ""},
        {"IPv6", 229, ipv6, UdpResult::Payload, ""},
        {"ARP", 1, std::string(ETHERNET) + "08 06 00 01 08 00 06 04", UdpResult::NotUdp, ""},
        {"TCP", 101, "45 00 00 28 00 01 00 00 40 06 00 00 7F 00 00 01 7F 00 00 01", UdpResult::NotUdp,
         ""},
        {"unknown link type", 147, ip, UdpResult::NotUdp, ""},
        {"first fragment", 101, ipv4Udp(BLOCK, "20 00"), UdpResult::Damaged, "fragment"},
        {"later fragment", 101, ipv4Udp(BLOCK, "00 10"), UdpResult::Damaged, "fragment"},
        {"cut by the snap length", 101, ip.substr(0, ip.size() - 6), UdpResult::Damaged,
         "cut short by the capture (2 of 4 octets)"},
        {"UDP header cut", 101, ip.substr(0, 20 * 3 + 4 * 3), UdpResult::Damaged,
         "UDP header was not captured"},
        {"UDP length below 8", 101,
         "45 00 00 20 00 01 00 00 40 11 00 00 7F 00 00 01 7F 00 00 01 1F 40 21 98 00 04 00 00",
         UdpResult::Damaged, "below its own header"},
        {"empty frame", 1, "", UdpResult::NotUdp, ""},
    };
    for (const auto& row : rows) {
        const Bytes frame = hexBytes(row.frame);
        asterixdecode::UdpPayload payload;
        std::string why;
        EXPECT_EQ(asterixdecode::udpPayload(frame.data(), frame.size(), row.linkType, &payload, &why),
                  row.result)
            << row.name;
        EXPECT_NE(why.find(row.why), std::string::npos) << row.name << ": " << why;
        if (row.result == UdpResult::Payload) {
            EXPECT_EQ(hexText(payload.data, payload.size), "30 00 04 AA") << row.name;
            EXPECT_EQ(payload.sourcePort, 8000) << row.name;
            EXPECT_EQ(payload.destinationPort, 8600) << row.name;
        }
    }
}
