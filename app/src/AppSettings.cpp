#include "AppSettings.h"

#include <QFileInfo>
#include <QSettings>

#include <variant>

namespace {

// One settings key and the field it fills. The type of the member decides the conversion.
using Field = std::variant<int AppSettings::*, quint32 AppSettings::*, quint16 AppSettings::*,
                           bool AppSettings::*, double AppSettings::*, QString AppSettings::*,
                           QHostAddress AppSettings::*, QNetworkInterface AppSettings::*>;

struct Key {
    const char* name;
    Field field;
};

// Keys in declaration order of the record, spelled as stores have always spelled them.
const Key kKeys[] = {
    {"inputFormat", &AppSettings::inputFormat},
    {"inputProtocol", &AppSettings::inputProtocol},
    {"inputPlaybackMode", &AppSettings::inputPlaybackMode},
    {"inputUdpLocalPort", &AppSettings::inputUdpLocalPort},
    {"inputTcpServerAddress", &AppSettings::inputTcpServerAddress},
    {"inputTcpServerPort", &AppSettings::inputTcpServerPort},
    {"inputTcpAutoReconnect", &AppSettings::inputTcpAutoReconnect},
    {"inputTcpWatchdogTime", &AppSettings::inputTcpWatchdogTime},
    {"inputSerialPortName", &AppSettings::inputSerialPortName},
    {"inputSerialBaudRate", &AppSettings::inputSerialBaudRate},
    {"inputSerialDataBits", &AppSettings::inputSerialDataBits},
    {"inputSerialParity", &AppSettings::inputSerialParity},
    {"inputSerialStopBits", &AppSettings::inputSerialStopBits},
    {"highlightAddress", &AppSettings::highlightAddress},
    {"highlightMask", &AppSettings::highlightMask},
    {"minDisplayMessages", &AppSettings::minDisplayMessages},
    {"maxDisplayMessages", &AppSettings::maxDisplayMessages},
    {"showClockCalibrationWarning", &AppSettings::showClockCalibrationWarning},
    {"updatedFieldHighlightTime", &AppSettings::updatedFieldHighlightTime},
    {"noUpdatedTargetWarningTime", &AppSettings::noUpdatedTargetWarningTime},
    {"receiverPositionValid", &AppSettings::receiverPositionValid},
    {"receiverLatitude", &AppSettings::receiverLatitude},
    {"receiverLongitude", &AppSettings::receiverLongitude},
    {"scopeTrailDuration", &AppSettings::scopeTrailDuration},
    {"trackerBaroAltituteChecking", &AppSettings::trackerBaroAltituteChecking},
    {"trackerBaroAltituteCheckingTime", &AppSettings::trackerBaroAltituteCheckingTime},
    {"trackerBaroAltituteMaxChange", &AppSettings::trackerBaroAltituteMaxChange},
    {"noUpdatedTargetDeletionTime", &AppSettings::noUpdatedTargetDeletionTime},
    {"trackerLocalDecoding", &AppSettings::trackerLocalDecoding},
    {"trackerAirborneSpeedLimit", &AppSettings::trackerAirborneSpeedLimit},
    {"trackerSurfaceSpeedLimit", &AppSettings::trackerSurfaceSpeedLimit},
    {"trackerMaximumRange", &AppSettings::trackerMaximumRange},
    {"trackerErrorRepair", &AppSettings::trackerErrorRepair},
    {"trackerNewTargetsErrorFree", &AppSettings::trackerNewTargetsErrorFree},
    {"asterixSAC", &AppSettings::asterixSAC},
    {"asterixSIC", &AppSettings::asterixSIC},
    {"asterixTargetReportsOutput", &AppSettings::asterixTargetReportsOutput},
    {"asterixCat21Version", &AppSettings::asterixCat21Version},
    {"asterixTargetReportsPeriod", &AppSettings::asterixTargetReportsPeriod},
    {"asterixMaxMsgSize", &AppSettings::asterixMaxMsgSize},
    {"asterixMaxDataRecords", &AppSettings::asterixMaxDataRecords},
    {"asterixUdpMulticast", &AppSettings::asterixUdpMulticast},
    {"asterixUdpChannel1", &AppSettings::asterixUdpChannel1},
    {"asterixUdpChannel2", &AppSettings::asterixUdpChannel2},
    {"asterixUdpMcastInterface1", &AppSettings::asterixUdpMcastInterface1},
    {"asterixUdpMcastInterface2", &AppSettings::asterixUdpMcastInterface2},
    {"asterixUdpAddress1", &AppSettings::asterixUdpAddress1},
    {"asterixUdpAddress2", &AppSettings::asterixUdpAddress2},
    {"asterixUdpPort1", &AppSettings::asterixUdpPort1},
    {"asterixUdpPort2", &AppSettings::asterixUdpPort2},
    {"csvTargetReportsOutput", &AppSettings::csvTargetReportsOutput},
    {"csvTargetReportsPeriod", &AppSettings::csvTargetReportsPeriod},
    {"csvUdpOutput", &AppSettings::csvUdpOutput},
    {"csvUdpAddress", &AppSettings::csvUdpAddress},
    {"csvUdpPort", &AppSettings::csvUdpPort},
    {"baseStationOutput", &AppSettings::baseStationOutput},
    {"baseStationOutputAddress", &AppSettings::baseStationOutputAddress},
    {"baseStationOutputPort", &AppSettings::baseStationOutputPort},
    {"beastOutput", &AppSettings::beastOutput},
    {"beastOutputAddress", &AppSettings::beastOutputAddress},
    {"beastOutputPort", &AppSettings::beastOutputPort},
    {"enableAircraftDatabase", &AppSettings::enableAircraftDatabase},
    {"updateAicraftData", &AppSettings::updateAicraftData},
    {"aircraftDatabaseFile", &AppSettings::aircraftDatabaseFile},
};

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

void AppSettings::load(QSettings& store) {
    for (const Key& key : kKeys) {
        const QString name = QString::fromLatin1(key.name);
        std::visit(
            Overloaded{
                [&](int AppSettings::*m) { this->*m = store.value(name, this->*m).toInt(); },
                [&](quint32 AppSettings::*m) { this->*m = store.value(name, this->*m).toUInt(); },
                [&](quint16 AppSettings::*m) {
                    this->*m = static_cast<quint16>(store.value(name, this->*m).toUInt());
                },
                [&](bool AppSettings::*m) { this->*m = store.value(name, this->*m).toBool(); },
                [&](double AppSettings::*m) { this->*m = store.value(name, this->*m).toDouble(); },
                [&](QString AppSettings::*m) {
                    this->*m = store.value(name, this->*m).toString();
                },
                [&](QHostAddress AppSettings::*m) {
                    // A text that is no address gives the null address.
                    this->*m = QHostAddress(store.value(name, (this->*m).toString()).toString());
                },
                [&](QNetworkInterface AppSettings::*m) {
                    this->*m = QNetworkInterface::interfaceFromIndex(
                        store.value(name, (this->*m).index()).toInt());
                },
            },
            key.field);
    }
}

void AppSettings::save(QSettings& store) const {
    for (const Key& key : kKeys) {
        const QString name = QString::fromLatin1(key.name);
        std::visit(
            Overloaded{
                [&](int AppSettings::*m) { store.setValue(name, this->*m); },
                [&](quint32 AppSettings::*m) { store.setValue(name, this->*m); },
                [&](quint16 AppSettings::*m) { store.setValue(name, static_cast<uint>(this->*m)); },
                [&](bool AppSettings::*m) { store.setValue(name, this->*m); },
                [&](double AppSettings::*m) { store.setValue(name, this->*m); },
                [&](QString AppSettings::*m) {
                    const QString& text = this->*m;
                    // The database file is stored as an absolute path.
                    if (m == &AppSettings::aircraftDatabaseFile && !text.isEmpty()) {
                        store.setValue(name, QFileInfo(text).absoluteFilePath());
                    } else {
                        store.setValue(name, text);
                    }
                },
                [&](QHostAddress AppSettings::*m) { store.setValue(name, (this->*m).toString()); },
                [&](QNetworkInterface AppSettings::*m) {
                    store.setValue(name, (this->*m).index());
                },
            },
            key.field);
    }
}
