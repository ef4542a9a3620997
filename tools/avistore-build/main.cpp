// avistore-build: writes the aviation reference database avistore.db from public sources.
//
//   avistore-build --output avistore.db --blocks icao-address-blocks.csv --regions regions.csv
//                  --aircraft aircraft.csv.gz [--aircraft my-aircraft.csv ...]
//                  [--sac sac.csv] [--sensors sensors.csv]
//                  [--iso-json iso_3166-1.json] [--iso-mo iso_3166-1.mo]
//
// Countries come from the iso-codes package (ISO 3166-1 in JSON, and the Simplified Chinese
// names from its zh_CN gettext catalogue). The database holds the tables and views that the
// avistore library reads: region, country_view, icao_addr_country_view, sac_view,
// sensor_view and aircraft. The file is written beside the output and renamed into place, so
// a failed run never leaves half a database behind.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <QVariant>

#include "Csv.h"
#include "Gzip.h"
#include "MoCatalogue.h"

using namespace avistorebuild;

namespace {

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

bool fail(const QString& message) {
    err() << "avistore-build: " << message << Qt::endl;
    return false;
}

bool readFile(const QString& path, QByteArray* data) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(path + QStringLiteral(": cannot read"));
    *data = file.readAll();
    if (isGzip(*data)) {
        QByteArray plain;
        QString error;
        if (!gunzip(*data, &plain, &error))
            return fail(path + QStringLiteral(": ") + error);
        *data = plain;
    }
    return true;
}

// A CSV file (plain or gzip) whose header holds every one of `columns`.
bool readCsv(const QString& path, const QStringList& columns, CsvTable* table) {
    QByteArray data;
    if (!readFile(path, &data))
        return false;
    QString error;
    if (!parseCsv(data, table, &error))
        return fail(path + QStringLiteral(": ") + error);
    for (const QString& column : columns) {
        if (table->column(column) < 0) {
            return fail(path + QStringLiteral(": no column \"%1\" in the header").arg(column));
        }
    }
    return true;
}

// Unsigned numbers in the user's SAC and sensor files: decimal, or hexadecimal with 0x.
bool parseNumber(const QString& text, uint* value) {
    bool ok = false;
    const QString t = text.trimmed();
    if (t.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        *value = t.mid(2).toUInt(&ok, 16);
    } else {
        *value = t.toUInt(&ok, 10);
    }
    return ok;
}

bool parseHex(const QString& text, uint* value) {
    bool ok = false;
    const QString t = text.trimmed();
    *value = t.toUInt(&ok, 16);
    return ok && !t.isEmpty() && t.size() <= 6;
}

class Builder {
public:
    explicit Builder(QSqlDatabase db) : _db(db) {}

    bool exec(const QString& sql) {
        QSqlQuery query(_db);
        if (!query.exec(sql)) {
            return fail(QStringLiteral("SQL failed: %1: %2").arg(sql, query.lastError().text()));
        }
        return true;
    }

    bool createSchema() {
        const char* statements[] = {
            "CREATE TABLE region (code TEXT PRIMARY KEY, name TEXT NOT NULL)",
            "CREATE TABLE country (iso_code_2 TEXT PRIMARY KEY, iso_code_3 TEXT NOT NULL, "
            "numeric_code TEXT, name TEXT NOT NULL, full_name TEXT NOT NULL, chinese_name TEXT)",
            "CREATE VIEW country_view AS SELECT iso_code_2, iso_code_3, name, full_name, "
            "chinese_name FROM country",
            "CREATE TABLE icao_addr_block (addr INTEGER PRIMARY KEY, end_addr INTEGER NOT NULL, "
            "prefix_bits INTEGER NOT NULL, mask INTEGER NOT NULL, iso_code_2 TEXT, "
            "country_name TEXT)",
            "CREATE VIEW icao_addr_country_view AS SELECT addr, mask, iso_code_2, country_name "
            "FROM icao_addr_block",
            "CREATE TABLE sac (sac_code INTEGER NOT NULL, region_code TEXT, country_code TEXT)",
            "CREATE VIEW sac_view AS SELECT sac_code, region_code, country_code FROM sac",
            "CREATE TABLE sensor (name TEXT, type TEXT, sac INTEGER NOT NULL, sic INTEGER NOT "
            "NULL, country_code TEXT, manufacturer TEXT, model TEXT, description TEXT)",
            "CREATE VIEW sensor_view AS SELECT name, type, sac, sic, country_code, manufacturer, "
            "model, description FROM sensor",
            "CREATE TABLE aircraft (icao_addr INTEGER PRIMARY KEY, registration TEXT, "
            "aircraft_type TEXT, aircraft_type_description TEXT, operator TEXT)",
        };
        for (const char* sql : statements) {
            if (!exec(QString::fromLatin1(sql)))
                return false;
        }
        return true;
    }

