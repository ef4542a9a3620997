#include "MainWindow.h"

#include "ui_MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHeaderView>
#include <QFileDialog>
#include <QSignalBlocker>
#include <QJsonDocument>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QStandardPaths>
#include <QUrl>

#include <asterix/asterix.h>
#include <avistore/LibAvistore.h>
#include <modes/ADSBServiceStatus.h>
#include <modes/ADSBTarget.h>
#include <modes/ADSBTargetReport.h>
#include <modes/ADSBTracker.h>
#include <modes/ADSBTrackerSettings.h>
#include <modes/Log.h>
#include <modes/ModeSDecoder.h>
#include <modes/Tarrow.h>
#include <reportcodec/ADSBTargetReportJsonDecoder.h>

#include "AboutWindow.h"
#include "AsterixBlockText.h"
#include "AsterixOutput.h"
#include "BaseStationOutput.h"
#include "BeastOutput.h"
#include "CsvOutput.h"
#include "ReplaySource.h"
#include "SessionRecorder.h"
#include "SerialInput.h"
#include "TcpInput.h"
#include "UdpInput.h"
#include "AsterixLogCallback.h"
#include "AsterixMessageModel.h"
#include "ConfigWindow.h"
#include "LogPane.h"
#include "MessageListSizer.h"
#include "ModeSLogHandler.h"
#include "ModeSMessageModel.h"
#include "ProcessingPipeline.h"
#include "TargetListModel.h"
#include "TrafficScope.h"

using namespace brannic::modes;
using brannic::avistore::LibAvistore;
using brannic::modes::DataBlock;

namespace {
const char* const kWebsite = "https://brannic.example/veltmar";
const char* const kSupport = "mailto:support@brannic.example";
const char* const kMaker = "Brannic";
}  // namespace

