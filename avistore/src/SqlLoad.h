#ifndef AVISTORE_SRC_SQLLOAD_H
#define AVISTORE_SRC_SQLLOAD_H

// The common part of filling a dictionary from the SQLite database.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

namespace brannic {
namespace avistore {
namespace sqlload {

// Runs `text` as a forward-only query on `db`. False when the database is not open, or when
// the query fails (its error text then goes to the debug log).
bool run(const QSqlDatabase& db, QSqlQuery& query, const QString& text);

// The debug-log lines around a load: "Loading <what> ..." and "<count> <loaded>".
void logLoading(const char* what);
void logLoaded(int count, const char* loaded);

}  // namespace sqlload
}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_SRC_SQLLOAD_H
