#ifndef VELTMAR_ABOUTWINDOW_H
#define VELTMAR_ABOUTWINDOW_H

#include <QDate>
#include <QDialog>
#include <QIcon>
#include <QString>

namespace Ui {
class AboutWindow;
}

// The About dialog: the program's icon, name, version with build date, a one-line
// description, the maker with its web and support links, and the credits for the libraries
// and data the program ships with. Non-modal; one instance per process.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
    ~AboutWindow() override;

    void setApplicationName(const QString& name) { _name = name; }
    void setVersion(const QString& version) { _version = version; }
    void setBuildDate(const QDate& date) { _buildDate = date; }
    void setSlogan(const QString& slogan) { _slogan = slogan; }
    void setIcon(const QIcon& icon) { _icon = icon; }
    void setMaker(const QString& name, const QString& webLink, const QString& supportLink);

    // Writes the fields into the labels.
    void refresh();

    // Reads a build date written as "Mmm d yyyy" (the compiler's __DATE__ form, where a day
    // below 10 is padded with a blank): an invalid date when the text does not parse.
    static QDate parseBuildDate(const QString& text);

    // The generated form, for tests.
    Ui::AboutWindow* form() const { return ui; }

private:
    Ui::AboutWindow* ui;
    QString _name;
    QString _version;
    QDate _buildDate;
    QString _slogan;
    QIcon _icon;
    QString _maker;
    QString _webLink;
    QString _supportLink;
};

#endif  // VELTMAR_ABOUTWINDOW_H