    // Countries of ISO 3166-1, with Simplified Chinese names where the catalogue has them.
    bool countries(const QString& jsonPath, const QString& moPath) {
        QByteArray json, mo;
        if (!readFile(jsonPath, &json) || !readFile(moPath, &mo))
            return false;
        QJsonParseError parseError;
        const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
        if (doc.isNull())
            return fail(jsonPath + QStringLiteral(": ") + parseError.errorString());
        const QJsonArray list = doc.object().value(QStringLiteral("3166-1")).toArray();
        if (list.isEmpty())
            return fail(jsonPath + QStringLiteral(": no \"3166-1\" list"));
        QHash<QString, QString> chinese;
        QString error;
        if (!parseMo(mo, &chinese, &error))
            return fail(moPath + QStringLiteral(": ") + error);

        QSqlQuery insert(_db);
        insert.prepare(QStringLiteral(
            "INSERT INTO country (iso_code_2, iso_code_3, numeric_code, name, full_name, "
            "chinese_name) VALUES (?, ?, ?, ?, ?, ?)"));
        int missingChinese = 0;
        for (const QJsonValue& value : list) {
            const QJsonObject entry = value.toObject();
            const QString alpha2 = entry.value(QStringLiteral("alpha_2")).toString();
            const QString alpha3 = entry.value(QStringLiteral("alpha_3")).toString();
            const QString isoName = entry.value(QStringLiteral("name")).toString();
            if (alpha2.size() != 2 || alpha3.size() != 3 || isoName.isEmpty()) {
                return fail(jsonPath + QStringLiteral(": incomplete entry %1").arg(alpha2));
            }
            // The common name reads better in a target list ("South Korea" rather than
            // "Korea, Republic of"); the official name, else the ISO name, is the full name.
            const QString name = entry.value(QStringLiteral("common_name")).toString(isoName);
            const QString fullName = entry.value(QStringLiteral("official_name")).toString(isoName);
            QString chineseName = chinese.value(name);
            if (chineseName.isEmpty())
                chineseName = chinese.value(isoName);
            if (chineseName.isEmpty())
                ++missingChinese;
            insert.addBindValue(alpha2.toUpper());
            insert.addBindValue(alpha3.toUpper());
            insert.addBindValue(entry.value(QStringLiteral("numeric")).toString());
            insert.addBindValue(name);
            insert.addBindValue(fullName);
            insert.addBindValue(chineseName);
            if (!insert.exec())
                return fail(insert.lastError().text());
            _countryCodes.insert(alpha2.toUpper());
        }
        err() << "avistore-build: " << list.size() << " countries (" << missingChinese
              << " without a Chinese name)" << Qt::endl;
        return true;
    }

    bool regions(const QString& path) {
        CsvTable table;
        if (!readCsv(path, {QStringLiteral("code"), QStringLiteral("name")}, &table))
            return false;
        QSqlQuery insert(_db);
        insert.prepare(QStringLiteral("INSERT OR REPLACE INTO region (code, name) VALUES (?, ?)"));
        for (const QStringList& row : table.rows) {
            const QString code = field(table, row, QStringLiteral("code")).trimmed().toUpper();
            if (code.isEmpty())
                return fail(path + QStringLiteral(": region without a code"));
            insert.addBindValue(code);
            insert.addBindValue(field(table, row, QStringLiteral("name")).trimmed());
            if (!insert.exec())
                return fail(insert.lastError().text());
            _regionCodes.insert(code);
        }
        err() << "avistore-build: " << table.rows.size() << " regions" << Qt::endl;
        return true;
    }

