#ifndef AVISTORE_TESTS_TESTDB_H
#define AVISTORE_TESTS_TESTDB_H

// Small SQLite databases made inside a test, and a capture of the Qt debug log.

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace brannic {
namespace avistore {
namespace testdb {

// The views of a complete database, as plain tables.
inline QStringList schema() {
    return {
        QStringLiteral("CREATE TABLE region (code TEXT, name TEXT)"),
        QStringLiteral("CREATE TABLE country_view (iso_code_2 TEXT, iso_code_3 TEXT, name TEXT, "
                       "full_name TEXT, chinese_name TEXT)"),
        QStringLiteral("CREATE TABLE icao_addr_country_view (addr INTEGER, mask INTEGER, "
                       "iso_code_2 TEXT)"),
        QStringLiteral(
            "CREATE TABLE sac_view (sac_code INTEGER, region_code TEXT, country_code TEXT)"),
        QStringLiteral("CREATE TABLE sensor_view (name TEXT, type TEXT, sac INTEGER, sic INTEGER, "
                       "country_code TEXT, manufacturer TEXT, model TEXT, description TEXT)"),
        QStringLiteral("CREATE TABLE aircraft (icao_addr INTEGER, registration TEXT, "
                       "aircraft_type TEXT, aircraft_type_description TEXT, operator TEXT)"),
    };
}

// A database file in a temporary directory, filled by `statements`, and an open connection
// to it under its own name.
class TestDatabase {
public:
    explicit TestDatabase(const QStringList& statements) : _connection(nextConnection()) {
        _path = _dir.filePath(QStringLiteral("test.db"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection());
            db.setDatabaseName(_path);
            EXPECT_TRUE(db.open());
            QSqlQuery query(db);
            for (const QString& sql : statements) {
                EXPECT_TRUE(query.exec(sql))
                    << sql.toStdString() << ": " << query.lastError().text().toStdString();
            }
        }
    }
    ~TestDatabase() {
        QSqlDatabase::database(connection(), false).close();
        QSqlDatabase::removeDatabase(connection());
    }
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(connection()); }
    QFileInfo file() const { return QFileInfo(_path); }
    QString dir() const { return _dir.path(); }

private:
    QString connection() const { return _connection; }
    static QString nextConnection() {
        static int serial = 0;
        return QStringLiteral("avistore-test-%1").arg(++serial);
    }

    QString _connection;
    QTemporaryDir _dir;
    QString _path;
};

// Collects the lines written with qDebug() and the like while it exists.
class DebugCapture {
public:
    DebugCapture() {
        lines().clear();
        _previous = qInstallMessageHandler(&DebugCapture::handler);
    }
    ~DebugCapture() { qInstallMessageHandler(_previous); }
    DebugCapture(const DebugCapture&) = delete;
    DebugCapture& operator=(const DebugCapture&) = delete;

    int count(const QString& line) const { return lines().count(line); }
    static QStringList& lines() {
        static QStringList captured;
        return captured;
    }

private:
    static void handler(QtMsgType, const QMessageLogContext&, const QString& message) {
        // Qt's own note that the default connection is replaced on a second load.
        if (message.startsWith(QLatin1String("QSqlDatabasePrivate::addDatabase")))
            return;
        lines() << message;
    }

    QtMessageHandler _previous;
};

}  // namespace testdb
}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_TESTS_TESTDB_H
