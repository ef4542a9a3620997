// Pictures of every window, page and tab, written to the build tree for a person to look at,
// in the locale the test is started with (VELTMAR_SCREENSHOT_LOCALE: en_US or zh_CN). Runs
// under Xvfb with the real platform plugin. Besides the pictures it checks what a person would
// notice first: texts cut by too small a widget, and, in Chinese, texts left in English.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QTableView>
#include <QTcpServer>
#include <QUdpSocket>

#include <avistore/LibAvistore.h>
#include <QLibraryInfo>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

#include "AboutWindow.h"
#include "ConfigWindow.h"
#include "MainWindow.h"
#include "ui_AboutWindow.h"
#include "ui_ConfigWindow.h"
#include "ui_MainWindow.h"
#include "ReplaySource.h"
#include "TrafficScope.h"
#include <QPlainTextEdit>

namespace {

QString locale() {
    const QString l = qEnvironmentVariable("VELTMAR_SCREENSHOT_LOCALE");
    return l.isEmpty() ? QStringLiteral("en_US") : l;
}

bool chinese() {
    return locale() == QLatin1String("zh_CN");
}

// Texts that stay as they are in every language: codes, units, numbers, protocol names.
bool languageNeutral(const QString& text) {
    static const QRegularExpression neutral(QStringLiteral(
        "^([A-Z0-9/._()&+\\-\\s:]*|.*[\\x{4e00}-\\x{9fff}].*|\\.\\.\\.|Veltmar|Brannic|Mode-S|.*@.*|.*https?:.*)$"));
    return neutral.match(text).hasMatch();
}

}  // namespace

class TestScreenshots : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void mainWindowPages();
    void settingsPages();
    void aboutWindow();
    void demonstrationScene();

private:
    void save(QWidget* w, const QString& name);
    // Every visible label, button and group title of `w` shows its whole text, and in Chinese
    // is translated.
    void checkTexts(QWidget* w, const QString& where);

    QDir _out;
    QTranslator _translator;
    QTranslator _qtTranslator;
    QTemporaryDir _dir;
};

void TestScreenshots::initTestCase() {
    _out = QDir(QStringLiteral(VELTMAR_SCREENSHOT_DIR "/") + locale());
    QVERIFY(_out.mkpath(QStringLiteral(".")));
    if (chinese()) {
        QVERIFY(_translator.load(QStringLiteral(VELTMAR_BIN_DIR "/veltmar.zh_CN.qm")));
        QApplication::installTranslator(&_translator);
        QVERIFY(_qtTranslator.load(QLocale(QStringLiteral("zh_CN")), QStringLiteral("qtbase"),
                                   QStringLiteral("_"),
                                   QLibraryInfo::location(QLibraryInfo::TranslationsPath)));
        QApplication::installTranslator(&_qtTranslator);
    }
    QApplication::setApplicationDisplayName(QApplication::translate("main", "Veltmar"));
    QApplication::setApplicationVersion(QStringLiteral("1.6.0"));
}

void TestScreenshots::save(QWidget* w, const QString& name) {
    QApplication::processEvents();
    const QString file = _out.filePath(name + QStringLiteral(".png"));
    QVERIFY2(w->grab().save(file), qPrintable(file));
}

void TestScreenshots::checkTexts(QWidget* w, const QString& where) {
    const auto check = [&](QWidget* widget, const QString& text, int available, int needed) {
        if (!widget->isVisible() || text.isEmpty()) {
            return;
        }
        QVERIFY2(available >= needed,
                 qPrintable(QStringLiteral("%1: '%2' (%3) is cut: %4 of %5 pixels")
                                .arg(where, text, widget->objectName())
                                .arg(available)
                                .arg(needed)));
        if (chinese()) {
            QVERIFY2(languageNeutral(text),
                     qPrintable(QStringLiteral("%1: '%2' (%3) is not translated")
                                    .arg(where, text, widget->objectName())));
        }
    };
    for (QLabel* l : w->findChildren<QLabel*>()) {
        if (l->textFormat() == Qt::RichText || l->wordWrap() || !l->pixmap(Qt::ReturnByValue).isNull()) {
            continue;
        }
        check(l, l->text(), l->width(), l->minimumSizeHint().width());
    }
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
        if (b->objectName().startsWith(QLatin1String("qt_"))) {
            continue;  // Qt's own buttons (tab scrollers, dock buttons)
        }
        check(b, b->text(), b->width(), b->minimumSizeHint().width());
    }
    for (QGroupBox* g : w->findChildren<QGroupBox*>()) {
        check(g, g->title(), g->width(), g->fontMetrics().horizontalAdvance(g->title()));
    }
}

