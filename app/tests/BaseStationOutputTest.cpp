// The BaseStation (SBS-1) output: a real client on loopback reads the lines that the 406B90
// recording makes when it runs through the program's pipeline, and every field is checked
// against the tracker as the reply left it; the layout is checked against the published
// examples of the format.
#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>

#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <modes/ADSBTarget.h>
#include <modes/ADSBTracker.h>
#include <modes/ModeSDecoder.h>
#include <modes/ModeSMessage.h>

#include "BaseStationOutput.h"
#include "InputTestSupport.h"
#include "NetworkTestSupport.h"
#include "OutputTestSupport.h"
#include "ProcessingPipeline.h"

using namespace brannic::modes;
using nettest::Client;
using nettest::waitUntil;

namespace {

// What the tracker held right after a reply: the reference each line is checked against.
struct Snapshot {
    quint64 time;
    int type;  // worked out here from the reply bytes
    ADSBTarget target;
};

// The transmission type by the format's table, from the reply's first bytes.
int expectedType(const std::string& data) {
    const unsigned df = static_cast<unsigned char>(data[0]) >> 3;
    if (df == 17) {
        const unsigned tc = static_cast<unsigned char>(data[4]) >> 3;
        if (tc >= 1 && tc <= 4) return 1;
        if (tc >= 5 && tc <= 8) return 2;
        if ((tc >= 9 && tc <= 18) || (tc >= 20 && tc <= 22)) return 3;
        if (tc == 19) return 4;
        return 0;
    }
    return 0;
}

QStringList fieldsOf(const QString& line) {
    return line.split(QLatin1Char(','));
}

// The numbers (11..22) of the fields of a line that are not empty.
std::set<int> filled(const QStringList& fields) {
    std::set<int> out;
    for (int i = 10; i < fields.size(); ++i) {
        if (!fields[i].isEmpty())
            out.insert(i + 1);
    }
    return out;
}

// Lines of the published description of the BaseStation socket output, one per type.
const char* const kPublished[] = {
    "MSG,1,145,256,7404F2,11267,2008/11/28,23:48:18.611,2008/11/28,23:53:19.161,RJA1118,,,,,,,,,,,",
    "MSG,3,496,211,4CA2D6,10057,2008/11/28,14:53:50.594,2008/11/28,14:58:51.153,,37000,,,51.45735,-1.02826,,,0,0,0,0",
    "MSG,4,496,469,4CA767,27854,2010/02/19,17:58:13.039,2010/02/19,17:58:13.368,,,288.6,103.2,,,-832,,,,,",
    "MSG,5,496,329,394A65,27868,2010/02/19,17:58:12.644,2010/02/19,17:58:13.368,,10000,,,,,,,0,,0,0",
    "MSG,6,496,237,4CA215,27864,2010/02/19,17:58:12.846,2010/02/19,17:58:13.368,,33325,,,,,,0271,0,0,0,0",
    "MSG,7,496,742,51106E,27929,2011/03/06,07:57:36.523,2011/03/06,07:57:37.054,,3775,,,,,,,,,,0",
    "MSG,8,496,194,405F4E,27884,2010/02/19,17:58:13.244,2010/02/19,17:58:13.368,,,,,,,,,,,,0",
};

const QRegularExpression kDate(QStringLiteral("^\\d{4}/\\d{2}/\\d{2}$"));
const QRegularExpression kTime(QStringLiteral("^\\d{2}:\\d{2}:\\d{2}\\.\\d{3}$"));

struct Harness {
    outputtest::QuietLibraryLog quiet;
    ModeSDecoder decoder;
    ADSBTracker tracker;
    ProcessingPipeline pipeline{decoder, tracker};
    BaseStationOutput output;
    std::vector<Snapshot> snapshots;
    quint64 now = 0;

