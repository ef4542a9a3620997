#include "feedio/FeedOptions.h"

#include <cmath>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>

namespace feedio {

namespace {

constexpr quint16 kDemoPort = 31005;

struct Reader {
    QCommandLineParser& parser;
    QString error;

    bool number(const QString& name, double low, double high, double& out) {
        if (!parser.isSet(name))
            return true;
        bool ok = false;
        const double value = parser.value(name).toDouble(&ok);
        if (!ok || !std::isfinite(value) || value < low || value > high) {
            error = QStringLiteral("--%1 takes a number from %2 to %3, not \"%4\"")
                        .arg(name).arg(low).arg(high).arg(parser.value(name));
            return false;
        }
        out = value;
        return true;
    }

    template <typename Integer>
    bool integer(const QString& name, double low, double high, Integer& out) {
        double value = static_cast<double>(out);
        if (!number(name, low, high, value))
            return false;
        if (value != std::floor(value)) {
            error = QStringLiteral("--%1 takes a whole number, not \"%2\"").arg(name, parser.value(name));
            return false;
        }
        out = static_cast<Integer>(value);
        return true;
    }
};

// "host:port" with a port of 1 to 65535.
bool hostAndPort(const QString& text, QString& host, quint16& port) {
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    bool ok = false;
    const uint value = text.mid(colon + 1).toUInt(&ok);
    if (!ok || value == 0 || value > 65535)
        return false;
    host = text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);  // [::1]:30005
    port = static_cast<quint16>(value);
    return true;
}

}  // namespace

std::optional<qint64> parseTime(const QString& text) {
    // Seconds since 1970, whole or with up to nine decimals, read exactly.
    const QStringList parts = text.split(QLatin1Char('.'));
    bool wholeOk = false;
    const qint64 whole = parts.first().toLongLong(&wholeOk);
    if (wholeOk && !parts.first().startsWith(QLatin1Char('-')) && whole <= 9000000000LL &&
        parts.size() <= 2) {
        qint64 nanos = 0;
        if (parts.size() == 2) {
            const QString fraction = parts[1];
            bool fractionOk = !fraction.isEmpty() && fraction.size() <= 9;
            for (QChar c : fraction)
                fractionOk = fractionOk && c.isDigit();
            if (!fractionOk)
                return std::nullopt;
            nanos = fraction.leftJustified(9, QLatin1Char('0')).toLongLong();
        }
        return whole * 1000000000LL + nanos;
    }
    QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!time.isValid())
        return std::nullopt;
    if (time.timeSpec() == Qt::LocalTime)
        time.setTimeSpec(Qt::UTC);
    return time.toMSecsSinceEpoch() * 1000000;
}

