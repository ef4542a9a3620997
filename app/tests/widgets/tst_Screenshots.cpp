// Pictures of every window, page and tab, written to the build tree for a person to look at,
// in the locale the test is started with (VELTMAR_SCREENSHOT_LOCALE: en_US or zh_CN). Runs
// under Xvfb with the real platform plugin. Besides the pictures it checks what a person would
// notice first: texts cut by too small a widget, and, in Chinese, texts left in English.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QListWidget>
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

QTEST_MAIN(TestScreenshots)
#include "tst_Screenshots.moc"
