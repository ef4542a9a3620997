// The main window: its form as the program's users and scripts know it (object names, texts,
// actions), the idle/running action states, the start checks, the view switching, the log
// panes and the settings file of --config.
#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <QLabel>
#include <QTcpServer>
#include <QTcpSocket>

#include "AsterixLogCallback.h"
#include "BaseStationOutput.h"
#include "BeastFramer.h"
#include "BeastOutput.h"
#include "ReplaySource.h"
#include "SessionRecorder.h"
#include "TrafficScope.h"
#include "MainWindow.h"
#include "ModalWatcher.h"
#include "ui_MainWindow.h"

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void actionTexts_data();
    void actionTexts();
    void formWidgets();
    void idleActionStates();
    void startChecks_data();
    void startChecks();
    void startAndStop();
    void changeView();
    void logPaneEmptiedPast1000Lines();
    void asterixLogPatterns_data();
    void asterixLogPatterns();
    void startupLogWithoutDatabase();
    void configFileRoundTrip();
    void logFileMirrorsPanes();
    void beastChunksBecomeRowsAndTargets();
    void scopeAndListSelectTheSameTarget();
    void replayFeedsTheNetworkOutputsAndARecording();

private:
    QString configPath(const QString& name) const { return _dir.filePath(name); }
    QTemporaryDir _dir;
};

void TestMainWindow::initTestCase() {
    QVERIFY(_dir.isValid());
    QApplication::setApplicationDisplayName(QStringLiteral("Veltmar"));
    QApplication::setApplicationVersion(QStringLiteral("1.6.0"));
}

void TestMainWindow::actionTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("iconText");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("start") << "actStart" << "Start Processing" << "Start" << "Start processing ADS-B reports";
    QTest::newRow("stop") << "actStop" << "Stop Processing" << "Stop" << "Stop processing ADS-B reports";
    QTest::newRow("option") << "actOption" << "Settings..." << "Settings" << "Show setting window";
    QTest::newRow("storage") << "actStorage" << "Go To Data Folder..." << "Data"
                             << "Open explorer and locate data files folder";
    QTest::newRow("exit") << "actExit" << "E&xit" << "Exit" << "Exit application";
    QTest::newRow("about") << "actAbout" << "About..." << "About" << "About";
    QTest::newRow("targets") << "actTargetListView" << "Target List View" << "Target" << "Target List View";
    QTest::newRow("mode-s") << "actModeSMsgView" << "Mode-S Message View" << "Mode-S"
                            << "Mode-S Downlink Format Message View";
    QTest::newRow("asterix") << "actAsterixMsgView" << "ASTERIX Message View" << "ASTERIX" << "ASTERIX Message View";
    QTest::newRow("report") << "actTargetReportView" << "Target Report View" << "Report"
                            << "Basestation Target Report View";
    QTest::newRow("scope") << "actTrafficScopeView" << "Traffic Scope" << "Scope"
                           << "The targets on a map around the receiver";
    QTest::newRow("open recording") << "actOpenRecording" << "Open Recording..." << "Replay"
        << "Replay a recorded session (Veltmar recording, Beast dump, AVR text or CSV of frames)";
    QTest::newRow("record") << "actRecord" << "Record..." << "Record"
        << "Record every reply the input delivers, with its receive time, to a file";
    // Shown as "Log & Message Window" in the menu (a single '&' would mark a mnemonic).
    QTest::newRow("log") << "actLogWindow" << "Log && Message Window" << "Log"
                         << "Toggle Log & Message Window";
}

void TestMainWindow::actionTexts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, iconText);
    QFETCH(QString, toolTip);
    MainWindow w(configPath(QStringLiteral("texts.ini")));
    auto* action = w.findChild<QAction*>(name);
    QVERIFY2(action, qPrintable(name));
    QCOMPARE(action->text(), text);
    QCOMPARE(action->iconText(), iconText);
    QCOMPARE(action->toolTip(), toolTip);
    QVERIFY2(!action->icon().isNull(), qPrintable(name + QStringLiteral(" has no icon")));
    QVERIFY(!action->icon().pixmap(32, 32).isNull());
}

