// The Mode S decoder: choice of format, refusals, squitter repair and confidence grading with
// the address and interrogator tables, on a clock that the tests move.

#include <modes/DF0Message.h>
#include <modes/DF11Message.h>
#include <modes/DF16Message.h>
#include <modes/DF17Message.h>
#include <modes/DF18Message.h>
#include <modes/DF19Message.h>
#include <modes/DF20Message.h>
#include <modes/DF21Message.h>
#include <modes/DF4Message.h>
#include <modes/DF5Message.h>
#include <modes/ModeSDecoder.h>

#include <memory>

#include <gtest/gtest.h>

#include "Clock.h"
#include "FrameBuilder.h"
#include "LogCapture.h"
#include "TestData.h"
#include "TestReply.h"

namespace brannic {
namespace modes {
namespace {

using testdata::fromHex;
using testdata::toHex;
using Msg = std::unique_ptr<ModeSMessage>;

constexpr uint32_t kAddress = 0x406B90;
const std::string kDF17 = fromHex("8D406B902015A678D4D220AA4BDA");  // identification, 406B90

// Replies of kAddress (or `address`) in each surveillance format, parity overlaid correctly.
std::string df4(uint32_t address = kAddress) {
    return frames::withOverlay(fromHex("20001718000000"), address);  // 36,000 ft
}
std::string df0(uint32_t address = kAddress) {
    return frames::withOverlay(fromHex("00001718000000"), address);
}
std::string df5(uint32_t address = kAddress) {
    return frames::withOverlay(fromHex("2A00516D000000"), address);  // squawk 0356
}
std::string df16(uint32_t address = kAddress) {
    return frames::withOverlay(fromHex("8000171800000000000000000000"), address);
}
std::string df20(uint32_t address = kAddress) {
    return frames::withOverlay(fromHex("A0001838CA380031440000000000"), address);
}
std::string df21(uint32_t address = kAddress) {
    return frames::withOverlay(fromHex("A8000D9FA55A032DBFFC00000000"), address);
}
std::string df11(uint32_t interrogator, uint32_t address = kAddress) {
    std::string data = fromHex("5D00000000000000");
    data.resize(7);
    frames::setField(data, 8, 31, address);
    return frames::withOverlay(data, interrogator);
}
std::string squitter(const char* firstByte, uint32_t address = kAddress) {
    std::string data = fromHex(std::string(firstByte) + "0000002015A678D4D220000000");
    frames::setField(data, 8, 31, address);
    return frames::withOverlay(data, 0);
}

class ModeSDecoderTest : public testing::Test {
protected:
    static constexpr uint64_t kT0 = 1700000000000;  // ms

    void SetUp() override { at(0); }
    void TearDown() override { clock::setFixedTime(0); }

    // Moves the clock to `seconds` after kT0.
    static void at(int64_t seconds) {
        clock::setFixedTime(kT0 + static_cast<uint64_t>(seconds) * 1000);
    }

    Msg decode(const std::string& data) {
        return Msg(decoder.decode(ModeSMessage::DOWNLINK, data));
    }
    ModeSMessage::Confidence graded(const std::string& data) {
        Msg message = decode(data);
        EXPECT_NE(message, nullptr) << toHex(data);
        return message ? message->confidence() : ModeSMessage::Confidence(-1);
    }

