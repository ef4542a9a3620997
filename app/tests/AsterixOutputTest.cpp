#include "AsterixOutput.h"

#include <memory>
#include <vector>

#include <QNetworkInterface>

#include <gtest/gtest.h>

#include <asterix/asterix.h>
#include <modes/ADSBServiceStatus.h>
#include <modes/ADSBTracker.h>
#include <modes/ModeSDecoder.h>

#include "OutputTestSupport.h"

namespace {

using brannic::modes::ADSBServiceStatus;
using brannic::modes::ADSBTracker;
using brannic::modes::DataBlock;
using outputtest::kNoon;
using outputtest::MessageLog;
using outputtest::TargetSpec;

struct Produced {
    QByteArray bytes;
    quint64 sequence;
};

// An output with its blocks collected as produced.
struct Harness {
    outputtest::QuietLibraryLog quiet;
    MessageLog log;
    AsterixOutput output;
    std::vector<Produced> produced;
    ADSBTracker tracker;
    brannic::modes::ModeSDecoder decoder;
    ADSBServiceStatus status;

    Harness() {
        log.attach(&output);
        QObject::connect(&output, &AsterixOutput::blockProduced,
                         [this](const DataBlock& block, quint64 sequence) {
                             const std::string& d = block.constData();
                             produced.push_back(
                                 {QByteArray(d.data(), static_cast<int>(d.size())), sequence});
                         });
        status.setSac(25);
        status.setSic(201);
    }

    void addTarget(uint32_t address, uint64_t time, bool position = true) {
        TargetSpec spec;
        spec.address = address;
        spec.time = time;
        spec.trackId = address & 0xFFF;
        spec.hasPosition = position;
        spec.latitude = 50.0 + (address & 0xFF) / 100.0;
        spec.longitude = 8.0;
        outputtest::feed(tracker, decoder, spec);
    }
};

AsterixOutput::Settings unicastTo(quint16 port1, quint16 port2, bool enabled1 = true,
                                  bool enabled2 = true) {
    AsterixOutput::Settings settings;
    settings.multicast = false;
    settings.channels[0].enabled = enabled1;
    settings.channels[0].address = QHostAddress::LocalHost;
    settings.channels[0].port = port1;
    settings.channels[1].enabled = enabled2;
    settings.channels[1].address = QHostAddress::LocalHost;
    settings.channels[1].port = port2;
    return settings;
}

// The addresses of the records of `block`, decoded with our own library and the edition's
// profile; empty when the block does not decode exactly.
std::vector<uint32_t> addressesIn(const QByteArray& block, const ast_uap_t& uap) {
    auto decoded = std::make_unique<ast_datablock_t>();
    ast_datablock_decode_into(decoded.get(), reinterpret_cast<const uint8_t*>(block.data()),
                              static_cast<uint64_t>(block.size()), &uap);
    std::vector<uint32_t> addresses;
    if (!decoded->ok || decoded->length != static_cast<uint64_t>(block.size()))
        return addresses;
    for (uint64_t r = 0; r < decoded->count; ++r) {
        const ast_datarecord_t& record = decoded->records[r];
        for (uint64_t i = 0; i < record.count; ++i) {
            if (record.items[i].type == 21080)
                addresses.push_back(ast_dataitem_target_address_decode(&record.items[i]).address);
        }
    }
    return addresses;
}

TEST(AsterixOutput, EveryBlockNumberedAndSentOnBothChannels) {
    Harness h;
    auto receiver1 = outputtest::loopbackReceiver();
    auto receiver2 = outputtest::loopbackReceiver();
    for (uint32_t a = 0x400001; a <= 0x400005; ++a)
        h.addTarget(a, kNoon);
    h.output.packer().setMaxDataRecords(2);
    h.output.start(unicastTo(receiver1->localPort(), receiver2->localPort()));
    EXPECT_EQ(h.output.asterixSequence(), 0u);

    h.output.outputCycle(h.tracker, h.status, kNoon + 1000);
    EXPECT_EQ(h.output.lastAsterixOutput(), kNoon + 1000);
    EXPECT_EQ(h.output.asterixSequence(), 3u);
    ASSERT_EQ(h.produced.size(), 3u);
    const std::vector<std::vector<uint32_t>> expected = {
        {0x400001, 0x400002}, {0x400003, 0x400004}, {0x400005}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(h.produced[i].sequence, i + 1);
        EXPECT_EQ(addressesIn(h.produced[i].bytes, AST_UAP_CAT021_VER026), expected[i]);
    }
    for (QUdpSocket* receiver : {receiver1.get(), receiver2.get()}) {
        const QList<QByteArray> got = outputtest::receive(*receiver, 3);
        ASSERT_EQ(got.size(), 3);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(got[i], h.produced[static_cast<std::size_t>(i)].bytes);
    }

    // Nothing changed since: nothing produced, nothing sent.
    h.output.outputCycle(h.tracker, h.status, kNoon + 2000);
    EXPECT_EQ(h.produced.size(), 3u);
    outputtest::expectNothingReceived(*receiver1);

    // One target heard again: one block, the fourth.
    h.addTarget(0x400003, kNoon + 2500);
    h.output.outputCycle(h.tracker, h.status, kNoon + 3000);
    ASSERT_EQ(h.produced.size(), 4u);
    EXPECT_EQ(h.produced[3].sequence, 4u);
    EXPECT_EQ(addressesIn(h.produced[3].bytes, AST_UAP_CAT021_VER026),
              (std::vector<uint32_t>{0x400003}));
    const QList<QByteArray> got = outputtest::receive(*receiver2, 1);
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got[0], h.produced[3].bytes);
}