void TestMainWindow::formWidgets() {
    MainWindow w(configPath(QStringLiteral("form.ini")));
    const char* const names[] = {
        "swView", "pgModeSMsgView", "tblModeSMsgList", "pgTargetReportView", "txtTargetReport",
        "pgTargetListView", "tblTargetList", "pgAsterixView", "spAsterixMsgViewV",
        "tblAsterixMsgList", "spAsterixMsgViewH", "hexAsterixMsg", "txtAsterixMsg", "menuFile",
        "menu_View", "menuHelp", "mbMainMenu", "tbMain", "tbLogo", "statusbar", "dckLog",
        "tabLog", "txtLogGeneral", "txtLogModeS", "txtLogAsterix", "actLogo", "actWebsite",
        "pgTrafficScope", "scpTraffic"};
    for (const char* name : names) {
        QVERIFY2(w.findChild<QObject*>(QLatin1String(name)), name);
    }
    Ui::MainWindow* ui = w.form();
    QCOMPARE(ui->menuFile->title(), QStringLiteral("&File"));
    QCOMPARE(ui->menu_View->title(), QStringLiteral("&View"));
    QCOMPARE(ui->menuHelp->title(), QStringLiteral("&Help"));
    QCOMPARE(ui->tbMain->windowTitle(), QStringLiteral("Main Toolbar"));
    QCOMPARE(ui->tbLogo->windowTitle(), QStringLiteral("Logo Toolbar"));
    QCOMPARE(ui->dckLog->windowTitle(), QStringLiteral("Log & Message"));
    QCOMPARE(ui->tabLog->tabText(0), QStringLiteral("General"));
    QCOMPARE(ui->tabLog->tabText(1), QStringLiteral("Mode-S && ADS-B"));
    QCOMPARE(ui->tabLog->tabText(2), QStringLiteral("ASTERIX"));
    QCOMPARE(ui->tabLog->currentIndex(), 0);
    for (QPlainTextEdit* pane : {ui->txtLogGeneral, ui->txtLogModeS, ui->txtLogAsterix,
                                 ui->txtTargetReport, ui->txtAsterixMsg}) {
        QCOMPARE(pane->font().family(), QStringLiteral("DejaVu Sans Mono"));
    }
    QVERIFY(ui->hexAsterixMsg->isReadOnly());
    QCOMPARE(ui->spAsterixMsgViewV->orientation(), Qt::Vertical);
    QCOMPARE(ui->spAsterixMsgViewH->orientation(), Qt::Horizontal);
    QCOMPARE(w.windowTitle(), QStringLiteral("Veltmar"));
    // Target list first, its action checked.
    QCOMPARE(ui->swView->currentWidget(), ui->pgTargetListView);
    QVERIFY(ui->actTargetListView->isChecked());
}

void TestMainWindow::idleActionStates() {
    MainWindow w(configPath(QStringLiteral("idle.ini")));
    QVERIFY(w.form()->actStart->isEnabled());
    QVERIFY(!w.form()->actStop->isEnabled());
    QVERIFY(w.form()->actOption->isEnabled());
    QVERIFY(!w.isRunning());
}

void TestMainWindow::startChecks_data() {
    QTest::addColumn<int>("protocol");
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("no protocol") << 0 << 1 << false << "Protocol" << "Undefined or unsupported protocol.";
    QTest::newRow("no format") << 2 << 0 << false << "Format" << "Undefined or unsupported format.";
    QTest::newRow("clock answered no")
        << 2 << 1 << true << "Confirmation"
        << "Please remember to calibrate your clock before start!\nDo you want to start now?";
}

