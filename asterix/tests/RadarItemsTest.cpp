// The radar categories CAT001, CAT002, CAT034 and CAT048: descriptor tables, summaries, the
// encoders and their refusals, record forms assembled and read back, the conversions CAT048 to
// CAT001 and CAT034 to CAT002, and the record getter tables.

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"
#include "Frame.h"

namespace {

std::string summary(const std::string& hex, ast_dataitem_type_t type) {
    const Bytes data = hexBytes(hex);
    const ast_dataitem_t item = ast_dataitem_decode(data.data(), data.size(), type);
    char text[512];
    std::memset(text, POISON, sizeof text);
    return ast_dataitem_get_summary(text, sizeof text, &item);
}

std::string encoded(ast_dataitem_type_t type, void* form, uint64_t capacity = 16) {
    uint8_t out[16];
    std::memset(out, POISON, sizeof out);
    const ast_dataitem_value_t value = {type, form};
    const ast_dataitem_t item = ast_dataitem_encode(out, capacity, &value);
    if (!item.ok)
        return out[0] == POISON ? "refused" : "refused after writing";
    return hexText(item);
}

}  // namespace

TEST(RadarItems, NamesAndItemsWithoutDescriptor) {
    const struct {
        ast_dataitem_type_t type;
        const char* name;
    } rows[] = {
        {1010, "Data Source Identifier"},
        {1042, "Calculated Position in Cartesian Coordinates"},
        {1120, "Unknown CAT001 Dataitem"},
        {1141, "Truncated Time of Day"},
        {1161, "Track Plot Number"},
        {1998, "Unknown CAT001 Dataitem"},
        {2000, "Message Type"},
        {2050, "Station Configuration Status"},
        {2060, "Unknown CAT002 Dataitem"},
        {34041, "Antenna Rotation Period"},
        {34050, "Station Configuration & Status"},
        {34120, "3D-Position Of Data Source"},
        {34100, "Unknown CAT034 Dataitem"},
        {48020, "Target Report Descriptor"},
        {48200, "Calculated Track Velocity in Ploar Co-ordinates"},
        {48230, "Communications / ACAS Capability and Flight Status"},
        {48250, "Mode S MB Data"},
        {48998, "Unknown CAT048 Dataitem"},
    };
    for (const auto& row : rows) {
        const uint32_t category = row.type / 1000;
        const char* name = category == 1    ? ast_dataitem_001_get_name(row.type)
                           : category == 2  ? ast_dataitem_002_get_name(row.type)
                           : category == 34 ? ast_dataitem_034_get_name(row.type)
                                            : ast_dataitem_048_get_name(row.type);
        EXPECT_STREQ(name, row.name) << row.type;
    }
    // A record that carries an item without a descriptor cannot be decoded.
    const struct {
        uint32_t category;
        const ast_uap_t* uap;
        const char* hex;
        uint64_t items;
        const char* line;
    } records[] = {
        // CAT048 FRNs 23 to 26 and 28 in the fourth FSPEC octet.
        {48, &AST_UAP_STANDARD, "81 01 01 40 19 C8 00 00", 1, "Unsupported dataitem I048/055"},
        {48, &AST_UAP_STANDARD, "81 01 01 20 19 C8 00 00", 1, "Unsupported dataitem I048/050"},
        {48, &AST_UAP_STANDARD, "81 01 01 10 19 C8 00 00", 1, "Unsupported dataitem I048/065"},
        {48, &AST_UAP_STANDARD, "81 01 01 08 19 C8 00 00", 1, "Unsupported dataitem I048/060"},
        {48, &AST_UAP_STANDARD, "81 01 01 02 19 C8 03 00 00", 1, "Unsupported dataitem I048/REF"},
        // The CAT001 plot UAP: I001/010, I001/020, then FRN 15.
        {1, &AST_UAP_CAT001_PLOT, "C1 01 80 19 C8 00 00 00", 2, "Unsupported dataitem I001/150"},
        {2, &AST_UAP_STANDARD, "82 19 C8 00", 1, "Unsupported dataitem I002/060"},
        {34, &AST_UAP_STANDARD, "81 40 19 C8 00 00 00 00", 1, "Unsupported dataitem I034/100"},
    };
    for (const auto& row : records) {
        AstLogCapture log;
        const Bytes data = hexBytes(row.hex);
        const ast_datarecord_t r =
            ast_datarecord_decode(data.data(), data.size(), row.category, row.uap);
        EXPECT_FALSE(r.ok) << row.line;
        EXPECT_EQ(r.count, row.items) << row.line;
        EXPECT_EQ(log.count(AST_LOG_CRITICAL, row.line), 1) << row.line;
    }
}

