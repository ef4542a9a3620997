// The three list models: the message lists' trimming and texts, the target list's column
// rules, alignments and shades for new and existing rows, and Qt's model checker on each.
#include <QAbstractItemModelTester>
#include <QTest>

#include <modes/ModeSDecoder.h>

#include "AsterixMessageModel.h"
#include "ModeSMessageModel.h"
#include "TargetFactory.h"
#include "TargetListModel.h"

using brannic::modes::ADSBTarget;
using brannic::modes::ADSBTracker;
using brannic::modes::ModeSDecoder;
using brannic::modes::ModeSMessage;

namespace {

// A real DF17 airborne position squitter of 406B90 (its recording, first position).
const char* const kDf17 = "8D406B902015A678D4D220AA4BDA";
// A DF11 all-call reply of 406B90 to interrogator code 0 (parity computed for it).
const char* const kDf11 = "5D406B90C94FC3";

ModeSRow rowOf(quint32 sequence, const char* hex, quint64 time = 1'700'000'000'000ULL) {
    static ModeSDecoder decoder;
    const QByteArray bytes = QByteArray::fromHex(hex);
    ModeSRow row;
    row.sequence = sequence;
    row.message.reset(decoder.decode(ModeSMessage::DOWNLINK,
                                     reinterpret_cast<const unsigned char*>(bytes.constData()),
                                     static_cast<uint64_t>(bytes.size()), time));
    return row;
}

}  // namespace

class TestModels : public QObject {
    Q_OBJECT
private slots:
    void modeSTrimming_data();
    void modeSTrimming();
    void modeSCellTexts();
    void asterixCellTexts();
    void targetNewRow();
    void targetRefreshRules();
    void targetShades();
    void targetRemovalAndClear();
    void squawkTexts_data();
    void squawkTexts();
};

void TestModels::modeSTrimming_data() {
    QTest::addColumn<int>("minRows");
    QTest::addColumn<int>("maxRows");
    QTest::addColumn<int>("appended");
    QTest::addColumn<int>("flushEvery");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("firstSequence");
    QTest::addColumn<bool>("sized");
    // The 1000th row exceeds 999: 101 rows are left, the newest.
    QTest::newRow("defaults, 999 rows") << 101 << 999 << 999 << 1 << 999 << 1 << true;
    QTest::newRow("defaults, 1000th row") << 101 << 999 << 1000 << 1 << 101 << 900 << true;
    QTest::newRow("defaults, 1000 in one batch") << 101 << 999 << 1000 << 1000 << 101 << 900 << true;
    QTest::newRow("defaults, 1500 in batches of 7") << 101 << 999 << 1500 << 7 << 601 << 900 << true;
    // A minimum above the maximum: trimmed only past both.
    QTest::newRow("min above max, below min") << 200 << 50 << 150 << 1 << 150 << 1 << true;
    QTest::newRow("min above max, past both") << 200 << 50 << 201 << 1 << 200 << 2 << true;
}

void TestModels::modeSTrimming() {
    QFETCH(int, minRows);
    QFETCH(int, maxRows);
    QFETCH(int, appended);
    QFETCH(int, flushEvery);
    QFETCH(int, rows);
    QFETCH(int, firstSequence);
    QFETCH(bool, sized);
    // (No model checker here: it walks the whole model at every change, which over thousands
    // of rows takes minutes; the small tests below run under it.)
    ModeSMessageModel model;
    model.setLimits(static_cast<quint32>(minRows), static_cast<quint32>(maxRows));
    bool sizingSeen = false;
    QList<int> countsAfterFlush;
    model.setFlushedHandler([&](const auto& f) {
        sizingSeen = sizingSeen || f.sizingCountReached;
        countsAfterFlush << f.rowCount;
    });
    for (int i = 1; i <= appended; ++i) {
        model.append(rowOf(static_cast<quint32>(i), i % 2 ? kDf17 : kDf11));
        if (i % flushEvery == 0) {
            model.flush();
        }
    }
    model.flush();
    QCOMPARE(model.rowCount(), rows);
    QCOMPARE(model.data(model.index(0, ModeSMessageModel::SEQUENCE)).toString(),
             QString::number(firstSequence));
    QCOMPARE(model.data(model.index(rows - 1, ModeSMessageModel::SEQUENCE)).toString(),
             QString::number(appended));
    QCOMPARE(sizingSeen, sized);
}