void TestMainWindow::startChecks() {
    QFETCH(int, protocol);
    QFETCH(int, format);
    QFETCH(bool, confirm);
    QFETCH(QString, title);
    QFETCH(QString, text);
    const QString ini = configPath(QStringLiteral("checks-%1.ini").arg(QTest::currentDataTag()));
    {
        QSettings store(ini, QSettings::IniFormat);
        store.setValue(QStringLiteral("inputProtocol"), protocol);
        store.setValue(QStringLiteral("inputFormat"), format);
        store.setValue(QStringLiteral("showClockCalibrationWarning"), confirm);
    }
    MainWindow w(ini);
    ModalWatcher watcher(QMessageBox::No);
    w.startInput();
    QVERIFY(watcher.seen);
    QCOMPARE(watcher.title, title);
    QCOMPARE(watcher.text, text);
    // Nothing changed: still idle, settings still available.
    QVERIFY(w.form()->actStart->isEnabled());
    QVERIFY(!w.form()->actStop->isEnabled());
    QVERIFY(w.form()->actOption->isEnabled());
}

void TestMainWindow::startAndStop() {
    const QString ini = configPath(QStringLiteral("startstop.ini"));
    {
        QSettings store(ini, QSettings::IniFormat);
        store.setValue(QStringLiteral("inputProtocol"), 2);
        store.setValue(QStringLiteral("inputFormat"), 1);
        store.setValue(QStringLiteral("inputUdpLocalPort"), 0);  // any free port
    }
    MainWindow w(ini);
    w.startInput();
    QVERIFY(!w.form()->actOption->isEnabled());
    w.stopInput();
    QVERIFY(w.form()->actOption->isEnabled());
    QVERIFY(w.form()->actStart->isEnabled());
    QVERIFY(!w.form()->actStop->isEnabled());
}

void TestMainWindow::changeView() {
    MainWindow w(configPath(QStringLiteral("views.ini")));
    Ui::MainWindow* ui = w.form();
    const QList<QPair<QAction*, QWidget*>> pages = {
        {ui->actModeSMsgView, ui->pgModeSMsgView},
        {ui->actTargetReportView, ui->pgTargetReportView},
        {ui->actAsterixMsgView, ui->pgAsterixView},
        {ui->actTrafficScopeView, ui->pgTrafficScope},
        {ui->actTargetListView, ui->pgTargetListView}};
    for (const auto& p : pages) {
        p.first->trigger();
        QCOMPARE(ui->swView->currentWidget(), p.second);
        QVERIFY(p.first->isChecked());
    }
    // Any other action leaves the page.
    w.changeView(ui->actOption);
    QCOMPARE(ui->swView->currentWidget(), ui->pgTargetListView);
}

void TestMainWindow::logPaneEmptiedPast1000Lines() {
    MainWindow w(configPath(QStringLiteral("lines.ini")));
    QPlainTextEdit* pane = w.form()->txtLogModeS;
    w.flushLogs();
    // The libraries have written their "Initialized." lines at start-up.
    const int before = pane->toPlainText().isEmpty() ? 0 : pane->blockCount();
    QVERIFY(before > 0 && before < 1000);
    // Appended with and without flushes in between: the pane must be the same.
    for (int i = before + 1; i <= 1000; ++i) {
        w.logModeS(QStringLiteral("line %1").arg(i));
        if (i % 250 == 0) {
            w.flushLogs();
        }
    }
    w.flushLogs();
    QCOMPARE(pane->blockCount(), 1000);
    QVERIFY(pane->toPlainText().endsWith(QStringLiteral("]line 1000")));
    w.logModeS(QStringLiteral("line 1001"));
    w.flushLogs();
    QCOMPARE(pane->toPlainText(), QString());
    w.logModeS(QStringLiteral("first again"));
    w.flushLogs();
    QCOMPARE(pane->blockCount(), 1);
    QVERIFY(pane->toPlainText().startsWith(QLatin1Char('[')));
    QVERIFY(pane->toPlainText().endsWith(QStringLiteral("]first again")));
}

