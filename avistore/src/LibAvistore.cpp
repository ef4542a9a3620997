#include <avistore/LibAvistore.h>

#include <QDataStream>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QtEndian>

#include "DataStreamIO.h"

namespace brannic {
namespace avistore {

namespace {

constexpr int kMajor = 0;
constexpr int kMinor = 7;
constexpr int kPatch = 0;

// Deflate cannot expand by more than 1032:1 (a 258-byte match coded in a single bit, plus
// block overhead). A qCompress header that claims more than that for the bytes that follow
// it is lying, and qUncompress would allocate the claimed size before looking at the data.
constexpr quint64 kMaxDeflateRatio = 1032;
constexpr quint64 kRatioSlack = 1024;

// The payload of a data file, or an empty array when the bytes are not a plausible qCompress
// form.
QByteArray decompress(const QByteArray& data) {
    if (data.size() < 4)
        return QByteArray();
    const quint32 claimed = qFromBigEndian<quint32>(data.constData());
    const quint64 possible = quint64(data.size() - 4) * kMaxDeflateRatio + kRatioSlack;
    if (claimed > possible)
        return QByteArray();
    return qUncompress(data);
}

}  // namespace

LibAvistore::LibAvistore()
    : _icaoAddrs(_countries), _sacs(_regions, _countries), _sensors(_countries) {}

LibAvistore& LibAvistore::instance() {
    static LibAvistore avistore;
    return avistore;
}

QString LibAvistore::version() {
    return QStringLiteral("%1.%2.%3").arg(kMajor).arg(kMinor).arg(kPatch);
}

QString LibAvistore::build() {
    return QStringLiteral(__DATE__);
}

QString LibAvistore::copyright() {
    return QStringLiteral("Copyright (C) Brannic. Reference data: see data/README.md.");
}

QString LibAvistore::contact() {
    return QStringLiteral("https://www.brannic.example/veltmar");
}

bool LibAvistore::loadFromSQLite(const QFileInfo& file) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(file.absoluteFilePath());
    // SQLite would create a missing file on open; a database that is not there is a failure
    // to open, not an empty database.
    if (!file.exists() || !db.open()) {
        qDebug().noquote() << QStringLiteral("Failed to open database: ") + file.absoluteFilePath();
        return false;
    }
    _regions.loadFromSqlDb(db);
    _countries.loadFromSqlDb(db);
    _icaoAddrs.loadFromSqlDb(db);
    _sacs.loadFromSqlDb(db);
    _sensors.loadFromSqlDb(db);
    _aircraft.loadFromSqlDb(db);
    return true;
}

bool LibAvistore::loadFromDataFile(const QFileInfo& file) {
    if (!file.exists() || !file.isReadable())
        return false;
    QFile in(file.canonicalFilePath());
    if (!in.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << QStringLiteral("Failed to open data file: ") +
                                  file.absoluteFilePath();
        return false;
    }
    return loadFromData(in.readAll());
}

bool LibAvistore::loadFromData(const QByteArray& data) {
    qDebug() << "Avistore size:" << data.size();
    const QByteArray payload = decompress(data);
    if (payload.isEmpty())
        return false;

    // Sections follow one another with no index, so once one has not read completely the
    // position of the next is unknown: the sections after a damaged one stay empty rather
    // than being read from the wrong place.
    datastream::PayloadReader in(payload);
    _regions.loadFromPayload(in);
    if (in.status() == QDataStream::Ok)
        _countries.loadFromPayload(in);
    else
        _countries.clear();
    if (in.status() == QDataStream::Ok)
        _icaoAddrs.loadFromPayload(in);
    else
        _icaoAddrs.clear();
    if (in.status() == QDataStream::Ok)
        _sacs.loadFromPayload(in);
    else
        _sacs.clear();
    if (in.status() == QDataStream::Ok)
        _sensors.loadFromPayload(in);
    else
        _sensors.clear();
    if (in.status() == QDataStream::Ok)
        _aircraft.loadFromPayload(in);
    else
        _aircraft.clear();
    return true;
}

QByteArray LibAvistore::saveToData() const {
    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        _regions.saveToDataStream(out);
        _countries.saveToDataStream(out);
        _icaoAddrs.saveToDataStream(out);
        _sacs.saveToDataStream(out);
        _sensors.saveToDataStream(out);
        _aircraft.saveToDataStream(out);
    }
    return qCompress(payload, 9);
}

bool LibAvistore::saveToDataFile(const QFileInfo& file) const {
    const QByteArray data = saveToData();
    QFile out(file.absoluteFilePath());
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(data) != data.size())
        return false;
    return out.flush();
}

}  // namespace avistore
}  // namespace brannic
