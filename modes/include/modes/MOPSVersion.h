#ifndef MODES_MOPSVERSION_H
#define MODES_MOPSVERSION_H

#include <cstdint>

namespace brannic {
namespace modes {

// ADS-B version number of the transmitting aircraft: DO-260 (0), DO-260A (1), DO-260B (2).
// MOPS_UNKNOWN stands for a version number above 2 in the operational status message.
enum MOPSVersion : int32_t { MOPS_V0 = 0, MOPS_V1 = 1, MOPS_V2 = 2, MOPS_UNKNOWN = 3 };

}  // namespace modes
}  // namespace brannic

#endif  // MODES_MOPSVERSION_H
