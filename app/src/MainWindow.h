#ifndef VELTMAR_MAINWINDOW_H
#define VELTMAR_MAINWINDOW_H

#include <QMainWindow>
#include <QString>
#include <QTimer>

#include <memory>

#include "AircraftDatabase.h"
#include "AppSettings.h"
#include "AvrFramer.h"
#include "BeastFramer.h"
#include "JsonFramer.h"
#include "MinuteSchedule.h"
#include "ModeSFrame.h"

class QAction;
class QFile;
class QActionGroup;
class QSettings;
class AboutWindow;
class AsterixBlockText;
class AsterixOutput;
class BaseStationOutput;
class BeastOutput;
class CsvOutput;
class QLabel;
class ReplaySource;
class SessionRecorder;
class InputSource;
class SerialInput;
class TcpInput;
class UdpInput;
class AsterixMessageModel;
class ConfigWindow;
class LogPane;
class MessageListSizer;
class ModeSLogHandler;
class ModeSMessageModel;
class ProcessingPipeline;
class TargetListModel;

namespace brannic {
namespace modes {
class ADSBServiceStatus;
class ADSBTargetReportJsonDecoder;
class ADSBTracker;
class ModeSDecoder;
}  // namespace modes
}  // namespace brannic

namespace Ui {
class MainWindow;
}

// The program's one window. It owns every long-lived object — decoder, tracker, models,
// inputs, outputs, timers, settings — and wires them together; the work itself is done by
// those objects. Everything runs on the GUI thread.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `configFile`: an INI file to read and write the settings in, instead of the per-user
    // settings store. `logFilePath`: a file that every log line is appended to as well.
    explicit MainWindow(const QString& configFile = QString(),
                        const QString& logFilePath = QString(), QWidget* parent = nullptr);
    ~MainWindow() override;

    void logGeneral(const QString& text);
    void logModeS(const QString& text);
    void logAsterix(const QString& text);
    void showStatus(const QString& text);

    // For tests and the unattended start.
    Ui::MainWindow* form() const { return ui; }
    const AppSettings& appSettings() const { return settings; }
    ConfigWindow* configDialog() const { return configWindow; }
    bool isRunning() const;
    // Replies decoded since the window was made, and targets the tracker holds now.
    quint64 decodedReplies() const;
    int targetCount() const;
    // Writes pending log lines to the panes now.
    void flushLogs();
    // Also appends every line of the three log panes to `path` (for unattended stations),
    // as "[time][General]text", "[time][Mode-S]text" or "[time][ASTERIX]text". False when the
    // file cannot be opened for appending.
    bool setLogFile(const QString& path);

    // The network outputs, the recorder and the replay, for tests.
    BeastOutput* beastServer() const { return beastOutput; }
    BaseStationOutput* baseStationServer() const { return baseStationOutput; }
    SessionRecorder* sessionRecorder() const { return recorder; }
    ReplaySource* replay() const { return replaySource; }
    // The status bar's recording and replay fields.
    QLabel* recordingStatus() const { return recordLabel; }
    QLabel* replayStatus() const { return replayLabel; }

    // Starts processing with `path` replayed as the input (stopping what runs); false when the
    // recording cannot be opened.
    bool startReplay(const QString& path);
    // Records into `path` (the "Record..." action checked); false when the file cannot be made.
    bool startRecording(const QString& path);
    void stopRecording();

public slots:
    void startInput();
    void stopInput();
    // A chunk read by the input source, handed to the framer of the configured format.
    void dispatchChunk(const QByteArray& bytes, quint64 receiveTime);
    void changeView(QAction* action);
    void updateTracker();
    void outputAsterix();
    void outputCsv();
    void openStorageDir();
    void showConfigWindow();
    void openWebsite();
    void showAbout();
    // "Open Recording...": asks for a file and replays it.
    void openRecording();
    // "Record...": checked asks for a file and records into it, unchecked stops recording.
    void toggleRecording(bool checked);
    // The status bar's recording size and replay time.
    void updateSessionStatus();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<QSettings> openSettingsStore() const;
    void loadSettings();
    void saveSettings();
    void applySettings();
    void restoreWindowState();
    void saveWindowState();
    void writeStartupLog();
    void loadAviationDatabase();
    void buildModeSHeader();
    void buildAsterixHeader();
    void buildTargetHeader();
    void setRunning(bool running);
    InputSource* currentSource();
    // Everything startInput does once its checks have passed, with `source` as the input.
    void beginProcessing(InputSource* source);
    void setReplaySpeed(QAction* action);
    void configureSources();
    bool processModeSReply(const ModeSFrame& frame);
    void showAsterixBlock(const QByteArray& bytes, int category, quint64 timeStamp,
                          quint64 sequence);
    void processJsonArray(const QByteArray& array, quint64 receiveTime, int chunkSize);

    Ui::MainWindow* ui;
    QString configFile;
    int listRowHeight = 0;
    ModeSMessageModel* modeSMessageModel;
    TargetListModel* targetListModel;
    AsterixMessageModel* asterixMessageModel;
    std::unique_ptr<MessageListSizer> modeSListSizer;
    std::unique_ptr<MessageListSizer> asterixListSizer;
    LogPane* generalLog;
    LogPane* modeSLog;
    LogPane* asterixLog;
    AppSettings settings;
    ConfigWindow* configWindow = nullptr;
    AboutWindow* aboutWindow = nullptr;
    QActionGroup* viewActions;
    QFile* logFile = nullptr;

    std::unique_ptr<ModeSLogHandler> modeSLogHandler;
    std::unique_ptr<brannic::modes::ModeSDecoder> modeSDecoder;
    std::unique_ptr<brannic::modes::ADSBTargetReportJsonDecoder> jsonDecoder;
    std::unique_ptr<brannic::modes::ADSBTracker> tracker;
    std::unique_ptr<brannic::modes::ADSBServiceStatus> serviceStatus;
    std::unique_ptr<ProcessingPipeline> pipeline;
    UdpInput* udpInput;
    TcpInput* tcpInput;
    SerialInput* serialInput;
    BeastFramer beastFramer;
    AvrFramer avrFramer;
    JsonFramer jsonFramer;
    std::unique_ptr<AircraftDatabase> aircraftDatabase;
    bool databaseOpen = false;
    MinuteSchedule databaseSchedule;
    AsterixOutput* asterixOutput;
    CsvOutput* csvOutput;
    BeastOutput* beastOutput;
    BaseStationOutput* baseStationOutput;
    SessionRecorder* recorder;
    ReplaySource* replaySource;
    InputSource* activeSource = nullptr;  // the source started by the last start
    QActionGroup* replaySpeeds;
    QLabel* recordLabel;
    QLabel* replayLabel;
    QTimer sessionStatusTimer;
    std::unique_ptr<AsterixBlockText> asterixBlockText;
    QTimer trackerTimer;
    QTimer asterixTimer;
    QTimer csvTimer;
};

#endif  // VELTMAR_MAINWINDOW_H
