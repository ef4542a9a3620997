// Fuzz entry point: arbitrary bytes as each input of the database build tool: a CSV file, a
// gzip file and a gettext message catalogue.

#include <cstddef>
#include <cstdint>

#include <QByteArray>

#include "Csv.h"
#include "Gzip.h"
#include "MoCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace avistorebuild;
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    CsvTable table;
    QString error;
    if (parseCsv(bytes, &table, &error) && table.header.isEmpty())
        __builtin_trap();
    QByteArray plain;
    if (!gunzip(bytes, &plain, &error) && !plain.isEmpty())
        __builtin_trap();
    QHash<QString, QString> translations;
    parseMo(bytes, &translations, &error);
    return 0;
}
