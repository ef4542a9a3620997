#include "feedio/AircraftDatabase.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace feedio {

namespace {

const char kConnection[] = "veltmar-feed-aircraft";

}  // namespace

bool loadAircraft(const QString& path, std::vector<feedgen::AircraftRecord>& records, QString& error) {
    // SQLite would create a missing file; a database that is not there is an error here.
    if (!QFileInfo(path).isFile()) {
        error = QStringLiteral("no aviation database at %1").arg(path);
        return false;
    }
    bool ok = false;
    std::vector<feedgen::AircraftRecord> read;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QLatin1String(kConnection));
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            error = QStringLiteral("cannot open %1: %2").arg(path, db.lastError().text());
        } else {
            QSqlQuery query(db);
            if (!query.exec(QStringLiteral(
                    "SELECT icao_addr, registration, aircraft_type, aircraft_type_description, operator "
                    "FROM aircraft ORDER BY icao_addr"))) {
                error = QStringLiteral("cannot read the aircraft of %1: %2").arg(path, query.lastError().text());
            } else {
                while (query.next()) {
                    feedgen::AircraftRecord record;
                    record.address = query.value(0).toUInt();
                    record.registration = query.value(1).toString().toStdString();
                    record.type = query.value(2).toString().toStdString();
                    record.typeDescription = query.value(3).toString().toStdString();
                    record.operatorName = query.value(4).toString().toStdString();
                    read.push_back(std::move(record));
                }
                ok = true;
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QLatin1String(kConnection));
    if (ok)
        records = std::move(read);
    return ok;
}

}  // namespace feedio
