// The aircraft table on a real SQLite file: creation, inserts and updates that never clear a
// known value, the debug lines, one transaction per update, and the minute schedule.

#include <map>
#include <vector>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

#include <avistore/LibAvistore.h>
#include <modes/ADSBTargetReport.h>
#include <modes/ADSBTracker.h>

#include "AircraftDatabase.h"
#include "InputTestSupport.h"
#include "MinuteSchedule.h"

namespace {

using brannic::avistore::LibAvistore;
using brannic::modes::ADSBTarget;
using brannic::modes::ADSBTargetReport;
using brannic::modes::ADSBTracker;
using testsupport::DebugCapture;

const QString kCreate = QStringLiteral(
    "CREATE TABLE [aircraft]                    (                    [icao_addr] INTEGER NOT "
    "NULL ON CONFLICT ABORT CONSTRAINT [aircraft_icaoaddr_unique] UNIQUE ON CONFLICT ABORT,"
    "                    [country] CHAR(2),                    [airline] CHAR(3)"
    "                    )");

// An aviation database with two address blocks: Germany 0x3C0000/6 and China 0x780000/6.
void loadBlocks(LibAvistore* store, const QString& dir, bool withChina) {
    const QString path = dir + QStringLiteral("/avistore-%1.db").arg(withChina ? 2 : 1);
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("blocks"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        const QStringList statements = {
            QStringLiteral(
                "CREATE TABLE country_view (iso_code_2 TEXT, iso_code_3 TEXT, name TEXT, "
                "full_name TEXT, chinese_name TEXT)"),
            QStringLiteral(
                "INSERT INTO country_view VALUES ('DE', 'DEU', 'Germany', 'Germany', ''), "
                "('CN', 'CHN', 'China', 'China', '')"),
            QStringLiteral("CREATE TABLE icao_addr_country_view (addr INTEGER, mask INTEGER, "
                           "iso_code_2 TEXT)"),
            withChina ? QStringLiteral("INSERT INTO icao_addr_country_view VALUES "
                                       "(3932160, 16515072, 'DE'), (7864320, 16515072, 'CN')")
                      : QStringLiteral("INSERT INTO icao_addr_country_view VALUES "
                                       "(3932160, 16515072, 'DE')"),
        };
        for (const QString& sql : statements)
            ASSERT_TRUE(query.exec(sql)) << sql.toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("blocks"));
    DebugCapture quiet;  // the loader's progress lines
    ASSERT_TRUE(store->loadFromSQLite(QFileInfo(path)));
}

// Targets as the tracker makes them, from reports with an address and perhaps a callsign.
std::vector<ADSBTarget> track(const std::vector<std::pair<quint32, const char*>>& aircraft,
                              quint64 time = 1709251200000ull) {
    ADSBTracker tracker;
    for (const auto& [address, callsign] : aircraft) {
        ADSBTargetReport report;
        report.setIcaoAddress(address);
        report.setLastUpdate(time);
        if (callsign != nullptr) {
            report.setCallsign(callsign);
            report.setCallsignLastUpdate(time);
            report.setCallsignLastChange(time);
        }
        EXPECT_NE(tracker.procTargetReport(&report), nullptr);
    }
    return tracker.allTargets();
}

struct Row {
    QString country;
    QString airline;
    bool operator==(const Row& o) const { return country == o.country && airline == o.airline; }
};
void PrintTo(const Row& row, std::ostream* os) {
    *os << "{" << row.country.toStdString() << ", " << row.airline.toStdString() << "}";
}

class AircraftDatabaseTest : public ::testing::Test {
protected:
    AircraftDatabaseTest() : _table(_store.getICAOAddrDict()) {
        loadBlocks(&_store, _dir.path(), true);
        _table.setEnabled(true);
        _table.setFile(file());
    }
    ~AircraftDatabaseTest() override { QSqlDatabase::removeDatabase(QStringLiteral("reader")); }

    QString file() const { return _dir.filePath(QStringLiteral("aircraft.db")); }