void TestScreenshots::mainWindowPages() {
    MainWindow w(_dir.filePath(QStringLiteral("screens.ini")));
    w.resize(1280, 800);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.flushLogs();
    const QList<QPair<QAction*, const char*>> pages = {
        {w.form()->actTargetListView, "main-targets"},
        {w.form()->actModeSMsgView, "main-modes"},
        {w.form()->actAsterixMsgView, "main-asterix"},
        {w.form()->actTargetReportView, "main-report"}};
    for (const auto& p : pages) {
        p.first->trigger();
        save(&w, QLatin1String(p.second));
        checkTexts(&w, QLatin1String(p.second));
    }
    for (int i = 0; i < w.form()->tabLog->count(); ++i) {
        if (chinese()) {
            QVERIFY2(languageNeutral(w.form()->tabLog->tabText(i)), qPrintable(w.form()->tabLog->tabText(i)));
        }
    }
    for (QAction* a : w.findChildren<QAction*>()) {
        if (chinese() && !a->text().isEmpty() && !a->isSeparator()) {
            QVERIFY2(languageNeutral(a->text()), qPrintable(a->objectName() + QLatin1Char(' ') + a->text()));
        }
    }
    // The File menu with its recording and replay entries, and the replay speeds.
    QMenu* file = w.form()->menuFile;
    file->popup(w.mapToGlobal(QPoint(10, 10)));
    QTest::qWait(200);
    save(file, QStringLiteral("main-file-menu"));
    file->setActiveAction(w.form()->menuReplay->menuAction());
    w.form()->menuReplay->popup(file->mapToGlobal(file->actionGeometry(w.form()->menuReplay->menuAction()).topRight()));
    QTest::qWait(200);
    save(w.form()->menuReplay, QStringLiteral("main-replay-menu"));
    w.form()->menuReplay->hide();
    file->hide();
    // A session being recorded while a recording replays, paused: the status bar says both.
    QVERIFY(w.startRecording(_dir.filePath(QStringLiteral("screens.beast"))));
    w.form()->actReplaySpeed10->trigger();
    w.form()->actReplayPause->setChecked(true);
    QVERIFY(w.startReplay(QStringLiteral(VELTMAR_SOURCE_DIR "/modes/tests/data/sample_data_adsb.csv")));
    w.form()->actReplayPause->setChecked(false);
    QTRY_VERIFY_WITH_TIMEOUT(w.replay()->repliesReplayed() > 20, 10000);
    w.form()->actReplayPause->setChecked(true);
    w.updateTracker();
    w.updateSessionStatus();
    w.form()->actTargetListView->trigger();
    save(&w, QStringLiteral("main-replay-status"));
    checkTexts(&w, QStringLiteral("main-replay-status"));
    w.stopInput();
    w.stopRecording();
}

void TestScreenshots::settingsPages() {
    ConfigWindow w;
    w.fromSettings(AppSettings());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QListWidget* list = w.form()->lstSettings;
    for (int i = 0; i < list->count(); ++i) {
        list->setCurrentRow(i);
        QWidget* page = w.form()->swSettings->currentWidget();
        const QList<QTabWidget*> tabs = page->findChildren<QTabWidget*>();
        if (tabs.isEmpty()) {
            save(&w, QStringLiteral("settings-%1").arg(page->objectName()));
            checkTexts(&w, page->objectName());
            continue;
        }
        for (int t = 0; t < tabs.first()->count(); ++t) {
            tabs.first()->setCurrentIndex(t);
            const QString name = QStringLiteral("settings-%1-%2").arg(page->objectName()).arg(t);
            save(&w, name);
            checkTexts(&w, name);
            if (chinese()) {
                QVERIFY2(languageNeutral(tabs.first()->tabText(t)), qPrintable(tabs.first()->tabText(t)));
            }
        }
    }
}

void TestScreenshots::aboutWindow() {
    AboutWindow w;
    w.setApplicationName(QApplication::applicationDisplayName());
    w.setVersion(QStringLiteral("1.6.0"));
    w.setBuildDate(AboutWindow::parseBuildDate(QStringLiteral(VELTMAR_BUILD_DATE)));
    w.setSlogan(QApplication::translate("MainWindow", "1090ES ADS-B Decoder, Tracker & Viewer."));
    w.setIcon(QIcon(QStringLiteral(":/resource/icons/common/adsb-receiver.svg")));
    w.setMaker(QStringLiteral("Brannic"), QStringLiteral("https://brannic.example/veltmar"),
               QStringLiteral("mailto:support@brannic.example"));
    w.refresh();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    save(&w, QStringLiteral("about"));
    checkTexts(&w, QStringLiteral("about"));
    w.form()->tabAboutWindow->setCurrentIndex(1);
    save(&w, QStringLiteral("about-credits"));
}

