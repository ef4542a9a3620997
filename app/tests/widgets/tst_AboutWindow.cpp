// The About dialog: what it shows for a build date that parses and one that does not, and
// with and without an icon.
#include <QLabel>
#include <QTest>

#include "AboutWindow.h"
#include "ui_AboutWindow.h"

class TestAboutWindow : public QObject {
    Q_OBJECT
private slots:
    void parseBuildDate_data();
    void parseBuildDate();
    void refresh_data();
    void refresh();
};

void TestAboutWindow::parseBuildDate_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("compiler form, day padded") << "Dec  8 2026" << QDate(2026, 12, 8);
    QTest::newRow("two-digit day") << "Jan 31 2021" << QDate(2021, 1, 31);
    QTest::newRow("leap day") << "Feb 29 2024" << QDate(2024, 2, 29);
    QTest::newRow("not a leap year") << "Feb 29 2023" << QDate();
    QTest::newRow("unknown month") << "Dez 8 2026" << QDate();
    QTest::newRow("day 32") << "Mar 32 2026" << QDate();
    QTest::newRow("ISO form") << "2026-12-08" << QDate();
    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("extra field") << "Dec 8 2026 12:00" << QDate();
}

void TestAboutWindow::parseBuildDate() {
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(AboutWindow::parseBuildDate(text), date);
}

void TestAboutWindow::refresh_data() {
    QTest::addColumn<QString>("buildDate");
    QTest::addColumn<bool>("withIcon");
    QTest::addColumn<QString>("version");
    QTest::newRow("dated, icon") << "Dec  8 2026" << true << "Version 1.6.0 Build 2026-12-08";
    QTest::newRow("undated, no icon") << "sometime" << false << "Version 1.6.0";
}

void TestAboutWindow::refresh() {
    QFETCH(QString, buildDate);
    QFETCH(bool, withIcon);
    QFETCH(QString, version);
    AboutWindow w;
    w.setApplicationName(QStringLiteral("Veltmar"));
    w.setVersion(QStringLiteral("1.6.0"));
    w.setBuildDate(AboutWindow::parseBuildDate(buildDate));
    w.setSlogan(QStringLiteral("1090ES ADS-B Decoder, Tracker & Viewer."));
    w.setMaker(QStringLiteral("Brannic"), QStringLiteral("https://brannic.example/veltmar"),
               QStringLiteral("mailto:support@brannic.example"));
    if (withIcon) {
        w.setIcon(QIcon(QStringLiteral(":/resource/icons/common/adsb-receiver.svg")));
    }
    w.refresh();
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("About"));
    QCOMPARE(w.form()->tabAboutWindow->tabText(0), QStringLiteral("About"));
    QCOMPARE(w.form()->lblTitle->text(), QStringLiteral("Veltmar"));
    QCOMPARE(w.form()->lblVersion->text(), version);
    QCOMPARE(w.form()->lblSlogan->text(), QStringLiteral("1090ES ADS-B Decoder, Tracker & Viewer."));
    QCOMPARE(w.form()->lblMaker->text(), QStringLiteral("Brannic"));
    QVERIFY(w.form()->lblWebsite->text().contains(
        QStringLiteral("href=\"https://brannic.example/veltmar\"")));
    QVERIFY(w.form()->lblSupport->text().contains(QStringLiteral(">support@brannic.example</a>")));
    QCOMPARE(w.form()->lblIcon->isVisible(), withIcon);
    if (withIcon) {
        QVERIFY(!w.form()->lblIcon->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(w.form()->lblIcon->minimumSize().width() >= 64);
    }
}

QTEST_MAIN(TestAboutWindow)
#include "tst_AboutWindow.moc"
