#ifndef MODES_ADSBMESSAGETYPE_H
#define MODES_ADSBMESSAGETYPE_H

#include <cstdint>

namespace brannic {
namespace modes {

// Kind of ADS-B message, selected by the type code in the first five bits of the ME field
// (DO-260B 2.2.3.2): 1-4 identification, 5-8 surface position, 9-18 and 20-22 airborne
// position, 19 airborne velocity, 23 test, 28 aircraft status, 29 target state and status,
// 31 aircraft operational status; 0, 24-27 and 30 are reserved.
enum ADSBMessageType : int32_t {
    ACID = 0,
    POS_GND = 1,
    POS_AIR = 2,
    AIR_VEL = 3,
    TEST = 4,
    AC_STATUS = 5,
    TG_STATUS = 6,
    OP_STATUS = 7,
    RESERVED = 8
};

constexpr int kADSBMessageTypeCount = 9;

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBMESSAGETYPE_H
