#ifndef AVISTORE_BUILD_CSV_H
#define AVISTORE_BUILD_CSV_H

// Comma-separated values as RFC 4180 defines them: fields separated by commas, records by
// CRLF or LF; a field in double quotes may hold commas, line breaks and doubled quotes ("").

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

namespace avistorebuild {

struct CsvTable {
    QStringList header;
    QVector<QStringList> rows;
    // Column of a header name, or -1.
    int column(const QString& name) const { return header.indexOf(name); }
};

// Parses UTF-8 text (a leading byte-order mark is skipped). The first record is the header;
// empty lines are skipped. False, with a message naming the line, on a quote that does not
// close or a character after a closing quote.
bool parseCsv(const QByteArray& utf8, CsvTable* table, QString* error);

}  // namespace avistorebuild

#endif  // AVISTORE_BUILD_CSV_H
