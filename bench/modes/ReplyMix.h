#ifndef BENCH_MODES_REPLYMIX_H
#define BENCH_MODES_REPLYMIX_H

// A realistic mix of replies from a number of aircraft, built from the ME fields of a real
// recording: per 20 replies, 12 extended squitters (identification, airborne position and
// velocity as recorded, plus operational status; one in ten damaged by one or two flipped
// bits), 3 altitude replies (DF4, DF20), 2 identity replies (DF5, DF21), 1 all-call (DF11)
// and 2 surveillance replies of other formats (DF0, DF16).

#include <fstream>
#include <string>
#include <vector>

#include "TestReply.h"

namespace brannic {
namespace modes {
namespace bench {

inline std::string hexBytes(const std::string& hex) {
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return out;
}

inline void overlay(std::string& frame, uint32_t value) {
    const size_t n = frame.size();
    uint32_t parity =
        n == 14 ? LongReply().calculateParity(frame) : ShortReply().calculateParity(frame);
    parity ^= value;
    frame[n - 3] = static_cast<char>(parity >> 16);
    frame[n - 2] = static_cast<char>(parity >> 8);
    frame[n - 1] = static_cast<char>(parity);
}

inline std::string withHeader(int firstByte, uint32_t address, const std::string& body,
                              size_t size) {
    std::string f(size, '\0');
    f[0] = static_cast<char>(firstByte);
    f[1] = static_cast<char>(address >> 16);
    f[2] = static_cast<char>(address >> 8);
    f[3] = static_cast<char>(address);
    for (size_t i = 0; i < body.size() && 4 + i < size; ++i)
        f[4 + i] = body[i];
    return f;
}

// Recorded ME fields (type codes 4, 11 and 19) of the modes test data.
inline std::vector<std::string> recordedMEs() {
    std::vector<std::string> mes;
    std::ifstream in(std::string(VELTMAR_SOURCE_DIR) + "/modes/tests/data/sample_data_adsb.csv");
    std::string line;
    while (std::getline(in, line)) {
        const auto q1 = line.find('"');
        if (q1 == std::string::npos)
            continue;
        mes.push_back(hexBytes(line.substr(q1 + 1, 28)).substr(4, 7));
    }
    return mes;
}

inline std::vector<std::string> realisticMix(uint32_t aircraft) {
    const std::vector<std::string> mes = recordedMEs();
    const std::string opStatus = hexBytes("F8230006004AB8");  // type code 31, version 2
    std::vector<std::string> mix;
    uint32_t seed = 7;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    size_t m = 0;
    for (uint32_t round = 0; round < 10; ++round) {
        for (uint32_t k = 0; k < aircraft; ++k) {
            const uint32_t address = 0x400000 + k * 37;
            for (int r = 0; r < 20; ++r) {
                std::string f;
                if (r < 12) {
                    const std::string& me = (r == 11) ? opStatus : mes[m++ % mes.size()];
                    f = withHeader(0x8D, address, me, 14);
                    overlay(f, 0);
                    if (r == 5) {  // one in ten damaged
                        const unsigned a = next() >> 8;
                        f[(a % 88) / 8] ^= static_cast<char>(0x80 >> (a % 8));
                        if (round % 2)
                            f[(a / 88 % 88) / 8] ^= static_cast<char>(0x80 >> (a / 88 % 8));
                    }
                } else {
                    static const int kHeads[8] = {0x20, 0xA0, 0x20, 0x28, 0xA8, 0x58, 0x00, 0x80};
                    const int head = kHeads[r - 12];
                    const size_t size = head >= 0x80 ? 14 : 7;
                    f = std::string(size, '\0');
                    f[0] = static_cast<char>(head);
                    f[2] = static_cast<char>(0x0B);  // an altitude or identity code
                    f[3] = static_cast<char>(0xB8);
                    if (head == 0x58) {  // DF11, CA 0: address field and II 0
                        f = withHeader(0x5D, address, "", 7);
                        overlay(f, 0);
                    } else {
                        overlay(f, address);
                    }
                }
                mix.push_back(f);
            }
        }
    }
    return mix;
}

}  // namespace bench
}  // namespace modes
}  // namespace brannic

#endif  // BENCH_MODES_REPLYMIX_H
