#ifndef AVISTORE_AIRCRAFT_H
#define AVISTORE_AIRCRAFT_H

#include <cstdint>
#include <utility>

#include <QString>

#include <avistore/avistore_export.h>

namespace brannic {
namespace avistore {

// One airframe known by its ICAO 24-bit address: registration, ICAO Doc 8643 type
// designator, type description and operator. A default-constructed aircraft is invalid.
class AVISTORE_EXPORT Aircraft {
public:
    Aircraft() = default;
    // A valid aircraft.
    Aircraft(uint32_t icaoAddr, QString registration, QString acType, QString acTypeDescription,
             QString operatorName)
        : _valid(true),
          _icaoAddr(icaoAddr),
          _registration(std::move(registration)),
          _acType(std::move(acType)),
          _acTypeDescription(std::move(acTypeDescription)),
          _operatorName(std::move(operatorName)) {}

    bool isValid() const { return _valid; }
    void setValid(bool valid) { _valid = valid; }
    uint32_t icaoAddr() const { return _icaoAddr; }
    void setIcaoAddr(uint32_t icaoAddr) { _icaoAddr = icaoAddr; }
    // Upper case as loaded ("D-AIBA").
    const QString& registration() const { return _registration; }
    void setRegistration(const QString& registration) { _registration = registration; }
    // ICAO type designator ("A320").
    const QString& acType() const { return _acType; }
    void setAcType(const QString& acType) { _acType = acType; }
    const QString& acTypeDescription() const { return _acTypeDescription; }
    void setAcTypeDescription(const QString& description) { _acTypeDescription = description; }
    const QString& operatorName() const { return _operatorName; }
    void setOperatorName(const QString& operatorName) { _operatorName = operatorName; }

    bool operator==(const Aircraft& other) const;
    bool operator!=(const Aircraft& other) const { return !(*this == other); }

private:
    bool _valid = false;
    uint32_t _icaoAddr = 0;
    QString _registration;
    QString _acType;
    QString _acTypeDescription;
    QString _operatorName;
};

}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_AIRCRAFT_H