    ModeSDecoder decoder;
};

TEST_F(ModeSDecoderTest, ConstructionLogsInitialized) {
    LogCapture log;
    ModeSDecoder another;
    EXPECT_EQ(log.count("Initialized."), 1);
    EXPECT_NE(log.lines.at(0).find("[INFO    ][ModeSDecoder"), std::string::npos);
}

TEST_F(ModeSDecoderTest, RefusedReplies) {
    struct Row {
        ModeSMessage::ModeSMsgType type;
        std::string data;
        const char* logged;  // nullptr: nothing is logged
    };
    const Row rows[] = {
        {ModeSMessage::DOWNLINK, "", nullptr},
        {ModeSMessage::UPLINK, kDF17, "Unsupported UF message detected."},
        {static_cast<ModeSMessage::ModeSMsgType>(7), kDF17, "Unsupported UF message detected."},
        {ModeSMessage::DOWNLINK, fromHex("C0406B902015A678D4D220AA4BDA"),
         "Undefined DF-24 message detected."},
        {ModeSMessage::DOWNLINK, fromHex("FF"), "Undefined DF-24 message detected."},
        {ModeSMessage::DOWNLINK, fromHex("BF000000000000"), "Undefined DF-23 message detected."},
        {ModeSMessage::DOWNLINK, fromHex("40000000000000"), "Undefined DF-8 message detected."},
        {ModeSMessage::DOWNLINK, fromHex("08000000000000"), "Undefined DF-1 message detected."},
        {ModeSMessage::DOWNLINK, df4().substr(0, 6), nullptr},  // one byte short, dropped quietly
        {ModeSMessage::DOWNLINK, df20().substr(0, 13), nullptr},
        {ModeSMessage::DOWNLINK, fromHex("20"), nullptr},
    };
    for (const Row& row : rows) {
        LogCapture log;
        EXPECT_EQ(decoder.decode(row.type, row.data), nullptr) << toHex(row.data);
        if (row.logged == nullptr) {
            EXPECT_TRUE(log.lines.empty()) << toHex(row.data) << ": " << log.lines.at(0);
        } else {
            EXPECT_EQ(log.count(row.logged), 1) << toHex(row.data);
            EXPECT_EQ(log.lines.size(), 1u) << toHex(row.data);
            EXPECT_NE(log.lines.at(0).find("[DEBUG   ][ModeSDecoder"), std::string::npos);
        }
    }
}

TEST_F(ModeSDecoderTest, EachFormatGetsItsClass) {
    struct Row {
        std::string data;
        DownlinkFormat df;
        uint8_t bits;
    };
    const Row rows[] = {
        {df0(), DF_0, 56},
        {df4(), DF_4, 56},
        {df5(), DF_5, 56},
        {df11(0), DF_11, 56},
        {df16(), DF_16, 112},
        {kDF17, DF_17, 112},
        {squitter("90"), DF_18, 112},
        {squitter("98"), DF_19, 112},
        {df20(), DF_20, 112},
        {df21(), DF_21, 112},
    };
    for (const Row& row : rows) {
        Msg message = decode(row.data);
        ASSERT_NE(message, nullptr) << toHex(row.data);
        auto* df = dynamic_cast<DFMessage*>(message.get());
        ASSERT_NE(df, nullptr);
        EXPECT_EQ(df->downlinkFormat(), row.df) << toHex(row.data);
        EXPECT_EQ(message->bits(), row.bits);
        EXPECT_TRUE(message->valid());
        EXPECT_EQ(message->icaoAddress(), kAddress) << toHex(row.data);
        EXPECT_EQ(message->data(), row.data);
        EXPECT_EQ(message->timeSource(), ModeSMessage::LOCAL);
        EXPECT_EQ(message->timeStamp(), kT0);
    }
}

TEST_F(ModeSDecoderTest, ShortFormatReadsOnlyItsFirstSevenBytes) {
    Msg message = decode(df4() + fromHex("FFFFFFFFFFFFFF"));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->icaoAddress(), kAddress);
    EXPECT_EQ(message->data().size(), 14u);
}

TEST_F(ModeSDecoderTest, AltitudeRepliesWithoutAnAltitudeAreDroppedQuietly) {
    // AC all zero (altitude not available) and an illegal Gillham step (C1 C2 C4 = 000).
    for (uint32_t code : {0x0000u, 0x0A08u}) {
        for (std::string head : {"20000000000000", "00000000000000", "A0000000CA380031440000000000",
                                 "8000000000000000000000000000"}) {
            std::string data = fromHex(head);
            frames::setField(data, 19, 31, code);
            data = frames::withOverlay(data, kAddress);
            LogCapture log;
            EXPECT_EQ(decode(data), nullptr) << toHex(data);
            EXPECT_TRUE(log.lines.empty()) << toHex(data);
        }
    }
}

TEST_F(ModeSDecoderTest, KnownAnswerFrames) {
    int checked = 0;
    for (const auto& v : testdata::knownAnswerVectors()) {
        if (v.hex.empty() || v.kind == "crc-reject" || v.kind == "crc")
            continue;
        SCOPED_TRACE(v.kind + " " + v.hex);
        Msg message = decode(fromHex(v.hex));
        ASSERT_NE(message, nullptr);
        ASSERT_TRUE(message->valid());
        const auto* df = dynamic_cast<const DFMessage*>(message.get());
        ASSERT_NE(df, nullptr);
        if (v.values.count("address")) {
            EXPECT_EQ(message->icaoAddress(), std::stoul(v.values.at("address"), nullptr, 16));
        }
        if (v.kind == "df4" || v.kind == "gillham-df4") {
            const auto& ac = static_cast<const DF4Message&>(*message).constFieldAC();
            EXPECT_EQ(ac.altitude(), std::stoi(v.values.at("altitude")));
            EXPECT_EQ(ac.altitudeResolution(), v.kind == "df4" ? RES_25FT : RES_100FT);
        } else if (v.kind == "squawk-df5") {
            const auto& m = static_cast<const DF5Message&>(*message);
            EXPECT_EQ(m.constFieldID().description(), v.values.at("squawk"));
            EXPECT_EQ(m.constFieldFS().flightStatus(), std::stoi(v.values.at("fs")));
        } else if (v.kind == "df11") {
            const auto& m = static_cast<const DF11Message&>(*message);
            EXPECT_EQ(m.constFieldCA().capability(), std::stoi(v.values.at("ca")));
            EXPECT_EQ(m.constFieldPI().interrogatorId(), std::stoul(v.values.at("interrogator")));
            EXPECT_TRUE(m.constFieldPI().interrogatorIdValid());
        } else if (v.kind == "ap-address") {
            EXPECT_EQ(df->downlinkFormat(), DF_20);
        } else {
            // Extended squitters of the vectors: the parity holds as received.
            EXPECT_EQ(df->downlinkFormat(), DF_17);
            EXPECT_EQ(message->confidence(), ModeSMessage::FULL);
        }
        ++checked;
    }
    EXPECT_EQ(checked, 26);

    // The frames that only check the parity remainder: a DF21 and a format above 23.
    Msg commB = decode(fromHex("a800089d8094e33a6004e4b8a522"));
    ASSERT_NE(commB, nullptr);
    EXPECT_EQ(commB->icaoAddress(), 0x4953D4u);
    EXPECT_EQ(decode(fromHex("c80b2dca34aa21dd821a04cb64d4")), nullptr);
}

// The recordings: every extended squitter passes its parity; every Comm-B reply gives the
// address recorded with it, except three DF20 replies that were received damaged. An AP reply
// cannot reveal its damage, so one of them yields another address; the other two carry an
// altitude code that is no altitude (all zeros, and an illegal Gillham code) and are dropped.
TEST_F(ModeSDecoderTest, RecordedReplies) {
    LogCapture quiet(Log::WARNING);
    int squitters = 0;
    for (const auto& row : testdata::readCsv("sample_data_adsb.csv", false)) {
        Msg message = decode(fromHex(row[1]));
        ASSERT_NE(message, nullptr) << row[1];
        EXPECT_EQ(message->icaoAddress(), std::stoul(row[2], nullptr, 16)) << row[1];
        EXPECT_EQ(message->confidence(), ModeSMessage::FULL) << row[1];
        ++squitters;
    }
    EXPECT_EQ(squitters, 2000);

    const std::map<std::string, bool> damaged = {{"A03F40002EC423613A3527BE77D1", false},
                                                 {"A6FAA2A000161DB2C80030A40000", false},
                                                 {"A000009CC6500030AA0000E16CC9", true}};
    int matching = 0;
    int seenDamaged = 0;
    for (const char* file : {"sample_data_commb_df20.csv", "sample_data_commb_df21.csv"}) {
        for (const auto& row : testdata::readCsv(file, false)) {
            Msg message = decode(fromHex(row[2]));
            const auto it = damaged.find(row[2]);
            if (it != damaged.end()) {
                ++seenDamaged;
                EXPECT_EQ(message != nullptr, it->second) << row[2];
                if (message) {
                    EXPECT_NE(message->icaoAddress(), std::stoul(row[1], nullptr, 16)) << row[2];
                }
                continue;
            }
            ASSERT_NE(message, nullptr) << file << " " << row[2];
            EXPECT_EQ(message->icaoAddress(), std::stoul(row[1], nullptr, 16))
                << file << " " << row[2];
            ++matching;
        }
    }
    EXPECT_EQ(seenDamaged, 3);
    EXPECT_EQ(matching, 9997);
}

TEST_F(ModeSDecoderTest, TimeStampOverloads) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(kDF17.data());
    Msg local(decoder.decode(ModeSMessage::DOWNLINK, kDF17, 0));
    ASSERT_NE(local, nullptr);
    EXPECT_EQ(local->timeSource(), ModeSMessage::LOCAL);
    EXPECT_EQ(local->timeStamp(), kT0);

