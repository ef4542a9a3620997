#ifndef VELTMAR_RECORDINGREADER_H
#define VELTMAR_RECORDINGREADER_H

#include <QByteArray>
#include <QFile>
#include <QString>

#include <deque>

// One reply read from a recording.
struct RecordedReply {
    QByteArray reply;        // 2, 7 or 14 bytes
    quint64 stamp = 0;       // the receiver's 48-bit stamp, 0 for none
    bool hasSignal = false;  // Beast frames carry a signal level
    quint8 signal = 0;
    bool timed = false;      // whether timeUs says when the reply came
    qint64 timeUs = 0;       // microseconds, counted as RecordingReader::timeBase() says
};

// Reads the recordings the program replays, in pieces, so that a file of any size is read with
// bounded memory:
//
//  - the program's own recordings (SessionRecorder): Beast frames with receive-time markers;
//    each reply takes the time of the marker before it;
//  - plain Mode-S Beast dumps; the six stamp bytes give the times, read as a GPS time of day
//    when every stamp in the first part of the file is a valid one, else as the common
//    free-running 12 MHz counter; a zero stamp is no time;
//  - AVR text ('*' and ':' lines without time, '@' lines with a stamp read as for Beast, '?'
//    lines skipped);
//  - CSV of hexadecimal frames with times: the first field the reception time in seconds since
//    1970-01-01 UTC (whole or with a fraction), another field the reply as 14 or 28
//    hexadecimal digits, quoted or not (1457996400,"8D406B909945DE10000405999BE4","406B90",19);
//    empty lines, lines starting with '#' and a first line that is not a record are skipped.
//
// The format is told from the first bytes: 0x1a 'T' is ours, 0x1a anything else Beast, '*',
// ':', '@' or '?' AVR, other text CSV, other binary Beast. Malformed pieces are counted (errors()) and skipped.
class RecordingReader {
public:
    enum class Format { None, Veltmar, Beast, Avr, Csv };
    // What RecordedReply::timeUs counts from.
    enum class TimeBase {
        Epoch,      // since 1970-01-01 UTC (our recordings, CSV)
        TimeOfDay,  // since UTC midnight (GPS-stamped Beast and AVR)
        Counter,    // a 12 MHz counter's origin (most Beast and AVR)
    };

    static constexpr int kReadBytes = 64 * 1024;
    static constexpr int kMaxLineBytes = 1024;

    // Opens the file and tells its format and time base; false, with errorString(), when it
    // cannot be opened or is empty.
    bool open(const QString& path);
    void close();
    QString errorString() const { return _error; }
    Format format() const { return _format; }
    TimeBase timeBase() const { return _timeBase; }
    // The next reply in file order; false at the end of the file.
    bool next(RecordedReply& out);
    quint64 errors() const { return _errors; }

    static Format detect(const QByteArray& head);
    static QString formatName(Format format);

private:
    // Reads more of the file and parses what it completes; false at the end of the file.
    bool readMore();
    void parse(bool atEnd);
    void parseBeast(bool atEnd);
    void parseLines(bool atEnd);
    void parseAvrLine(const QByteArray& line);
    void parseCsvLine(const QByteArray& line);
    // Time of a receiver stamp in the reader's time base; false for no stamp.
    bool stampTime(quint64 stamp, qint64* timeUs) const;

    QFile _file;
    QString _error;
    Format _format = Format::None;
    TimeBase _timeBase = TimeBase::Epoch;
    QByteArray _buffer;
    std::deque<RecordedReply> _ready;
    quint64 _errors = 0;
    bool _markerSeen = false;
    qint64 _markerUs = 0;
    bool _firstLine = true;
};

#endif  // VELTMAR_RECORDINGREADER_H