MainWindow::MainWindow(const QString& configFile, const QString& logFilePath, QWidget* parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), configFile(configFile) {
    // 1. Form, models, settings, dialog, devices, timers.
    ui->setupUi(this);
    setWindowTitle(QApplication::applicationDisplayName());
    modeSMessageModel = new ModeSMessageModel(this);
    targetListModel = new TargetListModel(this);
    asterixMessageModel = new AsterixMessageModel(this);
    generalLog = new LogPane(ui->txtLogGeneral, this);
    modeSLog = new LogPane(ui->txtLogModeS, this);
    asterixLog = new LogPane(ui->txtLogAsterix, this);
    const bool logFileOk = logFilePath.isEmpty() || setLogFile(logFilePath);
    configWindow = new ConfigWindow(this);
    udpInput = new UdpInput(this);
    tcpInput = new TcpInput(this);
    serialInput = new SerialInput(this);
    replaySource = new ReplaySource(this);
    for (InputSource* source : {static_cast<InputSource*>(udpInput),
                                static_cast<InputSource*>(tcpInput),
                                static_cast<InputSource*>(serialInput),
                                static_cast<InputSource*>(replaySource)}) {
        connect(source, &InputSource::chunkReceived, this, &MainWindow::dispatchChunk);
        connect(source, &InputSource::logMessage, this, &MainWindow::logGeneral);
        connect(source, &InputSource::statusMessage, this, &MainWindow::showStatus);
        connect(source, &InputSource::actionsChanged, this, [this](bool start, bool stop) {
            ui->actStart->setEnabled(start);
            ui->actStop->setEnabled(stop);
        });
    }
    const auto logToGeneral = [this](const QString& text) { logGeneral(text); };
    beastFramer.setLogSink(logToGeneral);
    avrFramer.setLogSink(logToGeneral);
    jsonFramer.setLogSink(logToGeneral);

    // 2. Interface.
    if (QLocale::system().name() == QLatin1String("zh_CN")) {
        // The window's Chinese font; Debian's WenQuanYi Micro Hei where it is missing.
        QString family = QStringLiteral("Microsoft YaHei UI");
        if (!QFontDatabase().families().contains(family)) {
            family = QStringLiteral("WenQuanYi Micro Hei");
        }
        setFont(QFont(family, 9));
    }
    connect(ui->actStart, &QAction::triggered, this, &MainWindow::startInput);
    connect(ui->actStop, &QAction::triggered, this, &MainWindow::stopInput);
    connect(ui->actOption, &QAction::triggered, this, &MainWindow::showConfigWindow);
    connect(ui->actStorage, &QAction::triggered, this, &MainWindow::openStorageDir);
    connect(ui->actExit, &QAction::triggered, this, &QWidget::close);
    viewActions = new QActionGroup(this);
    viewActions->setExclusive(true);
    for (QAction* a : {ui->actTargetListView, ui->actModeSMsgView, ui->actAsterixMsgView,
                       ui->actTargetReportView, ui->actTrafficScopeView}) {
        viewActions->addAction(a);
    }
    connect(viewActions, &QActionGroup::triggered, this, &MainWindow::changeView);
    connect(ui->actLogWindow, &QAction::toggled, ui->dckLog, &QWidget::setVisible);
    connect(ui->dckLog, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        // Closing the dock with its own button unchecks the action; minimising does not.
        if (!isMinimized()) {
            ui->actLogWindow->setChecked(visible);
        }
    });
    connect(ui->actLogo, &QAction::triggered, this, &MainWindow::showAbout);
    connect(ui->actAbout, &QAction::triggered, this, &MainWindow::showAbout);
    connect(ui->actWebsite, &QAction::triggered, this, &MainWindow::openWebsite);
    connect(ui->actOpenRecording, &QAction::triggered, this, &MainWindow::openRecording);
    connect(ui->actRecord, &QAction::triggered, this, &MainWindow::toggleRecording);
    replaySpeeds = new QActionGroup(this);
    replaySpeeds->setExclusive(true);
    for (QAction* a : {ui->actReplaySpeed1, ui->actReplaySpeed10, ui->actReplaySpeedMax}) {
        replaySpeeds->addAction(a);
    }
    connect(replaySpeeds, &QActionGroup::triggered, this, &MainWindow::setReplaySpeed);
    connect(ui->actReplayPause, &QAction::toggled, replaySource, &ReplaySource::setPaused);
    connect(replaySource, &ReplaySource::frameReplayed, this,
            [this](const ModeSFrame& frame) { processModeSReply(frame); });
    recordLabel = new QLabel(this);
    recordLabel->setObjectName(QStringLiteral("lblRecordStatus"));
    recordLabel->hide();
    replayLabel = new QLabel(this);
    replayLabel->setObjectName(QStringLiteral("lblReplayStatus"));
    replayLabel->hide();
    ui->statusbar->addPermanentWidget(replayLabel);
    ui->statusbar->addPermanentWidget(recordLabel);
    sessionStatusTimer.setInterval(500);
    connect(&sessionStatusTimer, &QTimer::timeout, this, &MainWindow::updateSessionStatus);
    sessionStatusTimer.start();

    ui->tblModeSMsgList->setModel(modeSMessageModel);
    ui->tblTargetList->setModel(targetListModel);
    ui->tblAsterixMsgList->setModel(asterixMessageModel);
    modeSListSizer = std::make_unique<MessageListSizer>(ui->tblModeSMsgList, &listRowHeight, true);
    asterixListSizer =
        std::make_unique<MessageListSizer>(ui->tblAsterixMsgList, &listRowHeight, false);
    modeSMessageModel->setFlushedHandler(
        [this](const auto& f) { modeSListSizer->rowsAppended(f.sizingCountReached); });
    asterixMessageModel->setFlushedHandler(
        [this](const auto& f) { asterixListSizer->rowsAppended(f.sizingCountReached); });
    ui->tblTargetList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ui->tblTargetList->verticalHeader()->setVisible(false);

    // The scope and the target list select the same target. Neither side re-emits a
    // selection made from the other, so the two cannot chase each other.
    ui->menu_View->insertActions(ui->actLogWindow, {ui->scpTraffic->fitAllTargetsAction(),
                                                    ui->scpTraffic->centreOnReceiverAction()});
    ui->menu_View->insertSeparator(ui->actLogWindow);
    connect(ui->scpTraffic, &TrafficScope::targetSelected, this, [this](quint32 address) {
        const int row = targetListModel->rowOf(address);
        if (row < 0) {
            ui->tblTargetList->clearSelection();
        } else {
            ui->tblTargetList->selectRow(row);
        }
    });
    connect(ui->tblTargetList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                ui->scpTraffic->selectTarget(current.isValid()
                                                 ? targetListModel->addressAt(current.row())
                                                 : 0);
            });

    buildModeSHeader();
    ui->txtTargetReport->clear();
    buildTargetHeader();
    ui->hexAsterixMsg->setReadOnly(true);
    buildAsterixHeader();
    ui->actTargetListView->setChecked(true);
    ui->swView->setCurrentWidget(ui->pgTargetListView);
    ui->tabLog->setCurrentIndex(0);

    // 3. Window state.
    restoreWindowState();

    // 4. Start-up banner.
    writeStartupLog();

    if (!logFileOk) {
        logGeneral(tr("Failed to open log file: %1").arg(logFilePath));
    }

    // 5. The Mode S library log; its debug lines when the marker file is there.
    modeSLogHandler = std::make_unique<ModeSLogHandler>([this](const QString& line) { logModeS(line); });
    Log::setLogHandler(modeSLogHandler.get());
    const QFileInfo exe(QApplication::applicationFilePath());
    if (QFileInfo::exists(QDir(QApplication::applicationDirPath())
                              .filePath(exe.completeBaseName() + QStringLiteral(".dbg")))) {
        Log::setShowLevel(Log::DEBUG);
    }

    // 6. The ASTERIX library and its log.
    ast_library_init(QApplication::organizationDomain().toLatin1().constData());
    AsterixLogCallback::setSink([this](const QString& line) { logAsterix(line); });
    AsterixLogCallback::install();

    // 7. Decoders, tracker, service status, timers.
    modeSDecoder = std::make_unique<ModeSDecoder>();
    jsonDecoder = std::make_unique<ADSBTargetReportJsonDecoder>();
    tracker = std::make_unique<ADSBTracker>();
    serviceStatus = std::make_unique<ADSBServiceStatus>();
    pipeline = std::make_unique<ProcessingPipeline>(*modeSDecoder, *tracker);
    aircraftDatabase = std::make_unique<AircraftDatabase>(LibAvistore::instance().getICAOAddrDict());
    // The ASTERIX encoder and packer (inside the ASTERIX output) and the CSV output.
    asterixOutput = new AsterixOutput(this);
    csvOutput = new CsvOutput(this);
    beastOutput = new BeastOutput(this);
    baseStationOutput = new BaseStationOutput(this);
    recorder = new SessionRecorder(this);
    pipeline->setTrackedReplyObserver([this](const ModeSMessage& message, const ADSBTarget& target) {
        if (baseStationOutput->isListening()) {
            baseStationOutput->sendReply(
                message, target, static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()));
        }
    });
    asterixBlockText = std::make_unique<AsterixBlockText>();
    const auto report = [this](const QString& text, bool showInStatusBar) {
        logGeneral(text);
        if (showInStatusBar) {
            showStatus(text);
        }
    };
    connect(asterixOutput, &AsterixOutput::message, this, report);
    connect(csvOutput, &CsvOutput::message, this, report);
    connect(beastOutput, &StreamServer::message, this, report);
    connect(baseStationOutput, &StreamServer::message, this, report);
    connect(recorder, &SessionRecorder::message, this, report);
    connect(asterixOutput, &AsterixOutput::blockProduced, this,
            [this](const DataBlock& block, quint64 sequence) {
                showAsterixBlock(QByteArray::fromStdString(block.constData()), block.category(),
                                 block.timeStamp(), sequence);
            });

    trackerTimer.setInterval(1000);
    connect(&trackerTimer, &QTimer::timeout, this, &MainWindow::updateTracker);
    connect(&asterixTimer, &QTimer::timeout, this, &MainWindow::outputAsterix);
    connect(&csvTimer, &QTimer::timeout, this, &MainWindow::outputCsv);

    // 8. Settings.
    loadSettings();
    applySettings();

    // 9.
    logGeneral(tr("%1 initilized.").arg(QApplication::applicationDisplayName()));

    // 10. The aviation reference database.
    loadAviationDatabase();
}