TEST(AsterixOutput, DisabledChannelsStillProduceBlocks) {
    Harness h;
    auto receiver = outputtest::loopbackReceiver();
    h.addTarget(0x400001, kNoon);
    h.output.start(unicastTo(receiver->localPort(), receiver->localPort(), false, false));
    EXPECT_EQ(h.log.logged, (QStringList{"ASTERIX output channel 1 is not activated.",
                                         "ASTERIX output channel 2 is not activated."}));
    h.output.outputCycle(h.tracker, h.status, kNoon + 1000);
    ASSERT_EQ(h.produced.size(), 1u);
    EXPECT_EQ(h.produced[0].sequence, 1u);
    outputtest::expectNothingReceived(*receiver);
}

TEST(AsterixOutput, TargetWithoutPositionIsNeverReported) {
    Harness h;
    h.output.start(unicastTo(1, 1, false, false));
    for (int cycle = 1; cycle <= 3; ++cycle) {
        h.addTarget(0x400009, kNoon + cycle * 1000, false);
        h.output.outputCycle(h.tracker, h.status, kNoon + cycle * 1000 + 500);
    }
    EXPECT_TRUE(h.produced.empty());
    EXPECT_EQ(h.output.asterixSequence(), 0u);
}

TEST(AsterixOutput, StopAndStartBeginTheCountAndTheTargetsAfresh) {
    Harness h;
    h.addTarget(0x400001, kNoon);
    h.addTarget(0x400002, kNoon);
    h.output.start(unicastTo(1, 1, false, false));
    h.output.outputCycle(h.tracker, h.status, kNoon + 1000);
    ASSERT_EQ(h.produced.size(), 1u);

    h.output.stop();
    EXPECT_EQ(h.log.shown.back(), "ASTERIX output has stopped.");
    EXPECT_EQ(h.output.asterixSequence(), 0u);
    EXPECT_EQ(h.output.lastAsterixOutput(), 0u);

    // After a new start the first cycle reports every target the tracker holds, as block 1.
    h.output.start(unicastTo(1, 1, false, false));
    h.output.outputCycle(h.tracker, h.status, kNoon + 5000);
    ASSERT_EQ(h.produced.size(), 2u);
    EXPECT_EQ(h.produced[1].sequence, 1u);
    EXPECT_EQ(addressesIn(h.produced[1].bytes, AST_UAP_CAT021_VER026),
              (std::vector<uint32_t>{0x400001, 0x400002}));
}

TEST(AsterixOutput, EditionFollowsTheSetting) {
    Harness h;
    h.addTarget(0x400001, kNoon);
    AsterixOutput::Settings settings = unicastTo(1, 1, false, false);
    settings.cat21Version = 240;
    h.output.start(settings);
    h.output.outputCycle(h.tracker, h.status, kNoon + 1000);
    ASSERT_EQ(h.produced.size(), 1u);
    EXPECT_EQ(addressesIn(h.produced[0].bytes, AST_UAP_CAT021_VER24),
              (std::vector<uint32_t>{0x400001}));

    // An edition the encoder does not write gives no record, hence no block.
    settings.cat21Version = 21;
    h.output.start(settings);
    h.output.outputCycle(h.tracker, h.status, kNoon + 2000);
    EXPECT_EQ(h.produced.size(), 1u);

    // Every start begins afresh, stopped before or not: all targets again, as block 1.
    settings.cat21Version = 26;
    h.output.start(settings);
    EXPECT_EQ(h.output.lastAsterixOutput(), 0u);
    h.output.outputCycle(h.tracker, h.status, kNoon + 3000);
    ASSERT_EQ(h.produced.size(), 2u);
    EXPECT_EQ(h.produced[1].sequence, 1u);
}

TEST(AsterixOutput, BothChannelsMulticastOnLoopback) {
    QNetworkInterface lo;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        if (i.type() == QNetworkInterface::Loopback)
            lo = i;
    }
    ASSERT_TRUE(lo.isValid());
    const QHostAddress groups[2] = {QHostAddress("239.255.21.1"), QHostAddress("239.255.21.2")};
    std::unique_ptr<QUdpSocket> receivers[2];
    AsterixOutput::Settings settings;
    settings.multicast = true;
    for (int i = 0; i < 2; ++i) {
        receivers[i] = std::make_unique<QUdpSocket>();
        ASSERT_TRUE(receivers[i]->bind(QHostAddress(QHostAddress::AnyIPv4), 0, QUdpSocket::ShareAddress));
        ASSERT_TRUE(receivers[i]->joinMulticastGroup(groups[i], lo));
        settings.channels[i].enabled = true;
        settings.channels[i].address = groups[i];
        settings.channels[i].port = receivers[i]->localPort();
        settings.channels[i].multicastInterface = lo;
    }
    Harness h;
    for (uint32_t a = 0x400001; a <= 0x400003; ++a)
        h.addTarget(a, kNoon);
    h.output.packer().setMaxDataRecords(1);
    h.output.start(settings);
    ASSERT_EQ(h.log.logged.size(), 2);
    EXPECT_TRUE(h.log.logged[0].startsWith("ASTERIX output channel 1 is using local port"));
    EXPECT_TRUE(h.log.logged[1].endsWith(
        QStringLiteral("sending to multicast group 239.255.21.2 port %1")
            .arg(settings.channels[1].port)));
    h.output.outputCycle(h.tracker, h.status, kNoon + 1000);
    ASSERT_EQ(h.produced.size(), 3u);
    for (auto& receiver : receivers) {
        const QList<QByteArray> got = outputtest::receive(*receiver, 3);
        ASSERT_EQ(got.size(), 3);
        for (int b = 0; b < 3; ++b)
            EXPECT_EQ(got[b], h.produced[static_cast<std::size_t>(b)].bytes);
    }
}

}  // namespace
