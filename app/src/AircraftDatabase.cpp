#include "AircraftDatabase.h"

#include <QDebug>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <avistore/ICAOAddr.h>

namespace {

// The statements keep the runs of blanks they were first written with (line continuations
// of a multi-line literal), so that the file's schema text is the same whoever created it.
const QString kCreateTable = QStringLiteral("CREATE TABLE [aircraft]") +
                             QString(20, QLatin1Char(' ')) + QStringLiteral("(") +
                             QString(20, QLatin1Char(' ')) +
                             QStringLiteral(
                                 "[icao_addr] INTEGER NOT NULL ON CONFLICT ABORT CONSTRAINT "
                                 "[aircraft_icaoaddr_unique] UNIQUE ON CONFLICT ABORT,") +
                             QString(20, QLatin1Char(' ')) + QStringLiteral("[country] CHAR(2),") +
                             QString(20, QLatin1Char(' ')) + QStringLiteral("[airline] CHAR(3)") +
                             QString(20, QLatin1Char(' ')) + QStringLiteral(")");
const QString kInsert = QStringLiteral("INSERT into [aircraft](icao_addr, country, airline)") +
                        QString(24, QLatin1Char(' ')) +
                        QStringLiteral("VALUES(:icao_addr, :country, :airline)");

// Unknown values are written as empty text, not as NULL.
QString asText(const QString& value) {
    return value.isNull() ? QStringLiteral("") : value;
}

void debugFailure(const QSqlQuery& query) {
    qDebug() << query.lastQuery() << query.lastError();
}

}  // namespace

AircraftDatabase::AircraftDatabase(const brannic::avistore::ICAOAddrDictionary& addresses)
    : _addresses(addresses) {}

AircraftDatabase::~AircraftDatabase() {
    close();
}

QSqlDatabase AircraftDatabase::database() const {
    return QSqlDatabase::database(QLatin1String(kConnectionName), false);
}

bool AircraftDatabase::open() {
    close();
    if (!_enabled)
        return false;
    const QString path = _file.isEmpty() ? QString() : QFileInfo(_file).absoluteFilePath();
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QLatin1String(kConnectionName));
        db.setDatabaseName(path);
        // An empty name would give SQLite's private temporary database, not a file.
        if (path.isEmpty() || !db.open()) {
            qDebug().noquote() << QStringLiteral("Failed to open database file: ") + path;
            return false;
        }
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("SELECT * FROM [aircraft]"))) {
            if (!query.exec(kCreateTable)) {
                qDebug() << "Failed to create table [aircraft]" << query.lastQuery()
                         << query.lastError();
                return false;
            }
        }
    }
    _open = true;
    return true;
}

void AircraftDatabase::close() {
    _open = false;
    if (!QSqlDatabase::contains(QLatin1String(kConnectionName)))
        return;
    database().close();
    QSqlDatabase::removeDatabase(QLatin1String(kConnectionName));
}

QString AircraftDatabase::countryOf(quint32 icaoAddress) const {
    const brannic::avistore::ICAOAddrInfo info =
        _addresses.getICAOAddrInfo(brannic::avistore::ICAOAddr(icaoAddress));
    if (!info.isValid() || !info.country().isValid())
        return QString();
    return info.country().isoCode2();
}

QString AircraftDatabase::airlineOf(const QString& callsign) {
    static const QRegularExpression flightNumber(QStringLiteral("^[A-Z]{3}[0-9]{1,4}$"));
    const QString trimmed = callsign.trimmed();
    return flightNumber.match(trimmed).hasMatch() ? trimmed.left(3) : QString();
}

void AircraftDatabase::update(const std::vector<brannic::modes::ADSBTarget>& targets) {
    if (!_enabled || !_open)
        return;
    qDebug() << "Updating database...";
    if (!_updateData)
        return;
    qDebug() << "Updating database [aircraft] table...";

    QSqlDatabase db = database();
    const bool transaction = db.transaction();
    QSqlQuery select(db);
    QSqlQuery insert(db);
    QSqlQuery updateBoth(db);
    QSqlQuery updateCountry(db);
    QSqlQuery updateAirline(db);
    select.prepare(QStringLiteral("SELECT * FROM [aircraft] WHERE icao_addr=:icao_addr"));
    insert.prepare(kInsert);
    updateBoth.prepare(QStringLiteral(
        "UPDATE [aircraft] SET country=:country, airline=:airline WHERE icao_addr=:icao_addr"));
    updateCountry.prepare(
        QStringLiteral("UPDATE [aircraft] SET country=:country WHERE icao_addr=:icao_addr"));
    updateAirline.prepare(
        QStringLiteral("UPDATE [aircraft] SET airline=:airline WHERE icao_addr=:icao_addr"));

    for (const brannic::modes::ADSBTarget& target : targets) {
        const quint32 address = target.icaoAddr();
        const QString country = countryOf(address);
        const QString airline = airlineOf(QString::fromStdString(target.callsign()));
        qDebug().noquote() << "Updating aircarft:" << QString::number(address, 16).toUpper()
                           << "country:" << country << "airline" << airline;

        select.bindValue(QStringLiteral(":icao_addr"), address);
        const bool known = select.exec() && select.next();
        select.finish();

        QSqlQuery* write = nullptr;
        if (!known)
            write = &insert;
        else if (!country.isEmpty() && !airline.isEmpty())
            write = &updateBoth;
        else if (!country.isEmpty())
            write = &updateCountry;
        else if (!airline.isEmpty())
            write = &updateAirline;
        if (write == nullptr)
            continue;
        write->bindValue(QStringLiteral(":icao_addr"), address);
        if (write != &updateAirline)
            write->bindValue(QStringLiteral(":country"), asText(country));
        if (write != &updateCountry)
            write->bindValue(QStringLiteral(":airline"), asText(airline));
        if (!write->exec())
            debugFailure(*write);
    }

    if (transaction && !db.commit()) {
        qDebug() << "Failed to commit [aircraft] table updates" << db.lastError();
        db.rollback();
    }
}