MainWindow::~MainWindow() {
    AsterixLogCallback::clearSink();
    Log::setLogHandler(nullptr);
    // The base class hides the children as it goes, and a hidden dock reports its visibility:
    // by then this window and its form are gone, so nothing of theirs may answer.
    disconnect(ui->dckLog, nullptr, this, nullptr);
    delete ui;
}

void MainWindow::writeStartupLog() {
    const QString name = QApplication::applicationDisplayName();
    logGeneral(tr("%1 initilizing...").arg(name));
    logGeneral(tr("Platform: ") + QGuiApplication::platformName());
    logGeneral(tr("Runtime: Qt ") + QString::fromLatin1(qVersion()));
    logGeneral(tr("Runtime: Tarrow ") + QString::fromStdString(Tarrow::version()));
    logGeneral(tr("Runtime: Quennel ") + QString::fromLatin1(ast_library_version()));
    logGeneral(tr("Runtime: libavistore ") + LibAvistore::version());
    logGeneral(tr("Version: ") + name + QLatin1Char(' ') + QApplication::applicationVersion());
    logGeneral(tr("Location: ") + QApplication::applicationFilePath());
    logGeneral(tr("Work Dir: ") + QDir::currentPath());
    logGeneral(tr("PID: ") + QString::number(QApplication::applicationPid()));
}

