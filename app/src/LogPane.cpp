#include "LogPane.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>

LogPane::LogPane(QPlainTextEdit* edit, QObject* parent) : QObject(parent), _edit(edit) {
    // A pane starts empty; count what it holds if the form put something there.
    const QString existing = edit->toPlainText();
    _lines = existing.isEmpty() ? 0 : edit->blockCount();
}

QString LogPane::timeText() {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now / 1000 != _cachedSecond) {
        _cachedSecond = now / 1000;
        _cachedTime = QDateTime::fromMSecsSinceEpoch(_cachedSecond * 1000)
                          .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    }
    return _cachedTime;
}

void LogPane::append(const QString& text) {
    const QString line = QLatin1Char('[') + timeText() + QLatin1Char(']') + text;
    if (_mirror) {
        _mirror(line);
    }
    // A text with line breaks becomes as many lines (blocks) of the document.
    _lines += line.count(QLatin1Char('\n')) + 1;
    if (_lines > maxLines()) {
        // This append empties the pane: whatever was there or pending is gone.
        _pending.clear();
        _clearPending = true;
        _lines = 0;
    } else {
        _pending.append(line);
    }
    if (!_flushScheduled) {
        _flushScheduled = true;
        QTimer::singleShot(0, this, &LogPane::flush);
    }
}

void LogPane::flush() {
    _flushScheduled = false;
    if (_clearPending) {
        _edit->clear();
        _clearPending = false;
    }
    if (_pending.isEmpty()) {
        return;
    }
    QScrollBar* bar = _edit->verticalScrollBar();
    const bool atBottom = bar->value() == bar->maximum();
    _edit->appendPlainText(_pending.join(QLatin1Char('\n')));
    _pending.clear();
    if (atBottom) {
        bar->setValue(bar->maximum());
    }
}
