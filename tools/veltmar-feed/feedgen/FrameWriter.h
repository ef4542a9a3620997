#ifndef FEEDGEN_FRAMEWRITER_H
#define FEEDGEN_FRAMEWRITER_H

// A receiver's output framing: how each transmission becomes bytes on the wire.

#include <string>

#include "feedgen/Transmission.h"

namespace feedgen {

class FrameWriter {
public:
    virtual ~FrameWriter() = default;
    // Appends the framed transmission to `out`. A frame of a size the framing cannot carry
    // appends nothing and returns false.
    virtual bool append(const Transmission& transmission, std::string& out) const = 0;
};

}  // namespace feedgen

#endif  // FEEDGEN_FRAMEWRITER_H
