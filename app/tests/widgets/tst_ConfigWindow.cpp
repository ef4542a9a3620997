// The settings dialog: its pages, choices and conversions between the seconds shown and the
// milliseconds stored, and the round trip of a whole settings record through the dialog.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include "ConfigWindow.h"
#include "ui_ConfigWindow.h"

namespace {

// Every key of a record, as the store holds it, for whole-record comparisons.
QVariantMap stored(const AppSettings& s, const QString& path) {
    QFile::remove(path);
    QSettings store(path, QSettings::IniFormat);
    s.save(store);
    QVariantMap map;
    for (const QString& key : store.allKeys()) {
        map.insert(key, store.value(key));
    }
    return map;
}

}  // namespace

class TestConfigWindow : public QObject {
    Q_OBJECT
private slots:
    void pages();
    void choices_data();
    void choices();
    void labels();
    void roundTripKeepsEveryValue_data();
    void roundTripKeepsEveryValue();
    void secondsToMilliseconds_data();
    void secondsToMilliseconds();
    void altitudeCheckingUnchecked();
    void verticalRateFollowsSpinBoxes_data();
    void verticalRateFollowsSpinBoxes();
    void vanishedSerialPortKeepsItsName();
    void unofferedInterfaceIsKept();
    void addressValidator_data();
    void addressValidator();
    void multicastEnablesInterfaces();

private:
    QTemporaryDir _dir;
};

void TestConfigWindow::pages() {
    ConfigWindow w;
    QListWidget* list = w.form()->lstSettings;
    const QStringList texts = {"General", "Input", "Tracker", "ASTERIX", "CSV", "Storage", "Network"};
    const QStringList pages = {"pgDisplay", "pgInput", "pgTracker", "pgAsterix", "pgCsv", "pgStorage",
                               "pgNetwork"};
    QCOMPARE(list->count(), texts.size());
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(w.windowTitle(), QStringLiteral("Settings"));
    for (int i = 0; i < texts.size(); ++i) {
        QListWidgetItem* item = list->item(i);
        QCOMPARE(item->text(), texts[i]);
        QCOMPARE(item->type(), i + 1);
        QVERIFY(!item->icon().isNull());
        QVERIFY(!item->icon().pixmap(32, 32).isNull());
        list->setCurrentRow(i);
        QCOMPARE(w.form()->swSettings->currentWidget()->objectName(), pages[i]);
    }
}

void TestConfigWindow::choices_data() {
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QVariantList>("data");
    QTest::newRow("protocol") << "cboInputProtocol" << QStringList{"Undefined", "UDP", "TCP", "Serial"}
                              << QVariantList{0, 2, 1, 3};
    QTest::newRow("format") << "cboInputFormat"
                            << QStringList{"Undefined", "Mode-S Beast Binary", "AVR", "JSON Target Report"}
                            << QVariantList{0, 1, 2, 3};
    QTest::newRow("baud") << "cboInputSerialBaudRate"
                          << QStringList{"300", "1200", "2400", "4800", "9600", "19200", "38400",
                                         "57600", "115200", "460800", "921600"}
                          << QVariantList{300, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200,
                                          460800, 921600};
    QTest::newRow("data bits") << "cboInputSerialDataBits" << QStringList{"5", "6", "7", "8"}
                               << QVariantList{5, 6, 7, 8};
    QTest::newRow("parity") << "cboInputSerialParity"
                            << QStringList{"None", "Even", "Odd", "Space", "Mark"}
                            << QVariantList{0, 2, 3, 4, 5};
    QTest::newRow("stop bits") << "cboInputSerialStopBits" << QStringList{"1", "1.5", "2"}
                               << QVariantList{1, 3, 2};
    QTest::newRow("repair") << "cboTrackerErrorRepair" << QStringList{"Off", "One bit", "One and two bits"}
                            << QVariantList{0, 1, 2};
    QTest::newRow("cat021") << "cboCat021Version" << QStringList{"0.26", "2.4"} << QVariantList{26, 240};
    QTest::newRow("mode") << "cboTargetReportsOutputMode"
                          << QStringList{"Periodic Mode", "Data Driven Mode"}
                          << QVariantList{QVariant(), QVariant()};
}

