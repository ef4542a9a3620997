#include "ConfigWindow.h"

#include "ui_ConfigWindow.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSerialPortInfo>
#include <QStandardPaths>

#include <cmath>

namespace {

struct Choice {
    const char* text;
    int data;
};

// Choice texts are translated through the ConfigWindow context.
const Choice kProtocols[] = {{QT_TRANSLATE_NOOP("ConfigWindow", "Undefined"), 0},
                             {QT_TRANSLATE_NOOP("ConfigWindow", "UDP"), 2},
                             {QT_TRANSLATE_NOOP("ConfigWindow", "TCP"), 1},
                             {QT_TRANSLATE_NOOP("ConfigWindow", "Serial"), 3}};
const Choice kFormats[] = {{QT_TRANSLATE_NOOP("ConfigWindow", "Undefined"), 0},
                           {QT_TRANSLATE_NOOP("ConfigWindow", "Mode-S Beast Binary"), 1},
                           {QT_TRANSLATE_NOOP("ConfigWindow", "AVR"), 2},
                           {QT_TRANSLATE_NOOP("ConfigWindow", "JSON Target Report"), 3}};
const Choice kParities[] = {{QT_TRANSLATE_NOOP("ConfigWindow", "None"), 0},
                            {QT_TRANSLATE_NOOP("ConfigWindow", "Even"), 2},
                            {QT_TRANSLATE_NOOP("ConfigWindow", "Odd"), 3},
                            {QT_TRANSLATE_NOOP("ConfigWindow", "Space"), 4},
                            {QT_TRANSLATE_NOOP("ConfigWindow", "Mark"), 5}};
const Choice kErrorRepairs[] = {{QT_TRANSLATE_NOOP("ConfigWindow", "Off"), 0},
                                {QT_TRANSLATE_NOOP("ConfigWindow", "One bit"), 1},
                                {QT_TRANSLATE_NOOP("ConfigWindow", "One and two bits"), 2}};
const Choice kStopBits[] = {{"1", 1}, {"1.5", 3}, {"2", 2}};
const Choice kCat021Versions[] = {{"0.26", 26}, {"2.4", 240}};
const int kBaudRates[] = {300, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, 460800, 921600};
const int kDataBits[] = {5, 6, 7, 8};

struct PageEntry {
    const char* text;
    const char* icon;
};
const PageEntry kPages[] = {
    {QT_TRANSLATE_NOOP("ConfigWindow", "General"), ":/resource/icons/icons8-flat-color/home.svg"},
    {QT_TRANSLATE_NOOP("ConfigWindow", "Input"), ":/resource/icons/icons8-flat-color/feed_in.svg"},
    {QT_TRANSLATE_NOOP("ConfigWindow", "Tracker"), ":/resource/icons/icons8-flat-color/electronics.svg"},
    {QT_TRANSLATE_NOOP("ConfigWindow", "ASTERIX"), ":/resource/icons/common/logo-eurocontrol.svg"},
    {QT_TRANSLATE_NOOP("ConfigWindow", "CSV"), ":/resource/icons/file-types/csv.svg"},
    {QT_TRANSLATE_NOOP("ConfigWindow", "Storage"), ":/resource/icons/icons8-flat-color/database.svg"},
    {QT_TRANSLATE_NOOP("ConfigWindow", "Network"), ":/resource/icons/icons8-flat-color/globe.svg"},
};

template <std::size_t N>
void fill(QComboBox* box, const Choice (&choices)[N], bool translate) {
    for (const Choice& c : choices) {
        box->addItem(translate ? QCoreApplication::translate("ConfigWindow", c.text)
                               : QString::fromLatin1(c.text),
                     c.data);
    }
}

template <std::size_t N>
void fill(QComboBox* box, const int (&values)[N]) {
    for (int v : values) {
        box->addItem(QString::number(v), v);
    }
}

void select(QComboBox* box, const QVariant& data) {
    box->setCurrentIndex(box->findData(data));
}

// Seconds shown with one decimal to whole milliseconds, dropping any fraction of a
// millisecond (the spin box holds its value in binary floating point, so 2.3 s arrives as
// 2.2999999999999998: the small allowance keeps it 2300 ms).
quint32 periodMs(double seconds) {
    return static_cast<quint32>(std::floor(seconds * 1000.0 + 1e-6));
}

const char* const kIpv4Pattern =
    "(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\.(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\.(25[0-5]|"
    "2[0-4][0-9]|[01]?[0-9][0-9]?)\\.(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)";

// An interface combo keeps a stored interface it does not offer (one without broadcast, such
// as loopback, or one that has gone) until the user picks another.
void selectInterface(QComboBox* box, const QNetworkInterface& iface) {
    box->setCurrentIndex(box->findData(iface.index()));
}

QNetworkInterface readInterface(const QComboBox* box, const QNetworkInterface& stored) {
    if (box->currentIndex() < 0) {
        return stored;
    }
    return QNetworkInterface::interfaceFromIndex(box->currentData().toInt());
}

}  // namespace

