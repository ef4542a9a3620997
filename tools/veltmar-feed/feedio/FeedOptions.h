#ifndef FEEDIO_FEEDOPTIONS_H
#define FEEDIO_FEEDOPTIONS_H

// The command line of veltmar-feed, read into plain values. Every option is described by
// --help; the defaults are those of FeedOptions.

#include <optional>

#include <QString>
#include <QStringList>

#include "feedgen/Geo.h"
#include "feedgen/ReceiverClock.h"
#include "feedgen/RecordingReader.h"
#include "feedio/Player.h"

namespace feedio {

struct FeedOptions {
    enum class Source { Scene, Replay, Arrivals };
    enum class Format { Beast, Avr };

    Source source = Source::Scene;
    // Scene and arrivals.
    size_t aircraft = 150;
    std::optional<size_t> onGround;
    feedgen::GeoPoint centre{50.0333, 8.5706};
    double radiusNm = 120;
    quint64 seed = 1;
    QString database;  // empty: avistore.db beside the program
    bool modeSReplies = true;
    double badPairsPerSecond = 0;
    double lifetimeSeconds = 120;
    double expirySeconds = 60;
    size_t maxAlive = 1000;
    // Damage on any source.
    double bitErrorShare = 0;
    unsigned bitErrorBits = 1;
    double damagedPerSecond = 0;
    double noisePerSecond = 0;
    // Replay.
    QString recording;
    std::optional<feedgen::RecordingFormat> inputFormat;
    bool loop = false;
    double maxGapSeconds = 10;
    // Pacing.
    Pacing pacing;
    std::optional<qint64> startTimeNs;  // nothing: now
    bool waitForClient = false;
    // Output.
    Format format = Format::Beast;
    feedgen::ClockKind clock = feedgen::ClockKind::Counter12MHz;
    bool avrTimeStamps = false;
    std::optional<quint16> tcpPort;
    QString udpHost;
    quint16 udpPort = 0;
    QString outFile;
    qint64 maxBacklogBytes = 1024 * 1024;
    bool quiet = false;
};

enum class ParseResult { Ok, Help, Version, Error };

// Reads the arguments (the first being the program's name). On Help and Version `text` is the
// help or version text to print; on Error it says what is wrong. `options` is filled on Ok only.
ParseResult parseFeedOptions(const QStringList& arguments, FeedOptions& options, QString& text);

// "2024-06-01T12:00:00Z" (ISO 8601, UTC unless it says otherwise) or seconds since the epoch
// ("1717243200", "1717243200.5") as nanoseconds since the epoch; nothing for anything else.
std::optional<qint64> parseTime(const QString& text);

}  // namespace feedio

#endif  // FEEDIO_FEEDOPTIONS_H
