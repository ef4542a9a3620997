#include "TargetReportText.h"

#include <cmath>

#include <QStringList>

using brannic::modes::ADSBTargetReport;

QString TargetReportText::toText(const ADSBTargetReport& report) {
    QStringList lines;
    QString identity = tr("Address %1").arg(QString::number(report.icaoAddress(), 16).toUpper());
    if (report.callsignValid())
        identity =
            QString::fromStdString(report.callsign()).trimmed() + QStringLiteral("  ") + identity;
    lines << identity;
    if (report.trackIdValid())
        lines << tr("Track number %1").arg(report.trackId());
    if (report.squawkValid())
        lines << tr("Squawk %1").arg(QString::fromStdString(report.squawkString()));
    if (report.positionValid()) {
        lines << tr("Position %1 %2 (%3, %4)")
                     .arg(QString::fromStdString(report.latitudeString()),
                          QString::fromStdString(report.longitudeString()))
                     .arg(report.latitude(), 0, 'f', 5)
                     .arg(report.longitude(), 0, 'f', 5);
    }
    if (report.groundStatusValid() && report.groundStatus())
        lines << tr("On the ground");
    if (report.altitudeBaroValid())
        lines << tr("Altitude %1 ft").arg(report.altitudeBaro());
    if (report.groundSpeedValid())
        lines << tr("Ground speed %1 kt").arg(std::lround(report.groundSpeed()));
    if (report.headingValid())
        lines << tr("Track %1°").arg(std::lround(report.heading()) % 360, 3, 10, QLatin1Char('0'));
    if (report.verticalRateBaroValid())
        lines << tr("Vertical rate %1 ft/min").arg(report.verticalRateBaro());
    if (report.lastUpdate() > 0) {
        lines << tr("Last reply %1")
                     .arg(QString::fromStdString(
                         ADSBTargetReport::timeToString(report.lastUpdate())));
    }
    return lines.join(QLatin1Char('\n'));
}
