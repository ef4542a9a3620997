#include "Csv.h"

namespace avistorebuild {

bool parseCsv(const QByteArray& utf8, CsvTable* table, QString* error) {
    table->header.clear();
    table->rows.clear();
    QByteArray bytes = utf8;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);

    QVector<QStringList> records;
    QStringList record;
    QByteArray field;
    bool quoted = false;      // inside a quoted field
    bool afterQuote = false;  // a quoted field has closed; only a separator may follow
    bool fieldStarted = false;
    int line = 1;
    const auto endField = [&] {
        record << QString::fromUtf8(field);
        field.clear();
        afterQuote = false;
        fieldStarted = false;
    };
    const auto endRecord = [&] {
        endField();
        // A line with nothing on it is not a record.
        if (!(record.size() == 1 && record.first().isEmpty()))
            records << record;
        record.clear();
    };
    const int n = bytes.size();
    for (int i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < n && bytes[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                    afterQuote = true;
                }
            } else {
                if (c == '\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == ',') {
            endField();
            fieldStarted = true;
        } else if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') {
            continue;  // the LF ends the record
        } else if (c == '\n') {
            endRecord();
            ++line;
        } else if (afterQuote) {
            *error = QStringLiteral("line %1: text after a closing quote").arg(line);
            return false;
        } else if (c == '"' && field.isEmpty()) {
            quoted = true;
            fieldStarted = true;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        *error = QStringLiteral("line %1: quoted field does not close").arg(line);
        return false;
    }
    if (fieldStarted || !field.isEmpty() || !record.isEmpty() || afterQuote)
        endRecord();
    if (records.isEmpty()) {
        *error = QStringLiteral("no header line");
        return false;
    }
    table->header = records.takeFirst();
    for (QString& name : table->header)
        name = name.trimmed();
    table->rows = records;
    return true;
}

}  // namespace avistorebuild
