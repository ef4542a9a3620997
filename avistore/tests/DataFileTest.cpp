// The compressed data file: layout, round trip, and damaged or hostile files.

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

#include <avistore/LibAvistore.h>

#include "DataFileCompare.h"
#include "TestDb.h"

namespace brannic {
namespace avistore {
namespace {

using testdb::DebugCapture;
using testdb::TestDatabase;

QStringList rows() {
    QStringList r = testdb::schema();
    r << QStringLiteral("INSERT INTO region VALUES ('EUR', 'European'), ('NAT', 'North Atlantic')")
      << QStringLiteral(
             "INSERT INTO country_view VALUES "
             "('DE', 'DEU', 'Germany', 'Federal Republic of Germany', '德国'), "
             "('CN', 'CHN', 'China', 'People''s Republic of China', '中国')")
      << QStringLiteral(
             "INSERT INTO icao_addr_country_view VALUES (3948544, 16760832, 'CN'), "
             "(3932160, 16515072, 'DE'), (15728640, 16744448, NULL)")
      << QStringLiteral(
             "INSERT INTO sac_view VALUES (1, 'EUR', 'DE'), (1, 'NAT', 'CN'), "
             "(1, 'XYZ', 'CN'), (2, 'EUR', 'DE')")
      << QStringLiteral(
             "INSERT INTO sensor_view VALUES "
             "('Radar A', 'PSR', 1, 2, 'DE', 'Maker', 'M1', 'first'), "
             "('Radar B', 'SSR', 1, 2, 'CN', 'Maker', 'M2', 'second')")
      << QStringLiteral(
             "INSERT INTO aircraft VALUES "
             "(3957828, 'D-AIBA', 'A320', 'Airbus A320-211', 'Lufthansa'), "
             "(7867963, 'B-1234', 'B738', 'Boeing 737-800', 'Aeroméxico')");
    return r;
}

class DataFileTest : public ::testing::Test {
protected:
    DataFileTest() : _db(rows()) { EXPECT_TRUE(_store.loadFromSQLite(_db.file())); }

    QFileInfo datFile() const { return QFileInfo(_db.dir() + QStringLiteral("/avistore.dat")); }

