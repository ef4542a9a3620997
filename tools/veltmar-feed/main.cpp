// veltmar-feed: a receiver's feed without a receiver. The work is done by the feedgen library
// (scene, recordings, encoders, framings) and the feedio classes (outputs, pacing, options);
// this wires them together for one run.

#include <atomic>
#include <csignal>
#include <cstdio>
#include <memory>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QTimer>

#include "feedgen/AvrWriter.h"
#include "feedgen/BeastWriter.h"
#include "feedgen/Impairments.h"
#include "feedgen/Recording.h"
#include "feedgen/Scene.h"
#include "feedio/AircraftDatabase.h"
#include "feedio/FeedOptions.h"
#include "feedio/FileOutput.h"
#include "feedio/Player.h"
#include "feedio/TcpServerOutput.h"
#include "feedio/UdpOutput.h"

namespace {

std::atomic<bool> gStopRequested{false};

void requestStop(int) {
    gStopRequested = true;
}

void say(const QString& line) {
    std::fprintf(stderr, "veltmar-feed: %s\n", qPrintable(line));
}

std::unique_ptr<feedgen::TransmissionSource> makeSource(const feedio::FeedOptions& o, qint64 startNs,
                                                        feedgen::Scene*& scene,
                                                        feedgen::Recording*& recording) {
    if (o.source == feedio::FeedOptions::Source::Replay) {
        feedgen::RecordingConfig config;
        config.path = o.recording.toStdString();
        config.format = o.inputFormat;
        config.clock = o.clock;
        config.anchorNs = startNs;
        config.maxGapSeconds = o.maxGapSeconds;
        config.loop = o.loop;
        auto replay = std::make_unique<feedgen::Recording>(config);
        if (!replay->ok()) {
            say(QString::fromStdString(replay->error()));
            return nullptr;
        }
        recording = replay.get();
        return replay;
    }
    feedgen::SceneConfig config;
    config.aircraft = o.aircraft;
    config.onGround = o.onGround;
    config.centre = o.centre;
    config.radiusNm = o.radiusNm;
    config.seed = o.seed;
    config.startNs = startNs;
    config.modeSReplies = o.modeSReplies;
    config.mismatchedPairsPerSecond = o.badPairsPerSecond;
    config.arrivals = o.source == feedio::FeedOptions::Source::Arrivals;
    config.lifetimeSeconds = o.lifetimeSeconds;
    config.expirySeconds = o.expirySeconds;
    config.maxAlive = o.maxAlive;
    if (!config.arrivals) {
        const QString path = o.database.isEmpty()
                                 ? QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("avistore.db"))
                                 : o.database;
        QString error;
        if (!feedio::loadAircraft(path, config.database, error))
            say(QStringLiteral("%1: flying made-up aircraft").arg(error));
    }
    auto simulated = std::make_unique<feedgen::Scene>(config);
    scene = simulated.get();
    if (!o.quiet) {
        say(config.arrivals
                ? QStringLiteral("%1 aircraft arriving every %2 s, each flying %3 s")
                      .arg(o.aircraft).arg(simulated->arrivalIntervalSeconds(), 0, 'f', 3).arg(o.lifetimeSeconds)
                : QStringLiteral("%1 aircraft around %2, %3 (%4 from the aviation database)")
                      .arg(simulated->aircraft().size()).arg(o.centre.latitude).arg(o.centre.longitude)
                      .arg(config.database.empty() ? 0 : simulated->aircraft().size()));
    }
    return simulated;
}

