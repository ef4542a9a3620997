// CAT062 and CAT065 items built from the category definitions: summaries at the boundaries of
// each field, every extension octet, repetition counts, the compound items with every subfield
// present, and the records that cannot be decoded.

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"
#include "CompoundItems.h"

namespace {

struct SummaryRow {
    ast_dataitem_type_t type;
    const char* hex;
    const char* summary;
};

// The composed track number with `parts` parts (unit i, track 2i), FX on all but the last.
std::string composedTracks(int parts) {
    std::string hex;
    for (int i = 0; i < parts; ++i) {
        char part[16];
        const int track = 2 * i;
        std::snprintf(part, sizeof part, "%02X %02X %02X ", i, (track >> 7) & 0xFF,
                      ((track << 1) & 0xFE) | (i + 1 < parts ? 1 : 0));
        hex += part;
    }
    return hex;
}

const std::string TRACKS_16 = composedTracks(16);
const std::string TRACKS_17 = composedTracks(17);

const SummaryRow SUMMARIES[] = {
    {62070, "A8 BF FF", "TOD:23:59:59.992"},
    {62080, "80", "TRACK_STS:MON"},
    {62080, "48", "TRACK_STS:SPI SRC=2"},  // SRC 2: 3D radar
    {62080, "03 80", "TRACK_STS:CNF SIM"},
    {62080, "01 01 D0", "TRACK_STS:AMA MD4=2 ME"},
    {62080, "01 01 01 FE", "TRACK_STS:CST PSR SSR MDS ADS SUC AAC"},
    {62080, "01 01 01 01 1D 00", "TRACK_STS:EMS=3 PFT"},
    {62080, "01 01 01 01 01 FC", "TRACK_STS:DUPT DUPF DUPM SFC IDD IEC"},
    {62130, "80 00", "LEVEL:-204800.00 LSB:FT"},
    {62130, "7F FF", "LEVEL:204793.75 LSB:FT"},
    {62135, "80 04", "ALTITUDE:100 LSB:FT"},
    {62135, "7F FF", "ALTITUDE:-25 LSB:FT"},
    {62136, "05 DC", "LEVEL:37500 LSB:FT"},
    {62136, "FF FC", "LEVEL:-100 LSB:FT"},
    {62200, "00", "T:CONSTANT L:CONSTANT V:LEVEL"},
    {62200, "54", "T:RIGHT L:ACCE V:CLIMB"},
    {62200, "A8", "T:LEFT L:DEACCE V:DESCENT"},
    {62200, "FE", "T:UND L:UND V:UND ADF"},
    {62210, "80 7F", "AX:-32.00 AY:31.75 LSB:M/S2"},
    {62220, "FF 90", "VH:-700.00 LSB:FT/MIN"},
    {62220, "7F FF", "VH:204793.75 LSB:FT/MIN"},
    {62270, "20", "L:16"},
    {62270, "21 40", "L:16 O:90.00"},
    {62270, "FF FF FE", "L:127 O:357.19 W:127"},
    {62510, "01 00 02", "NUM_TRACKS:1"},
    {62510, TRACKS_16.c_str(), "NUM_TRACKS:16"},
    {62510, TRACKS_17.c_str(), "NUM_TRACKS:0"},  // sized, but more than the form holds
    {62015, "FF", "SVC_ID:255"},
    {65000, "00", "MSG_TYPE:UNDEFINED"},
    {65000, "01", "MSG_TYPE:SDPS_STATUS"},
    {65000, "02", "MSG_TYPE:END_OF_BATCH"},
    {65000, "03", "MSG_TYPE:SVC_STATUS_REPORT"},
    {65000, "04", "MSG_TYPE:UNDEFINED"},
    {65020, "FF", "BAT:255"},
    {65040, "00", "STS:OPE SDPS-0"},
    {65040, "4C", "STS:DGD SDPS-3"},
    {65040, "88", "STS:DIS SDPS-2"},
    {65040, "C4", "STS:UKN SDPS-1"},
};

// Subfield values at their boundaries: {compound item, subfield index, octets, summary}.
struct SubfieldRow {
    ast_dataitem_type_t item;
    uint32_t index;
    const char* hex;
    const char* summary;
};

const SubfieldRow SUBFIELD_VALUES[] = {
    {62110, 3, "20 00 00 C0 00 00", "WGS84:450000N0900000W"},
    {62110, 4, "20 00", "GA:-204800FT"},
    {62110, 5, "0F FF", "EM1:7777"},
    {62110, 6, "80", "TOS:-1.0000S"},
    {62290, 1, "FF", "TRK:63.75S"},
    {62290, 5, "FF FF", "ADS:16383.75S"},
    {62295, 31, "01", "BPS:0.25S"},
    {62340, 2, "FF FF 80 00", "RHO:256.00 THETA:180.00"},
    {62340, 4, "20 00", "MDC:-2048.00FL"},
    {62340, 5, "0A 5D", "MDA:5135"},
    {62380, 1, "FF FF FF", "ADDR:FFFFFF"},
    {62380, 2, "4D 34 D3 4D 34 D3", "ACID:SSSSSSSS"},
    {62380, 3, "80 00", "MHG:180.00DEG"},
    {62380, 6, "F0 00", "SAL:-102400FT"},
    {62380, 9, "00", "TID:0"},
    {62380, 16, "C0 FE", "ROT:-0.25DEG/S"},
    {62380, 18, "80 00", "GS:-7200.00KT"},
    {62380, 25, "02 00 00 00 00 00 00 00 40 00 00 00 00 00 00 00 50", "MB:2"},
    {62380, 27, "01 F4", "MAC:4.000"},
    {62380, 28, "0F FF", "BPS:1209.5MB"},
    {62390, 2, "41 42 43 20 20 20 20", "CS:ABC"},
    {62390, 10, "FF FF", "CFL:16383.75FL"},
    {62390, 12, "00", "TOD:0"},
    {62390, 17, "1F FF", "PEM:7777"},
    {62500, 8, "FF", "ARC:1593.75FT/MIN"},
};

}  // namespace

