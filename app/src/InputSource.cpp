#include "InputSource.h"

#include <QDateTime>

quint64 InputSource::currentTimeMs() {
    return quint64(QDateTime::currentMSecsSinceEpoch());
}

void InputSource::report(const QString& text) {
    emit logMessage(text);
    emit statusMessage(text);
}
