// Recording and replay: what the recorder writes, the formats the replay reads, its pace, and a
// recorded session played back through the pipeline giving the same targets.
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include <modes/ADSBTarget.h>
#include <modes/ADSBTracker.h>
#include <modes/ModeSDecoder.h>

#include "BeastFramer.h"
#include "InputTestSupport.h"
#include "NetworkTestSupport.h"
#include "OutputTestSupport.h"
#include "ProcessingPipeline.h"
#include "RecordingReader.h"
#include "ReplaySource.h"
#include "SessionRecorder.h"

using namespace brannic::modes;
using nettest::waitUntil;
using testsupport::hex;

namespace {

struct RecordingTest : ::testing::Test {
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    QString write(const char* name, const QByteArray& bytes) const {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }

    static std::vector<RecordedReply> readAll(const QString& file, RecordingReader* reader = nullptr) {
        RecordingReader own;
        RecordingReader& r = reader ? *reader : own;
        EXPECT_TRUE(r.open(file)) << r.errorString().toStdString();
        std::vector<RecordedReply> out;
        RecordedReply reply;
        while (r.next(reply))
            out.push_back(reply);
        return out;
    }

    // Records the 406B90 frames as the program does, each with its receive time.
    QString record406B90(const std::vector<ModeSFrame>& frames) const {
        SessionRecorder recorder;
        EXPECT_TRUE(recorder.start(path("session.beast")));
        for (const ModeSFrame& f : frames)
            recorder.record(f);
        recorder.stop();
        return recorder.path();
    }
};

TEST_F(RecordingTest, RecorderWritesBeastFramesAfterReceiveTimeMarkers) {
    SessionRecorder recorder;
    QStringList log;
    QObject::connect(&recorder, &SessionRecorder::message,
                     [&](const QString& text, bool) { log << text; });
    ASSERT_TRUE(recorder.start(path("small.beast")));
    EXPECT_EQ(log.last(), QStringLiteral("Recording to %1.").arg(path("small.beast")));
    ModeSFrame a;
    a.reply = hex("5D406B90C94FC3");
    a.receiveTime = 0x0000018E1A1A3C1AULL;
    a.stamp = 0x00000000001AULL;
    a.hasSignal = true;
    a.signal = 0x40;
    ModeSFrame b = a;  // same chunk: no new marker
    b.reply = hex("8D406B902015A678D4D220AA4BDA");
    ModeSFrame c = a;  // a later chunk
    c.receiveTime += 5;
    recorder.record(a);
    recorder.record(b);
    recorder.record(c);
    EXPECT_EQ(recorder.replies(), 3u);
    recorder.stop();
    QFile f(path("small.beast"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(quint64(bytes.size()), recorder.size());
    EXPECT_EQ(bytes, hex("1a 54 0000018e1a1a1a1a3c1a1a"
                         "1a 32 00000000001a1a 40 5d406b90c94fc3"
                         "1a 33 00000000001a1a 40 8d406b902015a678d4d220aa4bda"
                         "1a 54 0000018e1a1a1a1a3c1f"
                         "1a 32 00000000001a1a 40 5d406b90c94fc3"));
    EXPECT_EQ(log.last(),
              QStringLiteral("Recording to %1 stopped: 3 replies, %2 bytes.")
                  .arg(path("small.beast"))
                  .arg(bytes.size()));
    // Readers of plain Beast step over the markers.
    BeastFramer framer;
    framer.setPlaybackMode(true);
    int frames = 0;
    framer.feed(bytes, 1, [&](const ModeSFrame&) { return ++frames > 0; });
    EXPECT_EQ(frames, 3);
    // Our reader takes each reply's time from its marker.
    RecordingReader reader;
    const auto replies = readAll(f.fileName(), &reader);
    EXPECT_EQ(reader.format(), RecordingReader::Format::Veltmar);
    ASSERT_EQ(replies.size(), 3u);
    EXPECT_EQ(replies[0].timeUs, qint64(0x0000018E1A1A3C1AULL) * 1000);
    EXPECT_EQ(replies[1].timeUs, replies[0].timeUs);
    EXPECT_EQ(replies[2].timeUs, qint64(0x0000018E1A1A3C1FULL) * 1000);
    EXPECT_EQ(replies[1].reply, b.reply);
    EXPECT_EQ(replies[2].stamp, 0x1Au);
    EXPECT_EQ(replies[2].signal, 0x40);
    EXPECT_EQ(reader.errors(), 0u);
}

TEST_F(RecordingTest, RecordingFailsOnAFolderItCannotWrite) {
    SessionRecorder recorder;
    QStringList log;
    QObject::connect(&recorder, &SessionRecorder::message,
                     [&](const QString& text, bool) { log << text; });
    EXPECT_FALSE(recorder.start(dir.filePath(QStringLiteral("no/such/folder/x.beast"))));
    EXPECT_FALSE(recorder.isRecording());
    ASSERT_FALSE(log.isEmpty());
    EXPECT_TRUE(log.last().startsWith(QStringLiteral("Failed to open recording file")));
    ModeSFrame f;
    f.reply = hex("5D406B90C94FC3");
    recorder.record(f);  // ignored
    EXPECT_EQ(recorder.replies(), 0u);
}

TEST_F(RecordingTest, ReaderTellsTheFormatsAndTheirTimes) {
    // A plain Beast dump with 12 MHz counter stamps, a status frame and some garbage.
    const QByteArray beast = hex("ff00"
                                 "1a 32 0000ffffffff 10 5d406b90c94fc3"
                                 "1a 34 000000000000 00 0000000000000000000000000000"
                                 // 12,000,000 ticks later: 1 s
                                 "1a 33 000100b71a1aff 20 8d406b902015a678d4d220aa4bda");
    RecordingReader reader;
    auto replies = readAll(write("dump.bin", beast), &reader);
    EXPECT_EQ(reader.format(), RecordingReader::Format::Beast);
    EXPECT_EQ(reader.timeBase(), RecordingReader::TimeBase::Counter);
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(replies[1].timeUs - replies[0].timeUs, 1000000);
    EXPECT_EQ(replies[1].signal, 0x20);
    EXPECT_EQ(reader.errors(), 1u);  // the bytes before the first frame

    // GPS time-of-day stamps: 10:00:00.5 and 10:00:01.5.
    const quint64 t0 = (quint64(36000) << 30) | 500000000u;
    const quint64 t1 = (quint64(36001) << 30) | 500000000u;
    auto stampHex = [](quint64 s) {
        return QByteArray::number(s, 16).rightJustified(12, '0');
    };
    const QByteArray gps = hex("1a32" + stampHex(t0) + "105d406b90c94fc3" + "1a32" + stampHex(t1) +
                               "105d406b90c94fc3");
    replies = readAll(write("gps.bin", gps), &reader);
    EXPECT_EQ(reader.timeBase(), RecordingReader::TimeBase::TimeOfDay);
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(replies[0].timeUs, 36000500000LL);
    EXPECT_EQ(replies[1].timeUs - replies[0].timeUs, 1000000);

    // AVR text, with and without stamps.
    const QByteArray avr = "*8D406B902015A678D4D220AA4BDA;\r\n"
                           "?receiver says hello\n"
                           "@000000B71B008D406B902015A678D4D220AA4BDA;\n"
                           "bad line\n"
                           ":5D406B90C94FC3;";
    replies = readAll(write("feed.avr", avr), &reader);
    EXPECT_EQ(reader.format(), RecordingReader::Format::Avr);
    ASSERT_EQ(replies.size(), 3u);
    EXPECT_FALSE(replies[0].timed);
    EXPECT_TRUE(replies[1].timed);
    EXPECT_EQ(replies[1].stamp, 0xB71B00u);
    EXPECT_EQ(replies[2].reply, hex("5D406B90C94FC3"));
    EXPECT_EQ(reader.errors(), 1u);

    // CSV of hex frames with times, both layouts, a header and a comment.
    const QByteArray csv = "time,frame\n"
                           "# comment\n"
                           "1457996400,\"8D406B909945DE10000405999BE4\",\"406B90\",19\n"
                           "1495353600.25,406674,A8000D9FA55A032DBFFC000D8123\n"
                           "nonsense\n";
    replies = readAll(write("frames.csv", csv), &reader);
    EXPECT_EQ(reader.format(), RecordingReader::Format::Csv);
    EXPECT_EQ(reader.timeBase(), RecordingReader::TimeBase::Epoch);
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(replies[0].timeUs, 1457996400000000LL);
    EXPECT_EQ(replies[1].timeUs, 1495353600250000LL);
    EXPECT_EQ(replies[1].reply, hex("A8000D9FA55A032DBFFC000D8123"));
    EXPECT_EQ(reader.errors(), 1u);

    // Nothing to read.
    EXPECT_FALSE(reader.open(write("empty.csv", "\n\n")));
    EXPECT_FALSE(reader.open(path("missing.csv")));
}

TEST_F(RecordingTest, ReaderGivesTheSameRepliesHoweverTheFileIsCut) {
    // A recording larger than one read, so that frames straddle the reads.
    std::vector<ModeSFrame> frames = nettest::load406B90();
    std::vector<ModeSFrame> many;
    for (int round = 0; round < 3; ++round) {
        for (ModeSFrame f : frames) {
            f.receiveTime += quint64(round) * 1000000;
            many.push_back(f);
        }
    }
    const QString file = record406B90(many);
    ASSERT_GT(QFileInfo(file).size(), RecordingReader::kReadBytes);
    RecordingReader reader;
    const auto replies = readAll(file, &reader);
    ASSERT_EQ(replies.size(), many.size());
    for (size_t i = 0; i < many.size(); ++i) {
        ASSERT_EQ(replies[i].reply, many[i].reply) << i;
        ASSERT_EQ(replies[i].timeUs, qint64(many[i].receiveTime) * 1000) << i;
        ASSERT_EQ(replies[i].stamp, many[i].stamp) << i;
    }
    EXPECT_EQ(reader.errors(), 0u);
}

// The targets of a tracker as comparable values.
struct TargetState {
    std::string callsign;
    double latitude;
    double longitude;
    int32_t altitude;
    bool operator==(const TargetState& o) const {
        return callsign == o.callsign && latitude == o.latitude && longitude == o.longitude &&
               altitude == o.altitude;
    }
};

std::map<uint32_t, TargetState> targetsOf(const ADSBTracker& tracker) {
    std::map<uint32_t, TargetState> out;
    for (const ADSBTarget& t : tracker.allTargets())
        out[t.icaoAddr()] = {t.callsign(), t.latitude(), t.longitude(), t.altitudeBaro()};
    return out;
}

TEST_F(RecordingTest, RecordThenReplayGivesTheSameTargetsPositionsAndReplies) {
    outputtest::QuietLibraryLog quiet;
    const std::vector<ModeSFrame> frames = nettest::load406B90();
    // The session as it ran: every reply through the pipeline, and recorded.
    ModeSDecoder liveDecoder;
    ADSBTracker liveTracker;
    ProcessingPipeline live(liveDecoder, liveTracker);
    std::vector<std::pair<double, double>> livePositions;
    live.setTrackedReplyObserver([&](const ModeSMessage& m, const ADSBTarget& t) {
        if (t.positionValid() && t.positionLastUpdate() == m.timeStamp())
            livePositions.emplace_back(t.latitude(), t.longitude());
    });
    for (const ModeSFrame& f : frames) {
        ModeSRow row;
        live.processModeSReply(f.reply, f.timeStamp, f.hasSignal, f.signal, row);
    }
    const QString file = record406B90(frames);

    // The replay, as fast as possible, through a pipeline of its own.
    ModeSDecoder decoder;
    ADSBTracker tracker;
    ProcessingPipeline pipeline(decoder, tracker);
    std::vector<std::pair<double, double>> positions;
    pipeline.setTrackedReplyObserver([&](const ModeSMessage& m, const ADSBTarget& t) {
        if (t.positionValid() && t.positionLastUpdate() == m.timeStamp())
            positions.emplace_back(t.latitude(), t.longitude());
    });
    ReplaySource replay;
    replay.setFile(file);
    replay.setSpeed(0);
    std::vector<ModeSFrame> replayed;
    QObject::connect(&replay, &ReplaySource::frameReplayed, [&](const ModeSFrame& f) {
        replayed.push_back(f);
        ModeSRow row;
        pipeline.processModeSReply(f.reply, f.timeStamp, f.hasSignal, f.signal, row);
    });
    QSignalSpy finished(&replay, &ReplaySource::finished);
    testsupport::SourceSpies spies(&replay);
    const quint64 before = InputSource::currentTimeMs();
    replay.start();
    EXPECT_EQ(spies.lastLog(), QStringLiteral("Replaying session.beast (Veltmar recording)."));
    EXPECT_EQ(spies.lastActions(), testsupport::kRunning);
    ASSERT_TRUE(finished.wait(30000) || finished.count() == 1);
    EXPECT_EQ(spies.lastLog(), QStringLiteral("Replay of session.beast finished: 2000 replies."));

    ASSERT_EQ(replayed.size(), frames.size());
    EXPECT_EQ(pipeline.decodedTotal(), live.decodedTotal());
    for (size_t i = 0; i < frames.size(); ++i) {
        ASSERT_EQ(replayed[i].reply, frames[i].reply);
        ASSERT_EQ(replayed[i].stamp, frames[i].stamp);
        ASSERT_EQ(replayed[i].signal, frames[i].signal);
        // Stamped with the time it was replayed.
        ASSERT_GE(replayed[i].timeStamp, before);
        ASSERT_LE(replayed[i].timeStamp, InputSource::currentTimeMs());
    }
    const auto liveTargets = targetsOf(liveTracker);
    const auto replayTargets = targetsOf(tracker);
    ASSERT_EQ(replayTargets.size(), 1u);
    EXPECT_TRUE(liveTargets == replayTargets);
    EXPECT_EQ(replayTargets.begin()->second.callsign, "EZY85MH ");
    // The session's positions come again and end where they ended. Replayed as fast as possible,
    // the replies come within milliseconds of each other, so the tracker pairs position reports
    // that were more than its 10 s apart as recorded: positions in between may differ.
    const auto distinct = [](std::vector<std::pair<double, double>> v) {
        v.erase(std::unique(v.begin(), v.end()), v.end());
        return v;
    };
    const auto liveSeq = distinct(livePositions);
    const auto replaySeq = distinct(positions);
    ASSERT_GT(liveSeq.size(), 500u);
    // Many replies now share a millisecond, so fewer distinct positions are told apart.
    EXPECT_GE(replaySeq.size(), liveSeq.size() / 3);
    EXPECT_EQ(replaySeq.back(), liveSeq.back());
    EXPECT_EQ(replay.recordingTimeText(), QStringLiteral("2016-03-14 23:12:10 UTC"));
    // The source stays started until it is stopped.
    EXPECT_TRUE(replay.isActive());
    replay.stop();
    EXPECT_EQ(spies.lastLog(), QStringLiteral("Replay of session.beast stopped."));
    EXPECT_EQ(spies.lastActions(), testsupport::kIdle);
}

TEST_F(RecordingTest, ReplayKeepsTheRecordingsPaceScaledBySpeed) {
    // Five replies 400 ms apart in a CSV recording: 1.6 s at 1x, 0.16 s at 10x.
    QByteArray csv;
    for (int i = 0; i < 5; ++i) {
        csv += QByteArray::number(1457996400.0 + 0.4 * i, 'f', 1) +
               ",\"8D406B902015A678D4D220AA4BDA\"\n";
    }
    const QString file = write("paced.csv", csv);
    for (const double speed : {1.0, 10.0}) {
        ReplaySource replay;
        replay.setFile(file);
        replay.setSpeed(speed);
        std::vector<qint64> at;
        QElapsedTimer clock;
        QObject::connect(&replay, &ReplaySource::frameReplayed, [&](const ModeSFrame& f) {
            at.push_back(clock.elapsed());
            EXPECT_EQ(f.stamp, 0u);  // CSV replies carry no receiver stamp
            EXPECT_FALSE(f.hasSignal);
        });
        QSignalSpy finished(&replay, &ReplaySource::finished);
        clock.start();
        replay.start();
        ASSERT_TRUE(finished.wait(10000));
        ASSERT_EQ(at.size(), 5u);
        const double span = 1600.0 / speed;
        EXPECT_GE(at.back() - at.front(), span - 20) << speed;
        EXPECT_LE(at.back() - at.front(), span + 250) << speed;
        EXPECT_EQ(replay.recordingTimeText(), QStringLiteral("2016-03-14 23:00:01 UTC"));
    }
}

TEST_F(RecordingTest, PausedReplayDeliversNothingUntilResumed) {
    QByteArray csv;
    for (int i = 0; i < 20; ++i)
        csv += QByteArray::number(1457996400 + i) + ",8D406B902015A678D4D220AA4BDA\n";
    ReplaySource replay;
    replay.setFile(write("pause.csv", csv));
    replay.setSpeed(1);
    int delivered = 0;
    QObject::connect(&replay, &ReplaySource::frameReplayed, [&](const ModeSFrame&) {
        if (++delivered == 2)
            replay.setPaused(true);
    });
    replay.start();
    ASSERT_TRUE(waitUntil([&] { return delivered == 2; }, 5000));
    QTest::qWait(1500);
    EXPECT_EQ(delivered, 2);
    EXPECT_TRUE(replay.isPaused());
    // Resumed as fast as possible: the rest comes at once.
    replay.setSpeed(0);
    replay.setPaused(false);
    ASSERT_TRUE(waitUntil([&] { return replay.isFinished(); }, 5000));
    EXPECT_EQ(delivered, 20);
}

TEST_F(RecordingTest, ReplayOfAMissingFileSaysWhy) {
    ReplaySource replay;
    testsupport::SourceSpies spies(&replay);
    replay.setFile(path("missing.beast"));
    replay.start();
    EXPECT_FALSE(replay.isActive());
    EXPECT_TRUE(spies.lastLog().startsWith(
        QStringLiteral("Failed to open recording %1: ").arg(path("missing.beast"))));
    EXPECT_EQ(spies.lastActions(), testsupport::kIdle);
}

}  // namespace