void TestMainWindow::asterixLogPatterns_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("expected");
    QTest::newRow("debug") << 0 << "[DEBUG   ]text";
    QTest::newRow("info") << 1 << "[INFO    ]text";
    QTest::newRow("warning") << 2 << "[WARNING ]text";
    QTest::newRow("critical") << 3 << "[CRITICAL]text";
    QTest::newRow("panic") << 4 << "[PANIC   ]text";
    QTest::newRow("seven") << 7 << "[UNKNOWN ]text";
    QTest::newRow("negative") << -1 << "[UNKNOWN ]text";
}

void TestMainWindow::asterixLogPatterns() {
    QFETCH(int, level);
    QFETCH(QString, expected);
    MainWindow w(configPath(QStringLiteral("asterix.ini")));
    w.flushLogs();
    w.form()->txtLogAsterix->clear();
    AsterixLogCallback::callback(level, "text");
    w.flushLogs();
    const QString pane = w.form()->txtLogAsterix->toPlainText();
    QVERIFY2(pane.endsWith(QLatin1Char(']') + expected), qPrintable(pane));
}

void TestMainWindow::startupLogWithoutDatabase() {
    // The test program's directory has no avistore.db nor avistore.dat.
    MainWindow w(configPath(QStringLiteral("startup.ini")));
    w.flushLogs();
    const QStringList lines = w.form()->txtLogGeneral->toPlainText().split(QLatin1Char('\n'));
    const QStringList expected = {
        "Veltmar initilizing...", "Platform: ", "Runtime: Qt ", "Runtime: Tarrow ",
        "Runtime: Quennel ", "Runtime: libavistore ", "Version: Veltmar 1.6.0", "Location: ",
        "Work Dir: ", "PID: ", "Veltmar initilized.", "Avistore data file not found."};
    QCOMPARE(lines.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        // "[yyyy-MM-dd hh:mm:ss]" then the text.
        QCOMPARE(lines[i].mid(21, expected[i].size()), expected[i]);
        QCOMPARE(lines[i].at(0), QLatin1Char('['));
        QCOMPARE(lines[i].at(20), QLatin1Char(']'));
    }
    QVERIFY(lines[9].endsWith(QString::number(QApplication::applicationPid())));
}

void TestMainWindow::configFileRoundTrip() {
    const QString ini = configPath(QStringLiteral("roundtrip.ini"));
    {
        QSettings store(ini, QSettings::IniFormat);
        store.setValue(QStringLiteral("asterixSAC"), 42);
        store.setValue(QStringLiteral("noUpdatedTargetDeletionTime"), 20000);
    }
    {
        MainWindow w(ini);
        QCOMPARE(w.appSettings().asterixSAC, 42u);
        QCOMPARE(w.appSettings().noUpdatedTargetDeletionTime, 20000u);
        QCOMPARE(w.appSettings().asterixMaxDataRecords, 16u);
        w.close();  // saves the settings and the window state
    }
    QSettings store(ini, QSettings::IniFormat);
    QCOMPARE(store.value(QStringLiteral("asterixSAC")).toInt(), 42);
    QCOMPARE(store.value(QStringLiteral("asterixMaxDataRecords")).toInt(), 16);
    QCOMPARE(store.value(QStringLiteral("trackerBaroAltituteMaxChange")).toInt(), 150);
    QCOMPARE(store.value(QStringLiteral("updateAicraftData")).toBool(), true);
    QVERIFY(store.contains(QStringLiteral("UI/mainWindowGeometry")));
    QVERIFY(store.contains(QStringLiteral("UI/mainWindowState")));
    QVERIFY(store.contains(QStringLiteral("UI/asterixMsgViewSpliterV")));
    QVERIFY(store.contains(QStringLiteral("UI/asterixMsgViewSpliterH")));
    QVERIFY(store.contains(QStringLiteral("UI/listRowHeight")));
}

void TestMainWindow::logFileMirrorsPanes() {
    const QString log = configPath(QStringLiteral("mirror.log"));
    {
        MainWindow w(configPath(QStringLiteral("mirror.ini")), log);
        w.logModeS(QStringLiteral("a mode s line"));
        AsterixLogCallback::callback(1, "an asterix line");
    }
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.contains(QStringLiteral("][General]Veltmar initilizing...\n")));
    QVERIFY(text.contains(QStringLiteral("][Mode-S]a mode s line\n")));
    QVERIFY(text.contains(QStringLiteral("][ASTERIX][INFO    ]an asterix line\n")));
}