ParseResult parseFeedOptions(const QStringList& arguments, FeedOptions& options, QString& text) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A receiver's feed without a receiver: simulates aircraft around a reference point, or "
        "replays a recording, and serves the Mode S replies as Mode-S Beast binary or AVR text over "
        "TCP (as a server), UDP, a file or stdout.\n\n"
        "Examples:\n"
        "  veltmar-feed --demo                       150 aircraft around Frankfurt, Beast on TCP port 31005\n"
        "  veltmar-feed --scene 500 --duration 120 --fast --out scene500.beast\n"
        "  veltmar-feed --replay scene500.beast --tcp 30005 --rate 20000 --wait-client\n"
        "  veltmar-feed --arrivals 20000 --fast --out mixed.beast\n"
        "  veltmar-feed --replay flight.csv --speed 10 --format avr --udp 127.0.0.1:30002"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("demo"), QStringLiteral("The demonstration feed: a scene of 150 aircraft served as Beast on TCP port 31005.")},
        {QStringLiteral("scene"), QStringLiteral("Simulate <n> aircraft (the default source, 150)."), QStringLiteral("n")},
        {QStringLiteral("replay"), QStringLiteral("Replay a recording: Beast binary, AVR text or CSV of hex frames with times."), QStringLiteral("file")},
        {QStringLiteral("arrivals"), QStringLiteral("A stream for measurements: <n> aircraft arriving in turn, each flying --lifetime seconds, "
                                                    "no more than --max-alive of them held at once by a tracker that expires targets after --expiry seconds."),
         QStringLiteral("n")},
        {QStringLiteral("seed"), QStringLiteral("Seed of the scene and of the damage; the same seed gives the same stream (default 1)."), QStringLiteral("n")},
        {QStringLiteral("centre"), QStringLiteral("Reference point (receiver position) of the scene (default 50.0333,8.5706: Frankfurt/Main)."), QStringLiteral("lat,lon")},
        {QStringLiteral("radius"), QStringLiteral("Airborne aircraft stay within this many NM of the centre (default 120)."), QStringLiteral("NM")},
        {QStringLiteral("ground"), QStringLiteral("Aircraft on the ground at airports near the centre (default one in 25)."), QStringLiteral("n")},
        {QStringLiteral("db"), QStringLiteral("Aviation database to take aircraft from (default avistore.db beside the program; made-up aircraft without one)."), QStringLiteral("file")},
        {QStringLiteral("adsb-only"), QStringLiteral("Extended squitters only: no DF0, DF4, DF5, DF11, DF20 or DF21 replies.")},
        {QStringLiteral("bad-pairs"), QStringLiteral("Inject mismatched CPR pairs (a position report of a position far away), <rate> per second."), QStringLiteral("rate")},
        {QStringLiteral("lifetime"), QStringLiteral("Arrivals: seconds each aircraft flies (default 120)."), QStringLiteral("s")},
        {QStringLiteral("expiry"), QStringLiteral("Arrivals: the tracker's expiry the spacing is chosen for (default 60)."), QStringLiteral("s")},
        {QStringLiteral("max-alive"), QStringLiteral("Arrivals: targets held at once at the most (default 1000)."), QStringLiteral("n")},
        {QStringLiteral("bit-errors"), QStringLiteral("Share of frames (0 to 1) with --error-bits bits flipped."), QStringLiteral("share")},
        {QStringLiteral("error-bits"), QStringLiteral("Bits flipped in each frame hit by --bit-errors: 1, 2 or 3 (default 1)."), QStringLiteral("n")},
        {QStringLiteral("damaged"), QStringLiteral("Extended squitters damaged by two or three bits, <rate> per second."), QStringLiteral("rate")},
        {QStringLiteral("noise"), QStringLiteral("Random noise frames, <rate> per second."), QStringLiteral("rate")},
        {QStringLiteral("input-format"), QStringLiteral("Format of the recording: beast, avr or csv (default: from its first byte)."), QStringLiteral("format")},
        {QStringLiteral("loop"), QStringLiteral("Replay the recording again and again.")},
        {QStringLiteral("max-gap"), QStringLiteral("Replay: longer silences in the recording are cut to this (default 10)."), QStringLiteral("s")},
        {QStringLiteral("speed"), QStringLiteral("Play <x> times faster than the stream's time (default 1, real time)."), QStringLiteral("x")},
        {QStringLiteral("rate"), QStringLiteral("Play at a fixed <n> frames per second, whatever the stream's times."), QStringLiteral("n")},
        {QStringLiteral("fast"), QStringLiteral("Play as fast as the output takes it.")},
        {QStringLiteral("duration"), QStringLiteral("Stop after <s> seconds of stream time."), QStringLiteral("s")},
        {QStringLiteral("start-time"), QStringLiteral("Stream time 0: ISO 8601 UTC or seconds since 1970 (default now); with it a seeded stream is the same byte for byte."),
         QStringLiteral("time")},
        {QStringLiteral("wait-client"), QStringLiteral("With --tcp: start playing when the first client connects.")},
        {QStringLiteral("format"), QStringLiteral("Output framing: beast or avr (default beast)."), QStringLiteral("format")},
        {QStringLiteral("clock"), QStringLiteral("Time stamps of Beast frames and AVR '@' lines, and how recordings' stamps are read: "
                                                 "counter (a 12 MHz counter, as most receivers) or gps (GPS time of day) (default counter)."),
         QStringLiteral("clock")},
        {QStringLiteral("avr-timestamps"), QStringLiteral("AVR lines with time stamps ('@') rather than without ('*').")},
        {QStringLiteral("tcp"), QStringLiteral("Serve on TCP <port> to any number of clients."), QStringLiteral("port")},
        {QStringLiteral("udp"), QStringLiteral("Send UDP datagrams to <host:port>."), QStringLiteral("host:port")},
        {QStringLiteral("out"), QStringLiteral("Write to <file>, or to stdout for \"-\"."), QStringLiteral("file")},
        {QStringLiteral("max-backlog"), QStringLiteral("TCP: drop a client with more than <KiB> waiting for it (default 1024)."), QStringLiteral("KiB")},
        {QStringLiteral("quiet"), QStringLiteral("No progress lines on stderr.")},
    });

    if (!parser.parse(arguments)) {
        text = parser.errorText();
        return ParseResult::Error;
    }
    if (parser.isSet(help)) {
        text = parser.helpText();
        return ParseResult::Help;
    }
    if (parser.isSet(version)) {
        text = QStringLiteral("%1 %2").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
        return ParseResult::Version;
    }
    if (!parser.positionalArguments().isEmpty()) {
        text = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return ParseResult::Error;
    }

    FeedOptions o;
    Reader read{parser, QString()};
    auto fail = [&](const QString& why) {
        text = why;
        return ParseResult::Error;
    };

    const int sources = parser.isSet(QStringLiteral("scene")) + parser.isSet(QStringLiteral("replay")) +
                        parser.isSet(QStringLiteral("arrivals"));
    if (sources > 1)
        return fail(QStringLiteral("choose one source: --scene, --replay or --arrivals"));
    if (parser.isSet(QStringLiteral("replay"))) {
        o.source = FeedOptions::Source::Replay;
        o.recording = parser.value(QStringLiteral("replay"));
    } else if (parser.isSet(QStringLiteral("arrivals"))) {
        o.source = FeedOptions::Source::Arrivals;
        if (!read.integer(QStringLiteral("arrivals"), 1, 1e7, o.aircraft))
            return fail(read.error);
    } else if (!read.integer(QStringLiteral("scene"), 0, 1e6, o.aircraft)) {
        return fail(read.error);
    }

    if (!read.integer(QStringLiteral("seed"), 0, 9007199254740992.0, o.seed) ||
        !read.number(QStringLiteral("radius"), 1, 1000, o.radiusNm) ||
        !read.number(QStringLiteral("bad-pairs"), 0, 1e5, o.badPairsPerSecond) ||
        !read.number(QStringLiteral("lifetime"), 1, 1e6, o.lifetimeSeconds) ||
        !read.number(QStringLiteral("expiry"), 0, 1e6, o.expirySeconds) ||
        !read.integer(QStringLiteral("max-alive"), 1, 1e7, o.maxAlive) ||
        !read.number(QStringLiteral("bit-errors"), 0, 1, o.bitErrorShare) ||
        !read.integer(QStringLiteral("error-bits"), 1, 3, o.bitErrorBits) ||
        !read.number(QStringLiteral("damaged"), 0, 1e6, o.damagedPerSecond) ||
        !read.number(QStringLiteral("noise"), 0, 1e6, o.noisePerSecond) ||
        !read.number(QStringLiteral("max-gap"), 0, 1e6, o.maxGapSeconds) ||
        !read.number(QStringLiteral("duration"), 0, 1e9, o.pacing.durationSeconds))
        return fail(read.error);
    if (parser.isSet(QStringLiteral("ground"))) {
        size_t ground = 0;
        if (!read.integer(QStringLiteral("ground"), 0, 1e6, ground))
            return fail(read.error);
        o.onGround = ground;
    }
    if (parser.isSet(QStringLiteral("centre"))) {
        const QStringList parts = parser.value(QStringLiteral("centre")).split(QLatin1Char(','));
        bool okLat = false;
        bool okLon = false;
        const double lat = parts.size() == 2 ? parts[0].toDouble(&okLat) : 0;
        const double lon = parts.size() == 2 ? parts[1].toDouble(&okLon) : 0;
        if (!okLat || !okLon || std::fabs(lat) > 85 || std::fabs(lon) > 180)
            return fail(QStringLiteral("--centre takes a latitude (up to 85°) and a longitude, as 50.03,8.57"));
        o.centre = {lat, lon};
    }
    o.database = parser.value(QStringLiteral("db"));
    o.modeSReplies = !parser.isSet(QStringLiteral("adsb-only"));
    o.loop = parser.isSet(QStringLiteral("loop"));
    if (parser.isSet(QStringLiteral("input-format"))) {
        const QString f = parser.value(QStringLiteral("input-format")).toLower();
        if (f == QLatin1String("beast"))
            o.inputFormat = feedgen::RecordingFormat::Beast;
        else if (f == QLatin1String("avr"))
            o.inputFormat = feedgen::RecordingFormat::Avr;
        else if (f == QLatin1String("csv"))
            o.inputFormat = feedgen::RecordingFormat::Csv;
        else
            return fail(QStringLiteral("--input-format is beast, avr or csv"));
    }

    const int pacings = parser.isSet(QStringLiteral("speed")) + parser.isSet(QStringLiteral("rate")) +
                        parser.isSet(QStringLiteral("fast"));
    if (pacings > 1)
        return fail(QStringLiteral("choose one pace: --speed, --rate or --fast"));
    if (parser.isSet(QStringLiteral("fast"))) {
        o.pacing.mode = Pacing::Mode::Fast;
    } else if (parser.isSet(QStringLiteral("rate"))) {
        o.pacing.mode = Pacing::Mode::Rate;
        if (!read.number(QStringLiteral("rate"), 0.001, 1e8, o.pacing.framesPerSecond))
            return fail(read.error);
    } else if (!read.number(QStringLiteral("speed"), 0.001, 1e6, o.pacing.speed)) {
        return fail(read.error);
    }
    if (parser.isSet(QStringLiteral("start-time"))) {
        o.startTimeNs = parseTime(parser.value(QStringLiteral("start-time")));
        if (!o.startTimeNs)
            return fail(QStringLiteral("--start-time takes an ISO 8601 time or seconds since 1970"));
    }

    const QString format = parser.value(QStringLiteral("format")).toLower();
    if (format == QLatin1String("avr"))
        o.format = FeedOptions::Format::Avr;
    else if (!format.isEmpty() && format != QLatin1String("beast"))
        return fail(QStringLiteral("--format is beast or avr"));
    const QString clock = parser.value(QStringLiteral("clock")).toLower();
    if (clock == QLatin1String("gps"))
        o.clock = feedgen::ClockKind::GpsTimeOfDay;
    else if (!clock.isEmpty() && clock != QLatin1String("counter"))
        return fail(QStringLiteral("--clock is counter or gps"));
    o.avrTimeStamps = parser.isSet(QStringLiteral("avr-timestamps"));
    o.quiet = parser.isSet(QStringLiteral("quiet"));

    if (parser.isSet(QStringLiteral("tcp"))) {
        quint16 port = 0;
        if (!read.integer(QStringLiteral("tcp"), 0, 65535, port))
            return fail(read.error);
        o.tcpPort = port;
    }
    if (parser.isSet(QStringLiteral("udp")) &&
        !hostAndPort(parser.value(QStringLiteral("udp")), o.udpHost, o.udpPort))
        return fail(QStringLiteral("--udp takes host:port"));
    o.outFile = parser.value(QStringLiteral("out"));
    double backlog = static_cast<double>(o.maxBacklogBytes) / 1024;
    if (!read.number(QStringLiteral("max-backlog"), 1, 1024 * 1024, backlog))
        return fail(read.error);
    o.maxBacklogBytes = static_cast<qint64>(backlog * 1024);
    o.waitForClient = parser.isSet(QStringLiteral("wait-client"));

    if (parser.isSet(QStringLiteral("demo"))) {
        if (sources > 0 && o.source != FeedOptions::Source::Scene)
            return fail(QStringLiteral("--demo is a scene; it does not go with --replay or --arrivals"));
        if (!o.tcpPort && o.udpHost.isEmpty() && o.outFile.isEmpty())
            o.tcpPort = kDemoPort;
    }
    const int outputs = (o.tcpPort ? 1 : 0) + (o.udpHost.isEmpty() ? 0 : 1) + (o.outFile.isEmpty() ? 0 : 1);
    if (outputs != 1)
        return fail(QStringLiteral("choose one output: --tcp <port>, --udp <host:port> or --out <file> (or --demo)"));
    if (o.waitForClient && !o.tcpPort)
        return fail(QStringLiteral("--wait-client goes with --tcp"));
    if (o.loop && o.source != FeedOptions::Source::Replay)
        return fail(QStringLiteral("--loop goes with --replay"));
    options = o;
    return ParseResult::Ok;
}

}  // namespace feedio