TEST(Cat062Items, SummariesAtTheBoundariesOfEachField) {
    for (const SummaryRow& row : SUMMARIES) {
        const Bytes data = hexBytes(row.hex);
        AstLogCapture log;
        const ast_dataitem_t item = ast_dataitem_decode(data.data(), data.size(), row.type);
        ASSERT_TRUE(item.ok) << row.type << " " << row.hex;
        EXPECT_EQ(item.size, data.size()) << row.type << " " << row.hex;
        char text[256];
        EXPECT_STREQ(ast_dataitem_get_summary(text, sizeof text, &item), row.summary)
            << row.type << " " << row.hex;
        char html[8192];
        ast_dataitem_get_detail_html(html, sizeof html, &item);
        EXPECT_EQ(log.size(), 0u) << row.type << " " << row.hex;
    }
}

TEST(Cat062Items, SubfieldValuesAtTheirBoundaries) {
    for (const SubfieldRow& row : SUBFIELD_VALUES) {
        const Bytes data = hexBytes(row.hex);
        const uint32_t type = row.item * 1000 + row.index;
        EXPECT_EQ(ast_subfield_get_size(data.data(), data.size(), type), data.size()) << type;
        const ast_subfield_t sf = {1, data.data(), data.size(), type, 1};
        char text[256];
        EXPECT_STREQ(ast_subfield_get_summary(text, sizeof text, &sf), row.summary) << type;
    }
}

TEST(Cat062Items, EveryCompoundSubfieldPresent) {
    for (ast_dataitem_type_t type : {62110u, 62290u, 62295u, 62340u, 62380u, 62390u, 62500u})
        checkEverySubfield(type);
}