void TestConfigWindow::choices() {
    QFETCH(QString, combo);
    QFETCH(QStringList, texts);
    QFETCH(QVariantList, data);
    ConfigWindow w;
    auto* box = w.findChild<QComboBox*>(combo);
    QVERIFY(box);
    QCOMPARE(box->count(), texts.size());
    for (int i = 0; i < texts.size(); ++i) {
        QCOMPARE(box->itemText(i), texts[i]);
        if (data[i].isValid()) {
            QCOMPARE(box->itemData(i).toInt(), data[i].toInt());
        }
    }
}

void TestConfigWindow::labels() {
    ConfigWindow w;
    const QList<QPair<const char*, const char*>> texts = {
        {"chkClockCalibration", "Show Clock Calibration Warning"},
        {"lblUpdatedFieldHighlightTime", "Updated Field Highlight Time (sec)"},
        {"lblNoUpdatedTargetWarningTime", "No Updated Target Warning Time (sec)"},
        {"chkInputPlaybackMode", "Playback Mode (Ignore Time Stamp in Message)"},
        {"lblInputUdpLocalPort", "UDP Port"},
        {"lblInputTcpServerAddress", "Server Address"},
        {"lblInputTcpServerPort", "Server Port"},
        {"chkInputTcpAutoReconnect", "Automatically reconnect"},
        {"chkBaroAltituteChecking", "Ignore invalid barometric altitute reports."},
        {"lblAltituteChangeBefore", "If altitute changes more than"},
        {"lblAltituteChangeMiddle", "feets in last"},
        {"lblAltituteChangeAfter", "seconds."},
        {"lblVerticalRateBefore", "Corresponding vertical rate is"},
        {"lblVerticalRateAfter", "feets per minute."},
        {"lblNoUpdateTargetDeletionTime", "Traget Deletion Time (sec)"},
        {"lblSacSic", "SAC/SIC"},
        {"chkOutputAsterixTargetReports", "Enable ASTERIX Targets Report (CAT021)"},
        {"checkBox", "Enable ASTERIX Service Status Report (CAT023)"},
        {"lblTargetReportsOutputMode", "Target Reports Update Mode"},
        {"lblCat021Version", "CAT021 Version"},
        {"lblTargetReportsPeriod", "Data Output Period (sec)"},
        {"lblMaxAstMsgSize", "Maximum ASTERIX message size (bytes)"},
        {"lblMaxAstDataRecords", "Maximum data records per data block"},
        {"rdoAsterixUdpMulticast", "Multicast"},
        {"rdoAsterixUdpUnicast", "Broadcast/Unicast"},
        {"lblChannelInterface", "Interface"},
        {"lblChannelAddress", "Address"},
        {"lblChannelPort", "Port"},
        {"lblCsvFormat", "Format"},
        {"chkOutputCsvTargetReports", "Enable Targets Report"},
        {"lblCsvTargetReportsPeriod", "Data Output Period (sec)"},
        {"chkUpdateAircraftData", "Update Aircraft Data"},
        {"lblDatabaseFile", "File"},
        {"btnDatabaseFile", "..."},
        {"lblBaseStationOutputAddr", "Listen Address"},
        {"lblBaseStationOutputPort", "Port"},
        {"lblBeastOutputAddr", "Listen Address"},
        {"lblBeastOutputPort", "Port"},
    };
    for (const auto& t : texts) {
        QObject* o = w.findChild<QObject*>(QLatin1String(t.first));
        QVERIFY2(o, t.first);
        QCOMPARE(o->property("text").toString(), QString::fromUtf8(t.second));
    }
    QCOMPARE(w.form()->chkOutputCsvUdp->title(), QStringLiteral("UDP Output"));
    QVERIFY(w.form()->chkOutputCsvUdp->isCheckable());
    QCOMPARE(w.form()->grpDatabase->title(), QStringLiteral("Aircraft Database"));
    QVERIFY(w.form()->grpDatabase->isCheckable());
    QCOMPARE(w.form()->grpBaseStationOutput->title(), QStringLiteral("BaseStation Output (SBS-1 Text)"));
    QVERIFY(w.form()->grpBaseStationOutput->isCheckable());
    QCOMPARE(w.form()->grpBeastOutput->title(), QStringLiteral("Beast Output (Mode-S Beast Binary)"));
    QVERIFY(w.form()->grpBeastOutput->isCheckable());
    QCOMPARE(w.form()->spnBeastOutputPort->maximum(), 65535);
    for (QLineEdit* e : {w.form()->edtAsterixUdpAddr1, w.form()->edtAsterixUdpAddr2,
                         w.form()->edtOutputCsvUdpAddr}) {
        QCOMPARE(e->maxLength(), 15);
    }
    // Ranges.
    QCOMPARE(w.form()->spnUpdatedFieldHighlightTime->maximum(), 10);
    QCOMPARE(w.form()->spnNoUpdatedTargetWarningTime->maximum(), 100);
    QCOMPARE(w.form()->spnBaroAltituteMaxChange->maximum(), 500);
    QCOMPARE(w.form()->spnBaroAltituteMaxChange->singleStep(), 25);
    QCOMPARE(w.form()->spnBaroAltituteCheckingTime->minimum(), 1);
    QCOMPARE(w.form()->spnBaroAltituteCheckingTime->maximum(), 12);
    QCOMPARE(w.form()->spnNoUpdateTargetDeletionTime->minimum(), 1);
    QCOMPARE(w.form()->spnMaxAstMsgSize->minimum(), 256);
    QCOMPARE(w.form()->spnMaxAstMsgSize->maximum(), 1024);
    QCOMPARE(w.form()->spnMaxAstDataRecords->maximum(), 64);
    QCOMPARE(w.form()->spnTargetReportsPeriod->minimum(), 1.0);
    QCOMPARE(w.form()->spnTargetReportsPeriod->maximum(), 10.0);
    QCOMPARE(w.form()->spnTargetReportsPeriod->singleStep(), 0.5);
    QCOMPARE(w.form()->spnChannel1Port->minimum(), 1);
    QCOMPARE(w.form()->spnOutputCsvUdpPort->maximum(), 65535);
}