    // The rows of the file, read through a connection of the test's own.
    std::map<quint32, Row> rows() const {
        std::map<quint32, Row> out;
        QSqlDatabase db = reader();
        QSqlQuery query(db);
        EXPECT_TRUE(query.exec(QStringLiteral("SELECT icao_addr, country, airline FROM aircraft")));
        while (query.next()) {
            EXPECT_FALSE(query.value(1).isNull());
            EXPECT_FALSE(query.value(2).isNull());
            out[query.value(0).toUInt()] =
                Row{query.value(1).toString(), query.value(2).toString()};
        }
        return out;
    }
    QSqlDatabase reader() const {
        QSqlDatabase db =
            QSqlDatabase::contains(QStringLiteral("reader"))
                ? QSqlDatabase::database(QStringLiteral("reader"))
                : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
        db.setDatabaseName(file());
        EXPECT_TRUE(db.open());
        return db;
    }
    // SQLite's file change counter (header bytes 24 to 27): one more per write transaction.
    quint32 changeCounter() const {
        QFile f(file());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray header = f.read(28);
        EXPECT_EQ(header.size(), 28);
        const auto* b = reinterpret_cast<const unsigned char*>(header.constData());
        return quint32(b[24]) << 24 | quint32(b[25]) << 16 | quint32(b[26]) << 8 | b[27];
    }

    QTemporaryDir _dir;
    LibAvistore _store;
    AircraftDatabase _table;
};

TEST_F(AircraftDatabaseTest, OpenCreatesTheTableOnce) {
    ASSERT_TRUE(_table.open());
    EXPECT_TRUE(_table.isOpen());
    QSqlQuery query(reader());
    ASSERT_TRUE(query.exec(QStringLiteral("SELECT sql FROM sqlite_master WHERE name='aircraft'")));
    ASSERT_TRUE(query.next());
    EXPECT_EQ(query.value(0).toString(), kCreate);
    query.finish();
    _table.update(track({{0x3C6444, "DLH1234 "}}));
    _table.close();
    EXPECT_FALSE(_table.isOpen());
    // Opened again: the table and its rows are kept.
    ASSERT_TRUE(_table.open());
    EXPECT_EQ(rows().size(), 1u);
}

TEST_F(AircraftDatabaseTest, OpenFailures) {
    _table.setEnabled(false);
    EXPECT_FALSE(_table.open());
    EXPECT_FALSE(QFile::exists(file()));
    _table.setEnabled(true);

    DebugCapture debug;
    _table.setFile(_dir.filePath(QStringLiteral("missing/dir/aircraft.db")));
    EXPECT_FALSE(_table.open());
    EXPECT_EQ(debug.count(QStringLiteral("Failed to open database file: ") +
                          _dir.filePath(QStringLiteral("missing/dir/aircraft.db"))),
              1);
    _table.setFile(QString());
    EXPECT_FALSE(_table.open());
    EXPECT_EQ(debug.count(QStringLiteral("Failed to open database file: ")), 1);

    // A file that is not a database cannot take the table.
    QFile junk(file());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'j'));
    junk.close();
    _table.setFile(file());
    EXPECT_FALSE(_table.open());
    EXPECT_EQ(debug.countStartingWith(QStringLiteral("Failed to create table [aircraft]")), 1);
    EXPECT_FALSE(_table.isOpen());
    _table.update(track({{0x3C6444, "DLH1234"}}));  // not open: nothing happens
}

TEST_F(AircraftDatabaseTest, CountryAndAirlineOfEachAircraft) {
    ASSERT_TRUE(_table.open());
    _table.update(track({
        {0x3C6444, "DLH1234 "},  // three letters, four digits and a blank
        {0x3C6445, "D1ABC   "},  // a registration: no airline
        {0x3C6446, "DLHX123 "},  // four letters: no airline
        {0x780001, "CCA981  "},
        {0xA00001, "AAL12   "},  // no address block
        {0x3C6447, nullptr},     // no callsign
    }));
    const std::map<quint32, Row> expected = {
        {0x3C6444, {"DE", "DLH"}}, {0x3C6445, {"DE", ""}},  {0x3C6446, {"DE", ""}},
        {0x780001, {"CN", "CCA"}}, {0xA00001, {"", "AAL"}}, {0x3C6447, {"DE", ""}},
    };
    EXPECT_EQ(rows(), expected);
}

// A country or airline unknown this minute never clears what the row holds; a new address is
// inserted once and updated afterwards.
TEST_F(AircraftDatabaseTest, LaterMinutesUpdateWithoutClearing) {
    LibAvistore germanyOnly;
    loadBlocks(&germanyOnly, _dir.path(), false);
    AircraftDatabase table(germanyOnly.getICAOAddrDict());
    table.setEnabled(true);
    table.setFile(file());
    ASSERT_TRUE(table.open());
    table.update(track({{0x780001, "CCA981"}, {0x3C6444, nullptr}}));
    EXPECT_EQ(rows(), (std::map<quint32, Row>{{0x780001, {"", "CCA"}}, {0x3C6444, {"DE", ""}}}));
    table.close();

    // The next minutes, with the Chinese block known: the country comes, the airline stays.
    ASSERT_TRUE(_table.open());
    _table.update(track({{0x780001, nullptr}, {0x3C6444, "N123AB"}}));
    EXPECT_EQ(rows(), (std::map<quint32, Row>{{0x780001, {"CN", "CCA"}}, {0x3C6444, {"DE", ""}}}));
    _table.update(track({{0x780001, "CSN302"}, {0x3C6444, "EWG4AB"}, {0xA00002, nullptr}}));
    EXPECT_EQ(rows(),
              (std::map<quint32, Row>{
                  {0x780001, {"CN", "CSN"}}, {0x3C6444, {"DE", ""}}, {0xA00002, {"", ""}}}));
}

