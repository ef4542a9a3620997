#ifndef FEEDGEN_AVRWRITER_H
#define FEEDGEN_AVRWRITER_H

// The AVR text framing: one reply per line in upper-case hexadecimal between '*' and ';'
// ("*8D4840D6202CC371C32CE0576098;"), or, with time stamps, between '@' and ';' with the 6-byte
// stamp as 12 digits in front of the reply. Lines end in "\n".

#include "feedgen/FrameWriter.h"
#include "feedgen/ReceiverClock.h"

namespace feedgen {

class AvrWriter : public FrameWriter {
public:
    AvrWriter(ReceiverClock clock, bool withTimeStamps)
        : _clock(clock), _withTimeStamps(withTimeStamps) {}
    bool append(const Transmission& transmission, std::string& out) const override;

private:
    ReceiverClock _clock;
    bool _withTimeStamps;
};

}  // namespace feedgen

#endif  // FEEDGEN_AVRWRITER_H
