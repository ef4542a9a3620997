#ifndef VELTMAR_SCOPETARGET_H
#define VELTMAR_SCOPETARGET_H

#include <cstdint>

#include <QPointF>
#include <QString>

#include <modes/ADSBTarget.h>

#include "AltitudeBands.h"
#include "AzimuthalEquidistantProjection.h"
#include "GeoPoint.h"
#include "TrailHistory.h"

// What the scope draws of one target with a position. A refresh works out only what the
// visibility test needs (plane position, trail) and the colour; the symbol direction and the
// label texts are worked out by describe() the first time the target is drawn, so a target
// that stays out of view costs nothing more.
struct ScopeTarget {
    uint32_t address = 0;
    GeoPoint geo;
    QPointF plane;
    AltitudeBands::Band band = AltitudeBands::NoAltitude;
    bool silent = false;
    // The target's trail (null when it has none); its plane box includes the position.
    const TrailHistory::Trail* trail = nullptr;
    // What it was made from; both must outlive it (the scope keeps them until its next
    // refresh, when it makes its targets anew).
    const brannic::modes::ADSBTarget* source = nullptr;
    const AzimuthalEquidistantProjection* projection = nullptr;

    // Filled by describe().
    mutable bool described = false;
    mutable bool headingValid = false;
    // Track over ground turned into the plane: degrees clockwise from plane "up". Away from
    // the projection centre the meridians lean, so true north is not straight up there.
    mutable double planeHeading = 0.0;
    mutable QString identity;       // callsign, or the address in hexadecimal
    mutable QString levelAndSpeed;  // "FL350 450kt", "GND 12kt"

    // The scope's view of a target, which must have a valid position and, with the
    // projection, outlive the result. It is silent when warningMs is not 0 and the target has
    // not been heard for longer than that at nowMs.
    static ScopeTarget fromTarget(const brannic::modes::ADSBTarget& target, uint64_t nowMs,
                                  uint64_t warningMs,
                                  const AzimuthalEquidistantProjection& projection);
    // Works out heading and label texts from the source, once.
    void describe() const;

    // First label line: the callsign without its padding, else the address as the target
    // list writes it (upper-case hexadecimal, no leading zeros).
    static QString identityText(const brannic::modes::ADSBTarget& target);
    // Second label line: flight level from the barometric altitude (hundreds of feet, three
    // digits, "FL---" when unknown, "GND" on the ground), then the ground speed in knots when
    // known.
    static QString levelAndSpeedText(const brannic::modes::ADSBTarget& target);
    // The plane direction of a true heading at a point: heading plus the angle between true
    // north there and plane north.
    static double planeHeadingOf(double trueHeadingDeg, GeoPoint at,
                                 const AzimuthalEquidistantProjection& projection);
};

#endif  // VELTMAR_SCOPETARGET_H
