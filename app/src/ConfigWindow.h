#ifndef VELTMAR_CONFIGWINDOW_H
#define VELTMAR_CONFIGWINDOW_H

#include <QDialog>

#include "AppSettings.h"

class QListWidgetItem;

namespace Ui {
class ConfigWindow;
}

// The modal settings dialog: seven pages chosen from a list (General, Input, Tracker, ASTERIX,
// CSV, Storage, Network). fromSettings() fills every widget; toSettings() reads them back with the
// conversions between the seconds shown and the milliseconds stored.
class ConfigWindow : public QDialog {
    Q_OBJECT
public:
    // Page list entries carry these item types.
    enum Page { GENERAL = 1, INPUT, TRACKER, ASTERIX, CSV, STORAGE, NETWORK };

    explicit ConfigWindow(QWidget* parent = nullptr);
    ~ConfigWindow() override;

    void fromSettings(const AppSettings& settings);
    void toSettings(AppSettings& settings) const;

    // The generated form, for tests.
    Ui::ConfigWindow* form() const { return ui; }

public slots:
    void changeSettingsPage(QListWidgetItem* current, QListWidgetItem* previous);
    void updateBaroAltituteMaxVerticalRate();
    void selectDatabaseFile();

private:
    void fillChoices();

    Ui::ConfigWindow* ui;
    // A stored serial port name that is no longer among the choices stays in the record until
    // the user picks another port.
    QString _storedSerialPortName;
    QNetworkInterface _storedInterface1;
    QNetworkInterface _storedInterface2;
};

#endif  // VELTMAR_CONFIGWINDOW_H