    // The ICAO 24-bit address blocks. Each block must be aligned on its mask, must not overlap
    // another block and must name a known country (or none, for blocks ICAO administers).
    bool blocks(const QString& path) {
        const QStringList columns = {QStringLiteral("start_hex"),   QStringLiteral("end_hex"),
                                     QStringLiteral("prefix_bits"), QStringLiteral("mask_hex"),
                                     QStringLiteral("iso_code_2"),  QStringLiteral("country_name")};
        CsvTable table;
        if (!readCsv(path, columns, &table))
            return false;
        QSqlQuery insert(_db);
        insert.prepare(QStringLiteral(
            "INSERT INTO icao_addr_block (addr, end_addr, prefix_bits, mask, iso_code_2, "
            "country_name) VALUES (?, ?, ?, ?, ?, ?)"));
        QMap<uint, uint> ranges;  // start → end, to find overlaps
        for (int i = 0; i < table.rows.size(); ++i) {
            const QStringList& row = table.rows[i];
            const QString where = path + QStringLiteral(": row %1: ").arg(i + 2);
            uint start = 0, end = 0, mask = 0, bits = 0;
            if (!parseHex(field(table, row, columns[0]), &start) ||
                !parseHex(field(table, row, columns[1]), &end) ||
                !parseHex(field(table, row, columns[3]), &mask) ||
                !parseNumber(field(table, row, columns[2]), &bits) || bits > 24) {
                return fail(where + QStringLiteral("bad number"));
            }
            const uint expectedMask = bits == 0 ? 0 : (0xFFFFFFu << (24 - bits)) & 0xFFFFFFu;
            if (mask != expectedMask || (start & mask) != start ||
                end != (start | (~mask & 0xFFFFFF))) {
                return fail(where + QStringLiteral("start, end, prefix and mask disagree"));
            }
            auto next = ranges.lowerBound(start);
            if ((next != ranges.end() && next.key() <= end) ||
                (next != ranges.begin() && std::prev(next).value() >= start)) {
                return fail(where + QStringLiteral("overlaps another block"));
            }
            ranges.insert(start, end);
            const QString iso = field(table, row, columns[4]).trimmed().toUpper();
            if (!iso.isEmpty() && !_countryCodes.contains(iso)) {
                return fail(where + QStringLiteral("unknown country code %1").arg(iso));
            }
            insert.addBindValue(start);
            insert.addBindValue(end);
            insert.addBindValue(bits);
            insert.addBindValue(mask);
            insert.addBindValue(iso.isEmpty() ? QVariant(QVariant::String) : QVariant(iso));
            insert.addBindValue(field(table, row, columns[5]).trimmed());
            if (!insert.exec())
                return fail(insert.lastError().text());
        }
        err() << "avistore-build: " << table.rows.size() << " ICAO address blocks" << Qt::endl;
        return true;
    }

    // User-supplied SAC areas: sac_code, region_code, country_code.
    bool sacs(const QString& path) {
        const QStringList columns = {QStringLiteral("sac_code"), QStringLiteral("region_code"),
                                     QStringLiteral("country_code")};
        CsvTable table;
        if (!readCsv(path, columns, &table))
            return false;
        QSqlQuery insert(_db);
        insert.prepare(QStringLiteral(
            "INSERT INTO sac (sac_code, region_code, country_code) VALUES (?, ?, ?)"));
        for (int i = 0; i < table.rows.size(); ++i) {
            const QStringList& row = table.rows[i];
            uint sac = 0;
            if (!parseNumber(field(table, row, columns[0]), &sac) || sac > 255) {
                return fail(path + QStringLiteral(": row %1: SAC must be 0 to 255").arg(i + 2));
            }
            insert.addBindValue(sac);
            insert.addBindValue(field(table, row, columns[1]).trimmed().toUpper());
            insert.addBindValue(field(table, row, columns[2]).trimmed().toUpper());
            if (!insert.exec())
                return fail(insert.lastError().text());
        }
        err() << "avistore-build: " << table.rows.size() << " SAC areas" << Qt::endl;
        return true;
    }