namespace {

// Squitters of 406B90 from its recording: identification, then an even and an odd airborne
// position, as Beast frames with a 12 MHz counter stamp and a signal level.
QByteArray beastStream() {
    const char* const replies[] = {"8D406B902015A678D4D220AA4BDA", "8D406B9058B975870B738754F480",
                                   "8D406B9058B98218DD7D364566EF"};
    QByteArray stream;
    const unsigned char stamp[6] = {0, 0, 0, 0x1a, 0x2b, 0x3c};
    for (const char* hex : replies) {
        stream += BeastFramer::encode('3', stamp, 200, QByteArray::fromHex(hex));
    }
    return stream;
}

QString beastIni(const QString& path) {
    QSettings store(path, QSettings::IniFormat);
    store.setValue(QStringLiteral("inputProtocol"), 2);
    store.setValue(QStringLiteral("inputFormat"), 1);
    store.setValue(QStringLiteral("inputPlaybackMode"), true);
    return path;
}

}  // namespace

void TestMainWindow::beastChunksBecomeRowsAndTargets() {
    MainWindow w(beastIni(configPath(QStringLiteral("beast.ini"))));
    const quint64 now = static_cast<quint64>(QDateTime::currentMSecsSinceEpoch());
    const QByteArray stream = beastStream();
    // Cut anywhere, the stream gives the same three rows.
    w.dispatchChunk(stream.left(17), now);
    w.dispatchChunk(stream.mid(17), now + 1);
    QTRY_COMPARE(w.form()->tblModeSMsgList->model()->rowCount(), 3);
    QCOMPARE(w.decodedReplies(), 3u);
    w.updateTracker();
    QAbstractItemModel* targets = w.form()->tblTargetList->model();
    QCOMPARE(targets->rowCount(), 1);
    QCOMPARE(targets->index(0, 2).data().toString(), QStringLiteral("406B90"));
    QCOMPARE(targets->index(0, 6).data().toString(), QStringLiteral("EZY85MH "));
    QVERIFY(targets->index(0, 8).data().toString().startsWith(QStringLiteral("51.")));
}

void TestMainWindow::scopeAndListSelectTheSameTarget() {
    MainWindow w(beastIni(configPath(QStringLiteral("select.ini"))));
    w.dispatchChunk(beastStream(), static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()));
    w.updateTracker();
    QTableView* list = w.form()->tblTargetList;
    TrafficScope* scope = w.form()->scpTraffic;
    QCOMPARE(list->model()->rowCount(), 1);
    // A click on the scope selects the row...
    emit scope->targetSelected(0x406B90);
    QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(list->selectionModel()->selectedRows().first().row(), 0);
    // ...a click on empty map clears it...
    emit scope->targetSelected(0);
    QVERIFY(list->selectionModel()->selectedRows().isEmpty());
    // ...and choosing the row marks the target on the scope, through refreshes.
    list->selectRow(0);
    QCOMPARE(scope->selectedTarget(), 0x406B90u);
    w.updateTracker();
    QCOMPARE(scope->selectedTarget(), 0x406B90u);
    QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
}

namespace {

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

}  // namespace

