#ifndef REPORTCODEC_ADSBTARGETREPORTJSONDECODER_H
#define REPORTCODEC_ADSBTARGETREPORTJSONDECODER_H

#include <string>
#include <vector>

#include <modes/ADSBTargetReport.h>
#include <reportcodec/reportcodec_export.h>

namespace brannic {
namespace modes {

// Turns one JSON document from an external ADS-B tracker into target reports.
//
// The document is an array of objects, one per aircraft; these members are read, each only
// when it has the JSON type shown (anything else is ignored, as are unknown members):
//
//   "uti"  non-negative integer   report time, seconds since 1970-01-01 UTC
//   "hex"  string of 6 hex digits ICAO address
//   "fli"  non-empty string       flight identification, copied unchanged
//   "squ"  string of 4 octal digits  Mode A code
//   "lat", "lon"  both numbers with a fraction or exponent   position in degrees
//   "alt"  integer                barometric altitude, feet
//   "spd"  integer                ground speed, knots
//   "trk"  integer                track angle, degrees (the report's heading)
//   "vrt"  integer                barometric vertical rate, feet per minute
//   "gda"  "A" or "G"             airborne or on ground
//
// Each value the document sets validly gets the report's time as its last update, and as its
// last change where the report keeps one, so that the tracker takes it as current. Only
// reports with a time and a non-zero address are returned.
//
// Holds no state; parsing never recurses, so nesting depth cannot exhaust the stack.
class REPORTCODEC_EXPORT ADSBTargetReportJsonDecoder {
public:
    // Logs "Initialized." under "JSONDecoder".
    ADSBTargetReportJsonDecoder();
    ADSBTargetReportJsonDecoder(const ADSBTargetReportJsonDecoder&) = default;
    ADSBTargetReportJsonDecoder& operator=(const ADSBTargetReportJsonDecoder&) = default;
    ~ADSBTargetReportJsonDecoder();

    // The valid reports of `text` in array order. Text that is not JSON, or whose root is not
    // an array, gives an empty vector. Logs "Decode %i target reports" at DEBUG.
    std::vector<ADSBTargetReport> decode(const std::string& text) const;
};

}  // namespace modes
}  // namespace brannic

#endif  // REPORTCODEC_ADSBTARGETREPORTJSONDECODER_H
