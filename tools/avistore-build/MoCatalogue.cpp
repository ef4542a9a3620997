#include "MoCatalogue.h"

#include <QtEndian>

namespace avistorebuild {

namespace {

constexpr quint32 kMagic = 0x950412DE;

class Reader {
public:
    Reader(const QByteArray& data, bool bigEndian) : _data(data), _bigEndian(bigEndian) {}

    bool word(quint64 offset, quint32* value) const {
        if (offset + 4 > quint64(_data.size()))
            return false;
        const char* p = _data.constData() + offset;
        *value = _bigEndian ? qFromBigEndian<quint32>(p) : qFromLittleEndian<quint32>(p);
        return true;
    }

    // Entry `index` of the (length, offset) table at `table`: the string's bytes, up to the
    // first NUL (so only the first form of a plural entry).
    bool string(quint32 table, quint32 index, QByteArray* out) const {
        quint32 length = 0, offset = 0;
        const quint64 entry = quint64(table) + quint64(index) * 8;
        if (!word(entry, &length) || !word(entry + 4, &offset))
            return false;
        if (quint64(offset) + length > quint64(_data.size()))
            return false;
        QByteArray s = _data.mid(int(offset), int(length));
        const int nul = s.indexOf('\0');
        if (nul >= 0)
            s.truncate(nul);
        *out = s;
        return true;
    }

private:
    const QByteArray& _data;
    bool _bigEndian;
};

}  // namespace

bool parseMo(const QByteArray& data, QHash<QString, QString>* translations, QString* error) {
    translations->clear();
    if (data.size() < 20) {
        *error = QStringLiteral("too short for a message catalogue");
        return false;
    }
    bool bigEndian = false;
    if (qFromLittleEndian<quint32>(data.constData()) == kMagic) {
        bigEndian = false;
    } else if (qFromBigEndian<quint32>(data.constData()) == kMagic) {
        bigEndian = true;
    } else {
        *error = QStringLiteral("not a message catalogue (bad magic number)");
        return false;
    }
    const Reader reader(data, bigEndian);
    quint32 revision = 0, count = 0, originals = 0, translated = 0;
    reader.word(4, &revision);
    reader.word(8, &count);
    reader.word(12, &originals);
    reader.word(16, &translated);
    if (revision >> 16 > 1) {
        *error = QStringLiteral("unknown catalogue revision %1").arg(revision >> 16);
        return false;
    }
    for (quint32 i = 0; i < count; ++i) {
        QByteArray id, str;
        if (!reader.string(originals, i, &id) || !reader.string(translated, i, &str)) {
            *error = QStringLiteral("string %1 lies outside the catalogue").arg(i);
            return false;
        }
        if (id.isEmpty())
            continue;
        translations->insert(QString::fromUtf8(id), QString::fromUtf8(str));
    }
    return true;
}

}  // namespace avistorebuild