ConfigWindow::ConfigWindow(QWidget* parent) : QDialog(parent), ui(new Ui::ConfigWindow) {
    ui->setupUi(this);
    for (std::size_t i = 0; i < std::size(kPages); ++i) {
        new QListWidgetItem(QIcon(QString::fromLatin1(kPages[i].icon)),
                            tr(kPages[i].text), ui->lstSettings,
                            static_cast<int>(i) + GENERAL);
    }
    fillChoices();

    const QRegularExpression ipv4(QString::fromLatin1(kIpv4Pattern));
    for (QLineEdit* edit : {ui->edtInputTcpServerAddress, ui->edtAsterixUdpAddr1,
                            ui->edtAsterixUdpAddr2, ui->edtOutputCsvUdpAddr,
                            ui->edtBaseStationOutputAddr, ui->edtBeastOutputAddr}) {
        edit->setValidator(new QRegularExpressionValidator(ipv4, edit));
    }

    connect(ui->rdoAsterixUdpMulticast, &QRadioButton::toggled, ui->cboChannel1Interface,
            &QWidget::setEnabled);
    connect(ui->rdoAsterixUdpMulticast, &QRadioButton::toggled, ui->cboChannel2Interface,
            &QWidget::setEnabled);
    connect(ui->spnBaroAltituteMaxChange, qOverload<int>(&QSpinBox::valueChanged), this,
            &ConfigWindow::updateBaroAltituteMaxVerticalRate);
    connect(ui->spnBaroAltituteCheckingTime, qOverload<int>(&QSpinBox::valueChanged), this,
            &ConfigWindow::updateBaroAltituteMaxVerticalRate);
    connect(ui->btnDatabaseFile, &QToolButton::clicked, this, &ConfigWindow::selectDatabaseFile);
    connect(ui->lstSettings, &QListWidget::currentItemChanged, this,
            &ConfigWindow::changeSettingsPage);
    ui->lstSettings->setCurrentRow(0);
    updateBaroAltituteMaxVerticalRate();
}

ConfigWindow::~ConfigWindow() {
    delete ui;
}

void ConfigWindow::fillChoices() {
    fill(ui->cboInputProtocol, kProtocols, true);
    fill(ui->cboInputFormat, kFormats, true);
    fill(ui->cboInputSerialParity, kParities, true);
    fill(ui->cboInputSerialStopBits, kStopBits, false);
    fill(ui->cboTrackerErrorRepair, kErrorRepairs, true);
    fill(ui->cboCat021Version, kCat021Versions, false);
    fill(ui->cboInputSerialBaudRate, kBaudRates);
    fill(ui->cboInputSerialDataBits, kDataBits);
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        ui->cboInputSerialPort->addItem(port.portName());
    }
    ui->cboTargetReportsOutputMode->addItem(tr("Periodic Mode"));
    ui->cboTargetReportsOutputMode->addItem(tr("Data Driven Mode"));
    ui->cboCsvFormat->addItem(tr("Target Report (@...#, metric units)"));
    for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
        if (iface.flags() & QNetworkInterface::CanBroadcast) {
            ui->cboChannel1Interface->addItem(iface.humanReadableName(), iface.index());
            ui->cboChannel2Interface->addItem(iface.humanReadableName(), iface.index());
        }
    }
}

void ConfigWindow::changeSettingsPage(QListWidgetItem* current, QListWidgetItem* previous) {
    if (!current) {
        current = previous;
    }
    if (!current) {
        return;
    }
    static const char* const pages[] = {"pgDisplay", "pgInput", "pgTracker",
                                        "pgAsterix", "pgCsv", "pgStorage", "pgNetwork"};
    const int index = current->type() - GENERAL;
    if (index >= 0 && index < static_cast<int>(std::size(pages))) {
        if (QWidget* page = ui->swSettings->findChild<QWidget*>(QLatin1String(pages[index]))) {
            ui->swSettings->setCurrentWidget(page);
        }
    }
}

