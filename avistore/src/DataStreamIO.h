#ifndef AVISTORE_SRC_DATASTREAMIO_H
#define AVISTORE_SRC_DATASTREAMIO_H

// Reading and writing the records shared by several sections of the data file.

#include <QByteArray>
#include <QDataStream>
#include <QString>
#include <QtEndian>

#include <avistore/Country.h>
#include <avistore/Region.h>

namespace brannic {
namespace avistore {
namespace datastream {

// Reads a payload held in memory exactly as QDataStream (big-endian, stream version of Qt 5)
// reads qint32, bool and QString, with the same status rules: a read past the end gives a zero
// value and ReadPastEnd, a text with an odd byte count gives ReadCorruptData, and the first
// bad status stays. QDataStream over a QBuffer costs a virtual device read per value; this
// reads straight from the bytes, which makes loading the data file several times faster.
class PayloadReader {
public:
    explicit PayloadReader(const QByteArray& payload)
        : _p(payload.constData()), _end(payload.constData() + payload.size()) {}

    QDataStream::Status status() const { return _status; }
    void resetStatus() { _status = QDataStream::Ok; }
    void setStatus(QDataStream::Status status) {
        if (_status == QDataStream::Ok)
            _status = status;
    }

    PayloadReader& operator>>(qint32& value) {
        value = 0;
        if (_end - _p < 4)
            return pastEnd();
        value = qFromBigEndian<qint32>(_p);
        _p += 4;
        return *this;
    }
    PayloadReader& operator>>(bool& value) {
        value = false;
        if (_end - _p < 1)
            return pastEnd();
        value = *_p++ != 0;
        return *this;
    }
    // A 32-bit byte count (0xFFFFFFFF: a null text), then UTF-16 big-endian code units.
    PayloadReader& operator>>(QString& text) {
        text.clear();
        if (_end - _p < 4)
            return pastEnd();
        const quint32 bytes = qFromBigEndian<quint32>(_p);
        _p += 4;
        if (bytes == 0xFFFFFFFF)
            return *this;
        if (bytes & 1) {
            setStatus(QDataStream::ReadCorruptData);
            return *this;
        }
        if (quint64(_end - _p) < bytes)
            return pastEnd();
        const int units = int(bytes / 2);
        text = QString(units, Qt::Uninitialized);
        QChar* out = text.data();
        for (int i = 0; i < units; ++i)
            out[i] = QChar(qFromBigEndian<quint16>(_p + 2 * i));
        _p += bytes;
        if (units == 0)
            text = QLatin1String("");  // empty, not null, as QDataStream reads it
        return *this;
    }

private:
    PayloadReader& pastEnd() {
        _p = _end;
        setStatus(QDataStream::ReadPastEnd);
        return *this;
    }

    const char* _p;
    const char* _end;
    QDataStream::Status _status = QDataStream::Ok;
};

// Country: valid (bool), two-letter code, three-letter code, name, full name, Chinese name.
void writeCountry(QDataStream& out, const Country& country);
template <typename Stream>
Country readCountry(Stream& in) {
    bool valid = false;
    QString isoCode2, isoCode3, name, fullName, chineseName;
    in >> valid >> isoCode2 >> isoCode3 >> name >> fullName >> chineseName;
    Country country;
    if (in.status() != QDataStream::Ok)
        return country;
    country.setIsoCode2(isoCode2);
    country.setIsoCode3(isoCode3);
    country.setName(name);
    country.setFullName(fullName);
    country.setChineseName(chineseName);
    country.setValid(valid);
    return country;
}

// Region: valid (bool), code, name.
void writeRegion(QDataStream& out, const Region& region);
template <typename Stream>
Region readRegion(Stream& in) {
    bool valid = false;
    QString code, name;
    in >> valid >> code >> name;
    Region region;
    if (in.status() != QDataStream::Ok)
        return region;
    region.setCode(code);
    region.setName(name);
    region.setValid(valid);
    return region;
}

// Reads one section the way Qt reads a container: remember the stream's status and reset it,
// clear, read the count, read entries while the status stays good, clear again if it went
// bad, and put back the remembered status if that was not good.
//
// `readEntry(in)` reads one entry and stores it only when in.status() is still Ok after the
// whole entry was read. The count is never used to reserve memory: every entry consumes at
// least one byte of the payload, so a hostile count only costs the time to read what is
// really there.
template <typename Stream, typename Clear, typename ReadEntry>
void readSection(Stream& in, Clear clear, ReadEntry readEntry) {
    const QDataStream::Status remembered = in.status();
    in.resetStatus();
    clear();
    qint32 count = 0;
    in >> count;
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        readEntry(in);
    }
    if (in.status() != QDataStream::Ok)
        clear();
    if (remembered != QDataStream::Ok) {
        in.resetStatus();
        in.setStatus(remembered);
    }
}

// The count that starts a section. Qt writes it unsigned; a real dictionary never comes near
// 2^31 entries.
inline void writeCount(QDataStream& out, int count) {
    out << qint32(count);
}

}  // namespace datastream
}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_SRC_DATASTREAMIO_H