void MainWindow::loadAviationDatabase() {
    const QDir dir(QApplication::applicationDirPath());
    const QFileInfo db(dir.filePath(QStringLiteral("avistore.db")));
    const QFileInfo dat(dir.filePath(QStringLiteral("avistore.dat")));
    LibAvistore& store = LibAvistore::instance();
    if (db.exists()) {
        logGeneral(tr("Loading Avistore SQLite database: %1").arg(db.absoluteFilePath()));
        store.loadFromSQLite(db);
        logGeneral(tr("Converting to Avistore binary database: %1").arg(dat.absoluteFilePath()));
        store.saveToDataFile(dat);
    } else if (dat.exists()) {
        logGeneral(tr("Loading Avistore database: %1").arg(dat.absoluteFilePath()));
        store.loadFromDataFile(dat);
    } else {
        logGeneral(tr("Avistore data file not found."));
    }
}

std::unique_ptr<QSettings> MainWindow::openSettingsStore() const {
    if (!configFile.isEmpty()) {
        return std::make_unique<QSettings>(configFile, QSettings::IniFormat);
    }
    return std::make_unique<QSettings>();
}

void MainWindow::loadSettings() {
    auto store = openSettingsStore();
    settings.load(*store);
}

void MainWindow::saveSettings() {
    auto store = openSettingsStore();
    settings.save(*store);
    store->sync();
}

void MainWindow::applySettings() {
    tracker->setAltituteBaroChecking(settings.trackerBaroAltituteChecking,
                                     settings.trackerBaroAltituteCheckingTime,
                                     settings.trackerBaroAltituteMaxChange);
    ADSBTrackerSettings measures;
    measures.receiverPositionSet = settings.receiverPositionValid;
    measures.receiverPosition = {settings.receiverLatitude, settings.receiverLongitude};
    measures.localDecoding = settings.trackerLocalDecoding;
    measures.airborneSpeedLimit = settings.trackerAirborneSpeedLimit;
    measures.surfaceSpeedLimit = settings.trackerSurfaceSpeedLimit;
    measures.maximumRange = settings.trackerMaximumRange;
    measures.newTargetsOnlyFromErrorFreeReplies = settings.trackerNewTargetsErrorFree;
    if (!tracker->setSettings(measures)) {
        logGeneral(tr("Tracker settings refused: check the receiver position."));
    }
    modeSDecoder->setErrorRepair(static_cast<ModeSDecoder::ErrorRepair>(settings.trackerErrorRepair));
    serviceStatus->setServiceId(1);
    serviceStatus->setReportPeriod(0);
    serviceStatus->setReportPeriod(settings.asterixTargetReportsPeriod);
    serviceStatus->setSac(settings.asterixSAC);
    serviceStatus->setSic(settings.asterixSIC);
    asterixOutput->packer().setMaxDataBlockSize(settings.asterixMaxMsgSize);
    asterixOutput->packer().setMaxDataRecords(settings.asterixMaxDataRecords);
    modeSMessageModel->setLimits(settings.minDisplayMessages, settings.maxDisplayMessages);
    asterixMessageModel->setLimits(settings.minDisplayMessages, settings.maxDisplayMessages);
    targetListModel->setOptions({settings.updatedFieldHighlightTime,
                                 settings.noUpdatedTargetWarningTime});
    ui->scpTraffic->setReceiverPosition(settings.receiverPositionValid, settings.receiverLatitude,
                                        settings.receiverLongitude);
    ui->scpTraffic->setWarningTime(settings.noUpdatedTargetWarningTime);
    ui->scpTraffic->setTrailDuration(static_cast<int>(settings.scopeTrailDuration));
}

