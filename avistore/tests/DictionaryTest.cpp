// The dictionaries filled from a small SQLite database made in the test: key rules, the
// first-match order of address blocks, SAC region matching, multimap keys and the log.

#include <QDir>

#include <gtest/gtest.h>

#include <avistore/LibAvistore.h>

#include "TestDb.h"

namespace brannic {
namespace avistore {
namespace {

using testdb::DebugCapture;
using testdb::TestDatabase;

QStringList sampleRows() {
    QStringList rows = testdb::schema();
    rows << QStringLiteral(
                "INSERT INTO region VALUES ('eur', 'European'), ('NAT', 'North Atlantic')")
         << QStringLiteral(
                "INSERT INTO country_view VALUES "
                "('de', 'deu', 'Germany', 'Federal Republic of Germany', '德国'), "
                "('CN', 'CHN', 'China', 'People''s Republic of China', '中国'), "
                "('ci', 'civ', 'Côte d''Ivoire', 'Republic of Côte d''Ivoire', '科特迪瓦')")
         // Deliberately out of address order; the query sorts them. 0x3C4000/14 lies inside
         // the German /6, and the German /6 lies inside the /4 of an unknown code.
         << QStringLiteral(
                "INSERT INTO icao_addr_country_view VALUES "
                "(3948544, 16760832, 'cn'), "  // 0x3C4000 / 0xFFC000
                "(3932160, 16515072, 'de'), "  // 0x3C0000 / 0xFC0000
                "(7340032, 15728640, 'zz'), "  // 0x700000 / 0xF00000, unknown
                "(7864320, 16515072, 'CN'), "  // 0x780000 / 0xFC0000, inside it
                "(15728640, 16744448, NULL)")  // 0xF00000 / 0xFF8000, ICAO
         << QStringLiteral(
                "INSERT INTO sac_view VALUES (1, 'eur', 'de'), (1, 'NAT', 'cn'), "
                "(1, 'xyz', 'cn'), (2, 'EUR', 'ci')")
         << QStringLiteral(
                "INSERT INTO sensor_view VALUES "
                "('Radar A', 'PSR', 1, 2, 'de', 'Maker', 'M1', 'first'), "
                "('Radar B', 'SSR', 1, 2, 'cn', 'Maker', 'M2', 'second'), "
                "('Radar C', 'MLAT', 2, 1, 'xx', '', '', '')")
         << QStringLiteral(
                "INSERT INTO aircraft VALUES "
                "(3957828, 'd-aiba', 'A320', 'Airbus A320-211', 'Lufthansa'), "
                "(7867963, 'B-1234', 'B738', 'Boeing 737-800', 'Air China'), "
                "(3957828, 'd-aibb', 'A320', 'Airbus A320-214', 'Lufthansa')");
    return rows;
}

class DictionaryTest : public ::testing::Test {
protected:
    DictionaryTest() : _db(sampleRows()) { EXPECT_TRUE(_store.loadFromSQLite(_db.file())); }

