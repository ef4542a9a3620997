#ifndef FEEDGEN_AVRREADER_H
#define FEEDGEN_AVRREADER_H

// Reads the AVR text framing (see AvrWriter): '*' and ':' lines carry a reply without time,
// '@' lines a 12-digit time stamp and the reply. Lines beginning with '?' (receiver messages)
// are skipped quietly. An error is a line with another first character, without its closing
// ';', with characters that are not hexadecimal digits, or whose reply is not 2, 7 or 14 bytes.

#include "feedgen/TextRecordingReader.h"

namespace feedgen {

class AvrReader : public TextRecordingReader {
public:
    explicit AvrReader(ClockKind clock) : _clock(clock) {}

protected:
    void readLine(const std::string& line, std::vector<RecordedFrame>& out) override;

private:
    ClockKind _clock;
};

}  // namespace feedgen

#endif  // FEEDGEN_AVRREADER_H
