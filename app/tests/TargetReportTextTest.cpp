#include "TargetReportText.h"

#include <gtest/gtest.h>

#include "TargetFactory.h"

namespace {

TEST(TargetReportText, ListsTheValidValuesOnly) {
    TargetSpec s;
    s.address = 0x4840D6;
    s.time = 1700000000000ull;
    QString text = TargetReportText::toText(reportOf(s));
    EXPECT_EQ(text, QStringLiteral("Address 4840D6\nLast reply 2023-11-14T22:13:20.000Z"));

    s.callsign = "KLM1234 ";
    s.squawk = 01234;
    s.position = true;
    s.lat = 52.3086;
    s.lon = 4.7639;
    s.altitude = true;
    s.altitudeFt = 3500;
    s.speed = true;
    s.speedKt = 180.4;
    s.headingDeg = 5.0;
    s.verticalRate = true;
    s.verticalRateFpm = -704;
    const brannic::modes::ADSBTargetReport report = reportOf(s);
    text = TargetReportText::toText(report);
    const QString lines[] = {
        QStringLiteral("KLM1234  Address 4840D6"),
        QStringLiteral("Squawk 1234"),
        QStringLiteral("Position 521831N 0044550E (52.30860, 4.76390)"),
        QStringLiteral("Altitude 3500 ft"),
        QStringLiteral("Ground speed 180 kt"),
        QStringLiteral("Track 005°"),
        QStringLiteral("Vertical rate -704 ft/min"),
    };
    for (const QString& line : lines)
        EXPECT_TRUE(text.contains(line)) << text.toStdString() << "\nlacks " << line.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("On the ground")));
}

}  // namespace