    Harness() {
        EXPECT_TRUE(output.listen(QHostAddress(QHostAddress::LocalHost), 0));
        pipeline.setTrackedReplyObserver([this](const ModeSMessage& m, const ADSBTarget& t) {
            if (output.sendReply(m, t, now))
                snapshots.push_back({m.timeStamp(), expectedType(m.data()), t});
        });
    }
    void feed(const QByteArray& reply, quint64 time) {
        now = time + 250;  // written a little after the reply came
        ModeSRow row;
        pipeline.processModeSReply(reply, time, true, 100, row);
    }
};

QStringList linesOf(const QByteArray& bytes) {
    QStringList lines;
    for (const QByteArray& l : bytes.split('\n')) {
        if (!l.isEmpty())
            lines << QString::fromLatin1(l);
    }
    return lines;
}

TEST(BaseStationOutput, The406B90RecordingMatchesTheTrackerLineByLine) {
    Harness h;
    Client client(h.output);
    const std::vector<ModeSFrame> frames = nettest::load406B90();
    ASSERT_EQ(frames.size(), 2000u);
    for (const ModeSFrame& f : frames)
        h.feed(f.reply, f.timeStamp);
    // Every reply of the recording is a DF17 that the tracker takes and that has a type.
    ASSERT_EQ(h.snapshots.size(), 2000u);
    ASSERT_TRUE(waitUntil([&] { return client.received.count('\n') >= 2000; }));
    const QByteArray bytes = client.received;
    EXPECT_EQ(bytes.count("\r\n"), 2000);
    const QStringList lines = linesOf(bytes);
    ASSERT_EQ(lines.size(), 2000);

    int identities = 0, positions = 0, altitudes = 0, velocities = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const Snapshot& s = h.snapshots[static_cast<size_t>(i)];
        const ADSBTarget& t = s.target;
        ASSERT_TRUE(lines[i].endsWith(QLatin1Char('\r'))) << i;
        const QStringList f = fieldsOf(lines[i].chopped(1));
        ASSERT_EQ(f.size(), 22) << lines[i].toStdString();
        EXPECT_EQ(f[0], "MSG");
        ASSERT_EQ(f[1].toInt(), s.type) << lines[i].toStdString();
        EXPECT_EQ(f[2], "1");
        EXPECT_EQ(f[3], QString::number(t.trackId()));
        EXPECT_EQ(f[4], "406B90");
        EXPECT_EQ(f[5], QString::number(t.trackId()));
        const QDateTime generated = QDateTime::fromMSecsSinceEpoch(qint64(s.time), Qt::LocalTime);
        EXPECT_EQ(f[6], generated.toString(QStringLiteral("yyyy/MM/dd")));
        EXPECT_EQ(f[7], generated.toString(QStringLiteral("hh:mm:ss.zzz")));
        const QDateTime logged = generated.addMSecs(250);
        EXPECT_EQ(f[8], logged.toString(QStringLiteral("yyyy/MM/dd")));
        EXPECT_EQ(f[9], logged.toString(QStringLiteral("hh:mm:ss.zzz")));
        switch (s.type) {
            case 1:
                ++identities;
                EXPECT_EQ(f[10], "EZY85MH");
                EXPECT_EQ(filled(f), std::set<int>{11});
                break;
            case 3: {
                std::set<int> expected{19, 20, 21, 22};
                if (t.altitudeBaroValid() && t.altitudeBaroLastUpdate() == s.time) {
                    ++altitudes;
                    EXPECT_EQ(f[11].toInt(), t.altitudeBaro());
                    expected.insert(12);
                }
                if (t.positionValid() && t.positionLastUpdate() == s.time) {
                    ++positions;
                    EXPECT_NEAR(f[14].toDouble(), t.latitude(), 0.6e-5);
                    EXPECT_NEAR(f[15].toDouble(), t.longitude(), 0.6e-5);
                    expected.insert({15, 16});
                }
                EXPECT_EQ(filled(f), expected) << lines[i].toStdString();
                EXPECT_EQ(f[18], "0");
                EXPECT_EQ(f[19], "0");
                EXPECT_EQ(f[20], "0");
                EXPECT_EQ(f[21], "0");
                break;
            }
            case 4:
                ++velocities;
                ASSERT_TRUE(t.groundSpeedValid());
                EXPECT_EQ(t.groundSpeedLastUpdate(), s.time);
                EXPECT_NEAR(f[12].toDouble(), t.groundSpeed(), 0.051);
                EXPECT_NEAR(f[13].toDouble(), t.heading(), 0.051);
                if (t.verticalRateBaroValid() && t.verticalRateBaroLastUpdate() == s.time) {
                    EXPECT_EQ(f[16].toInt(), t.verticalRateBaro());
                    EXPECT_EQ(filled(f), (std::set<int>{13, 14, 17})) << lines[i].toStdString();
                } else {
                    // This aircraft's vertical rate comes from GNSS: no barometric rate.
                    EXPECT_EQ(filled(f), (std::set<int>{13, 14})) << lines[i].toStdString();
                }
                break;
            default:
                ADD_FAILURE() << lines[i].toStdString();
        }
    }
    EXPECT_EQ(identities, 98);
    EXPECT_EQ(velocities, 965);
    EXPECT_EQ(altitudes, 937);
    // Positions need an even and an odd report: nearly every airborne position gives one.
    EXPECT_GT(positions, 900);
    // The aircraft flew near 52.26 N 3.94 E, at 38000 to 39000 ft, at some 430 kt.
    const ADSBTarget last = h.tracker.allTargets().front();
    EXPECT_NEAR(last.latitude(), 52.2, 1.0);
    EXPECT_NEAR(last.longitude(), 4.0, 2.0);
}