void TestConfigWindow::roundTripKeepsEveryValue_data() {
    QTest::addColumn<bool>("changed");
    QTest::newRow("defaults") << false;
    QTest::newRow("every value changed") << true;
}

void TestConfigWindow::roundTripKeepsEveryValue() {
    QFETCH(bool, changed);
    AppSettings s;
    if (changed) {
        s.inputFormat = 3;
        s.inputProtocol = 1;
        s.inputPlaybackMode = true;
        s.inputUdpLocalPort = 30001;
        s.inputTcpServerAddress = QHostAddress(QStringLiteral("10.1.2.3"));
        s.inputTcpServerPort = 30005;
        s.inputTcpAutoReconnect = true;
        s.inputTcpWatchdogTime = 30;
        s.inputSerialBaudRate = 115200;
        s.inputSerialDataBits = 7;
        s.inputSerialParity = 2;
        s.inputSerialStopBits = 3;
        s.showClockCalibrationWarning = true;
        s.updatedFieldHighlightTime = 5000;
        s.noUpdatedTargetWarningTime = 0;
        s.receiverPositionValid = true;
        s.receiverLatitude = 51.47;
        s.receiverLongitude = -0.45;
        s.trackerBaroAltituteChecking = true;
        s.trackerBaroAltituteCheckingTime = 6;
        s.trackerBaroAltituteMaxChange = 300;
        s.noUpdatedTargetDeletionTime = 60000;
        s.trackerLocalDecoding = true;
        s.trackerAirborneSpeedLimit = 1000;
        s.trackerSurfaceSpeedLimit = 80;
        s.trackerMaximumRange = 250;
        s.trackerErrorRepair = 1;
        s.trackerNewTargetsErrorFree = true;
        s.asterixSAC = 1;
        s.asterixSIC = 255;
        s.asterixTargetReportsOutput = true;
        s.asterixCat21Version = 240;
        s.asterixTargetReportsPeriod = 4500;
        s.asterixMaxMsgSize = 512;
        s.asterixMaxDataRecords = 64;
        s.asterixUdpMulticast = false;
        s.asterixUdpChannel1 = true;
        s.asterixUdpChannel2 = true;
        s.asterixUdpAddress1 = QHostAddress(QStringLiteral("127.0.0.1"));
        s.asterixUdpAddress2 = QHostAddress(QStringLiteral("192.168.255.255"));
        s.asterixUdpPort1 = 1;
        s.asterixUdpPort2 = 65535;
        s.csvTargetReportsOutput = true;
        s.csvTargetReportsPeriod = 10000;
        s.csvUdpOutput = true;
        s.csvUdpAddress = QHostAddress(QStringLiteral("10.0.0.9"));
        s.csvUdpPort = 5556;
        s.enableAircraftDatabase = true;
        s.updateAicraftData = false;
        s.aircraftDatabaseFile = _dir.filePath(QStringLiteral("aircraft.db"));
        s.baseStationOutput = true;
        s.baseStationOutputAddress = QHostAddress(QStringLiteral("0.0.0.0"));
        s.baseStationOutputPort = 40003;
        s.beastOutput = true;
        s.beastOutputAddress = QHostAddress(QStringLiteral("192.168.1.20"));
        s.beastOutputPort = 40005;
    }
    ConfigWindow w;
    w.fromSettings(s);
    AppSettings back;
    back.highlightAddress = s.highlightAddress;
    w.toSettings(back);
    const QVariantMap expected = stored(s, _dir.filePath(QStringLiteral("a.ini")));
    const QVariantMap actual = stored(back, _dir.filePath(QStringLiteral("b.ini")));
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        QVERIFY2(actual.value(it.key()) == it.value(),
                 qPrintable(it.key() + QStringLiteral(": ") + actual.value(it.key()).toString() +
                            QStringLiteral(" != ") + it.value().toString()));
    }
}