    Msg external(decoder.decode(ModeSMessage::DOWNLINK, kDF17, 1234567));
    ASSERT_NE(external, nullptr);
    EXPECT_EQ(external->timeSource(), ModeSMessage::EXTERNAL);
    EXPECT_EQ(external->timeStamp(), 1234567u);

    Msg fromBytes(decoder.decode(ModeSMessage::DOWNLINK, bytes, kDF17.size()));
    ASSERT_NE(fromBytes, nullptr);
    EXPECT_EQ(fromBytes->data(), kDF17);
    EXPECT_EQ(fromBytes->timeSource(), ModeSMessage::LOCAL);

    Msg fromBytesStamped(decoder.decode(ModeSMessage::DOWNLINK, bytes, kDF17.size(), 99));
    ASSERT_NE(fromBytesStamped, nullptr);
    EXPECT_EQ(fromBytesStamped->timeStamp(), 99u);
    EXPECT_EQ(fromBytesStamped->timeSource(), ModeSMessage::EXTERNAL);
    Msg fromBytesZero(decoder.decode(ModeSMessage::DOWNLINK, bytes, kDF17.size(), 0));
    ASSERT_NE(fromBytesZero, nullptr);
    EXPECT_EQ(fromBytesZero->timeSource(), ModeSMessage::LOCAL);