void MainWindow::restoreWindowState() {
    auto store = openSettingsStore();
    store->beginGroup(QStringLiteral("UI"));
    restoreGeometry(store->value(QStringLiteral("mainWindowGeometry")).toByteArray());
    restoreState(store->value(QStringLiteral("mainWindowState")).toByteArray(), 0);
    ui->spAsterixMsgViewV->restoreState(
        store->value(QStringLiteral("asterixMsgViewSpliterV")).toByteArray());
    ui->spAsterixMsgViewH->restoreState(
        store->value(QStringLiteral("asterixMsgViewSpliterH")).toByteArray());
    listRowHeight = store->value(QStringLiteral("listRowHeight"), listRowHeight).toInt();
    store->endGroup();
    ui->actLogWindow->setChecked(ui->dckLog->isVisibleTo(this) || !isVisible());
    modeSListSizer->applyRowHeight();
    asterixListSizer->applyRowHeight();
}

void MainWindow::saveWindowState() {
    auto store = openSettingsStore();
    store->beginGroup(QStringLiteral("UI"));
    store->setValue(QStringLiteral("mainWindowGeometry"), saveGeometry());
    store->setValue(QStringLiteral("mainWindowState"), saveState(0));
    store->setValue(QStringLiteral("asterixMsgViewSpliterV"), ui->spAsterixMsgViewV->saveState());
    store->setValue(QStringLiteral("asterixMsgViewSpliterH"), ui->spAsterixMsgViewH->saveState());
    store->setValue(QStringLiteral("listRowHeight"), listRowHeight);
    store->endGroup();
    store->sync();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    saveSettings();
    saveWindowState();
    QMainWindow::closeEvent(event);
}

void MainWindow::logGeneral(const QString& text) {
    generalLog->append(text);
}

void MainWindow::logModeS(const QString& text) {
    modeSLog->append(text);
}

void MainWindow::logAsterix(const QString& text) {
    asterixLog->append(text);
}

void MainWindow::showStatus(const QString& text) {
    ui->statusbar->showMessage(text);
}

bool MainWindow::setLogFile(const QString& path) {
    auto* file = new QFile(path, this);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        delete file;
        return false;
    }
    delete logFile;
    logFile = file;
    const auto mirror = [this](const char* pane) {
        return [this, pane](const QString& line) {
            // "[time]" + "[pane]" + text, one line each, written at once.
            const int close = line.indexOf(QLatin1Char(']'));
            QByteArray out = line.left(close + 1).toUtf8();
            out += '[';
            out += pane;
            out += ']';
            out += line.mid(close + 1).toUtf8();
            out += '\n';
            logFile->write(out);
            logFile->flush();
        };
    };
    generalLog->setMirror(mirror("General"));
    modeSLog->setMirror(mirror("Mode-S"));
    asterixLog->setMirror(mirror("ASTERIX"));
    return true;
}

void MainWindow::flushLogs() {
    generalLog->flush();
    modeSLog->flush();
    asterixLog->flush();
}

bool MainWindow::isRunning() const {
    return ui->actStop->isEnabled();
}

quint64 MainWindow::decodedReplies() const {
    return pipeline->decodedTotal();
}

int MainWindow::targetCount() const {
    return static_cast<int>(tracker->allTargets().size());
}

void MainWindow::setRunning(bool running) {
    ui->actStart->setEnabled(!running);
    ui->actStop->setEnabled(running);
}

void MainWindow::buildModeSHeader() {
    modeSMessageModel->clear();
    ui->tblModeSMsgList->resizeColumnsToContents();
}

void MainWindow::buildAsterixHeader() {
    asterixMessageModel->clear();
    ui->tblAsterixMsgList->resizeColumnsToContents();
}