TEST_F(AircraftDatabaseTest, DebugLinesAndTheUpdateSwitch) {
    ASSERT_TRUE(_table.open());
    {
        DebugCapture debug;
        _table.update(track({{0x3C6444, "DLH1234 "}, {0xA00001, nullptr}}));
        EXPECT_EQ(debug.lines(),
                  (QStringList{
                      QStringLiteral("Updating database..."),
                      QStringLiteral("Updating database [aircraft] table..."),
                      QStringLiteral("Updating aircarft: 3C6444 country: DE airline DLH"),
                      QStringLiteral("Updating aircarft: A00001 country:  airline "),
                  }));
    }
    _table.setUpdateData(false);
    {
        DebugCapture debug;
        _table.update(track({{0x3C6448, "DLH1 "}}));
        EXPECT_EQ(debug.lines(), QStringList{QStringLiteral("Updating database...")});
    }
    EXPECT_EQ(rows().count(0x3C6448), 0u);
    _table.setEnabled(false);
    {
        DebugCapture debug;
        _table.update(track({{0x3C6448, "DLH1 "}}));
        EXPECT_TRUE(debug.lines().isEmpty());
    }
}

// A busy minute: 2,000 aircraft, all written, in one transaction.
TEST_F(AircraftDatabaseTest, BusyMinuteIsOneTransaction) {
    ASSERT_TRUE(_table.open());
    std::vector<std::pair<quint32, const char*>> aircraft;
    for (quint32 i = 0; i < 2000; ++i)
        aircraft.emplace_back(0x3C0000 + i * 7, i % 2 ? "DLH1234" : nullptr);
    const std::vector<ADSBTarget> targets = track(aircraft);
    ASSERT_EQ(targets.size(), 2000u);
    const quint32 before = changeCounter();
    {
        DebugCapture quiet;
        _table.update(targets);
    }
    EXPECT_EQ(changeCounter(), before + 1);
    EXPECT_EQ(rows().size(), 2000u);
    // The next minute every row changes its airline: again one transaction.
    for (auto& entry : aircraft)
        entry.second = "BAW12";
    const std::vector<ADSBTarget> renamed = track(aircraft);
    {
        DebugCapture quiet;
        _table.update(renamed);
    }
    EXPECT_EQ(changeCounter(), before + 2);
    EXPECT_EQ(rows().at(0x3C0000), (Row{"DE", "BAW"}));
}

TEST(AircraftDatabaseAirlineTest, AirlineFromCallsign) {
    const std::vector<std::pair<const char*, const char*>> rows = {
        {"DLH1234 ", "DLH"}, {"DLH1", "DLH"}, {"  BAW12  ", "BAW"},
        {"DLH12345", ""},    {"DLHX123", ""}, {"D1ABC", ""},
        {"N123AB", ""},      {"dlh123", ""},  {"DLH", ""},
        {"DLH 123", ""},     {"", ""},        {"123ABC", ""},
    };
    for (const auto& [callsign, airline] : rows)
        EXPECT_EQ(AircraftDatabase::airlineOf(QString::fromLatin1(callsign)),
                  QString::fromLatin1(airline))
            << callsign;
}

TEST(MinuteScheduleTest, OncePerNewMinuteWhereverTheTicksFall) {
    const quint64 noon = 1709294400000ull;  // 2024-03-01 12:00:00 UTC
    MinuteSchedule schedule;
    schedule.start(noon + 30000);
    const std::vector<std::pair<quint64, bool>> ticks = {
        {noon + 31000, false},  {noon + 59999, false},
        {noon + 60400, true},  // 12:01:00.4
        {noon + 61400, false},  {noon + 119999, false},
        {noon + 181200, true},  // 12:03:01.2: no tick fell in 12:02; one run now
        {noon + 182200, false}, {noon + 310000, true},  // 12:05:10: one run for the minutes skipped
        {noon + 250000, true},                          // the clock stepped back into 12:04
        {noon + 251000, false},
    };
    for (const auto& [time, due] : ticks)
        EXPECT_EQ(schedule.due(time), due) << (time - noon);
}

}  // namespace