std::unique_ptr<feedio::FeedOutput> makeOutput(const feedio::FeedOptions& o) {
    if (o.tcpPort) {
        auto server = std::make_unique<feedio::TcpServerOutput>(QHostAddress::Any, *o.tcpPort);
        server->setMaxBacklog(o.maxBacklogBytes);
        return server;
    }
    if (!o.udpHost.isEmpty())
        return std::make_unique<feedio::UdpOutput>(o.udpHost, o.udpPort);
    return std::make_unique<feedio::FileOutput>(o.outFile);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("veltmar-feed"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELTMAR_VERSION));

    feedio::FeedOptions o;
    QString text;
    switch (feedio::parseFeedOptions(QCoreApplication::arguments(), o, text)) {
    case feedio::ParseResult::Help:
    case feedio::ParseResult::Version:
        std::fprintf(stdout, "%s\n", qPrintable(text));
        return 0;
    case feedio::ParseResult::Error:
        say(text);
        std::fprintf(stderr, "Try 'veltmar-feed --help'.\n");
        return 2;
    case feedio::ParseResult::Ok:
        break;
    }

    const qint64 startNs = o.startTimeNs.value_or(QDateTime::currentMSecsSinceEpoch() * 1000000);
    feedgen::Scene* scene = nullptr;
    feedgen::Recording* recording = nullptr;
    std::unique_ptr<feedgen::TransmissionSource> source = makeSource(o, startNs, scene, recording);
    if (!source)
        return 1;
    std::unique_ptr<feedgen::Impairments> impairments;
    feedgen::TransmissionSource* played = source.get();
    if (o.bitErrorShare > 0 || o.damagedPerSecond > 0 || o.noisePerSecond > 0) {
        feedgen::ImpairmentConfig config;
        config.bitErrorShare = o.bitErrorShare;
        config.bitErrorBits = o.bitErrorBits;
        config.damagedSquittersPerSecond = o.damagedPerSecond;
        config.noiseFramesPerSecond = o.noisePerSecond;
        config.seed = o.seed + 1;
        impairments = std::make_unique<feedgen::Impairments>(*source, config);
        played = impairments.get();
    }

    const feedgen::ReceiverClock clock(o.clock, startNs);
    std::unique_ptr<feedgen::FrameWriter> writer;
    if (o.format == feedio::FeedOptions::Format::Avr)
        writer = std::make_unique<feedgen::AvrWriter>(clock, o.avrTimeStamps);
    else
        writer = std::make_unique<feedgen::BeastWriter>(clock);

    std::unique_ptr<feedio::FeedOutput> output = makeOutput(o);
    QObject::connect(output.get(), &feedio::FeedOutput::message, [&](const QString& line) {
        if (!o.quiet)
            say(line);
    });
    QObject::connect(output.get(), &feedio::FeedOutput::failed, [](const QString& line) { say(line); });
    if (!output->open())
        return 1;

    feedio::Player player(*played, *writer, *output, o.pacing);
    QObject::connect(&player, &feedio::Player::finished, &app, &QCoreApplication::quit);
    auto* server = qobject_cast<feedio::TcpServerOutput*>(output.get());
    if (o.waitForClient && server != nullptr) {
        QObject::connect(server, &feedio::TcpServerOutput::clientConnected, &player, &feedio::Player::start,
                         Qt::QueuedConnection);
        if (!o.quiet)
            say(QStringLiteral("waiting for a client"));
    } else {
        QTimer::singleShot(0, &player, &feedio::Player::start);
    }

    // Progress every ten seconds, and a clean end on Ctrl-C or a termination request, so that a
    // file output is complete up to its last frame.
    QTimer progress;
    QObject::connect(&progress, &QTimer::timeout, [&] {
        say(QStringLiteral("%1 frames, %2 s of stream%3")
                .arg(player.framesSent()).arg(player.streamSeconds(), 0, 'f', 1)
                .arg(server ? QStringLiteral(", clients: %1").arg(server->clientCount()) : QString()));
    });
    if (!o.quiet)
        progress.start(10000);
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    QTimer stopWatch;
    QObject::connect(&stopWatch, &QTimer::timeout, [&] {
        if (gStopRequested)
            app.quit();
    });
    stopWatch.start(100);

    // At the end of the stream the player has delivered everything; on a stop request what is
    // still buffered for clients is dropped (a file keeps all that was written).
    const int status = app.exec();
    player.stop();
    if (!o.quiet) {
        QString summary = QStringLiteral("sent %1 frames (%2 bytes), %3 s of stream")
                              .arg(player.framesSent()).arg(player.bytesSent()).arg(player.streamSeconds(), 0, 'f', 1);
        if (recording != nullptr)
            summary += QStringLiteral("; %1 malformed pieces skipped in the recording").arg(recording->errors());
        if (scene != nullptr && scene->mismatchedPairs() > 0)
            summary += QStringLiteral("; %1 mismatched CPR pairs").arg(scene->mismatchedPairs());
        if (impairments) {
            const auto& c = impairments->counts();
            summary += QStringLiteral("; %1 frames with bit errors, %2 damaged squitters, %3 noise frames")
                           .arg(c.framesWithBitErrors).arg(c.damagedSquitters).arg(c.noiseFrames);
        }
        say(summary);
    }
    return status;
}