void TestModels::modeSCellTexts() {
    ModeSMessageModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.append(rowOf(7, kDf17, 1'700'000'000'123ULL));
    model.append(rowOf(8, kDf11));
    model.flush();
    QCOMPARE(model.columnCount(), 10);
    const QStringList headers = {"SEQUENCE", "TIME STAMP", "TYPE", "BITS", "DATA", "CRC",
                                 "ADDRESS", "CONFIDENCE", "MODE-S", "ADS-B"};
    for (int c = 0; c < headers.size(); ++c) {
        QCOMPARE(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), headers[c]);
    }
    const auto text = [&](int row, int column) {
        return model.data(model.index(row, column)).toString();
    };
    QCOMPARE(text(0, ModeSMessageModel::SEQUENCE), QStringLiteral("7"));
    QCOMPARE(text(0, ModeSMessageModel::TIME_STAMP), QStringLiteral("2023-11-14 22:13:20"));
    QCOMPARE(text(0, ModeSMessageModel::BITS), QStringLiteral("112"));
    QCOMPARE(text(0, ModeSMessageModel::DATA), QString::fromLatin1(kDf17));
    QCOMPARE(text(0, ModeSMessageModel::ADDRESS), QStringLiteral("406B90"));
    QCOMPARE(text(1, ModeSMessageModel::BITS), QStringLiteral("56"));
    // A DF11 reply's parity is the address (overlaid): no leading zeros either way.
    QVERIFY(!text(1, ModeSMessageModel::CRC).startsWith(QLatin1Char('0')));
    QVERIFY(!text(0, ModeSMessageModel::TYPE).isEmpty());
    QVERIFY(!text(0, ModeSMessageModel::MODE_S).isEmpty());
    QCOMPARE(text(0, ModeSMessageModel::ADS_B), QString());  // no ADS-B message given
    const QStringList confidences = {"NO", "LOW", "HIGH", "FULL"};
    QVERIFY(confidences.contains(text(0, ModeSMessageModel::CONFIDENCE)));
    for (int c = 0; c < 10; ++c) {
        const int expected = (c == ModeSMessageModel::DATA || c == ModeSMessageModel::MODE_S ||
                              c == ModeSMessageModel::ADS_B)
                                 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                 : int(Qt::AlignCenter);
        QCOMPARE(model.data(model.index(0, c), Qt::TextAlignmentRole).toInt(), expected);
    }
}

