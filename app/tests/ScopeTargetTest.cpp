#include "ScopeTarget.h"

#include <cmath>

#include <gtest/gtest.h>

#include "TargetFactory.h"

namespace {

constexpr uint64_t kNow = 1700000000000ull;
const AzimuthalEquidistantProjection kProjection({51.5, 5.5});

TargetSpec at(double lat, double lon) {
    TargetSpec s;
    s.address = 0x4840D6;
    s.time = kNow;
    s.position = true;
    s.lat = lat;
    s.lon = lon;
    return s;
}

TEST(ScopeTarget, LabelNamesTheFlightOrItsAddress) {
    TargetSpec s = at(51.0, 5.0);
    EXPECT_EQ(ScopeTarget::identityText(targetOf(s)), QStringLiteral("4840D6"));
    s.address = 0x00A1B2;
    EXPECT_EQ(ScopeTarget::identityText(targetOf(s)), QStringLiteral("A1B2"));
    s.callsign = "KLM1234 ";
    EXPECT_EQ(ScopeTarget::identityText(targetOf(s)), QStringLiteral("KLM1234"));
}

TEST(ScopeTarget, LabelGivesFlightLevelAndGroundSpeed) {
    const struct {
        bool altitude;
        int feet;
        bool onGround;
        bool speed;
        double knots;
        const char* text;
    } rows[] = {
        {true, 35000, false, true, 451.4, "FL350 451kt"},
        {true, 35049, false, true, 451.6, "FL350 452kt"},
        {true, 35050, false, false, 0.0, "FL351"},  // half a level rounds up
        {true, 2500, false, true, 180.0, "FL025 180kt"},
        {true, 0, false, false, 0.0, "FL000"},
        {true, -1000, false, false, 0.0, "FL-10"},
        {false, 0, false, true, 300.0, "FL--- 300kt"},
        {true, 1000, true, true, 12.0, "GND 12kt"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        TargetSpec s = at(51.0, 5.0);
        s.altitude = row.altitude;
        s.altitudeFt = row.feet;
        s.speed = row.speed;
        s.speedKt = row.knots;
        s.groundStatus = true;
        s.onGround = row.onGround;
        EXPECT_EQ(ScopeTarget::levelAndSpeedText(targetOf(s)), QString::fromLatin1(row.text));
    }
}

TEST(ScopeTarget, GreyedOnlyAfterTheWarningTime) {
    TargetSpec s = at(52.0, 6.0);
    s.altitude = true;
    s.altitudeFt = 35000;
    const auto target = targetOf(s);
    const struct {
        uint64_t now;
        uint64_t warning;
        bool silent;
    } rows[] = {
        {kNow, 10000, false},         {kNow + 10000, 10000, false},
        {kNow + 10001, 10000, true},  {kNow + 999999, 0, false},  // a warning time of 0 never greys
        {kNow - 50000, 10000, false},  // a report from the future is fresh
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.now - kNow << " ms, warning " << row.warning);
        const ScopeTarget t = ScopeTarget::fromTarget(target, row.now, row.warning, kProjection);
        EXPECT_EQ(t.silent, row.silent);
        EXPECT_EQ(t.band, row.silent ? AltitudeBands::Silent : AltitudeBands::ToFL400);
    }
}

TEST(ScopeTarget, TakesPlanePositionAndHeading) {
    TargetSpec s = at(51.5, 5.5);
    s.callsign = "KLM1234 ";
    const auto withoutHeading = targetOf(s);
    ScopeTarget t = ScopeTarget::fromTarget(withoutHeading, kNow, 10000, kProjection);
    EXPECT_EQ(t.address, 0x4840D6u);
    EXPECT_EQ(t.plane, QPointF(0, 0));
    EXPECT_TRUE(t.identity.isEmpty());  // not until it is drawn
    t.describe();
    EXPECT_FALSE(t.headingValid);
    EXPECT_EQ(t.identity, QStringLiteral("KLM1234"));
    EXPECT_EQ(t.levelAndSpeed, QStringLiteral("FL---"));
    s.speed = true;  // a velocity message brings the track with the speed
    s.speedKt = 250.0;
    s.headingDeg = 90.0;
    const auto withHeading = targetOf(s);
    t = ScopeTarget::fromTarget(withHeading, kNow, 10000, kProjection);
    t.describe();
    EXPECT_TRUE(t.headingValid);
    EXPECT_NEAR(t.planeHeading, 90.0, 1e-6);  // at the centre true north is straight up
}

TEST(ScopeTarget, MeridiansLeanTowardsThePoleAwayFromTheCentre) {
    // On the centre's meridian north is up; ten degrees east of it (at 51.5 N) the meridian
    // leans left, towards the pole, by roughly the longitude difference times sin(latitude),
    // and as much to the right on the west side.
    EXPECT_NEAR(ScopeTarget::planeHeadingOf(0.0, {55.0, 5.5}, kProjection), 0.0, 1e-6);
    EXPECT_NEAR(ScopeTarget::planeHeadingOf(180.0, {45.0, 5.5}, kProjection), 180.0, 1e-6);
    const double east = ScopeTarget::planeHeadingOf(0.0, {51.5, 15.5}, kProjection);
    const double west = ScopeTarget::planeHeadingOf(0.0, {51.5, -4.5}, kProjection);
    EXPECT_LT(east, -5.0);
    EXPECT_GT(east, -10.0);
    EXPECT_NEAR(west, -east, 1e-6);
    EXPECT_NEAR(ScopeTarget::planeHeadingOf(45.0, {51.5, 15.5}, kProjection), 45.0 + east, 1e-9);
    // At the pole itself the meridian is taken from the south side.
    EXPECT_TRUE(std::isfinite(ScopeTarget::planeHeadingOf(0.0, {90.0, 0.0}, kProjection)));
}

}  // namespace
