#include "TargetReportText.h"

#include <gtest/gtest.h>

#include "TrackedTarget.h"

namespace {

TEST(TargetReportText, ListsTheValidValuesOnly) {
    const uint64_t now = 1700000000000ull;
    brannic::modes::ADSBTargetReport report = reportOf(0x4840D6, now);
    QString text = TargetReportText::toText(report);
    EXPECT_EQ(text, QStringLiteral("Address 4840D6\nLast reply 2023-11-14T22:13:20.000Z"));

    report.setCallsign("KLM1234 ");
    report.setSquawk(01234);
    withPosition(report, 52.3086, 4.7639);
    report.setAltitudeBaro(3500);
    report.setGroundSpeed(180.4);
    report.setHeading(5.0);
    report.setVerticalRateBaro(-704);
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
