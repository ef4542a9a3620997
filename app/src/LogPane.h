#ifndef VELTMAR_LOGPANE_H
#define VELTMAR_LOGPANE_H

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QPlainTextEdit;

// One log pane of the main window: every line reads "[yyyy-MM-dd hh:mm:ss]text" with the local
// time of the append. A pane is emptied whenever it would hold more than maxLines() lines: the
// append that makes it 1001 lines leaves it empty, and the next line is the first.
//
// Lines are collected and written to the widget once per pass of the event loop (or on
// flush()), so that a burst of library log lines costs one document update, not one per
// line; what the pane shows afterwards is exactly what line-by-line appending would show.
class LogPane : public QObject {
    Q_OBJECT
public:
    explicit LogPane(QPlainTextEdit* edit, QObject* parent = nullptr);

    void append(const QString& text);
    // Also hands every finished line ("[time]text") to `mirror` (for a log file).
    void setMirror(std::function<void(const QString&)> mirror) { _mirror = std::move(mirror); }
    // Writes the pending lines to the widget now.
    void flush();

    static constexpr int maxLines() { return 1000; }
    // Lines the pane holds, the pending ones included.
    int lineCount() const { return _lines; }

private:
    QString timeText();

    QPlainTextEdit* _edit;
    QStringList _pending;
    bool _clearPending = false;
    bool _flushScheduled = false;
    int _lines = 0;
    std::function<void(const QString&)> _mirror;
    qint64 _cachedSecond = -1;
    QString _cachedTime;
};

#endif  // VELTMAR_LOGPANE_H
