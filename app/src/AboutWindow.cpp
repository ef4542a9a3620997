#include "AboutWindow.h"

#include "ui_AboutWindow.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

QString anchor(const QString& target) {
    const QString text = target.startsWith(QLatin1String("mailto:")) ? target.mid(7) : target;
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), text.toHtmlEscaped());
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent), ui(new Ui::AboutWindow) {
    ui->setupUi(this);
    ui->txtCredits->setHtml(tr(
        "<p><b>Built with</b></p><ul>"
        "<li>Qt 5 (LGPL-3.0)</li>"
        "<li>RapidJSON (MIT)</li></ul>"
        "<p><b>Data</b></p><ul>"
        "<li>Made with Natural Earth: coastlines, borders, lakes and airports (public domain).</li>"
        "<li>Countries: ISO 3166-1 from Debian's iso-codes (LGPL-2.1-or-later).</li>"
        "<li>ICAO 24-bit address allocations: ICAO Annex 10, Volume III.</li>"
        "<li>Aircraft: a public aircraft list (CC0 1.0).</li>"
        "<li>Flags: the famfamfam flag icons (public domain).</li></ul>"));
}

AboutWindow::~AboutWindow() {
    delete ui;
}

void AboutWindow::setMaker(const QString& name, const QString& webLink,
                           const QString& supportLink) {
    _maker = name;
    _webLink = webLink;
    _supportLink = supportLink;
}

void AboutWindow::refresh() {
    ui->lblTitle->setText(_name);
    if (_buildDate.isValid()) {
        ui->lblVersion->setText(
            tr("Version %1 Build %2").arg(_version, _buildDate.toString(QStringLiteral("yyyy-MM-dd"))));
    } else {
        ui->lblVersion->setText(tr("Version %1").arg(_version));
    }
    if (!_icon.isNull()) {
        ui->lblIcon->setMinimumSize(64, 64);
        ui->lblIcon->setPixmap(_icon.pixmap(64, 64));
        ui->lblIcon->show();
    } else {
        ui->lblIcon->hide();
    }
    ui->lblSlogan->setText(_slogan);
    ui->lblMaker->setText(_maker);
    ui->lblWebsite->setText(anchor(_webLink));
    ui->lblSupport->setText(anchor(_supportLink));
}

QDate AboutWindow::parseBuildDate(const QString& text) {
    static const QStringList months = {
        QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
        QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
        QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 3) {
        return QDate();
    }
    const int month = months.indexOf(parts[0]) + 1;
    bool dayOk = false;
    bool yearOk = false;
    const int day = parts[1].toInt(&dayOk);
    const int year = parts[2].toInt(&yearOk);
    if (month == 0 || !dayOk || !yearOk) {
        return QDate();
    }
    return QDate(year, month, day);
}
