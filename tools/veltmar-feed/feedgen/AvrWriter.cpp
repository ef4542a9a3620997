#include "feedgen/AvrWriter.h"

namespace feedgen {

bool AvrWriter::append(const Transmission& transmission, std::string& out) const {
    if (transmission.frame.empty())
        return false;
    static const char kDigits[] = "0123456789ABCDEF";
    if (_withTimeStamps) {
        out.push_back('@');
        const uint64_t stamp = _clock.stamp(transmission.timeNs);
        for (int shift = 44; shift >= 0; shift -= 4)
            out.push_back(kDigits[(stamp >> shift) & 0xF]);
    } else {
        out.push_back('*');
    }
    out += transmission.frame.hex();
    out += ";\n";
    return true;
}

}  // namespace feedgen