// Replies of every other type, of 406B90 once the tracker knows it from an identification.
QByteArray reply(const std::string& bytes) {
    return QByteArray(bytes.data(), int(bytes.size()));
}

std::string withAddressParity(const std::string& head) {
    return outputtest::withParity(head, 0x406B90);
}

std::string bytesOf(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

// 10000 ft in the 13-bit altitude code with Q = 1: N = 440.
constexpr unsigned kAc10000 = 0x6B8;

TEST(BaseStationOutput, LayoutFollowsThePublishedExamples) {
    Harness h;
    Client client(h.output);
    const std::vector<ModeSFrame> frames = nettest::load406B90();
    // Identification, then a pair of positions and a velocity.
    quint64 time = 1'700'000'000'000ULL;
    for (const ModeSFrame& f : frames)
        h.feed(f.reply, time += 100);
    const size_t adsbLines = h.snapshots.size();
    // DF4 (FS 0, airborne), DF5 squawk 2710 (FS 0), DF0 (VS 0), DF11 (CA 5, airborne).
    const unsigned df4 = (4u << 27) | kAc10000;
    h.feed(reply(withAddressParity(bytesOf({int(df4 >> 24), int(df4 >> 16 & 0xFF),
                                            int(df4 >> 8 & 0xFF), int(df4 & 0xFF)}))),
           time += 100);
    // Identity 2710: A = 2, B = 7, C = 1, D = 0 into C1 A1 C2 A2 C4 A4 X B1 D1 B2 D2 B4 D4
    // (bits 12 to 0): C1, A2, B1, B2 and B4 set.
    const unsigned id = (1u << 12) | (1u << 9) | (1u << 5) | (1u << 3) | (1u << 1);
    const unsigned df5 = (5u << 27) | id;
    h.feed(reply(withAddressParity(bytesOf({int(df5 >> 24), int(df5 >> 16 & 0xFF),
                                            int(df5 >> 8 & 0xFF), int(df5 & 0xFF)}))),
           time += 100);
    const unsigned df0 = (0u << 27) | kAc10000;
    h.feed(reply(withAddressParity(bytesOf({int(df0 >> 24), int(df0 >> 16 & 0xFF),
                                            int(df0 >> 8 & 0xFF), int(df0 & 0xFF)}))),
           time += 100);
    h.feed(reply(outputtest::withParity(bytesOf({0x5D, 0x40, 0x6B, 0x90}), 0)), time += 100);

    ASSERT_TRUE(waitUntil([&] { return client.received.count('\n') >= int(h.snapshots.size()); }));
    const QStringList lines = linesOf(client.received);
    // The pattern of filled fields of our line of each type with every value present, as in
    // the published line of that type.
    std::map<int, std::set<int>> ours;
    for (const QString& l : lines) {
        const QStringList f = fieldsOf(l.chopped(1));
        ASSERT_EQ(f.size(), 22);
        const int type = f[1].toInt();
        const std::set<int> set = filled(f);
        if (ours[type].size() < set.size())
            ours[type] = set;
    }
    EXPECT_GE(lines.size(), int(adsbLines) + 3);
    for (const char* published : kPublished) {
        const QStringList f = fieldsOf(QString::fromLatin1(published));
        ASSERT_EQ(f.size(), 22) << published;
        EXPECT_TRUE(kDate.match(f[6]).hasMatch());
        EXPECT_TRUE(kTime.match(f[7]).hasMatch());
        const int type = f[1].toInt();
        if (type == 8 && !ours.count(type))
            continue;  // the tracker does not take an all-call reply made up here
        ASSERT_TRUE(ours.count(type)) << type;
        if (type == 4) {
            // The recording's aircraft gives no barometric vertical rate (field 17).
            std::set<int> withRate = ours[type];
            withRate.insert(17);
            EXPECT_EQ(withRate, filled(f)) << published;
        } else {
            EXPECT_EQ(ours[type], filled(f)) << published;
        }
    }
    // Our values in those lines.
    for (const QString& l : lines) {
        const QStringList f = fieldsOf(l.chopped(1));
        EXPECT_TRUE(kDate.match(f[6]).hasMatch() && kTime.match(f[7]).hasMatch() &&
                    kDate.match(f[8]).hasMatch() && kTime.match(f[9]).hasMatch())
            << l.toStdString();
        if (f[1] == "5" || f[1] == "7") {
            EXPECT_EQ(f[11], "10000") << l.toStdString();
        }
        if (f[1] == "6") {
            EXPECT_EQ(f[17], "2710");
            EXPECT_EQ(f[18] + f[19] + f[20] + f[21], "0000");
        }
        if (f[1] == "8") {
            EXPECT_EQ(f[21], "0");
        }
    }
}

TEST(BaseStationOutput, FlagsFollowTheFlightStatus) {
    outputtest::QuietLibraryLog quiet;
    ModeSDecoder decoder;
    ADSBTracker tracker;
    ProcessingPipeline pipeline(decoder, tracker);
    QStringList lines;
    pipeline.setTrackedReplyObserver([&](const ModeSMessage& m, const ADSBTarget& t) {
        lines << BaseStationOutput::line(m, t, m.timeStamp());
    });
    ModeSRow row;
    // Known address first.
    pipeline.processModeSReply(QByteArray::fromHex("8D406B902015A678D4D220AA4BDA"), 1000, false, 0,
                               row);
    // FS 1 on the ground, FS 4 alert and SPI, FS 5 SPI; squawk 7700 (A1 A2 A4 B1 B2 B4) makes
    // the emergency flag.
    const unsigned id7700 = (1u << 11) | (1u << 9) | (1u << 7) | (1u << 5) | (1u << 3) | (1u << 1);
    for (const unsigned fs : {1u, 4u, 5u}) {
        const unsigned head = (5u << 27) | (fs << 24) | id7700;
        pipeline.processModeSReply(
            reply(withAddressParity(bytesOf({int(head >> 24), int(head >> 16 & 0xFF),
                                             int(head >> 8 & 0xFF), int(head & 0xFF)}))),
            2000 + fs, false, 0, row);
    }
    ASSERT_EQ(lines.size(), 4) << lines.join(QString()).toStdString();
    const QStringList ground = fieldsOf(lines[1].chopped(2));
    const QStringList alertSpi = fieldsOf(lines[2].chopped(2));
    const QStringList spi = fieldsOf(lines[3].chopped(2));
    EXPECT_EQ(ground[1], "6");
    EXPECT_EQ(ground[17], "7700");
    // alert, emergency, SPI, on the ground
    EXPECT_EQ((QStringList{ground[18], ground[19], ground[20], ground[21]}),
              (QStringList{"0", "-1", "0", "-1"}));
    EXPECT_EQ((QStringList{alertSpi[18], alertSpi[19], alertSpi[20], alertSpi[21]}),
              (QStringList{"-1", "-1", "-1", "0"}));
    EXPECT_EQ((QStringList{spi[18], spi[19], spi[20], spi[21]}),
              (QStringList{"0", "-1", "-1", "0"}));
}

TEST(BaseStationOutput, RepliesWithoutATypeGiveNoLine) {
    outputtest::QuietLibraryLog quiet;
    ModeSDecoder decoder;
    ADSBTracker tracker;
    BaseStationOutput output;
    // Operational status (type code 31) and aircraft status (28) have no transmission type.
    std::unique_ptr<ModeSMessage> m(decoder.decode(
        ModeSMessage::DOWNLINK, outputtest::squitter(0x406B90, outputtest::operationalStatusME(2)),
        1000));
    ASSERT_TRUE(m);
    EXPECT_EQ(BaseStationOutput::transmissionType(*m), 0);
    const ADSBTarget* t = tracker.procModeSMsg(m.get());
    ASSERT_TRUE(t);
    EXPECT_TRUE(BaseStationOutput::line(*m, *t, 1000).isEmpty());
    EXPECT_FALSE(output.sendReply(*m, *t, 1000));
    EXPECT_EQ(output.linesSent(), 0u);
}

}  // namespace