void TestConfigWindow::secondsToMilliseconds_data() {
    QTest::addColumn<double>("seconds");
    QTest::addColumn<uint>("ms");
    QTest::newRow("2.5 s") << 2.5 << 2500u;
    // 2.3 is 2.2999999999999998 in binary: still 2300 ms, not 2299.
    QTest::newRow("2.3 s") << 2.3 << 2300u;
    QTest::newRow("1.1 s") << 1.1 << 1100u;
    QTest::newRow("10 s") << 10.0 << 10000u;
}

void TestConfigWindow::secondsToMilliseconds() {
    QFETCH(double, seconds);
    QFETCH(uint, ms);
    ConfigWindow w;
    w.fromSettings(AppSettings());
    w.form()->spnTargetReportsPeriod->setValue(seconds);
    w.form()->spnCsvTargetReportsPeriod->setValue(seconds);
    w.form()->spnUpdatedFieldHighlightTime->setValue(7);
    w.form()->spnNoUpdatedTargetWarningTime->setValue(42);
    w.form()->spnNoUpdateTargetDeletionTime->setValue(90);
    AppSettings s;
    w.toSettings(s);
    QCOMPARE(s.asterixTargetReportsPeriod, ms);
    QCOMPARE(s.csvTargetReportsPeriod, ms);
    QCOMPARE(s.updatedFieldHighlightTime, 7000u);
    QCOMPARE(s.noUpdatedTargetWarningTime, 42000u);
    QCOMPARE(s.noUpdatedTargetDeletionTime, 90000u);
}

void TestConfigWindow::altitudeCheckingUnchecked() {
    AppSettings s;
    s.trackerBaroAltituteChecking = true;
    ConfigWindow w;
    w.fromSettings(s);
    QVERIFY(w.form()->chkBaroAltituteChecking->isChecked());
    w.form()->chkBaroAltituteChecking->setChecked(false);
    w.toSettings(s);
    QCOMPARE(s.trackerBaroAltituteChecking, false);
}

