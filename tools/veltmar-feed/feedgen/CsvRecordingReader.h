#ifndef FEEDGEN_CSVRECORDINGREADER_H
#define FEEDGEN_CSVRECORDINGREADER_H

// Reads recordings kept as CSV of hexadecimal frames with times: one reply per line, the first
// field the reception time in seconds since 1970-01-01 UTC (whole or with a fraction), and
// among the other fields the reply as 14 or 28 hexadecimal digits, quoted or not; other fields
// (the address, the type code) are ignored. Both of these are read:
//     1457996400,"8D406B909945DE10000405999BE4","406B90",19
//     1495353600,406674,A8000D9FA55A032DBFFC000D8123
// Empty lines and lines beginning with '#' are skipped; so is a first line whose first field
// is not a number (a header). An error is any other line without a time or without a reply.

#include "feedgen/TextRecordingReader.h"

namespace feedgen {

class CsvRecordingReader : public TextRecordingReader {
protected:
    void readLine(const std::string& line, std::vector<RecordedFrame>& out) override;

private:
    bool _firstLine = true;
};

}  // namespace feedgen

#endif  // FEEDGEN_CSVRECORDINGREADER_H
