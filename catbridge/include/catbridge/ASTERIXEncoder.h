#ifndef CATBRIDGE_ASTERIXENCODER_H
#define CATBRIDGE_ASTERIXENCODER_H

#include <cstdint>

#include <catbridge/DataRecord.h>
#include <catbridge/catbridge_export.h>

namespace brannic {
namespace modes {

class ADSBServiceStatus;
class ADSBTarget;

// Turns one tracked ADS-B target and the identity of the ground service that reports it into
// one EUROCONTROL ASTERIX category 021 (ADS-B target report) data record, in edition 0.26 or
// edition 2.4 of the category.
//
// Times of day in the record count 1/128 s from the UTC midnight of the current day; a target
// time before that midnight is wrapped modulo 24 hours (a target last heard at 23:59:59 and
// reported just after midnight keeps 23:59:59), as receivers read the items. Values an item cannot carry (a flight
// level outside -15 to 1500, a ground speed of 2 NM/s or more, a vertical rate beyond
// ±102,400 ft/min, a Mode 3/A code or track number beyond twelve bits) leave that item out
// rather than lose the whole report; a track angle is taken modulo 360°.
//
// Holds no state; logs "Initialized." at INFO under "ASTERIXEncoder" when constructed and
// nothing else. Copyable.
class CATBRIDGE_EXPORT ASTERIXEncoder {
public:
    enum ASTERIXVersion : int32_t {
        CAT021_V026 = 26,  // edition 0.26
        CAT021_V24 = 240   // edition 2.4
    };

    ASTERIXEncoder();
    ASTERIXEncoder(const ASTERIXEncoder&) = default;
    ASTERIXEncoder& operator=(const ASTERIXEncoder&) = default;
    ~ASTERIXEncoder();

    // A category 021 record of `target` in the edition `version`, stamped with the current
    // time. Invalid (default-constructed) for a null target or service status, a version other
    // than 26 or 240, or a target the record cannot describe (no 24-bit ICAO address, a
    // position off the globe).
    DataRecord createTargetReport(const ADSBTarget* target, const ADSBServiceStatus* serviceStatus,
                                  ASTERIXVersion version) const;

private:
    DataRecord createTargetReport026(const ADSBTarget* target,
                                     const ADSBServiceStatus* serviceStatus) const;
    DataRecord createTargetReport240(const ADSBTarget* target,
                                     const ADSBServiceStatus* serviceStatus) const;
};

}  // namespace modes
}  // namespace brannic

#endif  // CATBRIDGE_ASTERIXENCODER_H