void TestMainWindow::replayFeedsTheNetworkOutputsAndARecording() {
    const QString ini = configPath(QStringLiteral("network.ini"));
    const quint16 sbsPort = freePort();
    const quint16 beastPort = freePort();
    {
        QSettings store(ini, QSettings::IniFormat);
        store.setValue(QStringLiteral("baseStationOutput"), true);
        store.setValue(QStringLiteral("baseStationOutputPort"), sbsPort);
        store.setValue(QStringLiteral("beastOutput"), true);
        store.setValue(QStringLiteral("beastOutputPort"), beastPort);
    }
    MainWindow w(ini);
    const QString recording = configPath(QStringLiteral("replayed.beast"));
    QVERIFY(w.startRecording(recording));
    QVERIFY(w.form()->actRecord->isChecked());
    // Paused while the clients connect, then as fast as possible.
    w.form()->actReplayPause->setChecked(true);
    w.form()->actReplaySpeedMax->trigger();
    QVERIFY(w.startReplay(QStringLiteral(VELTMAR_SOURCE_DIR "/modes/tests/data/sample_data_adsb.csv")));
    QVERIFY(w.isRunning());
    QVERIFY(!w.form()->actStart->isEnabled());
    QVERIFY(w.baseStationServer()->isListening());
    QCOMPARE(w.baseStationServer()->serverPort(), sbsPort);
    QTcpSocket sbs;
    QTcpSocket beast;
    QByteArray sbsBytes;
    QByteArray beastBytes;
    connect(&sbs, &QTcpSocket::readyRead, [&] { sbsBytes += sbs.readAll(); });
    connect(&beast, &QTcpSocket::readyRead, [&] { beastBytes += beast.readAll(); });
    sbs.connectToHost(QHostAddress::LocalHost, sbsPort);
    beast.connectToHost(QHostAddress::LocalHost, beastPort);
    QTRY_COMPARE(w.baseStationServer()->clientCount(), 1);
    QTRY_COMPARE(w.beastServer()->clientCount(), 1);
    w.form()->actReplayPause->setChecked(false);
    QTRY_VERIFY_WITH_TIMEOUT(w.replay()->isFinished(), 30000);
    QCOMPARE(w.replay()->repliesReplayed(), 2000u);
    QTRY_COMPARE_WITH_TIMEOUT(sbsBytes.count("\r\n"), 2000, 10000);
    QVERIFY(sbsBytes.startsWith("MSG,"));
    QVERIFY(sbsBytes.contains(",EZY85MH,"));
    // The Beast clients get every reply once, read back by our own framer.
    BeastFramer framer;
    framer.setPlaybackMode(true);
    int frames = 0;
    QTRY_VERIFY_WITH_TIMEOUT(beastBytes.size() >= 2000 * 23, 10000);
    QTest::qWait(100);
    framer.feed(beastBytes, 1, [&](const ModeSFrame&) { return ++frames > 0; });
    QCOMPARE(frames, 2000);
    // The status bar: the recording's size and the replay's own time.
    w.updateSessionStatus();
    QVERIFY(w.recordingStatus()->isVisibleTo(&w));
    QVERIFY(w.recordingStatus()->text().startsWith(QStringLiteral("Recording replayed.beast: ")));
    QCOMPARE(w.replayStatus()->text(), QStringLiteral("Replay finished: 2016-03-14 23:12:10 UTC"));
    w.updateTracker();
    QAbstractItemModel* targets = w.form()->tblTargetList->model();
    QCOMPARE(targets->rowCount(), 1);
    QCOMPARE(targets->index(0, 6).data().toString(), QStringLiteral("EZY85MH "));
    const QString position = targets->index(0, 8).data().toString();

    // The recording made while replaying replays the same session.
    w.stopRecording();
    QVERIFY(!w.form()->actRecord->isChecked());
    QVERIFY(!w.recordingStatus()->isVisibleTo(&w));
    QCOMPARE(w.sessionRecorder()->replies(), 2000u);
    w.stopInput();
    QVERIFY(!w.isRunning());
    QVERIFY(!w.baseStationServer()->isListening());
    const quint64 before = w.decodedReplies();
    QVERIFY(w.startReplay(recording));
    QTRY_VERIFY_WITH_TIMEOUT(w.replay()->isFinished(), 30000);
    QCOMPARE(w.decodedReplies() - before, 2000u);
    w.updateTracker();
    QCOMPARE(targets->rowCount(), 1);
    QCOMPARE(targets->index(0, 8).data().toString(), position);
    w.stopInput();
}

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
