#ifndef MODES_ALTITUDERESOLUTION_H
#define MODES_ALTITUDERESOLUTION_H

#include <cstdint>

namespace brannic {
namespace modes {

// Increment of a Mode S or ADS-B altitude in feet, given by the Q bit: 25 ft when set
// (binary count), 100 ft when clear (Gillham code).
enum AltitudeResolution : int32_t { RES_25FT = 25, RES_100FT = 100 };

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ALTITUDERESOLUTION_H