    TestDatabase _db;
    LibAvistore _store;
};

TEST_F(DataFileTest, RoundTripKeepsEveryEntryAndItsOrder) {
    ASSERT_TRUE(_store.saveToDataFile(datFile()));
    LibAvistore loaded;
    DebugCapture log;
    ASSERT_TRUE(loaded.loadFromDataFile(datFile()));
    EXPECT_EQ(log.count(QStringLiteral("Avistore size: %1").arg(datFile().size())), 1);
    expectSameDictionaries(_store, loaded);
    // Multimap order survives: the entry loaded last still comes first.
    EXPECT_EQ(loaded.getSACDict().getSACInfoList(1), _store.getSACDict().getSACInfoList(1));
    EXPECT_EQ(loaded.getSensorDict().getSensorInfoList(1, 2),
              _store.getSensorDict().getSensorInfoList(1, 2));
}

TEST_F(DataFileTest, PayloadHasTheDocumentedLayout) {
    const QByteArray file = _store.saveToData();
    const QByteArray payload = qUncompress(file);
    ASSERT_EQ(qFromBigEndian<quint32>(file.constData()), quint32(payload.size()));
    QDataStream in(payload);
    qint32 count = 0;
    QString key, code, name;
    bool valid = false;
    // Regions from the highest key down.
    in >> count >> key >> valid >> code >> name;
    EXPECT_EQ(count, 2);
    EXPECT_EQ(key, QStringLiteral("NAT"));
    EXPECT_TRUE(valid);
    EXPECT_EQ(name, QStringLiteral("North Atlantic"));
    in >> key >> valid >> code >> name;
    EXPECT_EQ(key, QStringLiteral("EUR"));
    // Countries from the highest key down: DE before CN.
    QString iso2, iso3, full, chinese;
    in >> count >> key >> valid >> iso2 >> iso3 >> name >> full >> chinese;
    EXPECT_EQ(count, 2);
    EXPECT_EQ(key, QStringLiteral("DE"));
    EXPECT_EQ(chinese, QStringLiteral("德国"));
    in >> key >> valid >> iso2 >> iso3 >> name >> full >> chinese;
    EXPECT_EQ(key, QStringLiteral("CN"));
    // Address blocks in stored (ascending) order.
    qint32 addr = 0, mask = 0;
    in >> count >> addr >> mask;
    EXPECT_EQ(count, 3);
    EXPECT_EQ(addr, 0x3C0000);
    EXPECT_EQ(mask, 0xFC0000);
    EXPECT_EQ(in.status(), QDataStream::Ok);
}

TEST_F(DataFileTest, FilesThatAreNotDataFilesAreRejectedUntouched) {
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    QByteArray lying = _store.saveToData();
    qToBigEndian<quint32>(0x7FFFFFF0, lying.data());  // claims ~2 GB of payload
    const Case cases[] = {
        {"empty file", QByteArray()},
        {"three bytes", QByteArray("\x00\x00\x01", 3)},
        {"plain text", QByteArray("not a data file at all")},
        {"header only", QByteArray("\x00\x00\x00\x10", 4)},
        {"empty payload", qCompress(QByteArray(), 9)},
        {"claimed size beyond any zlib ratio", lying},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile out(datFile().absoluteFilePath());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(c.bytes);
        out.close();
        EXPECT_FALSE(_store.loadFromDataFile(datFile()));
        EXPECT_EQ(_store.getAircraftDict().aircraft().size(), 2);
        EXPECT_EQ(_store.getRegionDict().regions().size(), 2);
    }
    EXPECT_FALSE(_store.loadFromDataFile(QFileInfo(_db.dir() + QStringLiteral("/absent.dat"))));
}

// A payload cut or spoiled inside one section leaves that section and every later one empty,
// and the earlier ones whole; the load still succeeds.
TEST_F(DataFileTest, DamagedSectionEmptiesItAndTheSectionsAfterIt) {
    const QByteArray payload = qUncompress(_store.saveToData());
    // Where each section starts: write the sections one by one and note the sizes.
    QVector<int> starts;
    {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        starts << bytes.size();
        _store.getRegionDict().saveToDataStream(out);
        starts << bytes.size();
        _store.getCountryDict().saveToDataStream(out);
        starts << bytes.size();
        _store.getICAOAddrDict().saveToDataStream(out);
        starts << bytes.size();
        _store.getSACDict().saveToDataStream(out);
        starts << bytes.size();
        _store.getSensorDict().saveToDataStream(out);
        starts << bytes.size();
        _store.getAircraftDict().saveToDataStream(out);
        ASSERT_EQ(bytes, payload);
    }
    const auto sizes = [](const LibAvistore& s) {
        return QVector<int>{
            s.getRegionDict().regions().size(),  s.getCountryDict().countries().size(),
            s.getICAOAddrDict().blocks().size(), s.getSACDict().entries().size(),
            s.getSensorDict().sensors().size(),  s.getAircraftDict().aircraft().size()};
    };
    const QVector<int> full = sizes(_store);
    ASSERT_EQ(full, (QVector<int>{2, 2, 3, 4, 2, 2}));
    for (int section = 0; section < 6; ++section) {
        QVector<int> expected = full;
        for (int later = section; later < 6; ++later)
            expected[later] = 0;
        // Cut a few bytes into the section's first entry, or spoil its count: a count far
        // beyond the data makes it read on into the next sections until the data ends.
        const int cut = starts[section] + 4 + 9;
        QByteArray spoiled = payload;
        qToBigEndian<qint32>(0x7FFFFFFF, spoiled.data() + starts[section]);
        for (const QByteArray& damaged : {payload.left(cut), spoiled}) {
            SCOPED_TRACE(section);
            LibAvistore loaded;
            EXPECT_TRUE(loaded.loadFromData(qCompress(damaged, 9)));
            EXPECT_EQ(sizes(loaded), expected);
        }
    }
}

TEST_F(DataFileTest, UnwritableFileIsReported) {
    EXPECT_FALSE(
        _store.saveToDataFile(QFileInfo(_db.dir() + QStringLiteral("/no/such/dir/a.dat"))));
}

}  // namespace
}  // namespace avistore
}  // namespace brannic
