// The settings record and its store: defaults, the historical key spellings, conversions of
// stored texts, and interfaces and addresses kept by index and text.
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "AppSettings.h"

namespace {

class AppSettingsTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QTemporaryDir dir;
};

TEST_F(AppSettingsTest, FreshStoreGivesTheDefaults) {
    QSettings store(path("fresh.ini"), QSettings::IniFormat);
    AppSettings s;
    s.load(store);
    EXPECT_EQ(s.asterixMaxDataRecords, 16u);
    EXPECT_TRUE(s.asterixUdpMulticast);
    EXPECT_EQ(s.inputUdpLocalPort, 10003);
    EXPECT_EQ(s.inputTcpServerAddress, QHostAddress(QStringLiteral("127.0.0.1")));
    EXPECT_EQ(s.asterixUdpAddress1, QHostAddress(QStringLiteral("224.0.0.1")));
    EXPECT_EQ(s.asterixCat21Version, 26u);
    EXPECT_FALSE(s.asterixUdpMcastInterface1.isValid());
    EXPECT_FALSE(s.csvTargetReportsOutput);
    EXPECT_EQ(s.csvTargetReportsPeriod, 1000u);
    EXPECT_EQ(s.csvUdpPort, 5555);
    EXPECT_EQ(s.minDisplayMessages, 101u);
    EXPECT_EQ(s.maxDisplayMessages, 999u);
    EXPECT_EQ(s.highlightAddress, 0xAE0000u);
    EXPECT_FALSE(s.receiverPositionValid);
    EXPECT_FALSE(s.inputTcpAutoReconnect);
    // The network outputs: off, on loopback, on their customary ports.
    EXPECT_FALSE(s.baseStationOutput);
    EXPECT_EQ(s.baseStationOutputAddress, QHostAddress(QHostAddress::LocalHost));
    EXPECT_EQ(s.baseStationOutputPort, 30003);
    EXPECT_FALSE(s.beastOutput);
    EXPECT_EQ(s.beastOutputAddress, QHostAddress(QHostAddress::LocalHost));
    EXPECT_EQ(s.beastOutputPort, 30005);
}

TEST_F(AppSettingsTest, SavesEveryKeyWithItsHistoricalSpelling) {
    AppSettings s;
    QSettings store(path("keys.ini"), QSettings::IniFormat);
    s.save(store);
    const QStringList keys = store.allKeys();
    for (const char* key :
         {"inputFormat", "inputProtocol", "inputPlaybackMode", "inputUdpLocalPort",
          "inputTcpServerAddress", "inputTcpServerPort", "inputSerialPortName",
          "inputSerialBaudRate", "inputSerialDataBits", "inputSerialParity", "inputSerialStopBits",
          "highlightAddress", "highlightMask", "minDisplayMessages", "maxDisplayMessages",
          "showClockCalibrationWarning", "updatedFieldHighlightTime", "noUpdatedTargetWarningTime",
          "trackerBaroAltituteChecking", "trackerBaroAltituteCheckingTime",
          "trackerBaroAltituteMaxChange", "noUpdatedTargetDeletionTime", "asterixSAC", "asterixSIC",
          "asterixTargetReportsOutput", "asterixCat21Version", "asterixTargetReportsPeriod",
          "asterixMaxMsgSize", "asterixMaxDataRecords", "asterixUdpMulticast", "asterixUdpChannel1",
          "asterixUdpChannel2", "asterixUdpMcastInterface1", "asterixUdpMcastInterface2",
          "asterixUdpAddress1", "asterixUdpAddress2", "asterixUdpPort1", "asterixUdpPort2",
          "csvTargetReportsOutput", "csvTargetReportsPeriod", "csvUdpOutput", "csvUdpAddress",
          "csvUdpPort", "baseStationOutput", "baseStationOutputAddress", "baseStationOutputPort",
          "beastOutput", "beastOutputAddress", "beastOutputPort", "enableAircraftDatabase",
          "updateAicraftData", "aircraftDatabaseFile"}) {
        EXPECT_TRUE(keys.contains(QLatin1String(key))) << key;
    }
    EXPECT_EQ(store.value(QStringLiteral("asterixUdpAddress1")).toString(), QStringLiteral("224.0.0.1"));
    EXPECT_EQ(store.value(QStringLiteral("asterixUdpMcastInterface1")).toInt(), 0);
    EXPECT_EQ(store.value(QStringLiteral("baseStationOutputAddress")).toString(),
              QStringLiteral("127.0.0.1"));
    EXPECT_EQ(store.value(QStringLiteral("beastOutputPort")).toInt(), 30005);
}

TEST_F(AppSettingsTest, StoredTextsAreConvertedByTheFieldType) {
    {
        QSettings store(path("texts.ini"), QSettings::IniFormat);
        store.setValue(QStringLiteral("asterixSAC"), QStringLiteral("not a number"));
        store.setValue(QStringLiteral("inputUdpLocalPort"), QStringLiteral("30003"));
        store.setValue(QStringLiteral("asterixUdpMulticast"), QStringLiteral("false"));
        store.setValue(QStringLiteral("inputTcpServerAddress"), QStringLiteral("no.such.address"));
        store.setValue(QStringLiteral("csvUdpAddress"), QStringLiteral("10.20.30.40"));
        store.setValue(QStringLiteral("asterixUdpMcastInterface2"), 987654);
        store.setValue(QStringLiteral("receiverLatitude"), QStringLiteral("51.5"));
    }
    QSettings store(path("texts.ini"), QSettings::IniFormat);
    AppSettings s;
    s.load(store);
    EXPECT_EQ(s.asterixSAC, 0u);
    EXPECT_EQ(s.inputUdpLocalPort, 30003);
    EXPECT_FALSE(s.asterixUdpMulticast);
    EXPECT_TRUE(s.inputTcpServerAddress.isNull());
    EXPECT_EQ(s.csvUdpAddress, QHostAddress(QStringLiteral("10.20.30.40")));
    EXPECT_FALSE(s.asterixUdpMcastInterface2.isValid());
    EXPECT_DOUBLE_EQ(s.receiverLatitude, 51.5);
    // Keys that are not there keep the defaults.
    EXPECT_EQ(s.asterixSIC, 128u);
}

TEST_F(AppSettingsTest, InterfacesAreKeptByIndexAndFilesAsAbsolutePaths) {
    const QNetworkInterface lo = QNetworkInterface::interfaceFromName(QStringLiteral("lo"));
    AppSettings s;
    s.asterixUdpMcastInterface1 = lo;
    s.aircraftDatabaseFile = QStringLiteral("relative/aircraft.db");
    {
        QSettings store(path("round.ini"), QSettings::IniFormat);
        s.save(store);
        EXPECT_TRUE(QFileInfo(store.value(QStringLiteral("aircraftDatabaseFile")).toString()).isAbsolute());
    }
    QSettings store(path("round.ini"), QSettings::IniFormat);
    AppSettings back;
    back.load(store);
    EXPECT_EQ(back.asterixUdpMcastInterface1.index(), lo.index());
    EXPECT_EQ(back.asterixUdpMcastInterface1.isValid(), lo.isValid());
    EXPECT_TRUE(back.aircraftDatabaseFile.endsWith(QStringLiteral("/relative/aircraft.db")));
}

}  // namespace
