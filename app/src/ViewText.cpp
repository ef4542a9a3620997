#include "ViewText.h"

#include <QByteArray>
#include <QDateTime>

QString ViewText::utcTime(quint64 msSinceEpoch) {
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(msSinceEpoch), Qt::UTC)
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString ViewText::hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex().toUpper());
}
