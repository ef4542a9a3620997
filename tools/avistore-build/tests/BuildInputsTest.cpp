// The readers of the build tool's inputs: RFC 4180 CSV, gzip files and gettext catalogues.

#include <gtest/gtest.h>
#include <zlib.h>

#include "Csv.h"
#include "Gzip.h"
#include "MoCatalogue.h"

namespace avistorebuild {
namespace {

TEST(Csv, ParsesQuotedFieldsAndLineEnds) {
    const struct {
        const char* text;
        QVector<QStringList> rows;  // after the header "a,b"
    } cases[] = {
        {"a,b\n1,2\n", {{"1", "2"}}},
        {"a,b\r\n1,2\r\n3,4", {{"1", "2"}, {"3", "4"}}},
        {"\xEF\xBB\xBF"
         "a,b\n1,2\n",
         {{"1", "2"}}},
        {"a,b\n\"x, y\",\"say \"\"hi\"\"\"\n", {{"x, y", "say \"hi\""}}},
        {"a,b\n\"two\nlines\",z\n", {{"two\nlines", "z"}}},
        {"a,b\n\n1,2\n\n", {{"1", "2"}}},
        {"a,b\n,\n", {{"", ""}}},
        {"a,b\n1,\n", {{"1", ""}}},
        {"a,b\n\"\",x\n", {{"", "x"}}},
        {"a,b\nAerom\xC3\xA9xico,2\n", {{QString::fromUtf8("Aerom\xC3\xA9xico"), "2"}}},
        {"a,b\n1", {{"1"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CsvTable table;
        QString error;
        ASSERT_TRUE(parseCsv(QByteArray(c.text), &table, &error)) << error.toStdString();
        EXPECT_EQ(table.header, QStringList({"a", "b"}));
        EXPECT_EQ(table.rows, c.rows);
        EXPECT_EQ(table.column("b"), 1);
        EXPECT_EQ(table.column("c"), -1);
    }
}

TEST(Csv, RejectsBrokenQuotingAndEmptyInput) {
    for (const char* text : {"a,b\n\"open,1\n", "a,b\n\"x\"y,1\n", "", "\n\n"}) {
        SCOPED_TRACE(text);
        CsvTable table;
        QString error;
        EXPECT_FALSE(parseCsv(QByteArray(text), &table, &error));
        EXPECT_FALSE(error.isEmpty());
    }
}

QByteArray gzip(const QByteArray& data) {
    z_stream s{};
    deflateInit2(&s, 9, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&s, uLong(data.size()))) + 32, '\0');
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    s.avail_in = uInt(data.size());
    s.next_out = reinterpret_cast<Bytef*>(out.data());
    s.avail_out = uInt(out.size());
    deflate(&s, Z_FINISH);
    out.truncate(int(s.total_out));
    deflateEnd(&s);
    return out;
}

TEST(Gzip, DecompressesWholeFilesAndRejectsDamagedOnes) {
    const QByteArray text = QByteArray("icao_hex,registration\n3C6444,D-AIBA\n").repeated(500);
    const QByteArray packed = gzip(text);
    EXPECT_TRUE(isGzip(packed));
    EXPECT_FALSE(isGzip(text));
    QByteArray out;
    QString error;
    ASSERT_TRUE(gunzip(packed, &out, &error));
    EXPECT_EQ(out, text);
    // Two members make one file, as with gunzip.
    ASSERT_TRUE(gunzip(packed + gzip("tail\n"), &out, &error));
    EXPECT_EQ(out, text + "tail\n");

    QByteArray flipped = packed;
    flipped[flipped.size() - 6] = char(flipped[flipped.size() - 6] ^ 0x01);  // CRC-32
    for (const QByteArray& bad : {packed.left(packed.size() / 2), packed.left(10), flipped}) {
        EXPECT_FALSE(gunzip(bad, &out, &error));
        EXPECT_TRUE(out.isEmpty());
    }
}

// A catalogue written the way msgfmt lays it out: header, original table, translation
// table, then the strings.
QByteArray catalogue(const QList<QPair<QByteArray, QByteArray>>& entries, bool bigEndian) {
    const quint32 n = quint32(entries.size());
    const quint32 originals = 28, translations = originals + 8 * n;
    quint32 offset = translations + 8 * n;
    QByteArray header(int(offset), '\0'), strings;
    const auto put = [&](int at, quint32 v) {
        for (int k = 0; k < 4; ++k) {
            header[at + k] = char(bigEndian ? v >> (24 - 8 * k) : v >> (8 * k));
        }
    };
    put(0, 0x950412DE);
    put(8, n);
    put(12, originals);
    put(16, translations);
    for (int table = 0; table < 2; ++table) {
        for (quint32 i = 0; i < n; ++i) {
            const QByteArray& s = table == 0 ? entries[int(i)].first : entries[int(i)].second;
            put(int((table == 0 ? originals : translations) + 8 * i), quint32(s.size()));
            put(int((table == 0 ? originals : translations) + 8 * i + 4), offset);
            strings += s + '\0';
            offset += quint32(s.size()) + 1;
        }
    }
    return header + strings;
}

TEST(MoCatalogue, ReadsEitherByteOrder) {
    const QList<QPair<QByteArray, QByteArray>> entries = {
        {"", "Content-Type: text/plain; charset=UTF-8\n"},
        {"China", "\xE4\xB8\xAD\xE5\x9B\xBD"},
        {"Germany", "\xE5\xBE\xB7\xE5\x9B\xBD"},
        {"file", QByteArray("\xE6\x96\x87\xE4\xBB\xB6\0\xE6\x96\x87\xE4\xBB\xB6s", 13)},
    };
    for (bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian);
        QHash<QString, QString> translations;
        QString error;
        ASSERT_TRUE(parseMo(catalogue(entries, bigEndian), &translations, &error))
            << error.toStdString();
        EXPECT_EQ(translations.size(), 3);  // the header entry is left out
        EXPECT_EQ(translations.value("China"), QString::fromUtf8("中国"));
        EXPECT_EQ(translations.value("Germany"), QString::fromUtf8("德国"));
        EXPECT_EQ(translations.value("file"), QString::fromUtf8("文件"));  // first form
    }
}

void setWord(QByteArray& data, int at, quint32 v) {
    for (int k = 0; k < 4; ++k)
        data[at + k] = char(v >> (8 * k));  // little-endian
}

TEST(MoCatalogue, RejectsDataThatIsNotACatalogueOrPointsOutside) {
    const QByteArray good = catalogue({{"China", "x"}}, false);
    QByteArray pastEnd = good;
    setWord(pastEnd, 28 + 4, 0xFFFFFF00);  // string offset
    QByteArray hugeCount = good;
    setWord(hugeCount, 8, 0x10000000);
    QByteArray tableOutside = good;
    setWord(tableOutside, 12, 0xFFFFFFF8);
    for (const QByteArray& bad :
         {QByteArray(), good.left(19), QByteArray(40, 'x'), pastEnd, hugeCount, tableOutside}) {
        QHash<QString, QString> translations;
        QString error;
        EXPECT_FALSE(parseMo(bad, &translations, &error));
        EXPECT_FALSE(error.isEmpty());
    }
}

}  // namespace
}  // namespace avistorebuild
