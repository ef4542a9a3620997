#ifndef ASTERIX_SRC_TARGETSIZE_H
#define ASTERIX_SRC_TARGETSIZE_H

// Target size and orientation (I010/270, I062/270): up to three octets, each a 7-bit value and
// an FX bit: the length in metres, the orientation in 360/128 degrees, the width in metres.

#include <asterix/asterix.h>

#include "Bits.h"

namespace ast {

// The form of an item already checked to be 1 to 3 octets long.
inline ast_dataitem_062_270_t decodeTargetSize(const ast_dataitem_t* item) {
    ast_dataitem_062_270_t f = {};
    const uint8_t* d = item->data;
    f.present = 1;
    f.octets = static_cast<uint32_t>(item->size);
    f.length = bits::field(d, 1, 8, 2);
    if (item->size >= 2) {
        f.orientation_raw = bits::field(d, 2, 8, 2);
        f.orientation = f.orientation_raw * 360.0 / 128.0;
    }
    if (item->size >= 3)
        f.width = bits::field(d, 3, 8, 2);
    return f;
}

}  // namespace ast

#endif  // ASTERIX_SRC_TARGETSIZE_H
