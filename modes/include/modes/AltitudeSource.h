#ifndef MODES_ALTITUDESOURCE_H
#define MODES_ALTITUDESOURCE_H

#include <cstdint>

namespace brannic {
namespace modes {

// Where an ADS-B altitude or vertical rate comes from: the barometric altimeter (airborne
// position type codes 9-18) or GNSS height above the ellipsoid (type codes 20-22).
enum AltitudeSource : int32_t { BARO = 0, GNSS = 1 };

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ALTITUDESOURCE_H
