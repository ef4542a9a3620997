#include "SqlLoad.h"

#include <QDebug>
#include <QSqlError>

namespace brannic {
namespace avistore {
namespace sqlload {

bool run(const QSqlDatabase& db, QSqlQuery& query, const QString& text) {
    if (!db.isOpen())
        return false;
    query = QSqlQuery(db);
    query.setForwardOnly(true);
    if (!query.exec(text)) {
        qDebug().noquote() << query.lastError().text();
        return false;
    }
    return true;
}

void logLoading(const char* what) {
    qDebug().noquote() << QStringLiteral("Loading %1 ...").arg(QLatin1String(what));
}

void logLoaded(int count, const char* loaded) {
    qDebug().noquote() << QStringLiteral("%1 %2").arg(count).arg(QLatin1String(loaded));
}

}  // namespace sqlload
}  // namespace avistore
}  // namespace brannic