    EXPECT_EQ(decoder.decode(ModeSMessage::DOWNLINK, nullptr, 14, 5), nullptr);
    EXPECT_EQ(decoder.decode(ModeSMessage::DOWNLINK, bytes, 0), nullptr);
    EXPECT_EQ(decoder.decode(ModeSMessage::UPLINK, kDF17, 5), nullptr);
}

// Replies whose address hides under the parity are trusted only from confirmed addresses.
TEST_F(ModeSDecoderTest, AddressConfirmationWindow) {
    const std::string replies[] = {df0(), df4(), df5(), df16(), df20(), df21()};
    for (const std::string& reply : replies) {
        SCOPED_TRACE(toHex(reply));
        ModeSDecoder fresh;
        decoder = fresh;
        at(0);
        EXPECT_EQ(graded(reply), ModeSMessage::LOW);  // never seen in a squitter
        EXPECT_EQ(graded(kDF17), ModeSMessage::FULL);
        EXPECT_EQ(graded(reply), ModeSMessage::FULL);
        at(600);  // still confirmed: the squitter's time plus 600 is not earlier than now
        EXPECT_EQ(graded(reply), ModeSMessage::FULL);
        at(1200);  // the reply at 600 refreshed the address
        EXPECT_EQ(graded(reply), ModeSMessage::FULL);
        at(1801);
        EXPECT_EQ(graded(reply), ModeSMessage::LOW);
        EXPECT_EQ(graded(reply), ModeSMessage::LOW);  // a LOW reply refreshes nothing
        EXPECT_EQ(graded(df4(kAddress + 1)), ModeSMessage::LOW);
    }
}

TEST_F(ModeSDecoderTest, AltitudeInMetresIsNeverTrusted) {
    EXPECT_EQ(graded(kDF17), ModeSMessage::FULL);
    for (const char* head : {"20001758000000", "00001758000000", "A0001858CA380031440000000000",
                             "8000175800000000000000000000"}) {
        const std::string metric = frames::withOverlay(fromHex(head), kAddress);  // M bit set
        Msg message = decode(metric);
        ASSERT_NE(message, nullptr) << head;
        EXPECT_EQ(message->confidence(), ModeSMessage::NONE) << head;
    }
    EXPECT_EQ(graded(df4()), ModeSMessage::FULL);  // the metric replies still refreshed it
}

TEST_F(ModeSDecoderTest, ExtendedSquittersConfirmTheirAddress) {
    struct Row {
        std::string squitter;
        ModeSMessage::Confidence grade;
        bool confirms;
    };
    const Row rows[] = {
        {kDF17, ModeSMessage::FULL, true},
        {squitter("90", 0x111111), ModeSMessage::FULL, true},  // DF18
        {squitter("98", 0x222222), ModeSMessage::FULL, true},  // DF19, AF 0
    };
    for (const Row& row : rows) {
        const uint32_t address = bits::field(row.squitter, 8, 31);
        EXPECT_EQ(graded(df4(address)), ModeSMessage::LOW);
        EXPECT_EQ(graded(row.squitter), row.grade);
        EXPECT_EQ(graded(df4(address)), row.confirms ? ModeSMessage::FULL : ModeSMessage::LOW);
    }
}

TEST_F(ModeSDecoderTest, MilitarySquitterIsNotDecoded) {
    std::string af1 = squitter("99", 0x333333);
    LogCapture log;
    Msg message = decode(af1);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(log.count("AF = 1, reserved for military applications."), 1);
    EXPECT_EQ(message->icaoAddress(), 0u);
    EXPECT_EQ(message->confidence(), ModeSMessage::LOW);
    ASSERT_EQ(message->fields().size(), 1u);
    EXPECT_EQ(message->fields()[0]->designator(), ModeSMessageField::AF);
    EXPECT_EQ(graded(df4(0x333333)), ModeSMessage::LOW);
    EXPECT_EQ(graded(df4(0)), ModeSMessage::LOW);

    // With AF 0 but a damaged parity there is no repair.
    std::string damaged = squitter("98");
    flipBit(damaged, 40);
    log.clear();
    EXPECT_EQ(decode(damaged), nullptr);
    EXPECT_EQ(log.count("Parity check failed."), 1);
    EXPECT_EQ(log.lines.size(), 1u);
}

TEST_F(ModeSDecoderTest, DamagedSquittersAreRepaired) {
    struct Row {
        std::string good;
        std::vector<unsigned> flips;
        std::vector<std::string> logged;  // in order
        std::string source;
    };
    const std::string df18 = squitter("90");
    const Row rows[] = {
        {kDF17,
         {40},
         {"Parity check failed.", "Fix 1 bit error in DF-17 message at 40."},
         "DF17Message"},
        {kDF17,
         {5},
         {"Parity check failed.", "Fix 1 bit error in DF-17 message at 5."},
         "DF17Message"},
        {kDF17,
         {87},
         {"Parity check failed.", "Fix 1 bit error in DF-17 message at 87."},
         "DF17Message"},
        {kDF17,
         {60, 12},
         {"Parity check failed.", "Fix 2 bits error in DF-17 message at 12 and 60."},
         "DF17Message"},
        {df18,
         {9},
         {"Parity check failed.", "Fix 1 bit error in DF-18 message at 9."},
         "DF18Message"},
        {df18,
         {33, 86},
         {"Parity check failed.", "Fix 2 bits error in DF-18 message at 33 and 86."},
         "DF18Message"},
        // One inverted bit of the parity field: the data bits are as sent, so the reply is
        // taken with its parity bit put right, as a one-bit repair.
        {kDF17,
         {100},
         {"Parity check failed.", "Fix 1 bit error in DF-17 message at 100."},
         "DF17Message"},
        {kDF17,
         {88},
         {"Parity check failed.", "Fix 1 bit error in DF-17 message at 88."},
         "DF17Message"},
        {kDF17,
         {111},
         {"Parity check failed.", "Fix 1 bit error in DF-17 message at 111."},
         "DF17Message"},
        {df18,
         {95},
         {"Parity check failed.", "Fix 1 bit error in DF-18 message at 95."},
         "DF18Message"},
    };
    for (const Row& row : rows) {
        std::string damaged = row.good;
        for (unsigned pos : row.flips)
            flipBit(damaged, pos);
        SCOPED_TRACE(toHex(damaged));
        ModeSDecoder fresh;
        decoder = fresh;
        LogCapture log;
        Msg message = decode(damaged);
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(message->data(), row.good);  // keeps the corrected bytes
        EXPECT_TRUE(message->valid());
        EXPECT_EQ(message->confidence(), ModeSMessage::FULL);
        EXPECT_EQ(message->icaoAddress(), kAddress);
        EXPECT_EQ(message->correctedBits(), row.flips.size());
        ASSERT_EQ(log.lines.size(), row.logged.size());
        for (std::size_t i = 0; i < row.logged.size(); ++i)
            EXPECT_EQ(log.count(row.logged[i]), 1);
        EXPECT_NE(log.lines[0].find("[INFO    ][" + row.source), std::string::npos);
        EXPECT_NE(log.lines[1].find("[INFO    ][ModeSDecoder"), std::string::npos);
        EXPECT_EQ(graded(df4()), ModeSMessage::FULL);  // the repaired squitter confirmed it
    }
}

TEST_F(ModeSDecoderTest, SquittersBeyondRepairAreRefused) {
    struct Row {
        std::string data;
        const char* logged;
    };
    std::string threeBits = kDF17;
    for (unsigned pos : {9u, 40u, 77u})
        flipBit(threeBits, pos);
    std::string df18ThreeBits = squitter("90");
    for (unsigned pos : {20u, 50u, 70u})
        flipBit(df18ThreeBits, pos);
    std::string twoParityBits = kDF17;
    flipBit(twoParityBits, 100);  // two bits of the parity field: no data bits repair that
    flipBit(twoParityBits, 101);
    const Row rows[] = {
        {threeBits, "Unable to fix error in DF-17 message."},
        {df18ThreeBits, "Unable to fix error in DF-18 message."},
        {twoParityBits, "Unable to fix error in DF-17 message."},
        {kDF17.substr(0, 13), "Unable to fix error in DF-17 message."},  // too short to check
        {fromHex("88"), "Unable to fix error in DF-17 message."},
    };
    for (const Row& row : rows) {
        LogCapture log;
        EXPECT_EQ(decode(row.data), nullptr) << toHex(row.data);
        EXPECT_EQ(log.count(row.logged), 1) << toHex(row.data);
    }
    EXPECT_EQ(graded(df4()), ModeSMessage::LOW);
}

// Error-free replies carry no repair count; the textbook example of a corrupted squitter
// (8D4CA251...: computed xor received parity 000010) has one inverted parity bit, 107.
TEST_F(ModeSDecoderTest, RepairCountOfEachReply) {
    const Msg clean = decode(kDF17);
    ASSERT_NE(clean, nullptr);
    EXPECT_EQ(clean->correctedBits(), 0);

    LogCapture log;
    const Msg textbook = decode(fromHex("8D4CA251204994B1C36E60A5343D"));
    ASSERT_NE(textbook, nullptr);
    EXPECT_EQ(textbook->correctedBits(), 1);
    EXPECT_EQ(textbook->icaoAddress(), 0x4CA251u);
    EXPECT_EQ(toHex(textbook->data()), "8D4CA251204994B1C36E60A5342D");
    EXPECT_EQ(log.count("Fix 1 bit error in DF-17 message at 107."), 1);
}

// The repair setting: how many inverted bits a squitter may have and still be taken.
TEST_F(ModeSDecoderTest, RepairSetting) {
    auto damaged = [](std::vector<unsigned> flips) {
        std::string data = kDF17;
        for (unsigned pos : flips)
            flipBit(data, pos);
        return data;
    };
    const struct {
        ModeSDecoder::ErrorRepair setting;
        std::vector<unsigned> flips;
        int corrected;  // -1: refused
    } rows[] = {
        {ModeSDecoder::REPAIR_NONE, {}, 0},
        {ModeSDecoder::REPAIR_NONE, {40}, -1},
        {ModeSDecoder::REPAIR_NONE, {100}, -1},
        {ModeSDecoder::REPAIR_NONE, {12, 60}, -1},
        {ModeSDecoder::REPAIR_ONE_BIT, {40}, 1},
        {ModeSDecoder::REPAIR_ONE_BIT, {100}, 1},
        {ModeSDecoder::REPAIR_ONE_BIT, {12, 60}, -1},
        {ModeSDecoder::REPAIR_TWO_BITS, {40}, 1},
        {ModeSDecoder::REPAIR_TWO_BITS, {100}, 1},
        {ModeSDecoder::REPAIR_TWO_BITS, {12, 60}, 2},
        {ModeSDecoder::REPAIR_TWO_BITS, {12, 60, 77}, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "setting " << row.setting << " flips "
                                        << row.flips.size() << " " << toHex(damaged(row.flips)));
        ModeSDecoder fresh;
        decoder = fresh;
        decoder.setErrorRepair(row.setting);
        EXPECT_EQ(decoder.errorRepair(), row.setting);
        LogCapture log;
        const Msg message = decode(damaged(row.flips));
        if (row.corrected < 0) {
            EXPECT_EQ(message, nullptr);
            EXPECT_EQ(log.count("Unable to fix error in DF-17 message."), 1);
            EXPECT_EQ(graded(df4()), ModeSMessage::LOW);  // nothing confirmed
        } else {
            ASSERT_NE(message, nullptr);
            EXPECT_EQ(message->data(), kDF17);
            EXPECT_EQ(message->correctedBits(), row.corrected);
            EXPECT_EQ(message->confidence(), ModeSMessage::FULL);
        }
    }
    // The default repairs two bits; a value outside the enumeration means the same.
    EXPECT_EQ(ModeSDecoder().errorRepair(), ModeSDecoder::REPAIR_TWO_BITS);
    decoder.setErrorRepair(static_cast<ModeSDecoder::ErrorRepair>(7));
    EXPECT_EQ(decoder.errorRepair(), ModeSDecoder::REPAIR_TWO_BITS);
}

// The searches themselves keep their answers: neither finds data bits for a syndrome of one
// parity-field bit, on any of the 24 bits.
TEST_F(ModeSDecoderTest, ParityFieldBitsAreNotFoundByTheSearches) {
    for (unsigned pos = 88; pos < 112; ++pos) {
        std::string data = kDF17;
        flipBit(data, pos);
        DF17Message message;
        ASSERT_FALSE(message.decode(data));
        const uint32_t received = message.constFieldPI().parity();
        uint8_t p1 = 0, p2 = 0;
        std::string copy = data;
        EXPECT_FALSE(message.fixError1Bit(copy, p1, received)) << pos;
        EXPECT_FALSE(message.fixError2Bits(copy, p1, p2, received)) << pos;
        EXPECT_EQ(copy, data);
        const Msg repaired = decode(data);
        ASSERT_NE(repaired, nullptr) << pos;
        EXPECT_EQ(repaired->data(), kDF17);
    }
}

TEST_F(ModeSDecoderTest, RepairThatChangesTheFormatFailsToDecode) {
    // A valid DF19 (10011) with bit 3 flipped reads as a DF17 (10001) that is one bit away
    // from a codeword: the repair restores the DF19, which a DF17 cannot decode.
    std::string data = squitter("98");
    flipBit(data, 3);
    ASSERT_EQ(static_cast<unsigned char>(data[0]) >> 3, 17u);
    LogCapture log;
    EXPECT_EQ(decode(data), nullptr);
    EXPECT_EQ(log.count("Fix 1 bit error in DF-17 message at 3."), 1);
    EXPECT_EQ(log.count("DF format mismatch."), 1);
    EXPECT_EQ(log.count("Faild to decode DF-17 message after CRC fixing."), 1);
    EXPECT_EQ(log.countContaining("[CRITICAL][ModeSDecoder"), 1);
}

// DF11: the interrogator is learnt from confirmed addresses and, once well known, vouches for
// new ones.
TEST_F(ModeSDecoderTest, AllCallInterrogatorLearning) {
    constexpr uint32_t kOther = 0x4840D6;
    constexpr uint32_t kThird = 0x3C6DD0;
    EXPECT_EQ(graded(df11(3, kOther)), ModeSMessage::NONE);  // nothing known yet
    EXPECT_EQ(graded(kDF17), ModeSMessage::FULL);
    EXPECT_EQ(graded(df11(3)), ModeSMessage::LOW);  // II 3 entered with count 1
    for (int count = 2; count <= 9; ++count) {
        EXPECT_EQ(graded(df11(3)), ModeSMessage::HIGH) << count;
    }
    EXPECT_EQ(graded(df11(3, kOther)), ModeSMessage::NONE);  // count 9: not yet trusted
    EXPECT_EQ(graded(df11(3)), ModeSMessage::FULL);          // count 10
    EXPECT_EQ(graded(df11(3, kOther)), ModeSMessage::FULL);  // II 3 vouches: count 11
    EXPECT_EQ(graded(df4(kOther)), ModeSMessage::FULL);      // kOther is now confirmed

    at(60);  // II 3 was refreshed at 0: still confirmed
    EXPECT_EQ(graded(df11(3, kThird)), ModeSMessage::FULL);
    at(121);  // more than 60 s after: forgotten
    EXPECT_EQ(graded(df11(3, 0x123456)), ModeSMessage::NONE);
    EXPECT_EQ(graded(df11(3)), ModeSMessage::LOW);  // relearnt from a confirmed address, count 1
    EXPECT_EQ(graded(df11(3)), ModeSMessage::HIGH);
    EXPECT_EQ(graded(df11(3, 0x123456)), ModeSMessage::NONE);

    // A surveillance identifier (code label 1, SI 6) is learnt the same way.
    EXPECT_EQ(graded(df11(0x16)), ModeSMessage::LOW);
    EXPECT_EQ(graded(df11(0x16)), ModeSMessage::HIGH);
}

TEST_F(ModeSDecoderTest, AllCallWithInterrogatorZeroFromAConfirmedAddressIsFull) {
    EXPECT_EQ(graded(kDF17), ModeSMessage::FULL);
    EXPECT_EQ(graded(df11(0)), ModeSMessage::LOW);   // II 0 entered, count 1
    EXPECT_EQ(graded(df11(0)), ModeSMessage::FULL);  // count 2, but II 0 is the squitter's
    EXPECT_EQ(graded(df11(0, 0x777777)), ModeSMessage::NONE);  // count 2 vouches for nobody
}

TEST_F(ModeSDecoderTest, AllCallWithAnInvalidInterrogator) {
    EXPECT_EQ(graded(kDF17), ModeSMessage::FULL);
    struct Row {
        uint32_t ii;
        const char* logged;
    };
    const Row rows[] = {
        {0x56, "Invalid interrogator id, II = 86"},  // code label 5
        {0x70, "Invalid interrogator id, II = 112"},
        {0x80, "Invalid interrogator id, II = 128"},
        {0xABCDEF, "Invalid interrogator id, II = 11259375"},
    };
    for (const Row& row : rows) {
        LogCapture log;
        Msg message = decode(df11(row.ii));
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(message->confidence(), ModeSMessage::NONE);
        EXPECT_EQ(log.count(row.logged), 1) << row.logged;
    }
}

TEST_F(ModeSDecoderTest, CopiesCarryTheTables) {
    EXPECT_EQ(graded(kDF17), ModeSMessage::FULL);
    ModeSDecoder copy(decoder);
    Msg message(copy.decode(ModeSMessage::DOWNLINK, df4()));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->confidence(), ModeSMessage::FULL);
    ModeSDecoder moved(std::move(copy));
    Msg again(moved.decode(ModeSMessage::DOWNLINK, df5()));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->confidence(), ModeSMessage::FULL);
}

}  // namespace
}  // namespace modes
}  // namespace brannic
