#include "feedio/FileOutput.h"

#include <cstdio>

namespace feedio {

FileOutput::FileOutput(QString path, QObject* parent) : FeedOutput(parent), _path(std::move(path)) {}

bool FileOutput::open() {
    bool ok = false;
    if (_path == QLatin1String("-")) {
        ok = _file.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    } else {
        _file.setFileName(_path);
        ok = _file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    }
    if (!ok) {
        emit failed(QStringLiteral("cannot write %1: %2").arg(_path, _file.errorString()));
        return false;
    }
    return true;
}

bool FileOutput::write(const QByteArray& bytes) {
    return _file.write(bytes) == bytes.size();
}

}  // namespace feedio
