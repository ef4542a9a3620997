#ifndef AVISTORE_COUNTRY_H
#define AVISTORE_COUNTRY_H

#include <QByteArray>
#include <QString>

#include <asterix/asterix.h>
#include <avistore/avistore_export.h>

namespace brannic {
namespace avistore {

// A country of ISO 3166-1: the State of registry of an ICAO 24-bit address block, of a SAC
// area or of a sensor. A default-constructed country is invalid, with empty texts.
class AVISTORE_EXPORT Country {
public:
    Country() = default;
    // A valid country.
    Country(const QString& isoCode2, const QString& isoCode3, const QString& name,
            const QString& fullName, const QString& chineseName);

    bool isValid() const { return _valid; }
    void setValid(bool valid) { _valid = valid; }
    // Two-letter code, upper case as loaded ("DE").
    const QString& isoCode2() const { return _isoCode2; }
    void setIsoCode2(const QString& code);
    // Three-letter code, upper case as loaded ("DEU").
    const QString& isoCode3() const { return _isoCode3; }
    void setIsoCode3(const QString& code);
    // ISO short name ("Germany").
    const QString& name() const { return _name; }
    void setName(const QString& name);
    // Official name ("Federal Republic of Germany"), or the short name where there is none.
    const QString& fullName() const { return _fullName; }
    void setFullName(const QString& fullName);
    // Simplified Chinese name ("德国").
    const QString& chineseName() const { return _chineseName; }
    void setChineseName(const QString& chineseName) { _chineseName = chineseName; }

    // The country as the asterix library's record: valid 1 and the Latin-1 texts of the
    // two-letter code, three-letter code, name and full name; for an invalid country valid 0
    // and null texts. Characters outside Latin-1 become '?'. The texts belong to this Country
    // and stay valid until it is changed or destroyed.
    ast_country_t toAstCountry() const;

    // Same validity and texts.
    bool operator==(const Country& other) const;
    bool operator!=(const Country& other) const { return !(*this == other); }

private:
    bool _valid = false;
    QString _isoCode2;
    QString _isoCode3;
    QString _name;
    QString _fullName;
    QString _chineseName;
    // Latin-1 copies handed out by toAstCountry(), kept in step by the setters.
    QByteArray _latin1IsoCode2;
    QByteArray _latin1IsoCode3;
    QByteArray _latin1Name;
    QByteArray _latin1FullName;
};

}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_COUNTRY_H
