// The installed program starting for real: installed into a prefix of its own, run on an X
// server (Xvfb) with a settings file and a log file of the test's, it writes its start-up
// lines in order and loads the real aviation database installed beside it.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Waits, running the event loop, until `done` holds or `ms` have passed.
template <class Pred>
bool waitFor(Pred done, int ms) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms) {
            return false;
        }
        QTest::qWait(50);
    }
    return true;
}

TEST(StartupTest, InstalledProgramLogsItsStartAndLoadsTheAviationDatabase) {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        GTEST_SKIP() << "Xvfb is not installed (scripts/install-deps.sh installs it)";
    }
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    QProcess install;
    install.start(QStringLiteral("cmake"), {QStringLiteral("--install"), QStringLiteral(VELTMAR_BUILD_DIR),
                                            QStringLiteral("--prefix"), prefix.path()});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QFile::exists(bin + QStringLiteral("/veltmar")));
    ASSERT_TRUE(QFile::exists(bin + QStringLiteral("/avistore.db")));
    ASSERT_TRUE(QFile::exists(bin + QStringLiteral("/veltmar.zh_CN.qm")));

    // An X server of our own; it tells its display number on a pipe.
    QProcess server;
    server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                        QStringLiteral("0"), QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
    ASSERT_TRUE(server.waitForStarted());
    ASSERT_TRUE(waitFor([&] { return server.canReadLine(); }, 20000)) << "Xvfb gave no display";
    const QString display = QLatin1Char(':') + QString::fromLatin1(server.readLine()).trimmed();

    const QString log = prefix.filePath(QStringLiteral("veltmar.log"));
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    env.remove(QStringLiteral("LANG"));
    // libxkbcommon-x11 copies keymap names with strndup() from buffers that are not NUL
    // terminated; AddressSanitizer's strict string checks read such a source to its end and
    // report the X11 library, not us. A plugin the X platform loads and unloads also leaves an
    // allocation that LeakSanitizer can only name as an unknown module. The program under X
    // keeps every other check; leaks are checked by the tests on the offscreen platform.
    QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
    if (!asan.isEmpty()) {
        asan.replace(QStringLiteral("strict_string_checks=1"), QStringLiteral("strict_string_checks=0"));
        asan.replace(QStringLiteral("detect_leaks=1"), QStringLiteral("detect_leaks=0"));
        env.insert(QStringLiteral("ASAN_OPTIONS"), asan);
    }
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(bin);
    program.start(bin + QStringLiteral("/veltmar"),
                  {QStringLiteral("--config"), prefix.filePath(QStringLiteral("veltmar.ini")),
                   QStringLiteral("--log"), log});
    ASSERT_TRUE(program.waitForStarted());
    const qint64 pid = program.processId();
    const QString dat = QDir(bin).absoluteFilePath(QStringLiteral("avistore.dat"));
    // The data file is written right after its log line.
    const bool loaded = waitFor(
        [&] {
            return readAll(log).contains(QStringLiteral("Converting to Avistore binary database")) &&
                   QFileInfo(dat).size() > 100000;
        },
        60000);
    program.terminate();
    program.waitForFinished(10000);
    server.terminate();
    server.waitForFinished(10000);
    ASSERT_TRUE(loaded) << readAll(log).toStdString() << program.readAllStandardError().toStdString();

    QStringList general;
    for (const QString& line : readAll(log).split(QLatin1Char('\n'))) {
        const int tag = line.indexOf(QStringLiteral("][General]"));
        if (tag == 20) {
            general << line.mid(tag + 10);
        }
    }
    const QString db = QDir(bin).absoluteFilePath(QStringLiteral("avistore.db"));
    const QStringList expected = {
        QStringLiteral("Veltmar initilizing..."),
        QStringLiteral("Platform: xcb"),
        QStringLiteral("Runtime: Qt ") + QString::fromLatin1(qVersion()),
        QStringLiteral("Runtime: Tarrow "),
        QStringLiteral("Runtime: Quennel "),
        QStringLiteral("Runtime: libavistore "),
        QStringLiteral("Version: Veltmar 1.6.0"),
        QStringLiteral("Location: ") + QDir(bin).absoluteFilePath(QStringLiteral("veltmar")),
        QStringLiteral("Work Dir: ") + QDir(bin).absolutePath(),
        QStringLiteral("PID: ") + QString::number(pid),
        QStringLiteral("Veltmar initilized."),
        QStringLiteral("Loading Avistore SQLite database: ") + db,
        QStringLiteral("Converting to Avistore binary database: ") + dat,
    };
    ASSERT_GE(general.size(), expected.size()) << general.join(QLatin1Char('\n')).toStdString();
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(general[i].startsWith(expected[i]))
            << "line " << i << ": " << general[i].toStdString() << " / " << expected[i].toStdString();
    }
}

}  // namespace
