#include "ModeSMessageModel.h"

#include <QCoreApplication>
#include <QDateTime>

#include <modes/DFMessage.h>

#include "ViewText.h"

using brannic::modes::DFMessage;
using brannic::modes::ModeSMessage;

ModeSMessageModel::ModeSMessageModel(QObject* parent)
    : MessageListModel<ModeSRow>(headers(), parent) {}

QStringList ModeSMessageModel::headers() {
    return {QCoreApplication::translate("MainWindow", "SEQUENCE"),
            QCoreApplication::translate("MainWindow", "TIME STAMP"),
            QCoreApplication::translate("MainWindow", "TYPE"),
            QCoreApplication::translate("MainWindow", "BITS"),
            QCoreApplication::translate("MainWindow", "DATA"),
            QCoreApplication::translate("MainWindow", "CRC"),
            QCoreApplication::translate("MainWindow", "ADDRESS"),
            QCoreApplication::translate("MainWindow", "CONFIDENCE"),
            QCoreApplication::translate("MainWindow", "MODE-S"),
            QCoreApplication::translate("MainWindow", "ADS-B")};
}

QString ModeSMessageModel::cellText(const ModeSRow& row, int column) {
    const ModeSMessage& msg = *row.message;
    switch (column) {
    case SEQUENCE: return QString::number(row.sequence);
    case TIME_STAMP: return ViewText::utcTime(msg.timeStamp());
    case TYPE: {
        const auto* df = dynamic_cast<const DFMessage*>(&msg);
        return df ? QString::fromStdString(df->downlinkFormatName()) : QString();
    }
    case BITS: return QString::number(msg.bits());
    case DATA: return QString::fromStdString(msg.dataHexString());
    case CRC: return QString::number(msg.calculatedParity(), 16).toUpper();
    case ADDRESS: return QString::number(msg.icaoAddress(), 16).toUpper();
    case CONFIDENCE: {
        static const char* const names[] = {"NO", "LOW", "HIGH", "FULL"};
        const int c = msg.confidence();
        return QString::fromLatin1((c >= 0 && c <= 3) ? names[c] : "NO");
    }
    case MODE_S: return QString::fromStdString(msg.description());
    case ADS_B: return row.adsb ? QString::fromStdString(row.adsb->description()) : QString();
    default: return QString();
    }
}

Qt::Alignment ModeSMessageModel::cellAlignment(int column) {
    switch (column) {
    case DATA:
    case MODE_S:
    case ADS_B: return Qt::AlignLeft | Qt::AlignVCenter;
    default: return Qt::AlignCenter;
    }
}

QVariant ModeSMessageModel::cellData(const ModeSRow& row, int column, int role) const {
    switch (role) {
    case Qt::DisplayRole: return cellText(row, column);
    case Qt::TextAlignmentRole: return static_cast<int>(cellAlignment(column));
    default: return QVariant();
    }
}
