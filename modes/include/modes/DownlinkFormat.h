#ifndef MODES_DOWNLINKFORMAT_H
#define MODES_DOWNLINKFORMAT_H

#include <cstdint>

namespace brannic {
namespace modes {

// Mode S downlink format: the top five bits of a reply (ICAO Annex 10 Vol. IV 3.1.2.3.2.1.2).
// DF_24 stands for every code from 24 to 31, the extended-length formats whose format number
// is only two bits wide.
enum DownlinkFormat : int32_t {
    DF_0 = 0,
    DF_1,
    DF_2,
    DF_3,
    DF_4,
    DF_5,
    DF_6,
    DF_7,
    DF_8,
    DF_9,
    DF_10,
    DF_11,
    DF_12,
    DF_13,
    DF_14,
    DF_15,
    DF_16,
    DF_17,
    DF_18,
    DF_19,
    DF_20,
    DF_21,
    DF_22,
    DF_23,
    DF_24
};

constexpr int kDownlinkFormatCount = 25;

}  // namespace modes
}  // namespace brannic

#endif  // MODES_DOWNLINKFORMAT_H
