#ifndef AVISTORE_SENSORINFO_H
#define AVISTORE_SENSORINFO_H

#include <QString>

#include <avistore/Country.h>
#include <avistore/avistore_export.h>

namespace brannic {
namespace avistore {

// A surveillance sensor (radar, multilateration system, ADS-B ground station) known by the
// SAC and SIC of its ASTERIX Data Source Identifier. A default-constructed one is invalid.
class AVISTORE_EXPORT SensorInfo {
public:
    SensorInfo() = default;

    bool isValid() const { return _valid; }
    void setValid(bool valid) { _valid = valid; }
    const QString& name() const { return _name; }
    void setName(const QString& name) { _name = name; }
    const QString& type() const { return _type; }
    void setType(const QString& type) { _type = type; }
    uint sac() const { return _sac; }
    void setSac(uint sac) { _sac = sac; }
    uint sic() const { return _sic; }
    void setSic(uint sic) { _sic = sic; }
    const Country& country() const { return _country; }
    void setCountry(const Country& country) { _country = country; }
    const QString& manufacturer() const { return _manufacturer; }
    void setManufacturer(const QString& manufacturer) { _manufacturer = manufacturer; }
    const QString& model() const { return _model; }
    void setModel(const QString& model) { _model = model; }
    const QString& description() const { return _description; }
    void setDescription(const QString& description) { _description = description; }

    bool operator==(const SensorInfo& other) const;
    bool operator!=(const SensorInfo& other) const { return !(*this == other); }

private:
    bool _valid = false;
    QString _name;
    QString _type;
    uint _sac = 0;
    uint _sic = 0;
    Country _country;
    QString _manufacturer;
    QString _model;
    QString _description;
};

}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_SENSORINFO_H
