#ifndef FEEDGEN_TEXTRECORDINGREADER_H
#define FEEDGEN_TEXTRECORDINGREADER_H

// The part that line-based recordings (AVR, CSV) share: bytes become lines ("\n" or "\r\n"
// ends), surrounding white space is dropped, and a line longer than kMaxLine is counted as one
// error and skipped up to its end, so that no input grows the buffer without bound.

#include <string>

#include "feedgen/RecordingReader.h"

namespace feedgen {

class TextRecordingReader : public RecordingReader {
public:
    static constexpr size_t kMaxLine = 1024;

    void feed(const uint8_t* data, size_t size, std::vector<RecordedFrame>& out) override;
    void finish(std::vector<RecordedFrame>& out) override;

protected:
    // One line without its end and surrounding white space; never called for an empty line.
    virtual void readLine(const std::string& line, std::vector<RecordedFrame>& out) = 0;

private:
    void endLine(std::vector<RecordedFrame>& out);

    std::string _line;
    bool _overlong = false;
};

}  // namespace feedgen

#endif  // FEEDGEN_TEXTRECORDINGREADER_H