void MainWindow::buildTargetHeader() {
    targetListModel->clear();
    ui->tblTargetList->resizeColumnsToContents();
}

void MainWindow::changeView(QAction* action) {
    if (action == ui->actModeSMsgView) {
        ui->swView->setCurrentWidget(ui->pgModeSMsgView);
    } else if (action == ui->actTargetReportView) {
        ui->swView->setCurrentWidget(ui->pgTargetReportView);
    } else if (action == ui->actTargetListView) {
        ui->swView->setCurrentWidget(ui->pgTargetListView);
    } else if (action == ui->actAsterixMsgView) {
        ui->swView->setCurrentWidget(ui->pgAsterixView);
    } else if (action == ui->actTrafficScopeView) {
        ui->swView->setCurrentWidget(ui->pgTrafficScope);
    }
}

void MainWindow::startInput() {
    if (settings.inputProtocol == 0) {
        QMessageBox::warning(this, tr("Protocol"), tr("Undefined or unsupported protocol."),
                             QMessageBox::Ok);
        return;
    }
    if (settings.inputFormat == 0) {
        QMessageBox::warning(this, tr("Format"), tr("Undefined or unsupported format."),
                             QMessageBox::Ok);
        return;
    }
    if (settings.showClockCalibrationWarning &&
        QMessageBox::question(
            this, tr("Confirmation"),
            tr("Please remember to calibrate your clock before start!\nDo you want to start now?"),
            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    beginProcessing(currentSource());
}

void MainWindow::beginProcessing(InputSource* source) {
    pipeline->resetSequence();
    configureSources();
    databaseOpen = aircraftDatabase->open();
    databaseSchedule.start(static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()));
    buildModeSHeader();
    buildTargetHeader();
    ui->actOption->setEnabled(false);
    // The network servers first, so that clients see the first replies.
    if (settings.baseStationOutput) {
        baseStationOutput->listen(settings.baseStationOutputAddress, settings.baseStationOutputPort);
    }
    if (settings.beastOutput) {
        beastOutput->listen(settings.beastOutputAddress, settings.beastOutputPort);
    }
    if (source) {
        beastFramer.sourceStarted();
        avrFramer.sourceStarted();
        activeSource = source;
        source->start();
    } else {
        logGeneral(tr("Undefined or unsupported protocol (%1).").arg(settings.inputProtocol));
    }
    trackerTimer.start();
    if (settings.asterixTargetReportsOutput) {
        AsterixOutput::Settings out;
        out.cat21Version = settings.asterixCat21Version;
        out.multicast = settings.asterixUdpMulticast;
        out.channels[0] = {settings.asterixUdpChannel1, settings.asterixUdpAddress1,
                           settings.asterixUdpPort1, settings.asterixUdpMcastInterface1};
        out.channels[1] = {settings.asterixUdpChannel2, settings.asterixUdpAddress2,
                           settings.asterixUdpPort2, settings.asterixUdpMcastInterface2};
        asterixOutput->start(out);
        asterixTimer.start(static_cast<int>(settings.asterixTargetReportsPeriod));
    }
    if (settings.csvTargetReportsOutput) {
        csvOutput->start({settings.csvUdpOutput, settings.csvUdpAddress, settings.csvUdpPort});
        csvTimer.start(static_cast<int>(settings.csvTargetReportsPeriod));
    }
    updateSessionStatus();
}

void MainWindow::stopInput() {
    InputSource* source = activeSource ? activeSource : currentSource();
    activeSource = nullptr;
    if (source) {
        source->stop();
    } else {
        logGeneral(tr("Undefined or unsupported protocol (%1).").arg(settings.inputProtocol));
    }
    asterixTimer.stop();
    asterixOutput->stop();
    csvTimer.stop();
    csvOutput->stop();
    baseStationOutput->close();
    beastOutput->close();
    trackerTimer.stop();
    if (settings.enableAircraftDatabase) {
        aircraftDatabase->close();
    }
    databaseOpen = false;
    ui->actOption->setEnabled(true);
}

InputSource* MainWindow::currentSource() {
    switch (settings.inputProtocol) {
    case 1: return tcpInput;
    case 2: return udpInput;
    case 3: return serialInput;
    default: return nullptr;
    }
}

void MainWindow::configureSources() {
    udpInput->setLocalPort(settings.inputUdpLocalPort);
    tcpInput->setServerAddress(settings.inputTcpServerAddress);
    tcpInput->setServerPort(settings.inputTcpServerPort);
    tcpInput->setAutoReconnect(settings.inputTcpAutoReconnect);
    tcpInput->setWatchdogTime(static_cast<int>(settings.inputTcpWatchdogTime) * 1000);
    serialInput->setPortName(settings.inputSerialPortName);
    serialInput->setBaudRate(settings.inputSerialBaudRate);
    serialInput->setDataBits(settings.inputSerialDataBits);
    serialInput->setParity(settings.inputSerialParity);
    serialInput->setStopBits(settings.inputSerialStopBits);
    beastFramer.setPlaybackMode(settings.inputPlaybackMode);
    avrFramer.setPlaybackMode(settings.inputPlaybackMode);
    aircraftDatabase->setEnabled(settings.enableAircraftDatabase);
    aircraftDatabase->setUpdateData(settings.updateAicraftData);
    aircraftDatabase->setFile(settings.aircraftDatabaseFile);
}

void MainWindow::dispatchChunk(const QByteArray& bytes, quint64 receiveTime) {
    switch (settings.inputFormat) {
    case 1:
        beastFramer.feed(bytes, receiveTime,
                         [this](const ModeSFrame& frame) { return processModeSReply(frame); });
        break;
    case 2:
        avrFramer.feed(bytes, receiveTime,
                       [this](const ModeSFrame& frame) { return processModeSReply(frame); });
        break;
    case 3:
        jsonFramer.feed(bytes, receiveTime,
                        [this](const QByteArray& array, quint64 time, int chunkSize) {
                            processJsonArray(array, time, chunkSize);
                        });
        break;
    default:
        logGeneral(tr("Undefined input data source type (%1).").arg(settings.inputFormat));
        break;
    }
}

bool MainWindow::processModeSReply(const ModeSFrame& frame) {
    // Every reply as it came, decodable or not: to the recording and the Beast clients.
    recorder->record(frame);
    if (beastOutput->isListening()) {
        beastOutput->sendFrame(frame);
    }
    ModeSRow row;
    if (!pipeline->processModeSReply(frame.reply, frame.timeStamp, frame.hasSignal, frame.signal,
                                     row)) {
        return false;
    }
    modeSMessageModel->append(std::move(row));
    return true;
}

void MainWindow::processJsonArray(const QByteArray& array, quint64 receiveTime, int chunkSize) {
    std::vector<ADSBTargetReport> reports = jsonDecoder->decode(array.toStdString());
    if (reports.empty()) {
        logGeneral(tr("Corrupted JSON message received (size %1).").arg(chunkSize));
        return;
    }
    pipeline->processTargetReports(reports, receiveTime, settings.inputPlaybackMode);
    const QJsonDocument document = QJsonDocument::fromJson(array);
    ui->txtTargetReport->setPlainText(document.isNull() ? QString::fromLocal8Bit(array)
                                                        : QString::fromUtf8(document.toJson()));
}

void MainWindow::updateTracker() {
    const quint64 now = static_cast<quint64>(QDateTime::currentMSecsSinceEpoch());
    const auto removed = tracker->killTargets(now - settings.noUpdatedTargetDeletionTime);
    targetListModel->removeTargets(removed);
    const std::vector<ADSBTarget> targets = tracker->allTargets();
    if (targetListModel->refresh(targets, now) > 0) {
        ui->tblTargetList->resizeColumnsToContents();
    }
    ui->scpTraffic->setTargets(targets, now);
    // The aircraft table once in each new minute.
    if (databaseSchedule.due(now)) {
        aircraftDatabase->update(targets);
    }
}

void MainWindow::outputAsterix() {
    asterixOutput->outputCycle(*tracker, *serviceStatus,
                               static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()));
}