TEST(Cat062Items, ExtensionsAndRepetitionsPastTheirLimits) {
    AstLogCapture log;
    // I062/080 with FX on its sixth octet.
    const Bytes status = hexBytes("01 01 01 01 01 01 00");
    EXPECT_FALSE(ast_dataitem_decode(status.data(), status.size(), 62080).ok);
    EXPECT_EQ(log.count(AST_LOG_CRITICAL, "Dataitem length exceed max: 6"), 1);
    // I062/510 whose last part still announces another.
    const Bytes open = hexBytes("01 00 03");
    EXPECT_FALSE(ast_dataitem_decode(open.data(), open.size(), 62510).ok);
    const Bytes many = hexBytes(TRACKS_17);
    const ast_dataitem_t item = ast_dataitem_decode(many.data(), many.size(), 62510);
    EXPECT_TRUE(item.ok);
    EXPECT_FALSE(ast_dataitem_062_510_decode(&item).present);
    const Bytes sixteen = hexBytes(TRACKS_16);
    const ast_dataitem_t full = ast_dataitem_decode(sixteen.data(), sixteen.size(), 62510);
    const ast_dataitem_062_510_t f = ast_dataitem_062_510_decode(&full);
    ASSERT_TRUE(f.present);
    EXPECT_EQ(f.tracks[15].unit, 15u);
    EXPECT_EQ(f.tracks[15].track, 30u);
    // I062/380 announcing a trajectory intent of 0, 1 and 3 points.
    // (subfield 9, the second primary octet's 0x40).
    const struct {
        const char* hex;
        uint64_t size;
    } intents[] = {{"01 40 00", 3},
                   {"01 40 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00", 18},
                   {"01 40 03 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00", 0}};
    for (const auto& intent : intents) {
        const Bytes data = hexBytes(intent.hex);
        EXPECT_EQ(ast_dataitem_get_size(data.data(), data.size(), 62380), intent.size)
            << intent.hex;
    }
}

TEST(Cat062Items, RecordsThatCannotBeDecoded) {
    struct Row {
        const char* name;
        uint32_t category;
        const char* hex;
        const char* log;
    };
    const Row rows[] = {
        // FRN 1 I062/010 and the spare FRN 2.
        {"spare FRN", 62, "C0 19 64", "Unsupported dataitem I000/000"},
        // FRNs 1 and 23 (I062/300, vehicle fleet identification).
        {"I062/300", 62, "81 01 01 40 19 64 05", "Unsupported dataitem I062/300"},
        // FRNs 1 and 7 (I065/050, service status report).
        {"I065/050", 65, "82 19 64 01", "Unsupported dataitem I065/050"},
    };
    for (const Row& row : rows) {
        const Bytes data = hexBytes(row.hex);
        AstLogCapture log;
        const ast_datarecord_t r =
            ast_datarecord_decode(data.data(), data.size(), row.category, &AST_UAP_STANDARD);
        EXPECT_FALSE(r.ok) << row.name;
        EXPECT_EQ(r.count, 1u) << row.name;
        EXPECT_EQ(log.count(AST_LOG_CRITICAL, row.log), 1) << row.name << " " << log.size()
                                                            << (log.size() ? log.all()[0].second : "");
        // The getters and forms give nothing for a record that is not OK.
        EXPECT_FALSE(ast_datarecord_062_get_sacsic(&r).valid);
        EXPECT_FALSE(ast_datarecord_062_disassemble(&r).ok);
        EXPECT_FALSE(ast_datarecord_065_disassemble(&r).ok);
    }
}

TEST(Cat062Items, CallsignFromTheTargetIdentificationBeforeTheDerivedData) {
    // FRN 1 I062/010, FRN 10 I062/245 (STI 0, "ABC"), FRN 11 I062/380 (ID "SSSSSSSS").
    const Bytes data = hexBytes("81 30 19 64 00 04 20 E0 82 08 20 40 4D 34 D3 4D 34 D3");
    const ast_datarecord_t r = ast_datarecord_decode(data.data(), data.size(), 62, &AST_UAP_STANDARD);
    ASSERT_TRUE(r.ok);
    EXPECT_STREQ(ast_datarecord_062_get_callsign(&r).callsign, "ABC     ");
    EXPECT_FALSE(ast_datarecord_062_get_icaoaddr(&r).valid);
    EXPECT_FALSE(ast_datarecord_062_get_coordinate(&r).valid);
    // Without I062/245 the derived data answer.
    const Bytes derived = hexBytes("81 10 19 64 40 4D 34 D3 4D 34 D3");
    const ast_datarecord_t d =
        ast_datarecord_decode(derived.data(), derived.size(), 62, &AST_UAP_STANDARD);
    ASSERT_TRUE(d.ok);
    EXPECT_STREQ(ast_datarecord_062_get_callsign(&d).callsign, "SSSSSSSS");
}
