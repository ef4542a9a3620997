// Our edition 2.4 output as a real peer decoder sees it: datagrams taken from our channel on
// loopback, written into a capture with text2pcap and decoded by tshark's ASTERIX dissector set
// to CAT021 edition 2.4. tshark must report no malformed packet and no expert information, and
// show the values of the targets the blocks were made from. Every block is also decoded with
// our own library, in both editions.

#include <cmath>
#include <memory>
#include <vector>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <asterix/asterix.h>
#include <modes/ADSBServiceStatus.h>
#include <modes/ADSBTarget.h>
#include <modes/ADSBTracker.h>
#include <modes/ModeSDecoder.h>

#include "AsterixOutput.h"
#include "OutputTestSupport.h"

namespace {

using brannic::modes::ADSBTarget;
using brannic::modes::DataBlock;
using outputtest::kNoon;
using outputtest::TargetSpec;

constexpr quint16 kAsterixPort = 8600;  // where tshark expects ASTERIX over UDP
constexpr double kKnotsPerNmPerSecond = 3600.0;
constexpr uint64_t kDay = 86400000;

// Targets that between them carry every value checked: emergencies and SPI in all
// combinations, three confirmed versions, positions in all quadrants.
std::vector<TargetSpec> scene() {
    std::vector<TargetSpec> specs;
    TargetSpec a;
    a.address = 0x4840D6;
    a.trackId = 17;
    a.callsign = "KLM1234";
    a.squawk = 01234;
    a.latitude = 52.25;
    a.longitude = 4.75;
    a.hasAltitude = true;
    a.altitude = 35000;
    a.hasVelocity = true;
    a.groundSpeed = 450.0;
    a.heading = 90.0;
    a.hasVerticalRate = true;
    a.verticalRate = -1000;
    a.spi = true;
    a.alert = true;
    a.mopsVersion = 2;
    specs.push_back(a);

    TargetSpec b;
    b.address = 0xC01234;
    b.trackId = 4095;
    b.callsign = "QFA9";
    b.squawk = 07700;
    b.latitude = -33.946111;
    b.longitude = -151.177222;
    b.hasAltitude = true;
    b.altitude = -1010;
    b.hasVelocity = true;
    b.groundSpeed = 12.5;
    b.heading = 359.5;
    b.hasVerticalRate = true;
    b.verticalRate = 6400;
    b.alert = true;
    b.mopsVersion = 1;
    b.time = kNoon - 1500;
    specs.push_back(b);

    TargetSpec c;
    c.address = 0x000001;
    c.trackId = 1;
    c.latitude = -89.999;
    c.longitude = 179.999;
    c.spi = true;
    c.mopsVersion = 0;
    c.time = kNoon - kNoon % kDay - 2000;  // heard before midnight
    specs.push_back(c);

    TargetSpec d;
    d.address = 0xABCDEF;
    d.trackId = 2;
    d.callsign = "ABCDEFGH";
    d.latitude = 0.0001;
    d.longitude = -0.0001;
    specs.push_back(d);
    return specs;
}

QString program(const char* name) {
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

// text2pcap's hex dump input: each datagram from offset 0, sixteen octets a line.
QByteArray hexDump(const QList<QByteArray>& datagrams) {
    QByteArray text;
    for (const QByteArray& d : datagrams) {
        for (int offset = 0; offset < d.size(); offset += 16) {
            text += QByteArray::number(offset, 16).rightJustified(6, '0');
            for (int i = offset; i < d.size() && i < offset + 16; ++i)
                text += ' ' + QByteArray::number(static_cast<uchar>(d[i]), 16).rightJustified(2, '0');
            text += '\n';
        }
    }
    return text;
}

bool run(const QString& executable, const QStringList& arguments, QByteArray* output) {
    QProcess process;
    process.start(executable, arguments);
    if (!process.waitForFinished(60000)) {
        ADD_FAILURE() << executable.toStdString() << " did not finish";
        return false;
    }
    if (output)
        *output = process.readAllStandardOutput();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The records of every packet, in order, as tshark's JSON shows them.
std::vector<QJsonObject> recordsOf(const QJsonDocument& document) {
    std::vector<QJsonObject> records;
    for (const QJsonValue& packet : document.array()) {
        const QJsonObject asterix =
            packet.toObject()["_source"].toObject()["layers"].toObject()["asterix"].toObject();
        const QJsonValue messages = asterix["asterix.message"];
        if (messages.isArray()) {
            for (const QJsonValue& m : messages.toArray())
                records.push_back(m.toObject());
        } else if (messages.isObject()) {
            records.push_back(messages.toObject());
        }
    }
    return records;
}

// Field `field` of item `item` ("010", "SAC"), as text; empty when tshark did not show it.
QString field(const QJsonObject& record, const char* item, const char* name) {
    const QString key = QStringLiteral("asterix.021_V2_4_%1").arg(QLatin1String(item));
    return record[key].toObject()[key + QLatin1Char('_') + QLatin1String(name)].toString();
}

bool has(const QJsonObject& record, const char* item) {
    return record.contains(QStringLiteral("asterix.021_V2_4_%1").arg(QLatin1String(item)));
}

double number(const QJsonObject& record, const char* item, const char* name) {
    bool ok = false;
    const double value = field(record, item, name).toDouble(&ok);
    EXPECT_TRUE(ok) << item << " " << name;
    return value;
}

unsigned integer(const QJsonObject& record, const char* item, const char* name) {
    bool ok = false;
    const unsigned value = field(record, item, name).toUInt(&ok, 0);  // "0x19" or "17"
    EXPECT_TRUE(ok) << item << " " << name << " = " << field(record, item, name).toStdString();
    return value;
}

double timeOfDay(uint64_t timeMs) {
    return static_cast<double>(timeMs % kDay) / 1000.0;
}

// Blocks of the scene produced in `version` and taken off the loopback receiver.
QList<QByteArray> sceneDatagrams(quint32 version, std::vector<ADSBTarget>* targets) {
    const outputtest::QuietLibraryLog quiet;
    brannic::modes::ADSBTracker tracker;
    brannic::modes::ModeSDecoder decoder;
    for (const TargetSpec& spec : scene())
        outputtest::feed(tracker, decoder, spec);
    *targets = tracker.allTargets();

    brannic::modes::ADSBServiceStatus status;
    status.setSac(25);
    status.setSic(201);
    status.setServiceId(5);
    auto receiver = outputtest::loopbackReceiver();
    AsterixOutput output;
    AsterixOutput::Settings settings;
    settings.cat21Version = version;
    settings.multicast = false;
    settings.channels[0].enabled = true;
    settings.channels[0].address = QHostAddress::LocalHost;
    settings.channels[0].port = receiver->localPort();
    output.packer().setMaxDataRecords(3);
    QList<QByteArray> produced;
    QObject::connect(&output, &AsterixOutput::blockProduced, [&](const DataBlock& block, quint64) {
        produced.append(QByteArray(block.constData().data(),
                                   static_cast<int>(block.constData().size())));
    });
    output.start(settings);
    output.outputCycle(tracker, status, kNoon + 1000);
    const QList<QByteArray> received = outputtest::receive(*receiver, produced.size());
    EXPECT_EQ(produced.size(), 2);
    EXPECT_EQ(received, produced);
    return received;
}

// Every block decodes completely with our own library and the edition's profile, with the
// targets' addresses in order.
void expectOwnDecoderReads(const QList<QByteArray>& datagrams, const ast_uap_t& uap,
                           const std::vector<ADSBTarget>& targets) {
    auto block = std::make_unique<ast_datablock_t>();
    std::vector<uint32_t> addresses;
    for (const QByteArray& d : datagrams) {
        ast_datablock_decode_into(block.get(), reinterpret_cast<const uint8_t*>(d.data()),
                                  static_cast<uint64_t>(d.size()), &uap);
        ASSERT_TRUE(block->ok);
        EXPECT_EQ(block->length, static_cast<uint64_t>(d.size()));
        for (uint64_t r = 0; r < block->count; ++r) {
            const ast_datarecord_t& record = block->records[r];
            EXPECT_TRUE(record.ok);
            for (uint64_t i = 0; i < record.count; ++i) {
                if (record.items[i].type == 21080)
                    addresses.push_back(
                        ast_dataitem_target_address_decode(&record.items[i]).address);
            }
        }
    }
    std::vector<uint32_t> expected;
    for (const ADSBTarget& t : targets)
        expected.push_back(t.icaoAddr());
    EXPECT_EQ(addresses, expected);
}

TEST(AsterixPeerDecoder, Edition24InTshark) {
    const QString tshark = program("tshark");
    const QString text2pcap = program("text2pcap");
    ASSERT_FALSE(tshark.isEmpty()) << "tshark is missing: run scripts/install-deps.sh";
    ASSERT_FALSE(text2pcap.isEmpty()) << "text2pcap is missing: run scripts/install-deps.sh";

    std::vector<ADSBTarget> targets;
    const QList<QByteArray> datagrams = sceneDatagrams(240, &targets);
    ASSERT_EQ(targets.size(), 4u);
    expectOwnDecoderReads(datagrams, AST_UAP_CAT021_VER24, targets);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile dump(dir.filePath("blocks.txt"));
    ASSERT_TRUE(dump.open(QIODevice::WriteOnly));
    dump.write(hexDump(datagrams));
    dump.close();
    const QString capture = dir.filePath("blocks.pcap");
    ASSERT_TRUE(run(text2pcap,
                    {"-q", "-u", QStringLiteral("50005,%1").arg(kAsterixPort), dump.fileName(),
                     capture},
                    nullptr));
    QByteArray json;
    ASSERT_TRUE(run(tshark,
                    {"-r", capture, "-o", "asterix.i021_version:Version 2.4", "-d",
                     QStringLiteral("udp.port==%1,asterix").arg(kAsterixPort), "-T", "json",
                     "--no-duplicate-keys"},
                    &json));
    EXPECT_FALSE(json.contains("_ws.malformed")) << json.toStdString();
    EXPECT_FALSE(json.contains("_ws.expert")) << json.toStdString();

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    ASSERT_EQ(document.array().size(), datagrams.size());
    const std::vector<QJsonObject> records = recordsOf(document);
    ASSERT_EQ(records.size(), targets.size());

    const double lsbPosition = 180.0 / (1 << 23);
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const ADSBTarget& t = targets[i];
        const QJsonObject& r = records[i];
        SCOPED_TRACE(QString::number(t.icaoAddr(), 16).toStdString());
        EXPECT_EQ(integer(r, "010", "SAC"), 25u);
        EXPECT_EQ(integer(r, "010", "SIC"), 201u);
        EXPECT_EQ(integer(r, "080", "VALUE"), t.icaoAddr());
        EXPECT_NEAR(number(r, "077", "VALUE"), timeOfDay(t.lastUpdate()), 1.0 / 128);
        EXPECT_NEAR(number(r, "073", "VALUE"), timeOfDay(t.positionLastUpdate()), 1.0 / 128);
        EXPECT_NEAR(number(r, "130", "LAT"), t.latitude(), lsbPosition);
        EXPECT_NEAR(number(r, "130", "LON"), t.longitude(), lsbPosition);
        EXPECT_EQ(integer(r, "161", "TRNUM"), t.trackId());

        EXPECT_EQ(has(r, "145"), t.altitudeBaroValid());
        if (t.altitudeBaroValid()) {
            EXPECT_EQ(number(r, "145", "VALUE"), (t.altitudeBaro() / 25) / 4.0);
        }
        EXPECT_EQ(has(r, "160"), t.groundSpeedValid());
        if (t.groundSpeedValid()) {
            EXPECT_NEAR(number(r, "160", "GS") * kKnotsPerNmPerSecond, t.groundSpeed(),
                        kKnotsPerNmPerSecond / (1 << 14));
            EXPECT_NEAR(number(r, "160", "TA"), t.heading(), 360.0 / (1 << 16));
        }
        EXPECT_EQ(has(r, "155"), t.verticalRateBaroValid());
        if (t.verticalRateBaroValid()) {
            EXPECT_NEAR(number(r, "155", "BVR"), t.verticalRateBaro(), 6.25);
        }
        EXPECT_EQ(has(r, "170"), !t.callsign().empty());
        if (!t.callsign().empty()) {
            QString eight = QString::fromStdString(t.callsign()).left(8);
            eight = eight.leftJustified(8, QLatin1Char(' '));
            EXPECT_EQ(field(r, "170", "VALUE"), eight);
        }
        const bool alert = t.alertStatusValid() && t.alertStatus();
        const bool spi = t.spiStatusValid() && t.spiStatus();
        EXPECT_EQ(has(r, "200"), alert || spi);
        if (alert || spi) {
            EXPECT_EQ(integer(r, "200", "PS"), alert ? 1u : 0u);
            EXPECT_EQ(integer(r, "200", "SS"), spi ? 3u : 0u);
        }
        EXPECT_EQ(has(r, "210"), t.mopsVersionConfirmed());
        if (t.mopsVersionConfirmed()) {
            EXPECT_EQ(integer(r, "210", "VN"), static_cast<unsigned>(t.mopsVersion()));
            EXPECT_EQ(integer(r, "210", "VNS"), 0u);
            EXPECT_EQ(integer(r, "210", "LTT"), 2u);
        }
    }
    // The scene covers what it should: three target statuses, three versions.
    QStringList statuses, versions;
    for (const QJsonObject& r : records) {
        if (has(r, "200"))
            statuses.append(field(r, "200", "PS") + field(r, "200", "SS"));
        if (has(r, "210"))
            versions.append(field(r, "210", "VN"));
    }
    statuses.sort();
    versions.sort();
    EXPECT_EQ(statuses, (QStringList{"03", "10", "13"}));
    EXPECT_EQ(versions, (QStringList{"0", "1", "2"}));
}

// tshark offers no edition 0.26: our own decoder reads those blocks (the encoder's own tests
// check the records item by item against the published 0.26 definition).
TEST(AsterixPeerDecoder, Edition026WithOurOwnDecoder) {
    std::vector<ADSBTarget> targets;
    const QList<QByteArray> datagrams = sceneDatagrams(26, &targets);
    expectOwnDecoderReads(datagrams, AST_UAP_CAT021_VER026, targets);
}

}  // namespace