void TestModels::asterixCellTexts() {
    AsterixMessageModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.append(AsterixRow{3, 1'700'000'000'000ULL, 21, QByteArray::fromHex("15000501ab")});
    model.flush();
    QCOMPARE(model.data(model.index(0, AsterixMessageModel::SEQUENCE)).toString(), QStringLiteral("3"));
    QCOMPARE(model.data(model.index(0, AsterixMessageModel::CATEGORY)).toString(), QStringLiteral("CAT21"));
    QCOMPARE(model.data(model.index(0, AsterixMessageModel::BYTES)).toString(), QStringLiteral("5"));
    QCOMPARE(model.data(model.index(0, AsterixMessageModel::DATA)).toString(), QStringLiteral("15000501AB"));
    QCOMPARE(model.data(model.index(0, AsterixMessageModel::TIME_STAMP)).toString(),
             QStringLiteral("2023-11-14 22:13:20"));
    QCOMPARE(model.data(model.index(0, AsterixMessageModel::DATA), Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(model.data(model.index(0, AsterixMessageModel::BYTES), Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignCenter));
}

void TestModels::targetNewRow() {
    TargetListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setEnrichmentLookUp([](quint32 address) {
        TargetEnrichment e;
        if (address == 0x3C6444) {
            e.countryValid = true;
            e.isoCode2 = QStringLiteral("DE");
            e.isoCode3 = QStringLiteral("DEU");
            e.countryName = QStringLiteral("Germany");
            e.aircraftValid = true;
            e.registration = QStringLiteral("D-AIBA");
            e.acType = QStringLiteral("A320");
            e.acTypeDescription = QStringLiteral("Airbus A320-211");
            e.operatorName = QStringLiteral("Lufthansa");
        }
        return e;
    });
    ADSBTracker tracker;
    TargetSpec a;
    a.callsign = "DLH4AB  ";
    a.squawk = 07700;
    a.position = true;
    a.lat = 50.0379;
    a.lon = 8.5622;
    a.altitude = true;
    a.altitudeFt = 35000;
    a.speed = true;
    a.speedKt = 450.25;
    a.headingDeg = 90.5;
    TargetSpec b;
    b.address = 0x00ABCD;
    const quint64 now = a.time + 500;
    QCOMPARE(model.refresh(feed(tracker, {a, b}), now), 2);
    QCOMPARE(model.columnCount(), 39);
    QCOMPARE(model.headerData(38, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("OP/S"));
    const int ra = model.rowOf(0x3C6444);
    const int rb = model.rowOf(0x00ABCD);
    QVERIFY(ra >= 0 && rb >= 0 && ra != rb);
    const auto text = [&](int row, int column) {
        return model.data(model.index(row, column)).toString();
    };
    QCOMPARE(text(ra, TargetListModel::COUNTRY), QStringLiteral("DEU"));
    QCOMPARE(model.data(model.index(ra, TargetListModel::COUNTRY), Qt::ToolTipRole).toString(),
             QStringLiteral("Germany"));
    QVERIFY(!model.data(model.index(ra, TargetListModel::COUNTRY), Qt::DecorationRole)
                 .value<QIcon>()
                 .pixmap(16, 11)
                 .isNull());
    QCOMPARE(text(ra, TargetListModel::ADDRESS), QStringLiteral("3C6444"));
    QCOMPARE(text(rb, TargetListModel::ADDRESS), QStringLiteral("ABCD"));
    QCOMPARE(text(ra, TargetListModel::REG), QStringLiteral("D-AIBA"));
    QCOMPARE(text(ra, TargetListModel::AC_TYPE), QStringLiteral("A320"));
    QCOMPARE(model.data(model.index(ra, TargetListModel::AC_TYPE), Qt::ToolTipRole).toString(),
             QStringLiteral("Airbus A320-211"));
    QCOMPARE(text(ra, TargetListModel::OPERATOR), QStringLiteral("Lufthansa"));
    QCOMPARE(text(ra, TargetListModel::CALLSIGN), QStringLiteral("DLH4AB  "));
    QCOMPARE(text(ra, TargetListModel::SQUAWK), QStringLiteral("7700"));
    QVERIFY(text(ra, TargetListModel::POSITION).startsWith(QStringLiteral("50.0379")));
    QCOMPARE(text(ra, TargetListModel::ALTITUDE), QStringLiteral("35000"));
    QCOMPARE(text(ra, TargetListModel::SPEED), QStringLiteral("450.25"));
    QCOMPARE(text(ra, TargetListModel::HEADING), QStringLiteral("90.50"));
    // Unknown to the database: empty enrichment.
    QCOMPARE(text(rb, TargetListModel::COUNTRY), QString());
    QCOMPARE(text(rb, TargetListModel::REG), QString());
    // Values a target does not have leave the new row's cells empty.
    QCOMPARE(text(rb, TargetListModel::CALLSIGN), QString());
    QCOMPARE(text(rb, TargetListModel::POSITION), QString());
    // Alignment: POSITION, REG, AC TYPE, OPERATOR left, the rest centred.
    for (int c = 0; c < TargetListModel::COLUMN_COUNT; ++c) {
        const bool left = c == TargetListModel::POSITION || c == TargetListModel::REG ||
                          c == TargetListModel::AC_TYPE || c == TargetListModel::OPERATOR;
        QCOMPARE(model.data(model.index(ra, c), Qt::TextAlignmentRole).toInt(),
                 left ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter));
    }
}

void TestModels::targetRefreshRules() {
    TargetListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setEnrichmentLookUp([](quint32) { return TargetEnrichment(); });
    ADSBTracker tracker;
    TargetSpec s;
    s.callsign = "EZY85MH ";
    s.altitude = true;
    s.altitudeFt = 36000;
    model.refresh(feed(tracker, {s}), s.time + 100);
    const int r = model.rowOf(s.address);
    // A newer report with another callsign and altitude: both change at the next refresh.
    TargetSpec t = s;
    t.time = s.time + 1000;
    t.callsign = "EZY85MJ ";
    t.altitudeFt = 36025;
    model.refresh(feed(tracker, {t}), t.time + 100);
    QCOMPARE(model.data(model.index(r, TargetListModel::CALLSIGN)).toString(), QStringLiteral("EZY85MJ "));
    QCOMPARE(model.data(model.index(r, TargetListModel::ALTITUDE)).toString(), QStringLiteral("36025"));
    QCOMPARE(model.rowCount(), 1);
    // A report without those values: the cells keep the last known texts.
    TargetSpec u;
    u.address = s.address;
    u.time = t.time + 1000;
    model.refresh(feed(tracker, {u}), u.time + 100);
    QCOMPARE(model.data(model.index(r, TargetListModel::CALLSIGN)).toString(), QStringLiteral("EZY85MJ "));
    QCOMPARE(model.data(model.index(r, TargetListModel::ALTITUDE)).toString(), QStringLiteral("36025"));
    // LAST UPDATE follows every refresh.
    QCOMPARE(model.data(model.index(r, TargetListModel::LAST_UPDATE)).toString(),
             QDateTime::fromMSecsSinceEpoch(qint64(u.time), Qt::UTC).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

void TestModels::targetShades() {
    TargetListModel model;
    model.setEnrichmentLookUp([](quint32) { return TargetEnrichment(); });
    model.setOptions({3000, 10000});
    ADSBTracker tracker;
    TargetSpec s;
    s.callsign = "BAW123  ";
    const auto background = [&](int column) {
        return model.data(model.index(0, column), Qt::BackgroundRole);
    };
    const QColor yellow = TargetListModel::shadeColor(TargetListModel::Shade::HIGHLIGHT);
    const QColor green = TargetListModel::shadeColor(TargetListModel::Shade::NEW_ROW);
    const QColor red = TargetListModel::shadeColor(TargetListModel::Shade::STALE);
    struct Step {
        quint64 after;  // ms after the update
        bool callsignYellow;
        bool addressGreen;
        bool lastUpdateRed;
    };
    // The callsign is yellow for 3 s after its update, the new row's address green once,
    // LAST UPDATE red from 10 s of silence on.
    const Step steps[] = {{0, true, true, false},      {2999, true, false, false},
                          {3000, true, false, false},  {3001, false, false, false},
                          {9999, false, false, false}, {10000, false, false, true},
                          {15000, false, false, true}};
    const auto targets = feed(tracker, {s});
    for (const Step& step : steps) {
        model.refresh(targets, s.time + step.after);
        QCOMPARE(background(TargetListModel::CALLSIGN).value<QColor>() == yellow, step.callsignYellow);
        QCOMPARE(background(TargetListModel::ADDRESS).value<QColor>() == green, step.addressGreen);
        QCOMPARE(background(TargetListModel::LAST_UPDATE).value<QColor>() == red, step.lastUpdateRed);
        QVERIFY(!background(TargetListModel::TID).isValid());
        QVERIFY(!background(TargetListModel::SIGNAL).isValid());
    }
    // A warning time of 0 never colours LAST UPDATE.
    model.setOptions({3000, 0});
    model.refresh(targets, s.time + 60000);
    QVERIFY(!background(TargetListModel::LAST_UPDATE).isValid());
}

void TestModels::targetRemovalAndClear() {
    TargetListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setEnrichmentLookUp([](quint32) { return TargetEnrichment(); });
    ADSBTracker tracker;
    std::vector<TargetSpec> specs(5);
    for (int i = 0; i < 5; ++i) {
        specs[i].address = 0x100000 + static_cast<uint32_t>(i);
        specs[i].time = 1'000'000 + static_cast<uint64_t>(i) * 1000;
    }
    model.refresh(feed(tracker, specs), 1'010'000);
    QCOMPARE(model.rowCount(), 5);
    // The two oldest go.
    const auto removed = tracker.killTargets(1'001'000);
    QCOMPARE(removed.size(), std::size_t(2));
    model.removeTargets(removed);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.rowOf(0x100000), -1);
    QCOMPARE(model.rowOf(0x100001), -1);
    for (quint32 a = 0x100002; a <= 0x100004; ++a) {
        const int r = model.rowOf(a);
        QVERIFY(r >= 0);
        QCOMPARE(model.addressAt(r), a);
        QCOMPARE(model.data(model.index(r, TargetListModel::ADDRESS)).toString(),
                 QString::number(a, 16).toUpper());
    }
    model.clear();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.rowOf(0x100003), -1);
    // The rows come back at the next refresh.
    model.refresh(tracker.allTargets(), 1'011'000);
    QCOMPARE(model.rowCount(), 3);
}

void TestModels::squawkTexts_data() {
    QTest::addColumn<uint>("squawk");
    QTest::addColumn<QString>("text");
    QTest::newRow("emergency") << 07700u << "7700";
    QTest::newRow("vfr") << 07000u << "7000";
    QTest::newRow("leading zero") << 00012u << "0012";
    QTest::newRow("none") << 0u << "0000";
}

void TestModels::squawkTexts() {
    QFETCH(uint, squawk);
    QFETCH(QString, text);
    TargetSpec s;
    s.squawk = squawk;
    QCOMPARE(TargetListModel::columnText(targetOf(s), TargetListModel::SQUAWK), text);
}

QTEST_MAIN(TestModels)
#include "tst_Models.moc"