TEST(RadarItems, Summaries) {
    const struct {
        ast_dataitem_type_t type;
        const char* hex;
        const char* summary;
    } rows[] = {
        {1020, "A0", "TYPE:TRACK DCT:SSR"},
        {1020, "50", "TYPE:PLOT SIM DCT:PSR"},
        {1020, "31 80", "TYPE:PLOT DCT:CMB"},
        {1040, "01 00 40 00", "RHO:2.0 THETA:90.0"},        // 1/128 NM in CAT001
        {1042, "00 40 FF C0", "X:1852.0 Y:-1852.0 LSB:M"},  // +-64/64 NM
        {1141, "FF FF", "TTOD:511.992"},
        {1170, "40", "TYPE:SSR_CMB"},
        {1170, "A1 80", "TYPE:PSR INIT MAN END"},
        {1210, "0E", "Q1:7"},
        {1210, "0F 0A", "Q1:7 Q2:5"},
        {1130, "41 F0", "BIN:01000001 11110000"},
        {2000, "01", "MSG_TYPE:NORTH_MARKER"},
        {2000, "02", "MSG_TYPE:SECTOR_CORSSING"},
        {2000, "03", "MSG_TYPE:SOUTH_MARKER"},
        {2000, "08", "MSG_TYPE:BLIND_ZONE_START"},
        {2000, "09", "MSG_TYPE:BLIND_ZONE_STOP"},
        {2000, "04", "MSG_TYPE:UNDEFINED"},
        {2050, "03 02", "BIN:00000011 00000010"},
        {34000, "01", "MSG_TYPE:NORTH_MARKER"},
        {34000, "02", "MSG_TYPE:SECTOR_CORSSING"},
        {34000, "03", "MSG_TYPE:GEO_FILTERING"},
        {34000, "04", "MSG_TYPE:JAMMING_STROBE"},
        {34000, "05", "MSG_TYPE:UNDEFINED"},
        {34000, "00", "MSG_TYPE:UNDEFINED"},
        {34041, "02 79", "ROT:4.95"},
        {34050, "84 44 4E 00", "SUBFIELDS:02/07"},
        {34070, "02 08 05 10 0A", "COUNTERS:2"},
        {48020, "00", "TYPE:NO_DETECTION"},
        {48020, "20", "TYPE:PSR"},
        {48020, "40", "TYPE:SSR"},
        {48020, "60", "TYPE:PSR+SSR"},
        {48020, "80", "TYPE:ALL_CALL"},
        {48020, "A0", "TYPE:ROLL_CALL"},
        {48020, "C0", "TYPE:PSR+ALL_CALL"},
        {48020, "E5 80", "TYPE:PSR+ROLL_CALL SPI TST"},
        {48030, "03 17 1E", "ERRCODE:1 ERRCODE:11 ERRCODE:15"},
        {48040, "C5 AF F1 E0", "RHO:197.7 THETA:340.1"},
        {48042, "00 80 FF 80", "X:1852.0 Y:-1852.0 LSB:M"},  // +-128/128 NM
        {48110, "1F FF", "H:204775 LSB:FT"},
        {48130, "E0 56 0B B8", "SUBFIELDS:03/07"},
        {48170, "41 00", "TYPE:SSR"},
        {48170, "01 80", "TYPE:CMB END"},
        {48170, "20", "TYPE:PSR"},
        {48170, "E0", "TYPE:INVALID TENTATIVE"},
        {48230, "20 F5", "FS:AIR"},
        {48230, "04 00", "FS:GND"},
        {48230, "08 00", "FS:AIR_ALR"},
        {48230, "0C 00", "FS:GND_ALR"},
        {48230, "10 00", "FS:ALR_SPI"},
        {48230, "14 00", "FS:SPI"},
        {48230, "1C 00", "FS:UNDEFINED"},
        {48250, "01 C0 78 00 31 BC 00 00 40", "BDS:40 "},
        {48260, "30 80 00 76 AF 37 BC", "BDS:30"},
        {48080, "00 01", "QTY:000000000001"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(summary(row.hex, row.type), row.summary) << row.type << " " << row.hex;
}

TEST(RadarItems, FlightStatusAndCapabilityOutsideTheirTablesAreLogged) {
    const struct {
        const char* hex;
        int communication, flight;
    } rows[] = {
        {"20 00", 0, 0}, {"A0 00", 1, 0}, {"18 00", 0, 1}, {"FC 00", 1, 0}, {"B8 00", 1, 1}};
    for (const auto& row : rows) {
        AstLogCapture log;
        const Bytes data = hexBytes(row.hex);
        const ast_dataitem_t item = {data.data(), 2, 48230, 1};
        const ast_dataitem_048_230_t f = ast_dataitem_048_230_decode(&item);
        EXPECT_TRUE(f.present);
        EXPECT_EQ(log.count(AST_LOG_WARNING, "I048/230: Communication Capability Unknown."),
                  row.communication)
            << row.hex;
        EXPECT_EQ(log.count(AST_LOG_WARNING, "I048/230: Flight Status Unknown."), row.flight)
            << row.hex;
    }
}

TEST(RadarItems, EncodersAndTheirRefusals) {
    ast_polar_position_t polar1 = {1, 0, 0, 2.0, 90.0};
    ast_polar_position_t polar48 = {1, 0, 0, 1.0, 90.0};
    ast_polar_position_t farthest = {1, 0, 0, 65535 / 256.0, 65535 * 360.0 / 65536.0};
    ast_polar_position_t tooFar = {1, 0, 0, 256.0, 0.0};
    ast_polar_position_t fullCircle = {1, 0, 0, 1.0, 360.0};
    ast_polar_position_t negative = {1, 0, 0, -0.01, 0.0};
    ast_radar_cartesian_t cart = {1, 0, 0, 1.0, -1.0};
    ast_radar_cartesian_t cartFar = {1, 0, 0, 512.0, 0.0};
    ast_dataitem_001_020_t trd1 = {};
    trd1.present = 1;
    trd1.typ = 1;
    trd1.ssr_psr = 3;
    ast_dataitem_001_020_t trd1Ext = trd1;
    trd1Ext.tst = 1;
    ast_dataitem_001_020_t trd1Bad = trd1;
    trd1Bad.ssr_psr = 4;
    ast_dataitem_048_020_t trd48 = {};
    trd48.present = 1;
    trd48.typ = 5;
    ast_dataitem_048_020_t trd48Ext = trd48;
    trd48Ext.foe_fri = 3;
    ast_dataitem_048_020_t trd48Bad = trd48;
    trd48Bad.typ = 8;
    ast_dataitem_001_141_t ttod = {1, 0, 511.9921875};
    ast_dataitem_001_141_t ttodRaw = {1, 0x800D, 0};
    ast_dataitem_001_141_t ttodLate = {1, 0, 512.0};
    ast_dataitem_001_170_t status = {1, 0, 1, 0, 0, 2, 0, 0};
    ast_dataitem_001_170_t ending = {1, 0, 1, 0, 0, 1, 0, 1};
    ast_dataitem_001_170_t chain3 = {1, 0, 1, 0, 0, 3, 0, 0};
    ast_one_octet_t type = {1, 2}, typeBig = {1, 256};
    const struct {
        const char* name;
        ast_dataitem_type_t type;
        void* form;
        const char* expected;
        uint64_t capacity;
    } rows[] = {
        {"I001/040 2 NM at 90", 1040, &polar1, "01 00 40 00", 16},
        {"I048/040 1 NM at 90", 48040, &polar48, "01 00 40 00", 16},
        {"I048/040 farthest", 48040, &farthest, "FF FF FF FF", 16},
        {"I048/040 256 NM", 48040, &tooFar, "refused", 16},
        {"I048/040 theta 360", 48040, &fullCircle, "refused", 16},
        {"I048/040 negative rho", 48040, &negative, "refused", 16},
        {"I048/040 as I001/040", 1040, &tooFar, "80 00 00 00", 16},
        {"I001/042", 1042, &cart, "00 40 FF C0", 16},
        {"I001/042 512 NM", 1042, &cartFar, "refused", 16},
        {"I001/020 track combined", 1020, &trd1, "B0", 16},
        {"I001/020 test target", 1020, &trd1Ext, "B1 80", 16},
        {"I001/020 extension without room", 1020, &trd1Ext, "refused", 1},
        {"I001/020 detection 4", 1020, &trd1Bad, "refused", 16},
        {"I048/020 roll-call", 48020, &trd48, "A0", 16},
        {"I048/020 no Mode 4 reply", 48020, &trd48Ext, "A1 06", 16},
        {"I048/020 TYP 8", 48020, &trd48Bad, "refused", 16},
        {"I001/141 from seconds", 1141, &ttod, "FF FF", 16},
        {"I001/141 raw", 1141, &ttodRaw, "80 0D", 16},
        {"I001/141 512 s", 1141, &ttodLate, "refused", 16},
        {"I001/170 chain 2", 1170, &status, "48", 16},
        {"I001/170 end of track", 1170, &ending, "41 80", 16},
        {"I001/170 chain 3", 1170, &chain3, "refused", 16},
        {"I034/000", 34000, &type, "02", 16},
        {"I002/000 256", 2000, &typeBig, "refused", 16},
    };
    for (const auto& row : rows)
        EXPECT_EQ(encoded(row.type, row.form, row.capacity), row.expected) << row.name;
    // Items without an encoder say so.
    AstLogCapture log;
    ast_dataitem_048_230_t cap = {};
    cap.present = 1;
    EXPECT_EQ(encoded(48230, &cap), "refused");
    EXPECT_EQ(
        log.count(AST_LOG_WARNING, "Enconding function not implemented for dataitem I048/230."), 1);
}

namespace {

ast_cat048_record_t fullCat048() {
    ast_cat048_record_t f = {};
    f.i010 = {1, 25, 201};
    f.i020.present = 1;
    f.i020.typ = 5;
    f.i040 = {1, 0, 0, 197.68359375, 340.13671875};
    f.i070 = {1, 1, 0, 0, 0, 01000};
    f.i090 = {1, 1, 0, 1320};
    f.i140 = {1, 3501389, 0, 0, 0, 0};
    f.i161 = {1, 3563};
    f.i200 = {1, 1977, 22574, 0, 0};
    f.i220 = {1, {0, 0, 0}, 0x3C660C};
    f.i240 = {1, "DLH65A"};
    return f;
}

ast_cat001_record_t fullCat001() {
    ast_cat001_record_t f = {};
    f.i010 = {1, 25, 201};
    f.i020.present = 1;
    f.i020.typ = 1;
    f.i020.ssr_psr = 2;
    f.i040 = {1, 0, 0, 30335 / 128.0, 6292 * 360.0 / 65536.0};
    f.i042 = {1, 0, 0, 10.0, -2.5};
    f.i070 = {1, 1, 0, 0, 0, 01464};
    f.i090 = {1, 1, 0, 1480};
    f.i141 = {1, 0x800D, 0};
    f.i161 = {1, 3762};
    f.i170 = {1, 0, 1, 0, 0, 1, 0, 0};
    f.i200 = {1, 2218, 17112, 0, 0};
    return f;
}

}  // namespace

// Full forms assembled into the octets of the sample records they were taken from, read back
// and assembled again to the same octets.
TEST(RadarItems, RecordFormsRoundTrip) {
    static ast_cat048_record_t f048;
    f048 = fullCat048();
    const ast_cat001_record_t f001 = fullCat001();
    ast_cat001_record_t plot = fullCat001();
    plot.i020.typ = 0;
    plot.i161.present = 0;
    plot.i170.present = 0;
    plot.i200.present = 0;
    plot.i042.present = 0;
    ast_cat002_record_t f002 = {};
    f002.i000 = {1, 2};
    f002.i010 = {1, 25, 201};
    f002.i020 = {1, 0x50, -1.0};
    f002.i030 = {1, 0x598117, 0, 0, 0, 0};
    ast_cat034_record_t f034 = {};
    f034.i000 = {1, 2};
    f034.i010 = {1, 25, 14};
    f034.i020 = {1, 0, 90.0};
    f034.i030 = {1, 0x3A692B, 0, 0, 0, 0};

    struct Row {
        const char* name;
        uint32_t category;
        ast_uap_t uap;
        std::function<ast_datarecord_t(uint8_t*, uint64_t)> assemble;
        std::function<ast_datarecord_t(uint8_t*, uint64_t, const ast_datarecord_t&)> again;
        const char* octets;
    };
    const Row rows[] = {
        {"CAT048 track", 48, AST_UAP_STANDARD,
         [&](uint8_t* b, uint64_t c) {
             return ast_datarecord_048_assemble(b, c, &f048, AST_UAP_STANDARD);
         },
         [](uint8_t* b, uint64_t c, const ast_datarecord_t& r) {
             static ast_cat048_record_t back;
             back = ast_datarecord_048_disassemble(&r);
             return ast_datarecord_048_assemble(b, c, &back, AST_UAP_STANDARD);
         },
         "FD D4 19 C9 35 6D 4D A0 C5 AF F1 E0 02 00 05 28 3C 66 0C 10 C2 36 D4 18 20 0D EB 07 "
         "B9 58 2E"},
        {"CAT001 track", 1, AST_UAP_STANDARD,
         [&](uint8_t* b, uint64_t c) {
             return ast_datarecord_001_assemble(b, c, &f001, AST_UAP_STANDARD);
         },
         [](uint8_t* b, uint64_t c, const ast_datarecord_t& r) {
             const ast_cat001_record_t back = ast_datarecord_001_disassemble(&r);
             return ast_datarecord_001_assemble(b, c, &back, AST_UAP_STANDARD);
         },
         "FF C4 19 C9 A0 0E B2 76 7F 18 94 02 80 FF 60 08 AA 42 D8 03 34 05 C8 80 0D 40"},
        {"CAT001 plot", 1, AST_UAP_CAT001_PLOT,
         [&](uint8_t* b, uint64_t c) {
             return ast_datarecord_001_assemble(b, c, &plot, AST_UAP_CAT001_PLOT);
         },
         [](uint8_t* b, uint64_t c, const ast_datarecord_t& r) {
             const ast_cat001_record_t back = ast_datarecord_001_disassemble(&r);
             return ast_datarecord_001_assemble(b, c, &back, AST_UAP_CAT001_PLOT);
         },
         "FA 19 C9 20 76 7F 18 94 03 34 05 C8 80 0D"},
        {"CAT002 sector crossing", 2, AST_UAP_STANDARD,
         [&](uint8_t* b, uint64_t c) {
             return ast_datarecord_002_assemble(b, c, &f002, AST_UAP_STANDARD);
         },
         [](uint8_t* b, uint64_t c, const ast_datarecord_t& r) {
             const ast_cat002_record_t back = ast_datarecord_002_disassemble(&r);
             return ast_datarecord_002_assemble(b, c, &back, AST_UAP_STANDARD);
         },
         "F0 19 C9 02 50 59 81 17"},
        {"CAT034 sector crossing", 34, AST_UAP_STANDARD,
         [&](uint8_t* b, uint64_t c) {
             return ast_datarecord_034_assemble(b, c, &f034, AST_UAP_STANDARD);
         },
         [](uint8_t* b, uint64_t c, const ast_datarecord_t& r) {
             const ast_cat034_record_t back = ast_datarecord_034_disassemble(&r);
             return ast_datarecord_034_assemble(b, c, &back, AST_UAP_STANDARD);
         },
         "F0 19 0E 02 3A 69 2B 40"},
    };
    for (const Row& row : rows) {
        uint8_t out[128], again[128];
        std::memset(out, POISON, sizeof out);
        const ast_datarecord_t r = row.assemble(out, sizeof out);
        ASSERT_TRUE(r.ok) << row.name;
        EXPECT_EQ(hexText(out, r.length), row.octets) << row.name;
        const ast_datarecord_t decoded =
            ast_datarecord_decode(out, r.length, row.category, &row.uap);
        ASSERT_TRUE(decoded.ok) << row.name;
        EXPECT_EQ(decoded.length, r.length) << row.name;
        std::memset(again, POISON, sizeof again);
        const ast_datarecord_t second = row.again(again, sizeof again, decoded);
        ASSERT_TRUE(second.ok) << row.name;
        EXPECT_EQ(hexText(again, second.length), row.octets) << row.name;
    }
}

TEST(RadarItems, Cat048ToCat001) {
    // TYP of I048/020 to the SSR/PSR detection of I001/020.
    const uint32_t detection[8] = {0, 1, 2, 3, 2, 2, 3, 3};
    for (uint32_t typ = 0; typ < 8; ++typ) {
        ast_cat048_record_t f = {};
        f.ok = 1;
        f.i020.present = 1;
        f.i020.typ = typ;
        f.i020.sim = typ & 1;
        f.i020.spi = 1;
        f.i020.tst = 1;
        f.i020.rdp = 1;
        f.i161 = {1, 7};
        const ast_cat001_record_t c = ast_datarecord_convert_048_001(&f);
        EXPECT_EQ(c.i020.ssr_psr, detection[typ]) << typ;
        EXPECT_EQ(c.i020.typ, 1u) << typ;
        EXPECT_EQ(c.i020.sim, typ & 1) << typ;
        EXPECT_TRUE(c.i020.spi && c.i020.tst) << typ;
    }
    ast_cat048_record_t f = fullCat048();
    f.ok = 1;
    f.i020.rdp = 1;
    f.i042 = {1, 301, -301, 301 / 128.0, -301 / 128.0};
    f.i170.present = 1;
    f.i170.rad = 1;  // PSR track
    f.i170.mah = 1;
    f.i170.tre = 1;
    const ast_cat001_record_t c = ast_datarecord_convert_048_001(&f);
    EXPECT_TRUE(c.ok);
    EXPECT_EQ(c.i010.sic, 201u);
    EXPECT_DOUBLE_EQ(c.i040.rho, f.i040.rho);
    EXPECT_EQ(c.i042.x_raw, 150);  // 1/128 NM to 1/64 NM
    EXPECT_EQ(c.i042.y_raw, -150);
    EXPECT_EQ(c.i070.code, 01000);
    EXPECT_EQ(c.i090.code, 1320);
    EXPECT_EQ(c.i141.raw, 3501389u & 0xFFFF);  // the time within its 512 s period
    EXPECT_EQ(c.i161.number, 3563u);
    EXPECT_EQ(c.i200.speed_raw, 1977);
    EXPECT_EQ(c.i170.rad, 0u);  // primary track
    EXPECT_TRUE(c.i170.man);
    EXPECT_TRUE(c.i170.tre);
    EXPECT_EQ(c.i170.rdpc, 2u);
    // A plot: no track number.
    f.i161.present = 0;
    EXPECT_EQ(ast_datarecord_convert_048_001(&f).i020.typ, 0u);
    // The converted form assembles into a CAT001 track that decodes.
    const ast_cat048_record_t full = fullCat048();
    const ast_cat001_record_t track = ast_datarecord_convert_048_001(&full);
    uint8_t out[64];
    const ast_datarecord_t r =
        ast_datarecord_001_assemble(out, sizeof out, &track, AST_UAP_STANDARD);
    ASSERT_TRUE(r.ok);
    const ast_datarecord_t back = ast_datarecord_decode(out, r.length, 1, &AST_UAP_STANDARD);
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(ast_datarecord_001_get_tracknum(&back).number, 3563u);
    // 197.68359375 NM is 25303.5 of 1/128 NM, rounded up.
    EXPECT_DOUBLE_EQ(ast_datarecord_001_get_polarcoord(&back).rho, 197.6875);
}

TEST(RadarItems, Cat034ToCat002) {
    for (uint32_t messageType = 0; messageType <= 8; ++messageType) {
        AstLogCapture log;
        ast_cat034_record_t f = {};
        f.ok = 1;
        f.i000 = {1, messageType};
        f.i010 = {1, 25, 14};
        f.i020 = {1, 0x40, 90.0};
        f.i030 = {1, 0x3A692B, 8, 18, 26, 335};
        const ast_cat002_record_t c = ast_datarecord_convert_034_002(&f);
        const bool kept = messageType == 1 || messageType == 2;
        EXPECT_EQ(bool(c.i000.present), kept) << messageType;
        const std::string line =
            "Unsupported I034/000 message type " + std::to_string(messageType) + " detected.";
        EXPECT_EQ(log.count(AST_LOG_WARNING, line), kept ? 0 : 1) << messageType;
        EXPECT_EQ(c.i010.sic, 14u);
        EXPECT_EQ(c.i020.raw, 0x40u);
        EXPECT_EQ(c.i020.azimuth, -1.0);
        EXPECT_EQ(c.i030.raw, 0x3A692Bu);
        if (!kept)
            continue;
        uint8_t out[32];
        const ast_datarecord_t r =
            ast_datarecord_002_assemble(out, sizeof out, &c, AST_UAP_STANDARD);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(hexText(out, r.length),
                  messageType == 1 ? "F0 19 0E 01 40 3A 69 2B" : "F0 19 0E 02 40 3A 69 2B");
    }
}

TEST(RadarItems, GetterTables) {
    using G = ast::RecordGetters;
    const G* g001 = ast::recordGetters(1);
    const G* g002 = ast::recordGetters(2);
    const G* g048 = ast::recordGetters(48);
    ASSERT_TRUE(g001 && g002 && g048);
    const struct {
        const G* table;
        std::vector<bool> filled;  // the twelve slots in keyword order
    } rows[] = {
        {g001, {1, 0, 1, 1, 1, 0, 0, 0, 1, 1, 0, 0}},
        {g002, {1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {g048, {1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 0}},
    };
    for (const auto& row : rows) {
        void* const* slots = reinterpret_cast<void* const*>(row.table);
        for (size_t i = 0; i < 12; ++i)
            EXPECT_EQ(slots[i] != nullptr, row.filled[i]) << i;
    }
    EXPECT_EQ(g001->polarcoord, &ast_datarecord_001_get_polarcoord);
    EXPECT_EQ(g002->msgtype, &ast_datarecord_002_get_msgtype);
    EXPECT_EQ(g048->heading, &ast_datarecord_048_get_heading);
    EXPECT_EQ(ast::recordGetters(34), nullptr);

    // CAT002 message types beyond north marker and sector crossing give nothing.
    for (uint8_t type : {1, 2, 3, 8, 9}) {
        const Bytes data = {0xC0, 0x19, 0xC9, type};
        const ast_datarecord_t r =
            ast_datarecord_decode(data.data(), data.size(), 2, &AST_UAP_STANDARD);
        ASSERT_TRUE(r.ok);
        const ast_record_msgtype_t m = ast_datarecord_002_get_msgtype(&r);
        EXPECT_EQ(bool(m.valid), type <= 2) << int(type);
        EXPECT_EQ(m.type, type <= 2 ? type : 0u) << int(type);
    }
    // A record that is not OK, or of another category, gives nothing.
    const Bytes data = hexBytes("C0 19 C9 02");
    ast_datarecord_t r = ast_datarecord_decode(data.data(), data.size(), 2, &AST_UAP_STANDARD);
    EXPECT_FALSE(ast_datarecord_048_get_sacsic(&r).valid);
    EXPECT_FALSE(ast_datarecord_001_get_msgtype(&r).valid);
    r.ok = 0;
    EXPECT_FALSE(ast_datarecord_002_get_sacsic(&r).valid);
    EXPECT_FALSE(ast_datarecord_002_get_msgtype(&r).valid);
    EXPECT_FALSE(ast_datarecord_048_get_heading(nullptr).valid);
}

TEST(RadarItems, SubfieldServices) {
    const struct {
        uint32_t type;
        const char* id;
        const char* hex;
        uint64_t size;
    } rows[] = {
        {48120001, "CAL", "80 01", 2},
        {48120002, "RDS", "02 00 01 00 02 00 03 00 04 00 05 00 06", 13},
        {48130001, "SRL", "56", 1},
        {48130007, "APD", "80", 1},
        {34050001, "COM", "40", 1},
        {34050006, "MDS", "00 80", 2},
        {34060004, "PSR", "00", 1},
        {34060006, "MDS", "08", 1},
    };
    for (const auto& row : rows) {
        const Bytes data = hexBytes(row.hex);
        EXPECT_STREQ(ast_subfield_get_id(row.type), row.id) << row.type;
        EXPECT_GT(std::strlen(ast_subfield_get_name(row.type)), 5u) << row.type;
        EXPECT_EQ(ast_subfield_get_size(data.data(), data.size(), row.type), row.size) << row.type;
    }
    EXPECT_STREQ(ast_subfield_048_120_get_id(48120002), "RDS");
    EXPECT_STREQ(ast_subfield_048_130_get_name(48130003), "Amplitude of (M)SSR Reply");
    EXPECT_STREQ(ast_subfield_034_060_get_id(34060002), "");  // spare
    // Sizes of the compound items: I048/120 with both subfields, I034/050 announcing a spare.
    const Bytes i120 = hexBytes("C0 80 01 01 00 01 00 02 00 03");
    EXPECT_EQ(ast_dataitem_get_size(i120.data(), i120.size(), 48120), i120.size());
    const Bytes spare = hexBytes("40 00");
    EXPECT_EQ(ast_dataitem_034_050_get_size(spare.data(), spare.size()), 0u);
    const Bytes i130 = hexBytes("FE 01 02 03 04 05 06 07");
    EXPECT_EQ(ast_dataitem_048_130_get_size(i130.data(), i130.size()), 8u);
    EXPECT_EQ(ast_dataitem_048_130_get_size(i130.data(), 7), 0u);

    char text[256];
    const Bytes sam = hexBytes("B8");
    const ast_subfield_t samField = {1, sam.data(), 1, 48130003, 1};
    EXPECT_STREQ(ast_subfield_048_130_get_summary(text, sizeof text, &samField), "SAM:-72DBM");
    const Bytes mds = hexBytes("7F 80");
    const ast_subfield_t mdsField = {1, mds.data(), 2, 34050006, 1};
    EXPECT_STREQ(ast_subfield_034_050_get_summary(text, sizeof text, &mdsField),
                 "ANT:0 CHAB:3 OVLSUR:1 MSC:1 SCF:1 DLF:1 OVLSCF:1 OVLDLF:1");
    char table[2048];
    const std::string html = ast_subfield_034_050_get_detail_html(table, sizeof table, &mdsField);
    EXPECT_NE(html.find("<td>OVLDLF</td>"), std::string::npos) << html;
}

// Every item of the four categories that has a detail view writes one for a typical value.
TEST(RadarItems, DetailViews) {
    const struct {
        ast_dataitem_type_t type;
        const char* hex;
        const char* text;
    } rows[] = {
        {1010, "19 C9", "System Area Code"},
        {1020, "A0", "Sole secondary detection"},
        {1040, "01 00 40 00", "2.0000 NM"},
        {1042, "00 40 FF C0", "1852.0 m"},
        {1070, "03 34", "Mode-3/A Code 1464"},
        {1080, "00 01", "<td>QD1</td><td>Low</td>"},
        {1090, "05 C8", "Flight Level 370.00"},
        {1100, "05 C8 00 01", "Gray notation"},
        {1141, "80 0D", "256.1016 s"},
        {1170, "48", "<td>RDPC (Radar Data Processing Chain)</td><td>2</td>"},
        {1210, "0F 0A", "<td>Quality 2</td><td>5</td>"},
        {2010, "19 C9", "System Identification Code"},
        {2020, "50", "112.50"},
        {1200, "08 AA 42 D8", "487.35"},
        {48200, "07 B9 58 2E", "124.00"},
        {2030, "59 81 17", "12:43:46.179"},
        {34070, "02 08 05 10 0A", "<td>1</td><td>5</td>"},
        {34050, "84 44 4E 00", "<td>SCF</td>"},
        {34060, "84 00 00", "Reduction Steps"},
        {48020, "A0", "Single Mode S Roll-Call"},
        {48030, "03 17 1E", "<td>Octet[3]</td><td>15</td>"},
        {48040, "C5 AF F1 E0", "197.6836 NM"},
        {48042, "4B F6 C3 04", "151.9219 NM"},
        {48110, "06 40", "40000 ft"},
        {48120, "80 80 01", "Calculated Doppler Speed"},
        {48130, "E0 56 0B B8", "SAM:-72DBM"},
        {48170, "41 00", "SSR"},
        {48230, "20 F5", "Comm. A and Comm. B capability"},
        {48250, "01 C0 78 00 31 BC 00 00 40", "33008 FT"},
        {48260, "30 80 00 76 AF 37 BC", "ABCDEF"},
    };
    for (const auto& row : rows) {
        const Bytes data = hexBytes(row.hex);
        const ast_dataitem_t i = ast_dataitem_decode(data.data(), data.size(), row.type);
        ASSERT_TRUE(i.ok) << row.type;
        char html[8192];
        std::memset(html, POISON, sizeof html);
        ast_dataitem_get_detail_html(html, sizeof html, &i);
        EXPECT_NE(std::string(html).find(row.text), std::string::npos) << row.type << ": " << html;
    }
}
