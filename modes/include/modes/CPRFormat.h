#ifndef MODES_CPRFORMAT_H
#define MODES_CPRFORMAT_H

#include <cstdint>

namespace brannic {
namespace modes {

// Format of a Compact Position Reporting encoding (DO-260B 2.2.3.2.3.8). The stored value is
// the inverse of the F bit of the position message: F = 1 is ODD (0), F = 0 is EVEN (1).
enum CPRFormat : int32_t { ODD = 0, EVEN = 1 };

}  // namespace modes
}  // namespace brannic

#endif  // MODES_CPRFORMAT_H
