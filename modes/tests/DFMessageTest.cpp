// The downlink-format message classes on their own: format codes and names, fields in reply
// order, texts, the format check and copies.

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

#include <memory>

#include <gtest/gtest.h>

#include "FrameBuilder.h"
#include "LogCapture.h"
#include "TestData.h"

namespace brannic {
namespace modes {
namespace {

using testdata::fromHex;
using testdata::toHex;
using D = ModeSMessageField::Designator;

TEST(DFMessage, FormatCodesAndNames) {
    for (unsigned code = 0; code < 256; ++code) {
        const DownlinkFormat df = DFMessage::downlinkFormatByCode(static_cast<uint8_t>(code));
        EXPECT_EQ(static_cast<unsigned>(df), code < 24 ? code : 24u) << code;
    }
    DF17Message df17;
    EXPECT_EQ(df17.downlinkFormat(), DF_17);
    EXPECT_EQ(df17.downlinkFormatName(), "DF-17");
    EXPECT_EQ(df17.DFMessage::description(), "Mode-S DF-17 Message");
    EXPECT_EQ(df17.modeSMsgType(), ModeSMessage::DOWNLINK);
    DF0Message df0;
    EXPECT_EQ(df0.downlinkFormatName(), "DF-0");
}

// Each class decodes a real (or parity-correct) reply of its format; its fields come in reply
// order at their positions, and its text joins the field texts.
TEST(DFMessage, FieldsAndTexts) {
    struct Row {
        std::unique_ptr<DFMessage> message;
        std::string data;
        std::vector<std::pair<D, unsigned>> fields;
        const char* text;
    };
    const std::string df0 = frames::withOverlay(fromHex("04001718000000"), 0x406B90);
    Row rows[10] = {
        {std::make_unique<DF0Message>(),
         df0,
         {{D::VS, 5}, {D::AC, 19}, {D::AP, 32}},
         "VS: GND; AC: 36000"},
        {std::make_unique<DF4Message>(),
         fromHex("20001718029FCD"),
         {{D::FS, 5}, {D::AC, 19}, {D::AP, 32}},
         "FS: AIR; AC: 36000"},
        {std::make_unique<DF5Message>(),
         fromHex("2A00516D492B80"),
         {{D::FS, 5}, {D::ID, 19}, {D::AP, 32}},
         "FS: AIR, ALERT; ID: 0356"},
        {std::make_unique<DF11Message>(),
         fromHex("5D484FDEA248F5"),
         {{D::CA, 5}, {D::AA, 8}, {D::PI, 32}},
         "CA: 5; AA: 484FDE; PI: A248F5"},
        {std::make_unique<DF16Message>(),
         frames::withOverlay(fromHex("8000171820000000000000000000"), 0x406B90),
         {{D::VS, 5}, {D::AC, 19}, {D::MV, 32}, {D::AP, 88}},
         "VS: AIR; AC: 36000"},
        {std::make_unique<DF17Message>(),
         fromHex("8D406B902015A678D4D220AA4BDA"),
         {{D::CA, 5}, {D::AA, 8}, {D::ME, 32}, {D::PI, 88}},
         "CA: 5; AA: 406B90; ME: 2015A678D4D220"},
        {std::make_unique<DF18Message>(),
         frames::withOverlay(fromHex("92406B902015A678D4D220000000"), 0),
         {{D::CF, 5}, {D::AA, 8}, {D::ME, 32}, {D::PI, 88}},
         "CF: 2; AA: 406B90; ME: 2015A678D4D220"},
        {std::make_unique<DF19Message>(),
         frames::withOverlay(fromHex("98406B902015A678D4D220000000"), 0),
         {{D::AF, 5}, {D::AA, 8}, {D::ME, 32}, {D::PI, 88}},
         "AF: 0; AA: 406B90; ME: 2015A678D4D220"},
        {std::make_unique<DF20Message>(),
         fromHex("A0001838CA380031440000F24177"),
         {{D::FS, 5}, {D::AC, 19}, {D::MB, 32}, {D::AP, 88}},
         "FS: AIR; AC: 38000"},
        {std::make_unique<DF21Message>(),
         fromHex("A8000D9FA55A032DBFFC000D8123"),
         {{D::FS, 5}, {D::ID, 19}, {D::MB, 32}, {D::AP, 88}},
         "FS: AIR; ID: 5667"},
    };
    for (Row& row : rows) {
        SCOPED_TRACE(toHex(row.data));
        ASSERT_TRUE(row.message->decode(row.data));
        const auto fields = row.message->fields();
        ASSERT_EQ(fields.size(), row.fields.size());
        for (std::size_t i = 0; i < fields.size(); ++i) {
            EXPECT_EQ(fields[i]->designator(), row.fields[i].first) << i;
            EXPECT_EQ(fields[i]->pos(), row.fields[i].second) << i;
            EXPECT_TRUE(fields[i]->valid()) << i;
        }
        EXPECT_EQ(row.message->description(), row.text);
    }
}

TEST(DFMessage, AddressesFromTheParityOverlay) {
    DF20Message df20;
    ASSERT_TRUE(df20.decode(fromHex("A0001838CA380031440000F24177")));
    EXPECT_EQ(df20.icaoAddress(), 0x3C6DD0u);
    EXPECT_EQ(df20.constFieldAP().icaoAddress(), 0x3C6DD0u);
    EXPECT_EQ(df20.constFieldAP().parity(), df20.calculatedParity());
    EXPECT_EQ(df20.constFieldMB().dataHexString(), "CA380031440000");

    DF11Message df11;
    ASSERT_TRUE(df11.decode(fromHex("5D484FDEA248F5")));
    EXPECT_EQ(df11.icaoAddress(), 0x484FDEu);
    EXPECT_EQ(df11.constFieldPI().interrogatorId(), 22u);  // SI 6 (code label 1)
    EXPECT_EQ(df11.constFieldPI().parity(), df11.calculatedParity());

    DF17Message df17;
    ASSERT_TRUE(df17.decode(fromHex("8D406B902015A678D4D220AA4BDA")));
    EXPECT_EQ(df17.constFieldPI().parity(), 0xAA4BDAu);
    EXPECT_EQ(df17.constFieldPI().interrogatorId(), 0u);
}

TEST(DFMessage, SquitterParityIsChecked) {
    struct Row {
        std::unique_ptr<DFMessage> message;
        std::string good;
        const char* source;
    };
    Row rows[] = {
        {std::make_unique<DF17Message>(), fromHex("8D406B902015A678D4D220AA4BDA"), "DF17Message"},
        {std::make_unique<DF18Message>(),
         frames::withOverlay(fromHex("90406B902015A678D4D220000000"), 0), "DF18Message"},
        {std::make_unique<DF19Message>(),
         frames::withOverlay(fromHex("98406B902015A678D4D220000000"), 0), "DF19Message"},
    };
    for (Row& row : rows) {
        std::string bad = row.good;
        bad[13] = static_cast<char>(bad[13] ^ 1);
        LogCapture log;
        EXPECT_FALSE(row.message->decode(bad)) << row.source;
        EXPECT_FALSE(row.message->valid());
        EXPECT_EQ(log.count("Parity check failed."), 1) << row.source;
        EXPECT_EQ(log.countContaining(std::string("[INFO    ][") + row.source), 1);
        // What the decoder repairs against: the received PI.
        EXPECT_EQ(row.message->fields().back()->designator(), D::PI);
        EXPECT_TRUE(row.message->decode(row.good)) << row.source;
        EXPECT_EQ(row.message->icaoAddress(), 0x406B90u);
    }
}

TEST(DFMessage, ReplyOfAnotherFormatIsRefused) {
    LogCapture log;
    DF17Message df17;
    EXPECT_FALSE(df17.decode(frames::withOverlay(fromHex("90406B902015A678D4D220000000"), 0)));
    EXPECT_EQ(log.count("DF format mismatch."), 1);
    EXPECT_EQ(log.countContaining("[INFO    ][DFMessage"), 1);
    DF4Message df4;
    EXPECT_FALSE(df4.decode(fromHex("28000000000000")));  // a DF5
    DF0Message df0;
    EXPECT_FALSE(df0.decode(fromHex("2000171802")));  // too short: no log
    EXPECT_EQ(log.lines.size(), 2u);
}

TEST(DFMessage, MilitarySquitterKeepsOnlyItsApplicationField) {
    LogCapture log;
    for (uint8_t af = 1; af < 8; ++af) {
        DF19Message df19;
        std::string data = fromHex("98406B902015A678D4D220AA4BDA");
        data[0] = static_cast<char>(0x98 | af);
        ASSERT_TRUE(df19.decode(data)) << int{af};
        EXPECT_EQ(df19.icaoAddress(), 0u);
        EXPECT_EQ(df19.constFieldAF().code(), af);
        EXPECT_FALSE(df19.constFieldAA().valid());
        ASSERT_EQ(df19.fields().size(), 1u);
        EXPECT_EQ(log.count("AF = " + std::to_string(af) + ", reserved for military applications."),
                  1);
    }
}

TEST(DFMessage, CopiesOwnTheirFields) {
    DF17Message original;
    ASSERT_TRUE(original.decode(fromHex("8D406B902015A678D4D220AA4BDA")));
    DF17Message copy(original);
    EXPECT_EQ(copy.fields()[1], &copy.constFieldAA());
    EXPECT_EQ(copy.description(), original.description());
    DF17Message moved(std::move(copy));
    EXPECT_EQ(moved.constFieldAA().icaoAddress(), 0x406B90u);
    EXPECT_EQ(moved.fields()[2], &moved.constFieldME());
    DF4Message a, b;
    ASSERT_TRUE(a.decode(fromHex("20001718029FCD")));
    b = a;
    EXPECT_EQ(b.constFieldAC().altitude(), 36000);
    EXPECT_EQ(b.fields()[1], &b.constFieldAC());
}

}  // namespace
}  // namespace modes
}  // namespace brannic
