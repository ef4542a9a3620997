#ifndef MODES_SRC_ADSBTEXT_H
#define MODES_SRC_ADSBTEXT_H

// Number texts shared by the ADS-B message classes: descriptions show doubles the way a
// default-formatted stream does (six significant digits), field texts follow printf formats.

#include <cstdio>
#include <sstream>
#include <string>

namespace brannic {
namespace modes {
namespace adsbtext {

// Six significant digits, no trailing zeros: 159.201, 180, 0.854167.
inline std::string number(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

// printf "%f": 0.125000.
inline std::string fixed(double value) {
    char text[64];
    std::snprintf(text, sizeof(text), "%f", value);
    return text;
}

inline std::string flag(unsigned bit) {
    return bit != 0 ? "1" : "0";
}

}  // namespace adsbtext
}  // namespace modes
}  // namespace brannic

#endif  // MODES_SRC_ADSBTEXT_H