void ConfigWindow::updateBaroAltituteMaxVerticalRate() {
    const int change = ui->spnBaroAltituteMaxChange->value();
    const int seconds = qMax(1, ui->spnBaroAltituteCheckingTime->value());
    ui->spnBaroAltituteMaxVerticalRate->setValue(
        static_cast<int>(std::lround(change * 60.0 / seconds)));
}

void ConfigWindow::selectDatabaseFile() {
    QString start = ui->edtDatabaseFile->text();
    if (start.isEmpty()) {
        start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                QLatin1Char('/') + QCoreApplication::applicationName() + QStringLiteral(".db");
    }
    const QString file = QFileDialog::getSaveFileName(
        this, tr("Select SQLite Database File"), start,
        tr("Database Files (*.db *.db3 *.sqlite)"), nullptr, QFileDialog::DontConfirmOverwrite);
    if (!file.isEmpty()) {
        ui->edtDatabaseFile->setText(file);
    }
}

void ConfigWindow::fromSettings(const AppSettings& s) {
    // General.
    ui->chkClockCalibration->setChecked(s.showClockCalibrationWarning);
    ui->spnUpdatedFieldHighlightTime->setValue(static_cast<int>(s.updatedFieldHighlightTime / 1000));
    ui->spnNoUpdatedTargetWarningTime->setValue(static_cast<int>(s.noUpdatedTargetWarningTime / 1000));
    ui->grpReceiverPosition->setChecked(s.receiverPositionValid);
    ui->spnReceiverLatitude->setValue(s.receiverLatitude);
    ui->spnReceiverLongitude->setValue(s.receiverLongitude);
    ui->spnScopeTrailDuration->setValue(static_cast<int>(s.scopeTrailDuration));

    // Input.
    select(ui->cboInputProtocol, s.inputProtocol);
    select(ui->cboInputFormat, s.inputFormat);
    ui->chkInputPlaybackMode->setChecked(s.inputPlaybackMode);
    ui->spnInputUdpLocalPort->setValue(s.inputUdpLocalPort);
    ui->edtInputTcpServerAddress->setText(s.inputTcpServerAddress.toString());
    ui->spnInputTcpServerPort->setValue(s.inputTcpServerPort);
    ui->chkInputTcpAutoReconnect->setChecked(s.inputTcpAutoReconnect);
    ui->spnInputTcpWatchdogTime->setValue(static_cast<int>(s.inputTcpWatchdogTime));
    _storedSerialPortName = s.inputSerialPortName;
    ui->cboInputSerialPort->setCurrentIndex(ui->cboInputSerialPort->findText(s.inputSerialPortName));
    select(ui->cboInputSerialBaudRate, s.inputSerialBaudRate);
    select(ui->cboInputSerialDataBits, s.inputSerialDataBits);
    select(ui->cboInputSerialParity, s.inputSerialParity);
    select(ui->cboInputSerialStopBits, s.inputSerialStopBits);

    // Tracker.
    ui->chkBaroAltituteChecking->setChecked(s.trackerBaroAltituteChecking);
    ui->spnBaroAltituteMaxChange->setValue(static_cast<int>(s.trackerBaroAltituteMaxChange));
    ui->spnBaroAltituteCheckingTime->setValue(static_cast<int>(s.trackerBaroAltituteCheckingTime));
    ui->spnNoUpdateTargetDeletionTime->setValue(static_cast<int>(s.noUpdatedTargetDeletionTime / 1000));
    updateBaroAltituteMaxVerticalRate();
    ui->chkTrackerLocalDecoding->setChecked(s.trackerLocalDecoding);
    ui->spnTrackerAirborneSpeedLimit->setValue(static_cast<int>(s.trackerAirborneSpeedLimit));
    ui->spnTrackerSurfaceSpeedLimit->setValue(static_cast<int>(s.trackerSurfaceSpeedLimit));
    ui->spnTrackerMaximumRange->setValue(static_cast<int>(s.trackerMaximumRange));
    select(ui->cboTrackerErrorRepair, s.trackerErrorRepair);
    ui->chkTrackerNewTargetsErrorFree->setChecked(s.trackerNewTargetsErrorFree);

    // ASTERIX.
    ui->spnSAC->setValue(static_cast<int>(s.asterixSAC));
    ui->spnSIC->setValue(static_cast<int>(s.asterixSIC));
    ui->chkOutputAsterixTargetReports->setChecked(s.asterixTargetReportsOutput);
    select(ui->cboCat021Version, s.asterixCat21Version);
    ui->spnTargetReportsPeriod->setValue(s.asterixTargetReportsPeriod / 1000.0);
    ui->spnMaxAstMsgSize->setValue(static_cast<int>(s.asterixMaxMsgSize));
    ui->spnMaxAstDataRecords->setValue(static_cast<int>(s.asterixMaxDataRecords));
    ui->rdoAsterixUdpMulticast->setChecked(s.asterixUdpMulticast);
    ui->rdoAsterixUdpUnicast->setChecked(!s.asterixUdpMulticast);
    ui->cboChannel1Interface->setEnabled(s.asterixUdpMulticast);
    ui->cboChannel2Interface->setEnabled(s.asterixUdpMulticast);
    ui->chkChannel1->setChecked(s.asterixUdpChannel1);
    ui->chkChannel2->setChecked(s.asterixUdpChannel2);
    selectInterface(ui->cboChannel1Interface, s.asterixUdpMcastInterface1);
    selectInterface(ui->cboChannel2Interface, s.asterixUdpMcastInterface2);
    ui->edtAsterixUdpAddr1->setText(s.asterixUdpAddress1.toString());
    ui->edtAsterixUdpAddr2->setText(s.asterixUdpAddress2.toString());
    ui->spnChannel1Port->setValue(s.asterixUdpPort1);
    ui->spnChannel2Port->setValue(s.asterixUdpPort2);
    _storedInterface1 = s.asterixUdpMcastInterface1;
    _storedInterface2 = s.asterixUdpMcastInterface2;

    // CSV.
    ui->chkOutputCsvTargetReports->setChecked(s.csvTargetReportsOutput);
    ui->spnCsvTargetReportsPeriod->setValue(s.csvTargetReportsPeriod / 1000.0);
    ui->chkOutputCsvUdp->setChecked(s.csvUdpOutput);
    ui->edtOutputCsvUdpAddr->setText(s.csvUdpAddress.toString());
    ui->spnOutputCsvUdpPort->setValue(s.csvUdpPort);

    // Storage.
    ui->grpDatabase->setChecked(s.enableAircraftDatabase);
    ui->chkUpdateAircraftData->setChecked(s.updateAicraftData);
    ui->edtDatabaseFile->setText(s.aircraftDatabaseFile);

    // Network.
    ui->grpBaseStationOutput->setChecked(s.baseStationOutput);
    ui->edtBaseStationOutputAddr->setText(s.baseStationOutputAddress.toString());
    ui->spnBaseStationOutputPort->setValue(s.baseStationOutputPort);
    ui->grpBeastOutput->setChecked(s.beastOutput);
    ui->edtBeastOutputAddr->setText(s.beastOutputAddress.toString());
    ui->spnBeastOutputPort->setValue(s.beastOutputPort);
}

