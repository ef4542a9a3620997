#include "AppPaths.h"

#include <QCoreApplication>

QString AppPaths::applicationDir() {
    return QCoreApplication::applicationDirPath();
}
