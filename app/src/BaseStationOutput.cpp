#include "BaseStationOutput.h"

#include <QDateTime>
#include <QStringList>

#include <modes/ADSBTarget.h>
#include <modes/ModeSMessage.h>

using brannic::modes::ADSBTarget;
using brannic::modes::ModeSMessage;

namespace {

enum Field {
    CALLSIGN = 11,
    ALTITUDE,
    GROUND_SPEED,
    TRACK,
    LATITUDE,
    LONGITUDE,
    VERTICAL_RATE,
    SQUAWK,
    ALERT,
    EMERGENCY,
    SPI,
    ON_GROUND,
};

unsigned byteAt(const ModeSMessage& message, std::size_t i) {
    const std::string& data = message.data();
    return i < data.size() ? static_cast<unsigned char>(data[i]) : 0u;
}

QString flag(bool set) {
    return set ? QStringLiteral("-1") : QStringLiteral("0");
}

bool emergencySquawk(const ADSBTarget& target) {
    if (!target.squawkValid())
        return false;
    const uint32_t code = target.squawk();
    return code == 07500 || code == 07600 || code == 07700;
}

QString number(double value) {
    return QString::number(value, 'f', 1);
}

QString coordinate(double value) {
    return QString::number(value, 'f', 5);
}

}  // namespace

BaseStationOutput::BaseStationOutput(QObject* parent)
    : StreamServer(tr("BaseStation output"), parent) {}

int BaseStationOutput::transmissionType(const ModeSMessage& message) {
    const unsigned df = byteAt(message, 0) >> 3;
    switch (df) {
        case 17:
        case 18: {
            if (message.bits() != 112)
                return 0;
            const unsigned tc = byteAt(message, 4) >> 3;
            if (tc >= 1 && tc <= 4)
                return 1;
            if (tc >= 5 && tc <= 8)
                return 2;
            if ((tc >= 9 && tc <= 18) || (tc >= 20 && tc <= 22))
                return 3;
            if (tc == 19)
                return 4;
            return 0;
        }
        case 4:
        case 20:
            return 5;
        case 5:
        case 21:
            return 6;
        case 0:
        case 16:
            return 7;
        case 11:
            return 8;
        default:
            return 0;
    }
}

QString BaseStationOutput::line(const ModeSMessage& message, const ADSBTarget& target,
                                quint64 nowMs) {
    const int type = transmissionType(message);
    if (type == 0)
        return QString();
    const quint64 t = message.timeStamp();
    QStringList f;
    for (int i = 0; i < 23; ++i)
        f.append(QString());  // f[1] .. f[22]; f[0] unused
    const QDateTime generated =
        QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(t), Qt::LocalTime);
    const QDateTime logged =
        QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(nowMs), Qt::LocalTime);
    const QString track = QString::number(target.trackId());
    f[1] = QStringLiteral("MSG");
    f[2] = QString::number(type);
    f[3] = QStringLiteral("1");
    f[4] = track;
    f[5] = QStringLiteral("%1").arg(message.icaoAddress() & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper();
    f[6] = track;
    f[7] = generated.toString(QStringLiteral("yyyy/MM/dd"));
    f[8] = generated.toString(QStringLiteral("hh:mm:ss.zzz"));
    f[9] = logged.toString(QStringLiteral("yyyy/MM/dd"));
    f[10] = logged.toString(QStringLiteral("hh:mm:ss.zzz"));

    const auto updated = [t](uint64_t lastUpdate) { return t != 0 && lastUpdate == t; };
    const auto altitude = [&] {
        if (target.altitudeBaroValid() && updated(target.altitudeBaroLastUpdate()))
            f[ALTITUDE] = QString::number(target.altitudeBaro());
    };
    const auto position = [&] {
        if (target.positionValid() && updated(target.positionLastUpdate())) {
            f[LATITUDE] = coordinate(target.latitude());
            f[LONGITUDE] = coordinate(target.longitude());
        }
    };
    const auto velocity = [&] {
        if (target.groundSpeedValid() && updated(target.groundSpeedLastUpdate()))
            f[GROUND_SPEED] = number(target.groundSpeed());
        if (target.headingValid() && updated(target.headingLastUpdate()))
            f[TRACK] = number(target.heading());
    };
    // Flight status of DF4/5/20/21: 0 airborne, 1 on the ground, 2 alert airborne, 3 alert on
    // the ground, 4 alert and SPI, 5 SPI (4 and 5: air or ground).
    const unsigned fs = byteAt(message, 0) & 7;
    const auto flightStatusFlags = [&](bool withEmergency) {
        f[ALERT] = flag(fs >= 2 && fs <= 4);
        if (withEmergency)
            f[EMERGENCY] = flag(emergencySquawk(target));
        f[SPI] = flag(fs == 4 || fs == 5);
        f[ON_GROUND] = flag(fs == 1 || fs == 3);
    };

    switch (type) {
        case 1:
            if (!target.callsign().empty() && updated(target.callsignLastUpdate()))
                f[CALLSIGN] = QString::fromStdString(target.callsign()).trimmed();
            break;
        case 2:
            velocity();
            position();
            f[ON_GROUND] = flag(true);
            break;
        case 3: {
            altitude();
            position();
            // Surveillance status: 1 permanent alert, 2 temporary alert, 3 SPI.
            const unsigned ss = (byteAt(message, 4) >> 1) & 3;
            f[ALERT] = flag(ss == 1 || ss == 2);
            f[EMERGENCY] = flag(emergencySquawk(target));
            f[SPI] = flag(ss == 3);
            f[ON_GROUND] = flag(false);
            break;
        }
        case 4:
            velocity();
            if (target.verticalRateBaroValid() && updated(target.verticalRateBaroLastUpdate()))
                f[VERTICAL_RATE] = QString::number(target.verticalRateBaro());
            break;
        case 5:
            altitude();
            flightStatusFlags(false);
            break;
        case 6:
            // The reply carries no altitude; BaseStation shows the track's.
            if (target.altitudeBaroValid())
                f[ALTITUDE] = QString::number(target.altitudeBaro());
            if (target.squawkValid() && updated(target.squawkLastUpdate()))
                f[SQUAWK] = QStringLiteral("%1").arg(target.squawk(), 4, 8, QLatin1Char('0'));
            flightStatusFlags(true);
            break;
        case 7:
            altitude();
            // Vertical status: 1 on the ground.
            f[ON_GROUND] = flag((byteAt(message, 0) >> 2) & 1);
            break;
        case 8:
            // Capability 4: on the ground.
            f[ON_GROUND] = flag(fs == 4);
            break;
    }
    f.removeFirst();
    return f.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

bool BaseStationOutput::sendReply(const ModeSMessage& message, const ADSBTarget& target,
                                  quint64 nowMs) {
    const QString text = line(message, target, nowMs);
    if (text.isEmpty())
        return false;
    ++_linesSent;
    send(text.toLatin1());
    return true;
}
