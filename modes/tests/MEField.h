#ifndef MODES_TESTS_MEFIELD_H
#define MODES_TESTS_MEFIELD_H

// Building 56-bit ADS-B ME fields for tests from (first bit, last bit, value) triples, with
// bits numbered from 0 at the most significant bit as the message tables number them.

#include <cstdint>
#include <initializer_list>
#include <string>

namespace brannic {
namespace modes {
namespace testdata {

struct Bits {
    unsigned first;
    unsigned last;
    uint32_t value;
};

// A 7-byte ME field of type code `typeCode` with the given bit ranges set.
inline std::string me(unsigned typeCode, std::initializer_list<Bits> ranges = {}) {
    std::string data(7, '\0');
    auto put = [&data](const Bits& r) {
        for (unsigned pos = r.first; pos <= r.last; ++pos) {
            const unsigned bit = (r.value >> (r.last - pos)) & 1u;
            if (bit)
                data[pos / 8] = static_cast<char>(data[pos / 8] | (0x80 >> (pos % 8)));
        }
    };
    put({0, 4, typeCode});
    for (const Bits& r : ranges)
        put(r);
    return data;
}

}  // namespace testdata
}  // namespace modes
}  // namespace brannic

#endif  // MODES_TESTS_MEFIELD_H