void TestScreenshots::demonstrationScene() {
    // The scene of the feed tool on a free TCP port, read by the window as the demonstration
    // configuration does, with ASTERIX CAT021 edition 2.4 going out to a free UDP port.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const quint16 feedPort = probe.serverPort();
    probe.close();
    QUdpSocket sink;
    QVERIFY(sink.bind(QHostAddress(QHostAddress::LocalHost), 0));
    QProcess feed;
    feed.start(QStringLiteral(VELTMAR_BIN_DIR "/veltmar-feed"),
               {QStringLiteral("--scene"), QStringLiteral("80"), QStringLiteral("--tcp"),
                QString::number(feedPort), QStringLiteral("--quiet")});
    QVERIFY(feed.waitForStarted());
    const QString ini = _dir.filePath(QStringLiteral("demo.ini"));
    {
        QSettings store(ini, QSettings::IniFormat);
        store.setValue(QStringLiteral("inputProtocol"), 1);
        store.setValue(QStringLiteral("inputFormat"), 1);
        store.setValue(QStringLiteral("inputTcpServerAddress"), QStringLiteral("127.0.0.1"));
        store.setValue(QStringLiteral("inputTcpServerPort"), feedPort);
        store.setValue(QStringLiteral("inputTcpAutoReconnect"), true);
        store.setValue(QStringLiteral("asterixTargetReportsOutput"), true);
        store.setValue(QStringLiteral("asterixCat21Version"), 240);
        store.setValue(QStringLiteral("asterixUdpMulticast"), false);
        store.setValue(QStringLiteral("asterixUdpChannel1"), true);
        store.setValue(QStringLiteral("asterixUdpAddress1"), QStringLiteral("127.0.0.1"));
        store.setValue(QStringLiteral("asterixUdpPort1"), sink.localPort());
        store.setValue(QStringLiteral("receiverPositionValid"), true);
        store.setValue(QStringLiteral("receiverLatitude"), 50.0333);
        store.setValue(QStringLiteral("receiverLongitude"), 8.5706);
        // The measures of the demonstration configuration: aircraft on the ground are placed.
        store.setValue(QStringLiteral("trackerLocalDecoding"), true);
        store.setValue(QStringLiteral("trackerAirborneSpeedLimit"), 1000);
        store.setValue(QStringLiteral("trackerSurfaceSpeedLimit"), 80);
        store.setValue(QStringLiteral("trackerMaximumRange"), 250);
        store.setValue(QStringLiteral("trackerNewTargetsErrorFree"), true);
    }
    // The test program does not stand beside the aviation database: load it as the program
    // does from its own folder.
    brannic::avistore::LibAvistore::instance().loadFromSQLite(
        QFileInfo(QStringLiteral(VELTMAR_BIN_DIR "/avistore.db")));
    MainWindow w(ini);
    // Likewise the world map the build writes beside the program.
    QVERIFY(w.form()->scpTraffic->loadMap(QStringLiteral(VELTMAR_BIN_DIR "/veltmar-map.dat")));
    w.resize(1400, 860);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.startInput();
    QAbstractItemModel* targets = w.form()->tblTargetList->model();
    QAbstractItemModel* blocks = w.form()->tblAsterixMsgList->model();
    QTRY_VERIFY_WITH_TIMEOUT(targets->rowCount() >= 40 && blocks->rowCount() >= 2, 30000);
    // Let the scene settle so that most rows have their callsign and position.
    QTest::qWait(3000);
    // The list shows flags, countries and registrations of the database's aircraft.
    int flags = 0;
    int registrations = 0;
    for (int r = 0; r < targets->rowCount(); ++r) {
        flags += targets->index(r, 1).data(Qt::DecorationRole).isValid() ? 1 : 0;
        registrations += targets->index(r, 3).data().toString().isEmpty() ? 0 : 1;
    }
    QVERIFY2(flags * 2 > targets->rowCount(), qPrintable(QString::number(flags)));
    QVERIFY2(registrations * 2 > targets->rowCount(), qPrintable(QString::number(registrations)));
    const QList<QPair<QAction*, const char*>> pages = {
        {w.form()->actTargetListView, "demo-targets"},
        {w.form()->actModeSMsgView, "demo-modes"},
        {w.form()->actAsterixMsgView, "demo-asterix"},
        {w.form()->actTargetReportView, "demo-report"}};
    for (const auto& p : pages) {
        p.first->trigger();
        QTest::qWait(300);
        save(&w, QLatin1String(p.second));
    }
    // The scope at three zoom levels: the whole scene, the terminal area, the airport.
    w.form()->actTrafficScopeView->trigger();
    TrafficScope* scope = w.form()->scpTraffic;
    const struct {
        double radiusNm;
        int rings;
        const char* name;
    } zooms[] = {{180, 50, "demo-scope-wide"}, {70, 25, "demo-scope-medium"}, {20, 10, "demo-scope-close"}};
    for (const auto& z : zooms) {
        scope->centreOnReceiver();
        scope->setPixelsPerNm(qMin(scope->width(), scope->height()) / 2.0 / z.radiusNm);
        QTest::qWait(300);
        QCOMPARE(scope->ringSpacingNm(), z.rings);
        QVERIFY(scope->drawnTargetCount() > 0);
        save(&w, QLatin1String(z.name));
    }
    QVERIFY(w.form()->tblModeSMsgList->model()->rowCount() > 50);
    QVERIFY(w.form()->txtAsterixMsg->toPlainText().contains(
        QApplication::translate("MainWindow", "Data record: %1").arg(1)));
    QVERIFY(w.form()->txtAsterixMsg->toPlainText().contains(QStringLiteral("I021/080")));
    QVERIFY(sink.hasPendingDatagrams());
    w.stopInput();
    feed.terminate();
    QVERIFY(feed.waitForFinished(10000));
}

QTEST_MAIN(TestScreenshots)
#include "tst_Screenshots.moc"
