// The value records: regions, countries, addresses, sensors and aircraft.

#include <avistore/Aircraft.h>
#include <avistore/Country.h>
#include <avistore/ICAOAddr.h>
#include <avistore/Region.h>
#include <avistore/SensorInfo.h>

namespace brannic {
namespace avistore {

Region::Region(const QString& code, const QString& name) : _valid(true), _code(code), _name(name) {}

bool Region::operator==(const Region& other) const {
    return _valid == other._valid && _code == other._code && _name == other._name;
}

Country::Country(const QString& isoCode2, const QString& isoCode3, const QString& name,
                 const QString& fullName, const QString& chineseName)
    : _valid(true), _chineseName(chineseName) {
    setIsoCode2(isoCode2);
    setIsoCode3(isoCode3);
    setName(name);
    setFullName(fullName);
}

void Country::setIsoCode2(const QString& code) {
    _isoCode2 = code;
    _latin1IsoCode2 = code.toLatin1();
}

void Country::setIsoCode3(const QString& code) {
    _isoCode3 = code;
    _latin1IsoCode3 = code.toLatin1();
}

void Country::setName(const QString& name) {
    _name = name;
    _latin1Name = name.toLatin1();
}

void Country::setFullName(const QString& fullName) {
    _fullName = fullName;
    _latin1FullName = fullName.toLatin1();
}

ast_country_t Country::toAstCountry() const {
    ast_country_t country{};
    if (!_valid)
        return country;
    country.valid = 1;
    // constData() of a QByteArray is NUL-terminated, also when empty.
    country.iso_code_2 = _latin1IsoCode2.constData();
    country.iso_code_3 = _latin1IsoCode3.constData();
    country.name = _latin1Name.constData();
    country.full_name = _latin1FullName.constData();
    return country;
}

bool Country::operator==(const Country& other) const {
    return _valid == other._valid && _isoCode2 == other._isoCode2 && _isoCode3 == other._isoCode3 &&
           _name == other._name && _fullName == other._fullName &&
           _chineseName == other._chineseName;
}

QString ICAOAddr::toHexStr() const {
    return QStringLiteral("%1").arg(_addr, 6, 16, QLatin1Char('0')).toUpper();
}

bool SensorInfo::operator==(const SensorInfo& other) const {
    return _valid == other._valid && _name == other._name && _type == other._type &&
           _sac == other._sac && _sic == other._sic && _country == other._country &&
           _manufacturer == other._manufacturer && _model == other._model &&
           _description == other._description;
}

bool Aircraft::operator==(const Aircraft& other) const {
    return _valid == other._valid && _icaoAddr == other._icaoAddr &&
           _registration == other._registration && _acType == other._acType &&
           _acTypeDescription == other._acTypeDescription && _operatorName == other._operatorName;
}

}  // namespace avistore
}  // namespace brannic
