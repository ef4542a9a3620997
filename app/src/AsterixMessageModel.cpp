#include "AsterixMessageModel.h"

#include <QCoreApplication>

#include "ViewText.h"

AsterixMessageModel::AsterixMessageModel(QObject* parent)
    : MessageListModel<AsterixRow>(headers(), parent) {}

QStringList AsterixMessageModel::headers() {
    return {QCoreApplication::translate("MainWindow", "SEQUENCE"),
            QCoreApplication::translate("MainWindow", "TIME STAMP"),
            QCoreApplication::translate("MainWindow", "CATEGORY"),
            QCoreApplication::translate("MainWindow", "BYTES"),
            QCoreApplication::translate("MainWindow", "DATA")};
}

QString AsterixMessageModel::cellText(const AsterixRow& row, int column) {
    switch (column) {
    case SEQUENCE: return QString::number(row.sequence);
    case TIME_STAMP: return ViewText::utcTime(row.timeStamp);
    case CATEGORY: return QStringLiteral("CAT%1").arg(row.category);
    case BYTES: return QString::number(row.bytes.size());
    case DATA: return ViewText::hex(row.bytes);
    default: return QString();
    }
}

QVariant AsterixMessageModel::cellData(const AsterixRow& row, int column, int role) const {
    switch (role) {
    case Qt::DisplayRole: return cellText(row, column);
    case Qt::TextAlignmentRole:
        return static_cast<int>(column == DATA ? (Qt::AlignLeft | Qt::AlignVCenter)
                                               : Qt::Alignment(Qt::AlignCenter));
    default: return QVariant();
    }
}
