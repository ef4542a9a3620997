#include "CsvRecord.h"

#include <string>

#include <QStringList>

#include <modes/ADSBTarget.h>

namespace {

constexpr double kKilometresPerHourPerKnot = 1.852;
constexpr double kMetresPerFoot = 0.3048;

// Status field: an emergency outranks the special position identification.
constexpr int kStatusAlert = 1;
constexpr int kStatusSpi = 3;
constexpr int kStatusNormal = 0;

QString number(double value) {
    return QString::number(value, 'g', 6);
}

// The callsign's octets as they are, less the ones that delimit a record or its fields.
QString callsignField(const std::string& callsign) {
    QString text;
    for (const char c : callsign) {
        const auto octet = static_cast<unsigned char>(c);
        if (c == ',' || c == '@' || c == '#' || octet < 0x20 || octet == 0x7F)
            continue;
        text += QChar::fromLatin1(c);
    }
    return text;
}

}  // namespace

QString CsvRecord::build(const brannic::modes::ADSBTarget& target, const QTime& localTime) {
    const QString altitude = number(target.altitudeBaro() * kMetresPerFoot);
    const int status = target.alertStatus() ? kStatusAlert
                       : target.spiStatus() ? kStatusSpi
                                            : kStatusNormal;
    const int secondsOfDay = localTime.isValid() ? localTime.msecsSinceStartOfDay() / 1000 : 0;
    // Joined, not filled into a pattern: a callsign's text must not be read as a placeholder.
    const QStringList fields = {
        QStringLiteral("%1").arg(target.icaoAddr(), 6, 16, QLatin1Char('0')),
        callsignField(target.callsign()),
        number(target.latitude()),
        number(target.longitude()),
        number(target.groundSpeed() * kKilometresPerHourPerKnot),
        number(target.heading()),
        altitude,
        altitude,
        number(target.verticalRateBaro() * kMetresPerFoot),
        QString(),
        QString::number(status),
        QString::number(secondsOfDay),
    };
    return QLatin1Char('@') + fields.join(QLatin1Char(',')) + QLatin1Char('#');
}