void ConfigWindow::toSettings(AppSettings& s) const {
    // General.
    s.showClockCalibrationWarning = ui->chkClockCalibration->isChecked();
    s.updatedFieldHighlightTime = static_cast<quint32>(ui->spnUpdatedFieldHighlightTime->value()) * 1000;
    s.noUpdatedTargetWarningTime = static_cast<quint32>(ui->spnNoUpdatedTargetWarningTime->value()) * 1000;
    s.receiverPositionValid = ui->grpReceiverPosition->isChecked();
    s.receiverLatitude = ui->spnReceiverLatitude->value();
    s.receiverLongitude = ui->spnReceiverLongitude->value();
    s.scopeTrailDuration = static_cast<quint32>(ui->spnScopeTrailDuration->value());

    // Input.
    s.inputProtocol = ui->cboInputProtocol->currentData().toInt();
    s.inputFormat = ui->cboInputFormat->currentData().toInt();
    s.inputPlaybackMode = ui->chkInputPlaybackMode->isChecked();
    s.inputUdpLocalPort = static_cast<quint16>(ui->spnInputUdpLocalPort->value());
    s.inputTcpServerAddress = QHostAddress(ui->edtInputTcpServerAddress->text());
    s.inputTcpServerPort = static_cast<quint16>(ui->spnInputTcpServerPort->value());
    s.inputTcpAutoReconnect = ui->chkInputTcpAutoReconnect->isChecked();
    s.inputTcpWatchdogTime = static_cast<quint32>(ui->spnInputTcpWatchdogTime->value());
    s.inputSerialPortName = ui->cboInputSerialPort->currentIndex() >= 0
                                ? ui->cboInputSerialPort->currentText()
                                : _storedSerialPortName;
    s.inputSerialBaudRate = ui->cboInputSerialBaudRate->currentData().toInt();
    s.inputSerialDataBits = ui->cboInputSerialDataBits->currentData().toInt();
    s.inputSerialParity = ui->cboInputSerialParity->currentData().toInt();
    s.inputSerialStopBits = ui->cboInputSerialStopBits->currentData().toInt();

    // Tracker.
    s.trackerBaroAltituteChecking = ui->chkBaroAltituteChecking->isChecked();
    s.trackerBaroAltituteMaxChange = static_cast<quint32>(ui->spnBaroAltituteMaxChange->value());
    s.trackerBaroAltituteCheckingTime = static_cast<quint32>(ui->spnBaroAltituteCheckingTime->value());
    s.noUpdatedTargetDeletionTime = static_cast<quint32>(ui->spnNoUpdateTargetDeletionTime->value()) * 1000;
    s.trackerLocalDecoding = ui->chkTrackerLocalDecoding->isChecked();
    s.trackerAirborneSpeedLimit = static_cast<quint32>(ui->spnTrackerAirborneSpeedLimit->value());
    s.trackerSurfaceSpeedLimit = static_cast<quint32>(ui->spnTrackerSurfaceSpeedLimit->value());
    s.trackerMaximumRange = static_cast<quint32>(ui->spnTrackerMaximumRange->value());
    s.trackerErrorRepair = ui->cboTrackerErrorRepair->currentData().toInt();
    s.trackerNewTargetsErrorFree = ui->chkTrackerNewTargetsErrorFree->isChecked();

    // ASTERIX.
    s.asterixSAC = static_cast<quint32>(ui->spnSAC->value());
    s.asterixSIC = static_cast<quint32>(ui->spnSIC->value());
    s.asterixTargetReportsOutput = ui->chkOutputAsterixTargetReports->isChecked();
    s.asterixCat21Version = ui->cboCat021Version->currentData().toUInt();
    s.asterixTargetReportsPeriod = periodMs(ui->spnTargetReportsPeriod->value());
    s.asterixMaxMsgSize = static_cast<quint32>(ui->spnMaxAstMsgSize->value());
    s.asterixMaxDataRecords = static_cast<quint32>(ui->spnMaxAstDataRecords->value());
    s.asterixUdpMulticast = ui->rdoAsterixUdpMulticast->isChecked();
    s.asterixUdpChannel1 = ui->chkChannel1->isChecked();
    s.asterixUdpChannel2 = ui->chkChannel2->isChecked();
    s.asterixUdpMcastInterface1 = readInterface(ui->cboChannel1Interface, _storedInterface1);
    s.asterixUdpMcastInterface2 = readInterface(ui->cboChannel2Interface, _storedInterface2);
    s.asterixUdpAddress1 = QHostAddress(ui->edtAsterixUdpAddr1->text());
    s.asterixUdpAddress2 = QHostAddress(ui->edtAsterixUdpAddr2->text());
    s.asterixUdpPort1 = static_cast<quint16>(ui->spnChannel1Port->value());
    s.asterixUdpPort2 = static_cast<quint16>(ui->spnChannel2Port->value());

    // CSV.
    s.csvTargetReportsOutput = ui->chkOutputCsvTargetReports->isChecked();
    s.csvTargetReportsPeriod = periodMs(ui->spnCsvTargetReportsPeriod->value());
    s.csvUdpOutput = ui->chkOutputCsvUdp->isChecked();
    s.csvUdpAddress = QHostAddress(ui->edtOutputCsvUdpAddr->text());
    s.csvUdpPort = static_cast<quint16>(ui->spnOutputCsvUdpPort->value());

    // Storage.
    s.enableAircraftDatabase = ui->grpDatabase->isChecked();
    s.updateAicraftData = ui->chkUpdateAircraftData->isChecked();
    s.aircraftDatabaseFile = ui->edtDatabaseFile->text();

    // Network.
    s.baseStationOutput = ui->grpBaseStationOutput->isChecked();
    s.baseStationOutputAddress = QHostAddress(ui->edtBaseStationOutputAddr->text());
    s.baseStationOutputPort = static_cast<quint16>(ui->spnBaseStationOutputPort->value());
    s.beastOutput = ui->grpBeastOutput->isChecked();
    s.beastOutputAddress = QHostAddress(ui->edtBeastOutputAddr->text());
    s.beastOutputPort = static_cast<quint16>(ui->spnBeastOutputPort->value());
}