    // User-supplied sensors: name, type, sac, sic, country_code, manufacturer, model,
    // description.
    bool sensors(const QString& path) {
        const QStringList columns = {QStringLiteral("name"),         QStringLiteral("type"),
                                     QStringLiteral("sac"),          QStringLiteral("sic"),
                                     QStringLiteral("country_code"), QStringLiteral("manufacturer"),
                                     QStringLiteral("model"),        QStringLiteral("description")};
        CsvTable table;
        if (!readCsv(path, columns, &table))
            return false;
        QSqlQuery insert(_db);
        insert.prepare(QStringLiteral(
            "INSERT INTO sensor (name, type, sac, sic, country_code, manufacturer, model, "
            "description) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < table.rows.size(); ++i) {
            const QStringList& row = table.rows[i];
            uint sac = 0, sic = 0;
            if (!parseNumber(field(table, row, columns[2]), &sac) || sac > 255 ||
                !parseNumber(field(table, row, columns[3]), &sic) || sic > 255) {
                return fail(path +
                            QStringLiteral(": row %1: SAC and SIC must be 0 to 255").arg(i + 2));
            }
            insert.addBindValue(field(table, row, columns[0]).trimmed());
            insert.addBindValue(field(table, row, columns[1]).trimmed());
            insert.addBindValue(sac);
            insert.addBindValue(sic);
            insert.addBindValue(field(table, row, columns[4]).trimmed().toUpper());
            insert.addBindValue(field(table, row, columns[5]).trimmed());
            insert.addBindValue(field(table, row, columns[6]).trimmed());
            insert.addBindValue(field(table, row, columns[7]).trimmed());
            if (!insert.exec())
                return fail(insert.lastError().text());
        }
        err() << "avistore-build: " << table.rows.size() << " sensors" << Qt::endl;
        return true;
    }

    // Aircraft: icao_hex, registration, type_code, type_description, operator. A later file
    // replaces the rows of an earlier one with the same address. Rows without a usable
    // address are skipped and counted.
    bool aircraft(const QString& path) {
        const QStringList columns = {
            QStringLiteral("icao_hex"), QStringLiteral("registration"), QStringLiteral("type_code"),
            QStringLiteral("type_description"), QStringLiteral("operator")};
        CsvTable table;
        if (!readCsv(path, columns, &table))
            return false;
        QSqlQuery insert(_db);
        insert.prepare(QStringLiteral(
            "INSERT OR REPLACE INTO aircraft (icao_addr, registration, aircraft_type, "
            "aircraft_type_description, operator) VALUES (?, ?, ?, ?, ?)"));
        int skipped = 0;
        for (const QStringList& row : table.rows) {
            uint addr = 0;
            if (!parseHex(field(table, row, columns[0]), &addr)) {
                ++skipped;
                continue;
            }
            insert.addBindValue(addr);
            insert.addBindValue(field(table, row, columns[1]).trimmed().toUpper());
            insert.addBindValue(field(table, row, columns[2]).trimmed());
            insert.addBindValue(field(table, row, columns[3]).trimmed());
            insert.addBindValue(field(table, row, columns[4]).trimmed());
            if (!insert.exec())
                return fail(insert.lastError().text());
        }
        err() << "avistore-build: " << path << ": " << table.rows.size() - skipped << " aircraft";
        if (skipped)
            err() << ", " << skipped << " rows without a valid ICAO address skipped";
        err() << Qt::endl;
        return true;
    }

private:
    static QString field(const CsvTable& table, const QStringList& row, const QString& column) {
        return row.value(table.column(column));
    }

    QSqlDatabase _db;
    QSet<QString> _countryCodes;
    QSet<QString> _regionCodes;
};

bool build(const QCommandLineParser& args, const QString& path) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("build"));
    db.setDatabaseName(path);
    if (!db.open())
        return fail(path + QStringLiteral(": ") + db.lastError().text());
    Builder builder(db);
    bool ok = builder.exec(QStringLiteral("PRAGMA journal_mode = OFF")) &&
              builder.exec(QStringLiteral("BEGIN")) && builder.createSchema() &&
              builder.countries(args.value(QStringLiteral("iso-json")),
                                args.value(QStringLiteral("iso-mo"))) &&
              builder.regions(args.value(QStringLiteral("regions"))) &&
              builder.blocks(args.value(QStringLiteral("blocks")));
    for (const QString& file : args.values(QStringLiteral("sac")))
        ok = ok && builder.sacs(file);
    for (const QString& file : args.values(QStringLiteral("sensors"))) {
        ok = ok && builder.sensors(file);
    }
    for (const QString& file : args.values(QStringLiteral("aircraft"))) {
        ok = ok && builder.aircraft(file);
    }
    ok = ok && builder.exec(QStringLiteral("COMMIT"));
    db.close();
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("avistore-build"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the aviation reference database (avistore.db) from ISO 3166-1 country data, "
        "the ICAO 24-bit address blocks, regions and aircraft CSV files."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("output"), QStringLiteral("Database to write (replaced)."),
         QStringLiteral("file")},
        {QStringLiteral("blocks"), QStringLiteral("ICAO address blocks CSV."),
         QStringLiteral("file")},
        {QStringLiteral("regions"), QStringLiteral("Regions CSV (code,name)."),
         QStringLiteral("file")},
        {QStringLiteral("aircraft"),
         QStringLiteral("Aircraft CSV, plain or gzip (icao_hex,registration,type_code,"
                        "type_description,operator). Repeatable; later files win."),
         QStringLiteral("file")},
        {QStringLiteral("sac"),
         QStringLiteral("SAC areas CSV (sac_code,region_code,country_code)."),
         QStringLiteral("file")},
        {QStringLiteral("sensors"),
         QStringLiteral("Sensors CSV (name,type,sac,sic,country_code,manufacturer,model,"
                        "description)."),
         QStringLiteral("file")},
        {QStringLiteral("iso-json"), QStringLiteral("ISO 3166-1 list of the iso-codes package."),
         QStringLiteral("file"), QStringLiteral("/usr/share/iso-codes/json/iso_3166-1.json")},
        {QStringLiteral("iso-mo"),
         QStringLiteral("zh_CN catalogue of the iso-codes package for the Chinese names."),
         QStringLiteral("file"),
         QStringLiteral("/usr/share/locale/zh_CN/LC_MESSAGES/iso_3166-1.mo")},
    });
    parser.process(app);
    for (const char* required : {"output", "blocks", "regions"}) {
        if (!parser.isSet(QString::fromLatin1(required))) {
            fail(QStringLiteral("--%1 is required (see --help)").arg(QLatin1String(required)));
            return 2;
        }
    }

    const QFileInfo output(parser.value(QStringLiteral("output")));
    QDir().mkpath(output.absolutePath());
    const QString temporary = output.absoluteFilePath() + QStringLiteral(".part");
    QFile::remove(temporary);
    const bool ok = build(parser, temporary);
    QSqlDatabase::removeDatabase(QStringLiteral("build"));
    if (!ok) {
        QFile::remove(temporary);
        return 1;
    }
    QFile::remove(output.absoluteFilePath());
    if (!QFile::rename(temporary, output.absoluteFilePath())) {
        fail(output.absoluteFilePath() + QStringLiteral(": cannot write"));
        return 1;
    }
    err() << "avistore-build: wrote " << output.absoluteFilePath() << Qt::endl;
    return 0;
}