    TestDatabase _db;
    LibAvistore _store;
};

TEST_F(DictionaryTest, KeysAreUpperCasedOnLoadAndLookUpIsExact) {
    EXPECT_EQ(_store.getRegionDict().fromCode(QStringLiteral("EUR")).name(),
              QStringLiteral("European"));
    EXPECT_EQ(_store.getRegionDict().fromCode(QStringLiteral("EUR")).code(), QStringLiteral("EUR"));
    EXPECT_FALSE(_store.getRegionDict().fromCode(QStringLiteral("eur")).isValid());
    const Country de = _store.getCountryDict().fromCode(QStringLiteral("DE"));
    ASSERT_TRUE(de.isValid());
    EXPECT_EQ(de.isoCode3(), QStringLiteral("DEU"));
    EXPECT_EQ(de.chineseName(), QStringLiteral("德国"));
    EXPECT_FALSE(_store.getCountryDict().fromCode(QStringLiteral("de")).isValid());
    // The aircraft stored later under the same address replaced the first; registration
    // upper-cased.
    const Aircraft a = _store.getAircraftDict().getAircraft(0x3C6444u);
    ASSERT_TRUE(a.isValid());
    EXPECT_EQ(a.registration(), QStringLiteral("D-AIBB"));
    EXPECT_EQ(a.acTypeDescription(), QStringLiteral("Airbus A320-214"));
    EXPECT_EQ(_store.getAircraftDict().getAircraft(ICAOAddr(0x3C6444)), a);
    EXPECT_EQ(_store.getAircraftDict().aircraft().size(), 2);
    const Aircraft missing = _store.getAircraftDict().getAircraft(0x3C6445u);
    EXPECT_FALSE(missing.isValid());
    EXPECT_EQ(missing.icaoAddr(), 0u);
    EXPECT_TRUE(missing.registration().isEmpty());
}

TEST_F(DictionaryTest, AddressBlockLookUpTakesTheFirstBlockInAscendingOrder) {
    struct Row {
        uint32_t addr;
        bool valid;
        const char* country;  // "" for an invalid country
    };
    const Row rows[] = {
        {0x3C0000, true, "DE"}, {0x3C4000, true, "DE"},  {0x3C7FFF, true, "DE"},
        {0x3FFFFF, true, "DE"}, {0x3BFFFF, false, ""},   {0x400000, false, ""},
        {0x780000, true, ""},   {0x7BFFFF, true, ""},    {0x700000, true, ""},
        {0xF00000, true, ""},   {0xF07FFF, true, ""},    {0xF08000, false, ""},
        {0x000000, false, ""},  {0xFFFFFFFF, false, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QString::number(row.addr, 16).toStdString());
        const ICAOAddrInfo info = _store.getICAOAddrDict().getICAOAddrInfo(ICAOAddr(row.addr));
        EXPECT_EQ(info.isValid(), row.valid);
        EXPECT_EQ(info.icaoAddr().toUInt(), row.valid ? row.addr : 0u);
        EXPECT_EQ(info.country().isValid(), row.country[0] != '\0');
        EXPECT_EQ(info.country().isoCode2(), QString::fromLatin1(row.country));
    }
    const auto& blocks = _store.getICAOAddrDict().blocks();
    ASSERT_EQ(blocks.size(), 5);
    for (int i = 1; i < blocks.size(); ++i)
        EXPECT_LT(blocks[i - 1].addr, blocks[i].addr);
}

TEST_F(DictionaryTest, SacLookUpMatchesRegionsOrFallsBackToTheLastEntry) {
    const SACDictionary& sacs = _store.getSACDict();
    const Region eur = _store.getRegionDict().fromCode(QStringLiteral("EUR"));
    const Region nat = _store.getRegionDict().fromCode(QStringLiteral("NAT"));
    const Region pac(QStringLiteral("PAC"), QStringLiteral("Pacific"));

    // The multimap gives the row loaded last first.
    const QList<SACInfo> list = sacs.getSACInfoList(1);
    ASSERT_EQ(list.size(), 3);
    EXPECT_FALSE(list[0].region().isValid());  // 'xyz' is no region
    EXPECT_EQ(list[1].region().code(), QStringLiteral("NAT"));
    EXPECT_EQ(list[2].region().code(), QStringLiteral("EUR"));
    for (const SACInfo& info : list)
        EXPECT_TRUE(info.isValid());

    struct Row {
        Region region;
        uint sac;
        bool valid;
        const char* region_code;
        const char* country;
    };
    const Row rows[] = {
        {eur, 1, true, "EUR", "DE"},   {nat, 1, true, "NAT", "CN"},
        {Region(), 1, true, "", "CN"},  // both invalid match
        {pac, 1, true, "EUR", "DE"},    // no match: last entry of the list
        {nat, 2, true, "EUR", "CI"},   {eur, 3, false, "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.region.code().toStdString() + " " + std::to_string(row.sac));
        const SACInfo info = sacs.getSACInfo(row.region, row.sac);
        EXPECT_EQ(info.isValid(), row.valid);
        EXPECT_EQ(info.region().code(), QString::fromLatin1(row.region_code));
        EXPECT_EQ(info.country().isoCode2(), QString::fromLatin1(row.country));
        EXPECT_EQ(info.sac(), row.valid ? row.sac : 0u);
    }
}

TEST_F(DictionaryTest, SensorsSharingSacAndSicAreAllKept) {
    const SensorDictionary& sensors = _store.getSensorDict();
    const QList<SensorInfo> list = sensors.getSensorInfoList(1, 2);
    ASSERT_EQ(list.size(), 2);
    QStringList names = {list[0].name(), list[1].name()};
    names.sort();
    EXPECT_EQ(names, QStringList({QStringLiteral("Radar A"), QStringLiteral("Radar B")}));
    EXPECT_EQ(sensors.sensors().count(1002), 2);
    EXPECT_EQ(list[0].sac(), 1u);
    EXPECT_EQ(list[0].sic(), 2u);
    const QList<SensorInfo> c = sensors.getSensorInfoList(2, 1);
    ASSERT_EQ(c.size(), 1);
    EXPECT_TRUE(c[0].isValid());
    EXPECT_EQ(c[0].type(), QStringLiteral("MLAT"));
    EXPECT_FALSE(c[0].country().isValid());  // 'xx' is no country
    EXPECT_TRUE(sensors.getSensorInfoList(2, 2).isEmpty());
}

TEST(DictionaryLoad, WritesItsLogLinesAndCounts) {
    TestDatabase db(sampleRows());
    LibAvistore store;
    DebugCapture log;
    ASSERT_TRUE(store.loadFromSQLite(db.file()));
    const char* expected[] = {
        "Loading region ...",   "2 regions loaded.",        "Loading country ...",
        "3 countries loaded.",  "Loading ICAO address ...", "5 ICAO addresses loaded.",
        "Loading SAC area ...", "4 SAC areas loaded.",      "Loading sensor ...",
        "3 sensors loaded.",    "Loading aircraft ...",     "2 aircrafts loaded.",
    };
    QStringList lines;
    for (const char* line : expected)
        lines << QString::fromUtf8(line);
    EXPECT_EQ(DebugCapture::lines(), lines);
}

TEST(DictionaryLoad, EmptyTablesLoadAsEmptyButSucceed) {
    TestDatabase db(testdb::schema());
    LibAvistore store;
    DebugCapture log;
    ASSERT_TRUE(store.loadFromSQLite(db.file()));
    EXPECT_FALSE(store.getRegionDict().isInited());
    EXPECT_FALSE(store.getCountryDict().isInited());
    EXPECT_FALSE(store.getICAOAddrDict().isInited());
    EXPECT_FALSE(store.getSACDict().isInited());
    EXPECT_FALSE(store.getSensorDict().isInited());
    EXPECT_FALSE(store.getAircraftDict().isInited());
    EXPECT_EQ(log.count(QStringLiteral("0 regions loaded.")), 1);
    EXPECT_EQ(log.count(QStringLiteral("0 aircrafts loaded.")), 1);
    // Each dictionary reports success on its own.
    RegionDictionary regions;
    EXPECT_TRUE(regions.loadFromSqlDb(db.db()));
    EXPECT_FALSE(regions.isInited());
}

TEST(DictionaryLoad, MissingTablesFailPerDictionaryAndKeepTheContent) {
    TestDatabase full(sampleRows());
    LibAvistore store;
    ASSERT_TRUE(store.loadFromSQLite(full.file()));

    TestDatabase partial({QStringLiteral("CREATE TABLE region (code TEXT, name TEXT)"),
                          QStringLiteral("INSERT INTO region VALUES ('pac', 'Pacific')")});
    DebugCapture log;
    EXPECT_TRUE(store.loadFromSQLite(partial.file()));
    // The region table was there and replaced the regions; the others failed and kept theirs.
    EXPECT_EQ(store.getRegionDict().regions().keys(), QStringList({QStringLiteral("PAC")}));
    EXPECT_EQ(store.getCountryDict().countries().size(), 3);
    EXPECT_EQ(store.getICAOAddrDict().blocks().size(), 5);
    EXPECT_EQ(store.getAircraftDict().aircraft().size(), 2);
    EXPECT_EQ(log.count(QStringLiteral("Loading country ...")), 0);
    int errors = 0;
    for (const QString& line : DebugCapture::lines())
        errors += line.contains(QStringLiteral("no such table"));
    EXPECT_EQ(errors, 5);

    // A fresh store loaded from a database without those tables leaves them empty.
    LibAvistore fresh;
    EXPECT_TRUE(fresh.loadFromSQLite(partial.file()));
    EXPECT_TRUE(fresh.getRegionDict().isInited());
    EXPECT_FALSE(fresh.getCountryDict().isInited());
    EXPECT_FALSE(fresh.getAircraftDict().isInited());
}

TEST(DictionaryLoad, ClosedDatabaseIsRefused) {
    RegionDictionary regions;
    CountryDictionary countries;
    ICAOAddrDictionary blocks(countries);
    SACDictionary sacs(regions, countries);
    SensorDictionary sensors(countries);
    AircraftDictionary aircraft;
    const QSqlDatabase closed;
    DebugCapture log;
    EXPECT_FALSE(regions.loadFromSqlDb(closed));
    EXPECT_FALSE(countries.loadFromSqlDb(closed));
    EXPECT_FALSE(blocks.loadFromSqlDb(closed));
    EXPECT_FALSE(sacs.loadFromSqlDb(closed));
    EXPECT_FALSE(sensors.loadFromSqlDb(closed));
    EXPECT_FALSE(aircraft.loadFromSqlDb(closed));
    EXPECT_TRUE(DebugCapture::lines().isEmpty());
}

TEST(DictionaryLoad, MissingDatabaseFileFailsAndIsNotCreated) {
    QTemporaryDir dir;
    const QFileInfo file(dir.filePath(QStringLiteral("absent.db")));
    LibAvistore store;
    DebugCapture log;
    EXPECT_FALSE(store.loadFromSQLite(file));
    EXPECT_EQ(log.count(QStringLiteral("Failed to open database: ") + file.absoluteFilePath()), 1);
    EXPECT_FALSE(QFileInfo::exists(file.absoluteFilePath()));
}

}  // namespace
}  // namespace avistore
}  // namespace brannic