void MainWindow::outputCsv() {
    csvOutput->outputCycle(*tracker, static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()));
}

void MainWindow::showAsterixBlock(const QByteArray& bytes, int category, quint64 timeStamp,
                                  quint64 sequence) {
    asterixMessageModel->append(AsterixRow{sequence, timeStamp, category, bytes});
    ui->hexAsterixMsg->setData(bytes);
    ui->txtAsterixMsg->setPlainText(asterixBlockText->text(bytes, settings.asterixCat21Version));
}

void MainWindow::openStorageDir() {}

void MainWindow::showConfigWindow() {
    if (!configWindow) {
        configWindow = new ConfigWindow(this);
    }
    configWindow->fromSettings(settings);
    if (configWindow->exec() == QDialog::Accepted) {
        configWindow->toSettings(settings);
        saveSettings();
        applySettings();
    }
}

void MainWindow::openWebsite() {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebsite)));
}

void MainWindow::showAbout() {
    if (!aboutWindow) {
        aboutWindow = new AboutWindow(this);
        aboutWindow->setApplicationName(QApplication::applicationDisplayName());
        aboutWindow->setVersion(QApplication::applicationVersion());
        aboutWindow->setIcon(windowIcon());
        aboutWindow->setSlogan(tr("1090ES ADS-B Decoder, Tracker & Viewer."));
        aboutWindow->setBuildDate(AboutWindow::parseBuildDate(QStringLiteral(VELTMAR_BUILD_DATE)));
        aboutWindow->setMaker(QString::fromLatin1(kMaker), QString::fromLatin1(kWebsite),
                              QString::fromLatin1(kSupport));
    }
    aboutWindow->refresh();
    aboutWindow->show();
    aboutWindow->raise();
}

