#ifndef VELTMAR_APPSETTINGS_H
#define VELTMAR_APPSETTINGS_H

#include <QHostAddress>
#include <QNetworkInterface>
#include <QString>

class QSettings;

// Everything the user can change, in one record. Read from the settings store at start-up,
// edited in the configuration dialog, written back when the dialog is accepted and when the
// main window closes.
//
// Durations are held in milliseconds and edited in seconds. Keys keep their historical
// spellings ("Altitute", "Aicraft"): stores written by earlier versions must still be read.
struct AppSettings {
    // Input.
    int inputFormat = 0;    // 0 undefined, 1 Mode-S Beast binary, 2 AVR, 3 JSON target report
    int inputProtocol = 0;  // 0 undefined, 1 TCP, 2 UDP, 3 serial
    bool inputPlaybackMode = false;
    quint16 inputUdpLocalPort = 10003;
    QHostAddress inputTcpServerAddress{QStringLiteral("127.0.0.1")};
    quint16 inputTcpServerPort = 10002;
    // Reconnect a dropped or refused TCP connection with growing delay; with a watchdog time,
    // also reconnect after that many seconds without data (0: no watchdog).
    bool inputTcpAutoReconnect = false;
    quint32 inputTcpWatchdogTime = 0;  // s
    QString inputSerialPortName;
    int inputSerialBaudRate = 9600;
    int inputSerialDataBits = 8;
    int inputSerialParity = 0;    // QSerialPort::NoParity
    int inputSerialStopBits = 1;  // QSerialPort::OneStop

    // Display.
    quint32 highlightAddress = 0xAE0000;
    quint32 highlightMask = 0xFF0000;
    quint32 minDisplayMessages = 101;
    quint32 maxDisplayMessages = 999;
    bool showClockCalibrationWarning = false;
    quint32 updatedFieldHighlightTime = 3000;    // ms
    quint32 noUpdatedTargetWarningTime = 10000;  // ms, 0 disables the warning
    // Where the receiver stands: the centre of the traffic scope and the reference for local
    // position decoding. Not set by default.
    bool receiverPositionValid = false;
    double receiverLatitude = 0.0;   // degrees, north positive
    double receiverLongitude = 0.0;  // degrees, east positive
    // How far back the traffic scope draws each target's trail.
    quint32 scopeTrailDuration = 180;  // s

    // Tracker.
    bool trackerBaroAltituteChecking = false;
    quint32 trackerBaroAltituteCheckingTime = 4;   // s
    quint32 trackerBaroAltituteMaxChange = 150;    // ft
    quint32 noUpdatedTargetDeletionTime = 10000;  // ms
    // Positions users can trust (each off by default, so the tracker places targets from
    // even/odd airborne pairs only): local decoding of single and surface position reports,
    // speed limits between positions (kt) and a maximum range from the receiver (NM), 0 = no
    // check; repair of damaged squitters (0 none, 1 one bit, 2 one or two bits) and new
    // targets only from replies that needed no repair.
    bool trackerLocalDecoding = false;
    quint32 trackerAirborneSpeedLimit = 0;
    quint32 trackerSurfaceSpeedLimit = 0;
    quint32 trackerMaximumRange = 0;
    int trackerErrorRepair = 2;
    bool trackerNewTargetsErrorFree = false;

    // ASTERIX output.
    quint32 asterixSAC = 128;
    quint32 asterixSIC = 128;
    bool asterixTargetReportsOutput = false;
    quint32 asterixCat21Version = 26;  // 26 edition 0.26, 240 edition 2.4
    quint32 asterixTargetReportsPeriod = 1000;  // ms
    quint32 asterixMaxMsgSize = 1024;           // octets
    quint32 asterixMaxDataRecords = 16;
    bool asterixUdpMulticast = true;
    bool asterixUdpChannel1 = false;
    bool asterixUdpChannel2 = false;
    QNetworkInterface asterixUdpMcastInterface1;
    QNetworkInterface asterixUdpMcastInterface2;
    QHostAddress asterixUdpAddress1{QStringLiteral("224.0.0.1")};
    QHostAddress asterixUdpAddress2{QStringLiteral("224.0.0.1")};
    quint16 asterixUdpPort1 = 50005;
    quint16 asterixUdpPort2 = 50006;

    // CSV output: off, one record per target per second, unless the store says otherwise.
    bool csvTargetReportsOutput = false;
    quint32 csvTargetReportsPeriod = 1000;  // ms
    bool csvUdpOutput = false;
    QHostAddress csvUdpAddress{QStringLiteral("127.0.0.1")};
    quint16 csvUdpPort = 5555;

    // Network outputs: TCP servers that clients connect to, off by default and listening on
    // loopback only (0.0.0.0 to serve other machines too). BaseStation (SBS-1) text lines and
    // Mode-S Beast binary frames, on their customary ports.
    bool baseStationOutput = false;
    QHostAddress baseStationOutputAddress{QStringLiteral("127.0.0.1")};
    quint16 baseStationOutputPort = 30003;
    bool beastOutput = false;
    QHostAddress beastOutputAddress{QStringLiteral("127.0.0.1")};
    quint16 beastOutputPort = 30005;

    // Aircraft database.
    bool enableAircraftDatabase = false;
    bool updateAicraftData = true;
    QString aircraftDatabaseFile;

    // Reads every key present in `store`; a missing key keeps the field's current value.
    void load(QSettings& store);
    // Writes every key.
    void save(QSettings& store) const;
};

#endif  // VELTMAR_APPSETTINGS_H