void TestConfigWindow::verticalRateFollowsSpinBoxes_data() {
    QTest::addColumn<int>("change");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("rate");
    QTest::newRow("150 ft in 4 s") << 150 << 4 << 2250;
    QTest::newRow("500 ft in 1 s") << 500 << 1 << 9999;  // 30000, shown at the box's limit
    QTest::newRow("25 ft in 7 s") << 25 << 7 << 214;  // 214.28 rounds down
    QTest::newRow("75 ft in 8 s") << 75 << 8 << 563;  // 562.5 rounds up
    QTest::newRow("none") << 0 << 12 << 0;
}

void TestConfigWindow::verticalRateFollowsSpinBoxes() {
    QFETCH(int, change);
    QFETCH(int, seconds);
    QFETCH(int, rate);
    ConfigWindow w;
    w.form()->spnBaroAltituteMaxChange->setValue(change);
    w.form()->spnBaroAltituteCheckingTime->setValue(seconds);
    QCOMPARE(w.form()->spnBaroAltituteMaxVerticalRate->value(), rate);
}

void TestConfigWindow::vanishedSerialPortKeepsItsName() {
    AppSettings s;
    s.inputSerialPortName = QStringLiteral("ttyGONE42");
    ConfigWindow w;
    w.fromSettings(s);
    QCOMPARE(w.form()->cboInputSerialPort->findText(s.inputSerialPortName), -1);
    QCOMPARE(w.form()->cboInputSerialPort->currentIndex(), -1);
    AppSettings back;
    w.toSettings(back);
    QCOMPARE(back.inputSerialPortName, QStringLiteral("ttyGONE42"));
}

void TestConfigWindow::unofferedInterfaceIsKept() {
    // Loopback cannot broadcast, so it is not offered; a stored loopback stays.
    const QNetworkInterface lo = QNetworkInterface::interfaceFromName(QStringLiteral("lo"));
    if (!lo.isValid()) {
        QSKIP("no loopback interface named lo");
    }
    AppSettings s;
    s.asterixUdpMcastInterface1 = lo;
    ConfigWindow w;
    w.fromSettings(s);
    QCOMPARE(w.form()->cboChannel1Interface->findData(lo.index()), -1);
    AppSettings back;
    w.toSettings(back);
    QCOMPARE(back.asterixUdpMcastInterface1.index(), lo.index());
    QVERIFY(!back.asterixUdpMcastInterface2.isValid());
}

void TestConfigWindow::addressValidator_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("acceptable");
    QTest::newRow("loopback") << "127.0.0.1" << true;
    QTest::newRow("multicast") << "239.255.0.1" << true;
    QTest::newRow("broadcast") << "255.255.255.255" << true;
    QTest::newRow("octet 256") << "256.0.0.1" << false;
    QTest::newRow("three octets") << "10.0.0" << false;
    QTest::newRow("letters") << "host.example" << false;
}

void TestConfigWindow::addressValidator() {
    QFETCH(QString, text);
    QFETCH(bool, acceptable);
    ConfigWindow w;
    for (QLineEdit* e : {w.form()->edtInputTcpServerAddress, w.form()->edtAsterixUdpAddr1,
                         w.form()->edtAsterixUdpAddr2, w.form()->edtOutputCsvUdpAddr,
                         w.form()->edtBaseStationOutputAddr, w.form()->edtBeastOutputAddr}) {
        QVERIFY(e->validator());
        QString t = text;
        int pos = 0;
        QCOMPARE(e->validator()->validate(t, pos) == QValidator::Acceptable, acceptable);
    }
}

void TestConfigWindow::multicastEnablesInterfaces() {
    ConfigWindow w;
    AppSettings s;
    s.asterixUdpMulticast = false;
    w.fromSettings(s);
    QVERIFY(!w.form()->cboChannel1Interface->isEnabled());
    QVERIFY(!w.form()->cboChannel2Interface->isEnabled());
    w.form()->rdoAsterixUdpMulticast->setChecked(true);
    QVERIFY(w.form()->cboChannel1Interface->isEnabled());
    QVERIFY(w.form()->cboChannel2Interface->isEnabled());
}

QTEST_MAIN(TestConfigWindow)
#include "tst_ConfigWindow.moc"
