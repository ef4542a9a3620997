#ifndef VELTMAR_APPPATHS_H
#define VELTMAR_APPPATHS_H

#include <QString>

// Where the program finds the files it ships beside its executable.
namespace AppPaths {
// The directory of the running executable (QCoreApplication::applicationDirPath()).
QString applicationDir();
}  // namespace AppPaths

#endif  // VELTMAR_APPPATHS_H
