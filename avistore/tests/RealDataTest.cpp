// The full database that the build writes from the shipped reference data: known facts,
// and a data-file round trip that keeps every answer.

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <avistore/LibAvistore.h>

#include "DataFileCompare.h"
#include "TestDb.h"

namespace brannic {
namespace avistore {
namespace {

class RealDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        store = new LibAvistore;
        testdb::DebugCapture quiet;
        ASSERT_TRUE(store->loadFromSQLite(QFileInfo(QStringLiteral(VELTMAR_AVISTORE_DB))))
            << VELTMAR_AVISTORE_DB;
    }
    static void TearDownTestSuite() {
        delete store;
        store = nullptr;
    }
    static LibAvistore* store;
};

LibAvistore* RealDataTest::store = nullptr;

TEST_F(RealDataTest, HoldsTheWholeReferenceData) {
    EXPECT_EQ(store->getRegionDict().regions().size(), 9);
    EXPECT_EQ(store->getCountryDict().countries().size(), 249);
    EXPECT_EQ(store->getICAOAddrDict().blocks().size(), 196);
    EXPECT_EQ(store->getAircraftDict().aircraft().size(), 16873);
    // No public SAC or sensor list: empty unless the user supplies one.
    EXPECT_FALSE(store->getSACDict().isInited());
    EXPECT_FALSE(store->getSensorDict().isInited());
}

TEST_F(RealDataTest, AddressBlocksGiveTheStateOfRegistry) {
    const struct {
        uint32_t addr;
        const char* iso2;  // "" for a block ICAO administers, nullptr for no block
    } rows[] = {
        {0x3C0000, "DE"},    {0x3C6444, "DE"}, {0x3FFFFF, "DE"}, {0x780000, "CN"},
        {0x7BFFFF, "CN"},    {0xA00000, "US"}, {0xA835AF, "US"}, {0xAFFFFF, "US"},
        {0x400000, "GB"},    {0x899000, "TW"}, {0x8997FF, "TW"}, {0x4D2400, "MT"},
        {0x500400, "SM"},    {0xF00000, ""},   {0xF097FF, ""},   {0x000000, nullptr},
        {0xFFFFFF, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(ICAOAddr(row.addr).toHexStr().toStdString());
        const ICAOAddrInfo info = store->getICAOAddrDict().getICAOAddrInfo(ICAOAddr(row.addr));
        EXPECT_EQ(info.isValid(), row.iso2 != nullptr);
        if (!row.iso2)
            continue;
        EXPECT_EQ(info.icaoAddr().toUInt(), row.addr);
        EXPECT_EQ(info.country().isValid(), row.iso2[0] != '\0');
        EXPECT_EQ(info.country().isoCode2(), QString::fromLatin1(row.iso2));
    }
}

TEST_F(RealDataTest, CountriesCarryIsoAndChineseNames) {
    const struct {
        const char* iso2;
        const char* iso3;
        const char* name;
        const char* fullName;
        const char* chinese;
    } rows[] = {
        {"DE", "DEU", "Germany", "Federal Republic of Germany", "德国"},
        {"CN", "CHN", "China", "People's Republic of China", "中国"},
        {"US", "USA", "United States", "United States of America", "美国"},
        {"TW", "TWN", "Taiwan", "Taiwan, Province of China", "台湾"},
        {"KR", "KOR", "South Korea", "Korea, Republic of", "韩国"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.iso2);
        const Country c = store->getCountryDict().fromCode(QString::fromLatin1(row.iso2));
        ASSERT_TRUE(c.isValid());
        EXPECT_EQ(c.isoCode3(), QString::fromLatin1(row.iso3));
        EXPECT_EQ(c.name(), QString::fromUtf8(row.name));
        EXPECT_EQ(c.fullName(), QString::fromUtf8(row.fullName));
        EXPECT_EQ(c.chineseName(), QString::fromUtf8(row.chinese));
    }
}

// Every aircraft of the sample (a subset of the shipped list) is found with its own texts.
TEST_F(RealDataTest, AircraftOfTheSampleAreFound) {
    QFile file(QStringLiteral(VELTMAR_TEST_DATA_DIR "/aircraft-sample.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QTextStream in(&file);
    in.setCodec("UTF-8");
    in.readLine();  // header
    int rows = 0;
    while (!in.atEnd()) {
        // No field of the sample holds a comma or a quote.
        const QStringList f = in.readLine().split(QLatin1Char(','));
        ASSERT_EQ(f.size(), 5);
        SCOPED_TRACE(f[0].toStdString());
        const Aircraft a = store->getAircraftDict().getAircraft(f[0].toUInt(nullptr, 16));
        ASSERT_TRUE(a.isValid());
        EXPECT_EQ(a.registration(), f[1]);
        EXPECT_EQ(a.acType(), f[2]);
        EXPECT_EQ(a.acTypeDescription(), f[3]);
        EXPECT_EQ(a.operatorName(), f[4]);
        ++rows;
    }
    EXPECT_EQ(rows, 196);
}

TEST_F(RealDataTest, DataFileRoundTripAnswersAlike) {
    QTemporaryDir dir;
    const QFileInfo dat(dir.filePath(QStringLiteral("avistore.dat")));
    ASSERT_TRUE(store->saveToDataFile(dat));
    LibAvistore loaded;
    testdb::DebugCapture quiet;
    ASSERT_TRUE(loaded.loadFromDataFile(dat));
    expectSameDictionaries(*store, loaded);
    // Look-ups at and around every block edge, and every aircraft.
    for (const ICAOAddrDictionary::Block& block : store->getICAOAddrDict().blocks()) {
        const uint32_t end = block.addr | (~block.mask & 0xFFFFFF);
        for (uint32_t addr : {block.addr - 1, block.addr, end, end + 1}) {
            const ICAOAddrInfo x = store->getICAOAddrDict().getICAOAddrInfo(ICAOAddr(addr));
            const ICAOAddrInfo y = loaded.getICAOAddrDict().getICAOAddrInfo(ICAOAddr(addr));
            EXPECT_EQ(x.isValid(), y.isValid()) << addr;
            EXPECT_EQ(x.country(), y.country()) << addr;
        }
    }
    for (uint32_t addr : store->getAircraftDict().aircraft().keys()) {
        EXPECT_EQ(store->getAircraftDict().getAircraft(addr),
                  loaded.getAircraftDict().getAircraft(addr));
    }
}

}  // namespace
}  // namespace avistore
}  // namespace brannic
