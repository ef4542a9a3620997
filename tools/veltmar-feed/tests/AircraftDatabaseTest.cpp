// Reading the aviation database's aircraft table from a real SQLite file.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

#include "QtApp.h"
#include "TempFile.h"
#include "feedio/AircraftDatabase.h"

namespace {

void makeDatabase(const std::string& path, bool withTable) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(QString::fromStdString(path));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        if (withTable) {
            ASSERT_TRUE(q.exec("CREATE TABLE aircraft (icao_addr INTEGER PRIMARY KEY, registration TEXT, "
                               "aircraft_type TEXT, aircraft_type_description TEXT, operator TEXT)"));
            ASSERT_TRUE(q.exec("INSERT INTO aircraft VALUES (4988294, 'EI-DCL', 'B738', 'Boeing 737-8AS', 'Ryanair')"));
            ASSERT_TRUE(q.exec("INSERT INTO aircraft VALUES (3958150, 'D-AIBA', 'A320', 'Airbus A320-214', 'Lufthansa')"));
            ASSERT_TRUE(q.exec("INSERT INTO aircraft VALUES (3958151, NULL, NULL, NULL, NULL)"));
        } else {
            ASSERT_TRUE(q.exec("CREATE TABLE region (code TEXT)"));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
}

TEST(FeedAircraftDatabase, ReadsTheAircraftTableInAddressOrder) {
    feedtest::ensureApp();
    const feedtest::TempFile file("", ".db");
    makeDatabase(file.path(), true);
    std::vector<feedgen::AircraftRecord> records;
    QString error;
    ASSERT_TRUE(feedio::loadAircraft(QString::fromStdString(file.path()), records, error)) << qPrintable(error);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].address, 0x3C6586u);
    EXPECT_EQ(records[0].registration, "D-AIBA");
    EXPECT_EQ(records[0].type, "A320");
    EXPECT_EQ(records[0].operatorName, "Lufthansa");
    EXPECT_EQ(records[1].registration, "");
    EXPECT_EQ(records[2].address, 0x4C1D86u);
    EXPECT_EQ(records[2].typeDescription, "Boeing 737-8AS");
}

TEST(FeedAircraftDatabase, FailuresLeaveTheRecordsAlone) {
    feedtest::ensureApp();
    std::vector<feedgen::AircraftRecord> records(1);
    QString error;
    EXPECT_FALSE(feedio::loadAircraft(QStringLiteral("/nonexistent/avistore.db"), records, error));
    EXPECT_TRUE(error.contains(QLatin1String("/nonexistent/avistore.db")));
    EXPECT_EQ(records.size(), 1u);

    const feedtest::TempFile noTable("", ".db");
    makeDatabase(noTable.path(), false);
    error.clear();
    EXPECT_FALSE(feedio::loadAircraft(QString::fromStdString(noTable.path()), records, error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(records.size(), 1u);

    const feedtest::TempFile notSqlite("this is not a database", ".db");
    EXPECT_FALSE(feedio::loadAircraft(QString::fromStdString(notSqlite.path()), records, error));
    EXPECT_EQ(records.size(), 1u);
}

}  // namespace
