#ifndef VELTMAR_CSVRECORD_H
#define VELTMAR_CSVRECORD_H

#include <QString>
#include <QTime>

namespace brannic {
namespace modes {
class ADSBTarget;
}  // namespace modes
}  // namespace brannic

// The one-line text report of a target that the CSV output sends:
//   "@address,callsign,latitude,longitude,speed,heading,altitude,altitude,rate,,status,time#"
// in metric units: the address as six lower-case hexadecimal digits; the callsign as the
// tracker holds it; latitude, longitude and heading in degrees; ground speed in km/h; the
// barometric altitude in metres, twice; the barometric vertical rate in metres per minute
// (numbers in their shortest form with six significant digits); an empty field; the status
// (1 emergency, else 3 SPI, else 0); the whole seconds since local midnight.
//
// The values are written as the target holds them, valid or not. Characters of the callsign
// that would break the record apart (',', '@', '#' and control characters) are left out.
class CsvRecord {
public:
    // The record of `target` at the local time of day `localTime`.
    static QString build(const brannic::modes::ADSBTarget& target, const QTime& localTime);
};

#endif  // VELTMAR_CSVRECORD_H
