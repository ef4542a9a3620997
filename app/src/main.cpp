// Entry point of veltmar.
#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <cstdlib>

#include "MainWindow.h"
#include "ResponsivenessProbe.h"

int main(int argc, char* argv[]) {
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);

    // The translation named after the program and the system locale (veltmar.zh_CN.qm),
    // looked up relative to the working directory.
    QTranslator translator;
    translator.load(QFileInfo(QApplication::applicationFilePath()).completeBaseName() +
                    QLatin1Char('.') + QLocale::system().name());
    QApplication::installTranslator(&translator);
    // Qt's own texts (standard dialog buttons, file dialogs) in the same language.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslator);
    }

    QApplication::setOrganizationName(QStringLiteral("Brannic"));
    QApplication::setOrganizationDomain(QStringLiteral("brannic.example"));
    QApplication::setApplicationName(QStringLiteral("Veltmar"));
    QApplication::setApplicationDisplayName(QApplication::translate("main", "Veltmar"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3").arg(1).arg(6).arg(0));

    std::srand(static_cast<unsigned>(QDateTime::currentDateTimeUtc().toSecsSinceEpoch()));

    // Ground stations start the program at boot: a settings file of their own and an
    // immediate start.
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QApplication::translate("main", "1090ES ADS-B Decoder, Tracker & Viewer."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption configOption(
        QStringLiteral("config"),
        QApplication::translate("main", "Read and write the settings in <file> (INI format) "
                                        "instead of the per-user settings store."),
        QApplication::translate("main", "file"));
    const QCommandLineOption startOption(
        QStringLiteral("start"),
        QApplication::translate("main", "Start processing once the window is up, as if "
                                        "Start Processing had been chosen."));
    const QCommandLineOption logOption(
        QStringLiteral("log"),
        QApplication::translate("main", "Also append every log line to <file>."),
        QApplication::translate("main", "file"));
    // For measuring the program under load: how late the event loop runs, how much CPU it
    // takes, how many replies it decoded; written as JSON when the program ends.
    const QCommandLineOption measureOption(
        QStringLiteral("measure"),
        QApplication::translate("main", "Measure the event loop's responsiveness and the CPU "
                                        "time, and write them to <file> (JSON) at exit."),
        QApplication::translate("main", "file"));
    const QCommandLineOption quitAfterOption(
        QStringLiteral("quit-after"),
        QApplication::translate("main", "Close the window after <seconds>."),
        QApplication::translate("main", "seconds"));
    parser.addOption(configOption);
    parser.addOption(startOption);
    parser.addOption(logOption);
    parser.addOption(measureOption);
    parser.addOption(quitAfterOption);
    parser.process(app);

    // Before the window: its construction already writes the start-up lines.
    MainWindow window(parser.value(configOption), parser.value(logOption));
    window.show();
    if (parser.isSet(startOption)) {
        QTimer::singleShot(0, &window, &MainWindow::startInput);
    }
    if (parser.isSet(quitAfterOption)) {
        QTimer::singleShot(static_cast<int>(parser.value(quitAfterOption).toDouble() * 1000), &window,
                           &QWidget::close);
    }
    ResponsivenessProbe probe;
    QElapsedTimer wall;
    const double cpuAtStart = ResponsivenessProbe::processCpuSeconds();
    if (parser.isSet(measureOption)) {
        probe.start();
        wall.start();
    }
    const int status = QApplication::exec();
    if (parser.isSet(measureOption)) {
        QJsonObject m;
        m[QStringLiteral("wallSeconds")] = wall.elapsed() / 1000.0;
        m[QStringLiteral("cpuSeconds")] = ResponsivenessProbe::processCpuSeconds() - cpuAtStart;
        m[QStringLiteral("decodedReplies")] = static_cast<double>(window.decodedReplies());
        m[QStringLiteral("targets")] = window.targetCount();
        m[QStringLiteral("timerTicks")] = probe.ticks();
        m[QStringLiteral("latenessP50Ms")] = probe.percentile(50);
        m[QStringLiteral("latenessP99Ms")] = probe.percentile(99);
        m[QStringLiteral("latenessMaxMs")] = probe.maximum();
        QFile out(parser.value(measureOption));
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            out.write(QJsonDocument(m).toJson());
        }
    }
    return status;
}
