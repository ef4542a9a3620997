#include "CsvRecord.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <modes/ADSBTracker.h>
#include <modes/ModeSDecoder.h>

#include "OutputTestSupport.h"

namespace {

using outputtest::TargetSpec;

// The record of the one target of `spec`, at `localTime`.
QString recordOf(const TargetSpec& spec, const QTime& localTime = QTime(0, 0, 0)) {
    const outputtest::QuietLibraryLog quiet;
    brannic::modes::ADSBTracker tracker;
    brannic::modes::ModeSDecoder decoder;
    outputtest::feed(tracker, decoder, spec);
    const auto targets = tracker.allTargets();
    return targets.size() == 1 ? CsvRecord::build(targets.front(), localTime) : QString();
}

QStringList fieldsOf(const QString& record) {
    EXPECT_TRUE(record.startsWith('@')) << record.toStdString();
    EXPECT_TRUE(record.endsWith('#')) << record.toStdString();
    return record.mid(1, record.size() - 2).split(',');
}

TEST(CsvRecord, WholeRecordInMetricUnits) {
    TargetSpec spec;
    spec.address = 0x00ABCD;
    spec.callsign = "KLM1234 ";
    spec.latitude = 39.9123;
    spec.longitude = 0.0000123;
    spec.hasAltitude = true;
    spec.altitude = 35000;
    spec.hasVelocity = true;
    spec.groundSpeed = 450.0;
    spec.heading = 271.5;
    spec.hasVerticalRate = true;
    spec.verticalRate = 1000;
    EXPECT_EQ(recordOf(spec, QTime(1, 0, 5)),
              "@00abcd,KLM1234 ,39.9123,1.23e-05,833.4,271.5,10668,10668,304.8,,0,3605#");
}

TEST(CsvRecord, FieldByField) {
    struct Case {
        const char* name;
        TargetSpec spec;
        QTime time;
        int field;  // 1-based
        QString text;
    };
    TargetSpec base;
    base.address = 0x4840D6;
    base.latitude = 52.25;
    base.longitude = -4.75;
    auto with = [&](auto change) {
        TargetSpec s = base;
        change(s);
        return s;
    };
    const std::vector<Case> cases = {
        {"address zero-padded", with([](TargetSpec& s) { s.address = 0x00ABCD; }), {}, 1,
         "00abcd"},
        {"address lower case", base, {}, 1, "4840d6"},
        {"no callsign", base, {}, 2, ""},
        {"negative longitude", base, {}, 4, "-4.75"},
        {"descent", with([](TargetSpec& s) {
             s.hasVerticalRate = true;
             s.verticalRate = -64;
         }),
         {}, 9, "-19.5072"},
        {"field 10 empty", base, {}, 10, ""},
        {"status normal", base, {}, 11, "0"},
        {"status SPI", with([](TargetSpec& s) { s.spi = true; }), {}, 11, "3"},
        {"status alert", with([](TargetSpec& s) { s.alert = true; }), {}, 11, "1"},
        {"alert outranks SPI", with([](TargetSpec& s) {
             s.alert = true;
             s.spi = true;
         }),
         {}, 11, "1"},
        {"midnight", base, QTime(0, 0, 0), 12, "0"},
        {"01:00:05", base, QTime(1, 0, 5), 12, "3605"},
        {"last second", base, QTime(23, 59, 59, 999), 12, "86399"},
        // Separators of the record in a callsign from an external source would split it.
        {"callsign with separators",
         with([](TargetSpec& s) { s.callsign = "A,B@C#D\nE"; }), {}, 2, "ABCDE"},
        {"callsign with a placeholder", with([](TargetSpec& s) { s.callsign = "%1%10"; }), {}, 2,
         "%1%10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString record = recordOf(c.spec, c.time.isValid() ? c.time : QTime(12, 0, 0));
        const QStringList fields = fieldsOf(record);
        ASSERT_EQ(fields.size(), 12) << record.toStdString();
        EXPECT_EQ(fields[c.field - 1], c.text) << record.toStdString();
    }
}

// Values are written as the target holds them, valid or not: a target that never reported its
// altitude or speed gives zeros.
TEST(CsvRecord, InvalidValuesAreWrittenAsHeld) {
    TargetSpec spec;
    spec.address = 1;
    spec.latitude = 1.5;
    spec.longitude = 2.5;
    EXPECT_EQ(recordOf(spec, QTime(0, 0, 1)), "@000001,,1.5,2.5,0,0,0,0,0,,0,1#");
}

}  // namespace
