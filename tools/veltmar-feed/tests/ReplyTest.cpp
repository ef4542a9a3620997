// Mode S replies to interrogations, decoded again by the modes library: address under the
// parity, flight status, altitude (25-ft and Gillham) and identity codes, interrogator codes,
// and the Comm-B and ACAS fields carried whole.

#include <gtest/gtest.h>

#include <modes/DF0Message.h>
#include <modes/DF11Message.h>
#include <modes/DF16Message.h>
#include <modes/DF20Message.h>
#include <modes/DF21Message.h>
#include <modes/DF4Message.h>
#include <modes/DF5Message.h>

#include "ModesRoundTrip.h"
#include "feedgen/AltitudeCode.h"
#include "feedgen/Replies.h"

namespace {

namespace modes = brannic::modes;
using feedgen::AltitudeReport;
using feedgen::Frame;
using feedtest::as;
using feedtest::decodeReply;
using Coding = feedgen::altitude::Coding;

constexpr uint32_t kAddress = 0x4CA2D6;

// Frames built around Gillham codes whose altitudes are published (the modes library's test
// vectors, "gillham-df4" rows): address 400940, flight status 0.
TEST(FeedReplies, GillhamAltitudesMatchPublishedCodes) {
    struct Row {
        double feet;
        const char* hex;
    };
    const Row rows[] = {
        {-1000, "20000400F8591F"}, {0, "2000040AF83568"},     {100, "2000140A18ED68"},
        {1000, "20000428F9E8C3"},  {32000, "20000C0B77AD61"}, {126700, "20000104CE5AA9"},
    };
    for (const Row& row : rows) {
        const Frame frame = feedgen::replies::df4(0x400940, 0, AltitudeReport{row.feet, Coding::Gillham100});
        EXPECT_EQ(frame.hex(), row.hex) << row.feet;
    }
}

TEST(FeedReplies, AltitudeCodesDecodeBackEveryHundredFeet) {
    modes::ModeSDecoder decoder;
    for (int feet = -1000; feet <= 126700; feet += 100) {
        for (Coding coding : {Coding::Feet25, Coding::Gillham100}) {
            if (coding == Coding::Feet25 && feet > 50175)
                continue;
            const Frame frame = feedgen::replies::df4(kAddress, 0, AltitudeReport{double(feet), coding});
            const auto message = decodeReply(decoder, frame);
            const auto* df4 = as<modes::DF4Message>(message);
            ASSERT_NE(df4, nullptr) << feet;
            ASSERT_EQ(df4->constFieldAC().altitude(), feet) << feet << (coding == Coding::Gillham100 ? " Gillham" : "");
            ASSERT_EQ(df4->constFieldAC().altitudeResolution(),
                      coding == Coding::Gillham100 ? modes::RES_100FT : modes::RES_25FT);
        }
    }
}

TEST(FeedReplies, AltitudeOutOfRangeGivesNoFrame) {
    EXPECT_TRUE(feedgen::replies::df4(kAddress, 0, AltitudeReport{50200.0, Coding::Feet25}).empty());
    EXPECT_TRUE(feedgen::replies::df4(kAddress, 0, AltitudeReport{-1100.0, Coding::Gillham100}).empty());
    EXPECT_TRUE(feedgen::replies::df4(kAddress, 0, AltitudeReport{126800.0, Coding::Gillham100}).empty());
    EXPECT_TRUE(feedgen::replies::df4(kAddress, 8, AltitudeReport{1000.0}).empty());
    uint32_t code = 0xDEAD;
    EXPECT_FALSE(feedgen::altitude::encode13(1e9, Coding::Feet25, code));
    EXPECT_EQ(code, 0xDEADu) << "a refusal leaves the code untouched";
    const Frame none = feedgen::replies::df4(kAddress, 0, AltitudeReport{});
    EXPECT_EQ(none.hex().substr(4, 4), "0000") << "no altitude: AC is 0";
}

TEST(FeedReplies, SurveillanceRepliesCarryAddressStatusAndCodes) {
    modes::ModeSDecoder decoder;
    for (uint8_t fs : {0, 1, 5}) {
        const auto alt = decodeReply(decoder, feedgen::replies::df4(kAddress, fs, AltitudeReport{37000.0}));
        const auto* df4 = as<modes::DF4Message>(alt);
        ASSERT_NE(df4, nullptr);
        EXPECT_EQ(df4->icaoAddress(), kAddress);
        EXPECT_EQ(df4->constFieldFS().flightStatus(), fs);
        EXPECT_EQ(df4->constFieldAC().altitude(), 37000);
    }
    for (uint32_t squawk : {07700u, 01000u, 04001u, 0u, 07777u}) {
        const auto id = decodeReply(decoder, feedgen::replies::df5(kAddress, 1, squawk));
        const auto* df5 = as<modes::DF5Message>(id);
        ASSERT_NE(df5, nullptr);
        EXPECT_EQ(df5->icaoAddress(), kAddress);
        EXPECT_EQ(df5->constFieldID().identity(), squawk) << std::oct << squawk;
    }
    EXPECT_TRUE(feedgen::replies::df5(kAddress, 0, 010000).empty());
}

TEST(FeedReplies, AllCallRepliesCarryTheInterrogatorCode) {
    modes::ModeSDecoder decoder;
    for (uint32_t code : {0u, 3u, 15u, 0x21u, 0x4Fu}) {
        const auto message = decodeReply(decoder, feedgen::replies::df11(kAddress, 5, code));
        const auto* df11 = as<modes::DF11Message>(message);
        ASSERT_NE(df11, nullptr);
        EXPECT_EQ(df11->icaoAddress(), kAddress);
        EXPECT_EQ(df11->constFieldCA().capability(), 5);
        EXPECT_EQ(df11->constFieldPI().interrogatorId(), code);
        EXPECT_TRUE(df11->constFieldPI().interrogatorIdValid()) << code;
    }
    EXPECT_TRUE(feedgen::replies::df11(kAddress, 5, 0x80).empty());
}

TEST(FeedReplies, CommBAndAcasRepliesCarryTheirFields) {
    modes::ModeSDecoder decoder;
    const feedgen::MBField mb{0x20, 0x10, 0x32, 0xC3, 0x5C, 0x31, 0x80};
    const std::string mbText(mb.begin(), mb.end());

    const auto m20 = decodeReply(decoder, feedgen::replies::df20(kAddress, 0, AltitudeReport{24000.0}, mb));
    const auto* df20 = as<modes::DF20Message>(m20);
    ASSERT_NE(df20, nullptr);
    EXPECT_EQ(df20->icaoAddress(), kAddress);
    EXPECT_EQ(df20->constFieldAC().altitude(), 24000);
    EXPECT_EQ(df20->constFieldMB().data(), mbText);

    const auto m21 = decodeReply(decoder, feedgen::replies::df21(kAddress, 0, 01234, mb));
    const auto* df21 = as<modes::DF21Message>(m21);
    ASSERT_NE(df21, nullptr);
    EXPECT_EQ(df21->icaoAddress(), kAddress);
    EXPECT_EQ(df21->constFieldID().identity(), 01234u);
    EXPECT_EQ(df21->constFieldMB().data(), mbText);

    for (bool ground : {false, true}) {
        const auto m0 = decodeReply(decoder, feedgen::replies::df0(kAddress, ground, AltitudeReport{33000.0}, 3, 7));
        const auto* df0 = as<modes::DF0Message>(m0);
        ASSERT_NE(df0, nullptr);
        EXPECT_EQ(df0->icaoAddress(), kAddress);
        EXPECT_EQ(df0->constFieldVS().verticalStatus(), ground ? 1 : 0);
        EXPECT_EQ(df0->constFieldAC().altitude(), 33000);
        const Frame frame = feedgen::replies::df0(kAddress, ground, AltitudeReport{33000.0}, 3, 7);
        EXPECT_EQ((frame.bytes[1] >> 5) & 7, 7) << "sensitivity level";
        EXPECT_EQ(((frame.bytes[1] & 7) << 1) | (frame.bytes[2] >> 7), 3) << "reply information";

        const auto m16 = decodeReply(decoder, feedgen::replies::df16(kAddress, ground, AltitudeReport{33000.0}, mb));
        const auto* df16 = as<modes::DF16Message>(m16);
        ASSERT_NE(df16, nullptr);
        EXPECT_EQ(df16->icaoAddress(), kAddress);
        EXPECT_EQ(df16->constFieldMV().data(), mbText);
    }
    EXPECT_TRUE(feedgen::replies::df0(kAddress, false, AltitudeReport{}, 16, 0).empty());
}

}  // namespace
