#include "ScopeTarget.h"

#include <cmath>

using brannic::modes::ADSBTarget;

ScopeTarget ScopeTarget::fromTarget(const ADSBTarget& target, uint64_t nowMs, uint64_t warningMs,
                                    const AzimuthalEquidistantProjection& projection) {
    ScopeTarget t;
    t.address = target.icaoAddr();
    t.geo = GeoPoint{target.latitude(), target.longitude()};
    t.plane = projection.forward(t.geo);
    t.silent =
        warningMs > 0 && nowMs > target.lastUpdate() && nowMs - target.lastUpdate() > warningMs;
    t.band = AltitudeBands::bandOf(t.silent, target.groundStatus() == ADSBTarget::ON_GROUND,
                                   target.altitudeBaroValid(), target.altitudeBaro());
    t.source = &target;
    t.projection = &projection;
    return t;
}

void ScopeTarget::describe() const {
    if (described || !source)
        return;
    described = true;
    headingValid = source->headingValid();
    if (headingValid)
        planeHeading = planeHeadingOf(source->heading(), geo, *projection);
    identity = identityText(*source);
    levelAndSpeed = levelAndSpeedText(*source);
}

QString ScopeTarget::identityText(const ADSBTarget& target) {
    const QString callsign = QString::fromStdString(target.callsign()).trimmed();
    if (!callsign.isEmpty())
        return callsign;
    return QString::number(target.icaoAddr(), 16).toUpper();
}

QString ScopeTarget::levelAndSpeedText(const ADSBTarget& target) {
    QString level;
    if (target.groundStatus() == ADSBTarget::ON_GROUND) {
        level = QStringLiteral("GND");
    } else if (target.altitudeBaroValid()) {
        const long hundreds = std::lround(target.altitudeBaro() / 100.0);
        level = hundreds < 0 ? QStringLiteral("FL-%1").arg(-hundreds, 2, 10, QLatin1Char('0'))
                             : QStringLiteral("FL%1").arg(hundreds, 3, 10, QLatin1Char('0'));
    } else {
        level = QStringLiteral("FL---");
    }
    if (target.groundSpeedValid())
        level += QStringLiteral(" %1kt").arg(std::lround(target.groundSpeed()));
    return level;
}

double ScopeTarget::planeHeadingOf(double trueHeadingDeg, GeoPoint at,
                                   const AzimuthalEquidistantProjection& projection) {
    // Follow the meridian a short way (about 60 m) towards the nearer pole-safe side.
    constexpr double kStepDeg = 0.0005;
    const bool northward = at.lat + kStepDeg <= 90.0;
    const GeoPoint along{northward ? at.lat + kStepDeg : at.lat - kStepDeg, at.lon};
    const QPointF d = projection.forward(along) - projection.forward(at);
    double northDeg = std::atan2(d.x(), d.y()) * 180.0 / 3.14159265358979323846;
    if (!northward)
        northDeg += 180.0;
    return trueHeadingDeg + northDeg;
}