bool MainWindow::startReplay(const QString& path) {
    if (isRunning() || activeSource) {
        stopInput();
    }
    replaySource->setFile(path);
    setReplaySpeed(replaySpeeds->checkedAction());
    replaySource->setPaused(ui->actReplayPause->isChecked());
    beginProcessing(replaySource);
    return replaySource->isActive();
}

void MainWindow::setReplaySpeed(QAction* action) {
    if (action == ui->actReplaySpeed10) {
        replaySource->setSpeed(10);
    } else if (action == ui->actReplaySpeedMax) {
        replaySource->setSpeed(0);
    } else {
        replaySource->setSpeed(1);
    }
    updateSessionStatus();
}

void MainWindow::openRecording() {
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open Recording"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        tr("Recordings (*.beast *.bin *.avr *.txt *.csv);;All Files (*)"));
    if (!path.isEmpty()) {
        startReplay(path);
    }
}

bool MainWindow::startRecording(const QString& path) {
    const bool ok = recorder->start(path);
    const QSignalBlocker block(ui->actRecord);
    ui->actRecord->setChecked(ok);
    updateSessionStatus();
    return ok;
}

void MainWindow::stopRecording() {
    recorder->stop();
    const QSignalBlocker block(ui->actRecord);
    ui->actRecord->setChecked(false);
    updateSessionStatus();
}

void MainWindow::toggleRecording(bool checked) {
    if (!checked) {
        stopRecording();
        return;
    }
    const QString start =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QStringLiteral("veltmar-%1.beast")
                          .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"))));
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Record"), start, tr("Veltmar Recordings (*.beast);;All Files (*)"));
    if (path.isEmpty()) {
        const QSignalBlocker block(ui->actRecord);
        ui->actRecord->setChecked(false);
        return;
    }
    startRecording(path);
}

void MainWindow::updateSessionStatus() {
    if (recorder->isRecording()) {
        recorder->flush();
        recordLabel->setText(tr("Recording %1: %2")
                                 .arg(QFileInfo(recorder->path()).fileName(),
                                      QLocale().formattedDataSize(static_cast<qint64>(recorder->size()))));
        recordLabel->show();
    } else {
        recordLabel->hide();
    }
    if (replaySource->isActive()) {
        QString speed = tr("as fast as possible");
        if (replaySource->speed() > 0) {
            speed = tr("%1x").arg(replaySource->speed());
        }
        const QString time = replaySource->recordingTimeText();
        QString text;
        if (replaySource->isFinished()) {
            text = tr("Replay finished: %1").arg(time);
        } else if (replaySource->isPaused()) {
            text = tr("Replay paused: %1").arg(time);
        } else {
            text = tr("Replay (%1): %2").arg(speed, time);
        }
        replayLabel->setText(text);
        replayLabel->show();
    } else {
        replayLabel->hide();
    }
}
