// CAT021 in four editions: item forms, record assembly and disassembly, real data, and the
// editions' UAPs told apart.

#include <cmath>
#include <cstring>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"

namespace {

std::string summary(const std::string& hex, ast_dataitem_type_t type) {
    const Bytes data = hexBytes(hex);
    const ast_dataitem_t item = ast_dataitem_decode(data.data(), data.size(), type);
    char text[256];
    std::memset(text, POISON, sizeof text);
    return ast_dataitem_get_summary(text, sizeof text, &item);
}

// A full edition 2.4 form with every encodable field present.
ast_cat021_v24_record_t fullV24() {
    ast_cat021_v24_record_t f = {};
    f.i010 = {1, 25, 200};
    f.i015 = {1, 7};
    f.i020 = {1, 3};
    f.i040 = {};
    f.i040.present = 1;
    f.i040.atp = 0;
    f.i040.arc = 1;
    f.i040.gbs = 1;
    f.i070 = {1, 1, 0, 0, 0, 01234};
    f.i071 = {1, 0x2A3000, 0, 0, 0, 0};
    f.i072 = {1, 0x2A3001, 0, 0, 0, 0};
    f.i073 = {1, 0x2A3002, 0, 0, 0, 0};
    f.i075 = {1, 0x2A3003, 0, 0, 0, 0};
    f.i077 = {1, 0x2A3004, 0, 0, 0, 0};
    f.i080 = {1, {0, 0, 0}, 0x780A1B};
    f.i090 = {1, 2, 7, 1, 3, 9, 0, 2, 1, 0};
    f.i130 = {1, 0, 0, 22.5, 114.25};
    f.i131 = {1, 0, 0, 22.5, 114.25};
    f.i132 = {1, 0xC4};
    f.i145 = {1, 1400};
    f.i155 = {1, 0, 0, -640.0};
    f.i157 = {1, 0, 0, 512.0};
    f.i160 = {1, 0, 0, 450.0, 0, 270.0};
    f.i161 = {1, 321};
    f.i170 = {1, "CPA123"};
    f.i200 = {1, 0, 0, 0, 0, 0};
    f.i210 = {1, 0, 2, 2};
    return f;
}

ast_cat021_v026_record_t fullV026() {
    ast_cat021_v026_record_t f = {};
    f.i010 = {1, 25, 200};
    f.i020 = {1, 3};
    f.i030 = {1, 0x2A3000, 0, 0, 0, 0};
    f.i903 = {1, 0, 0, 0, 0, 0, 0, 0, 2, 2};
    f.i070 = {1, 1, 0, 0, 0, 01234};
    f.i080 = {1, {0, 0, 0}, 0x780A1B};
    f.i905 = {1, 1, 2, 3, 9};
    f.i095 = {1, 4};
    f.i902 = {1, 0, 0, 22.5, 114.25};
    f.i904 = {1, 0xC4};
    f.i145 = {1, 1400};
    f.i160 = {1, 0, 0, 450.0, 0, 270.0};
    f.i170 = {1, "CPA123"};
    f.i908 = {1, 1};
    return f;
}

}  // namespace

TEST(Cat021, AssemblyExamplesOctetForOctet) {
    ast_cat021_v026_record_t v026 = {};
    v026.i010 = {1, 0x19, 0xC8};
    v026.i030 = {1, 0x000080, 0, 0, 0, 0};
    uint8_t out[64];
    std::memset(out, POISON, sizeof out);
    ast_datarecord_t r =
        ast_datarecord_021_v026_assemble(out, sizeof out, &v026, AST_UAP_CAT021_VER026);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(hexText(out, r.length), "A0 19 C8 00 00 80");

    ast_cat021_v24_record_t v24 = {};
    v24.i010 = {1, 0x19, 0xC8};
    v24.i040.present = 1;
    v24.i040.atp = 0;
    v24.i040.arc = 1;
    v24.i131 = {1, 0, 0, 45.0, -90.0};
    v24.i080 = {1, {0, 0, 0}, 0x780A1B};
    std::memset(out, POISON, sizeof out);
    r = ast_datarecord_021_v24_assemble(out, sizeof out, &v24, AST_UAP_CAT021_VER24);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(hexText(out, r.length), "C3 10 19 C8 00 10 00 00 00 E0 00 00 00 78 0A 1B");
}

// Record forms that live in read-only memory (constant-initialised static const objects): an
// assembly that wrote into its form would crash here. The octets of I021/080 disagree with its
// address on purpose, since the address encoder refreshes them in the value it is given.
const ast_cat021_v026_record_t READ_ONLY_V026 = {0,
                                                 {1, 25, 200},
                                                 {1, 3},
                                                 {1, 0x2A3000, 0, 0, 0, 0},
                                                 {1, 0, 0, 0, 0, 0, 0, 0, 2, 2},
                                                 {1, 1, 0, 0, 0, 01234},
                                                 {1, {0, 0, 0}, 0x780A1B},
                                                 {1, 1, 2, 3, 9},
                                                 {1, 4},
                                                 {1, 0, 0, 22.5, 114.25},
                                                 {1, 0xC4},
                                                 {1, 1400},
                                                 {1, 0, 0, 450.0, 0, 270.0},
                                                 {1, "CPA123"},
                                                 {1, 1}};
const ast_cat021_v24_record_t READ_ONLY_V24 = {0,
                                               {},
                                               {1, 25, 200},
                                               {1, 7},
                                               {},
                                               {1, 3},
                                               {1, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                               {1, 1, 0, 0, 0, 01234},
                                               {1, 0x2A3000, 0, 0, 0, 0},
                                               {},
                                               {},
                                               {},
                                               {},
                                               {},
                                               {},
                                               {1, {0, 0, 0}, 0x780A1B},
                                               {1, 2, 7, 1, 3, 9, 0, 2, 1, 0},
                                               {1, 0, 0, 22.5, 114.25},
                                               {},
                                               {},
                                               {},
                                               {1, 1400},
                                               {},
                                               {},
                                               {},
                                               {1, 0, 0, 450.0, 0, 270.0},
                                               {1, 321},
                                               {1, "CPA123"},
                                               {},
                                               {}};

TEST(Cat021, AssemblyLeavesItsRecordFormUntouched) {
    uint8_t out[128];
    {
        ast_cat021_v026_record_t before;
        std::memcpy(&before, &READ_ONLY_V026, sizeof before);
        const ast_datarecord_t r = ast_datarecord_021_v026_assemble(
            out, sizeof out, &READ_ONLY_V026, AST_UAP_CAT021_VER026);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(std::memcmp(&before, &READ_ONLY_V026, sizeof before), 0);
    }
    {
        ast_cat021_v24_record_t before;
        std::memcpy(&before, &READ_ONLY_V24, sizeof before);
        const ast_datarecord_t r =
            ast_datarecord_021_v24_assemble(out, sizeof out, &READ_ONLY_V24, AST_UAP_CAT021_VER24);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(std::memcmp(&before, &READ_ONLY_V24, sizeof before), 0);
    }
    // A writable form too, compared octet for octet (padding included) before and after.
    ast_cat021_v24_record_t form = fullV24();
    ast_cat021_v24_record_t before;
    std::memcpy(&before, &form, sizeof before);
    ASSERT_TRUE(ast_datarecord_021_v24_assemble(out, sizeof out, &form, AST_UAP_CAT021_VER24).ok);
    EXPECT_EQ(std::memcmp(&before, &form, sizeof before), 0);
    EXPECT_EQ(form.i080.octets[0], 0);
}

TEST(Cat021, AssemblyFailures) {
    uint8_t out[128];
    ast_cat021_v24_record_t v24 = fullV24();
    {
        AstLogCapture log;
        v24.i140 = {1, 100};  // geometric altitude has no encoder
        EXPECT_FALSE(
            ast_datarecord_021_v24_assemble(out, sizeof out, &v24, AST_UAP_CAT021_VER24).ok);
        EXPECT_EQ(
            log.count(AST_LOG_WARNING, "Enconding function not implemented for dataitem I021/140."),
            1);
        EXPECT_EQ(log.count(AST_LOG_DEBUG, "Failed to encode dataitem I021/140."), 1);
        v24.i140.present = 0;
    }
    {
        AstLogCapture log;
        ast_cat021_v24_record_t empty = {};
        EXPECT_FALSE(
            ast_datarecord_021_v24_assemble(out, sizeof out, &empty, AST_UAP_CAT021_VER24).ok);
        EXPECT_EQ(log.count("Failed to encode FSPEC."), 1);
    }
    const ast_uap_t noProfile = {nullptr, nullptr};
    EXPECT_FALSE(ast_datarecord_021_v24_assemble(out, sizeof out, &v24, noProfile).ok);
    EXPECT_TRUE(ast_datarecord_021_v24_assemble(out, sizeof out, &v24, AST_UAP_CAT021_VER24).ok);
    EXPECT_FALSE(ast_datarecord_021_v24_assemble(out, 20, &v24, AST_UAP_CAT021_VER24).ok);
}

TEST(Cat021, FlightLevelAndGroundVectorLimits) {
    const struct {
        int32_t raw;
        bool ok;
    } levels[] = {{-61, false}, {-60, true}, {0, true}, {6000, true}, {6001, false}};
    for (const auto& row : levels) {
        ast_dataitem_021_145_t fl = {1, row.raw};
        ast_dataitem_value_t value = {21145, &fl};
        uint8_t out[2];
        EXPECT_EQ(bool(ast_dataitem_encode(out, sizeof out, &value).ok), row.ok) << row.raw;
    }
    const struct {
        double angle;
        double speed;
        bool ok;
        const char* hex;
    } vectors[] = {{0.0, 0.0, true, "00 00 00 00"},     {359.99, 100.0, true, "01 C7 FF FE"},
                   {360.0, 100.0, false, nullptr},      {-0.01, 100.0, false, nullptr},
                   {90.0, 7199.0, true, "7F FB 40 00"}, {90.0, 7200.0, false, nullptr}};
    for (const auto& row : vectors) {
        ast_dataitem_021_160_t gv = {1, 0, 0, row.speed, 0, row.angle};
        ast_dataitem_value_t value = {21160, &gv};
        uint8_t out[4];
        const ast_dataitem_t item = ast_dataitem_encode(out, sizeof out, &value);
        EXPECT_EQ(bool(item.ok), row.ok) << row.angle << " " << row.speed;
        if (row.ok && item.ok) {
            EXPECT_EQ(hexText(item), row.hex) << row.angle;
        }
    }
}

TEST(Cat021, Summaries) {
    const struct {
        const char* hex;
        ast_dataitem_type_t type;
        const char* expected;
    } rows[] = {
        {"A9", 21008, "RA TC0 ARV SA "},
        {"40", 21008, "TC "},
        {"00", 21016, "DATA_DRIVEN_MODE"},
        {"FF", 21016, "PR:>=127.50SEC"},
        {"08", 21016, "PR:4.00SEC"},
        {"03", 21020, "EMITTER:MEDIUM_AIRCRAFT"},
        {"15", 21020, "EMITTER:SURF_SVC_VEHICLE"},
        {"FF", 21020, "EMITTER:UNKNOWN"},
        {"80", 21032, "TOD_ACCU:0.50S"},
        {"01 40", 21040, "TARGET:GBS "},
        {"01 70", 21040, "TARGET:GBS SIM TST "},
        {"20", 21040, "TARGET:NORMAL"},
        {"42 00", 21903, "TARGET:GBS SPI "},
        {"00 00", 21903, "TARGET:NORMAL"},
        {"5E", 21090, "NUCR:2 NUCP:15"},
        {"04", 21095, "VA:4"},
        {"00 A0", 21140, "ALTITUDE:10.00FL"},
        {"15 E0", 21145, "LEVEL:1400.00FL"},
        {"FF C4", 21145, "LEVEL:-15.00FL"},
        {"01 90", 21146, "SELECTED_ALTITUDE:100.00FL"},
        {"80 50", 21150, "MACH:0.080"},
        {"06 00", 21150, "IAS:337.50KT"},
        {"01 C2", 21151, "TAS:450KT"},
        {"40 00", 21152, "HDG:90.00DEG"},
        {"08 00 C0 00", 21160, "SPD:450.00KT AGL:270.00DEG"},
        {"0C", 21200, "EMG:MINI_FUEL SUR:NO_RPT"},
        {"1B", 21200, "EMG:DOWNED SUR:SPI"},
        {"1C", 21200, "EMG:UNDEFINED SUR:NO_RPT"},
        {"12", 21210, "VN:2 LINK:1090ES"},
        {"17", 21210, "VN:2 LINK:UNKNOWN"},
        {"FF 38", 21230, "RA:-2.00DEG"},
        {"2A", 21400, "RID:42"},
        {"03 00", 21905, "PA:0"},
        {"00 09", 21905, "PA:9"},
        {"18", 21906, "LINK: CDTI MODE_S"},
        {"00", 21906, "LINK: NONE"},
        {"05", 21908, "EMG:UNLAWFUL"},
        {"06", 21908, "EMG:UNDEFINED"},
        {"C4", 21904, "AMP:196"},
        {"80 0A", 21295, "SUBFIELDS:01/07"},
        {"81 C0 0A 0B 0C", 21295, "SUBFIELDS:03/14"},
        {"05 00 00 00 00", 21998, "RESERVED_EXPANSION"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(summary(row.hex, row.type), row.expected) << row.type << " " << row.hex;
}

TEST(Cat021, SizeRules) {
    const struct {
        const char* hex;
        ast_dataitem_type_t type;
        uint64_t size;
    } rows[] = {
        {"01 40 00", 21040, 2},
        {"01 01 00 00", 21040, 3},
        {"00", 21090, 1},
        {"01 01 01 00", 21090, 4},
        {"80 0A", 21295, 2},
        {"80", 21295, 0},  // announced subfield missing
        {"F0 00 01 00 02 00 03 04", 21220, 8},
        {"C0 02 01 15 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F", 21110, 18},
        {"C0 02 02 15 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F", 21110, 0},
        {"00", 21907, 1},
        {"01 FF", 21907, 2},
        {"01", 21907, 0},
        {"01 00", 21271, 2},
        {"03 00 00", 21998, 3},
        {"08 00", 21999, 0},
    };
    for (const auto& row : rows) {
        const Bytes data = hexBytes(row.hex);
        EXPECT_EQ(ast_dataitem_get_size(data.data(), data.size(), row.type), row.size)
            << row.type << " " << row.hex;
    }
    AstLogCapture log;
    const Bytes data = hexBytes("00");
    EXPECT_EQ(ast_dataitem_get_size(data.data(), 1, 21260), 0u);
    EXPECT_EQ(log.count(AST_LOG_CRITICAL, "Unsupported dataitem I021/260"), 1);
}

TEST(Cat021, ItemsRoundTripThroughTheirEncoders) {
    const struct {
        ast_dataitem_type_t type;
        const char* hex;
    } rows[] = {
        {21040, "00"},          {21040, "8D 40"},       {21040, "61 01 7E"}, {21090, "5E"},
        {21090, "5F AA"},       {21090, "5F AB 3B E0"}, {21145, "15 E0"},    {21145, "FF C4"},
        {21160, "88 00 C0 00"}, {21200, "DF"},          {21210, "52"},       {21903, "FE 70"},
        {21905, "FC 0F"},       {21020, "14"},          {21095, "04"},       {21908, "05"},
        {21904, "C4"},          {21132, "C4"},          {21015, "07"},
    };
    for (const auto& row : rows) {
        const Bytes data = hexBytes(row.hex);
        const ast_dataitem_t item = ast_dataitem_decode(data.data(), data.size(), row.type);
        ASSERT_TRUE(item.ok) << row.type;
        // Decode through the record form, where each field is the item's decoded form.
        ast_datarecord_t record = {};
        record.ok = 1;
        record.category = 21;
        record.items[0] = item;
        record.count = 1;
        const ast_cat021_v24_record_t f24 = ast_datarecord_021_v24_disassemble(&record);
        const ast_cat021_v026_record_t f026 = ast_datarecord_021_v026_disassemble(&record);
        const void* form = nullptr;
        switch (row.type) {
            case 21040:
                form = &f24.i040;
                break;
            case 21090:
                form = &f24.i090;
                break;
            case 21145:
                form = &f24.i145;
                break;
            case 21160:
                form = &f24.i160;
                break;
            case 21200:
                form = &f24.i200;
                break;
            case 21210:
                form = &f24.i210;
                break;
            case 21903:
                form = &f026.i903;
                break;
            case 21905:
                form = &f026.i905;
                break;
            case 21020:
                form = &f24.i020;
                break;
            case 21095:
                form = &f026.i095;
                break;
            case 21908:
                form = &f026.i908;
                break;
            case 21904:
                form = &f026.i904;
                break;
            case 21132:
                form = &f24.i132;
                break;
            case 21015:
                form = &f24.i015;
                break;
        }
        ASSERT_NE(form, nullptr);
        ASSERT_TRUE(*static_cast<const uint8_t*>(form)) << row.type << " not present";
        uint8_t out[8];
        std::memset(out, POISON, sizeof out);
        ast_dataitem_value_t value = {row.type, const_cast<void*>(form)};
        const ast_dataitem_t back = ast_dataitem_encode(out, sizeof out, &value);
        ASSERT_TRUE(back.ok) << row.type;
        EXPECT_EQ(hexText(back), row.hex) << row.type;
    }
}

TEST(Cat021, DisassemblyFillsTheForms) {
    // Edition 2.4 record with I021/010 and I021/074 (FRN 1 and FRN 13).
    const Bytes data = hexBytes("81 04 19 C8 7A DA B9 F5");
    const ast_datarecord_t record =
        ast_datarecord_decode(data.data(), data.size(), 21, &AST_UAP_CAT021_VER24);
    ASSERT_TRUE(record.ok);
    const ast_cat021_v24_record_t f = ast_datarecord_021_v24_disassemble(&record);
    EXPECT_TRUE(f.ok);
    EXPECT_TRUE(f.i010.present);
    ASSERT_TRUE(f.i074.present);
    EXPECT_EQ(f.i074.fsi, 1);
    EXPECT_EQ(f.i074.raw, 0x3ADAB9F5u);
    EXPECT_FALSE(f.i071.present);

    ast_datarecord_t notOk = record;
    notOk.ok = 0;
    EXPECT_FALSE(ast_datarecord_021_v24_disassemble(&notOk).ok);
    ast_datarecord_t other = record;
    other.category = 48;
    EXPECT_FALSE(ast_datarecord_021_v24_disassemble(&other).ok);
    ast_datarecord_t empty = record;
    empty.count = 0;
    const ast_cat021_v24_record_t e = ast_datarecord_021_v24_disassemble(&empty);
    EXPECT_TRUE(e.ok);
    EXPECT_FALSE(e.i010.present);

    // An item of the wrong size does not decode: logged, field left zero.
    AstLogCapture log;
    const Bytes bad = hexBytes("01 02 03");
    ast_datarecord_t broken = record;
    broken.items[0] = ast_dataitem_t{bad.data(), 3, 21010, 1};
    const ast_cat021_v24_record_t b = ast_datarecord_021_v24_disassemble(&broken);
    EXPECT_FALSE(b.i010.present);
    EXPECT_EQ(log.count(AST_LOG_DEBUG, "Failed to disassemble dataitem I021/010."), 1);
}

TEST(Cat021, EveryEditionRoundTripsAndWrongEditionsDoNotFit) {
    struct Edition {
        const char* name;
        const ast_uap_t* uap;
        bool v24Form;
    };
    const Edition editions[] = {{"0.23", &AST_UAP_CAT021_VER023, false},
                                {"0.26", &AST_UAP_CAT021_VER026, false},
                                {"2.1", &AST_UAP_CAT021_VER21, true},
                                {"2.4", &AST_UAP_CAT021_VER24, true}};
    const ast_cat021_v24_record_t v24 = fullV24();
    const ast_cat021_v026_record_t v026 = fullV026();
    for (const auto& edition : editions) {
        uint8_t out[256];
        const ast_datarecord_t built =
            edition.v24Form
                ? ast_datarecord_021_v24_assemble(out, sizeof out, &v24, *edition.uap)
                : ast_datarecord_021_v026_assemble(out, sizeof out, &v026, *edition.uap);
        ASSERT_TRUE(built.ok) << edition.name;
        const ast_datarecord_t decoded = ast_datarecord_decode(out, built.length, 21, edition.uap);
        ASSERT_TRUE(decoded.ok) << edition.name;
        EXPECT_EQ(decoded.length, built.length) << edition.name;

        // Disassemble and assemble again: the same octets.
        uint8_t again[256];
        ast_datarecord_t rebuilt;
        if (edition.v24Form) {
            const ast_cat021_v24_record_t form = ast_datarecord_021_v24_disassemble(&decoded);
            rebuilt = ast_datarecord_021_v24_assemble(again, sizeof again, &form, *edition.uap);
        } else {
            const ast_cat021_v026_record_t form = ast_datarecord_021_v026_disassemble(&decoded);
            rebuilt = ast_datarecord_021_v026_assemble(again, sizeof again, &form, *edition.uap);
        }
        ASSERT_TRUE(rebuilt.ok) << edition.name;
        EXPECT_EQ(hexText(again, rebuilt.length), hexText(out, built.length)) << edition.name;

        // The other layouts must not silently take the record: either the record fails, or it
        // does not consume exactly the octets that were written, or (when the item sizes happen
        // to add up, as 0.23 read as 2.x does) the target address and position of the assembled
        // report are not what the wrong edition yields.
        for (const auto& other : editions) {
            if (other.v24Form == edition.v24Form)
                continue;
            AstLogCapture quiet;
            const ast_datarecord_t wrong = ast_datarecord_decode(out, built.length, 21, other.uap);
            if (!wrong.ok || wrong.length != built.length)
                continue;
            bool plausible;
            if (other.v24Form) {
                const ast_cat021_v24_record_t f = ast_datarecord_021_v24_disassemble(&wrong);
                plausible = f.i080.address == v026.i080.address &&
                            std::fabs(f.i131.latitude - v026.i902.latitude) < 1e-3;
            } else {
                const ast_cat021_v026_record_t f = ast_datarecord_021_v026_disassemble(&wrong);
                plausible = f.i080.address == v24.i080.address &&
                            std::fabs(f.i902.latitude - v24.i131.latitude) < 1e-3;
            }
            EXPECT_FALSE(plausible) << edition.name << " read as " << other.name;
        }
    }
    // 0.23 and 0.26 differ in FRN 4 only: a record carrying it is told apart by its size.
    ast_cat021_v026_record_t pos = {};
    pos.i010 = {1, 1, 2};
    pos.i902 = {1, 0, 0, 10.0, 20.0};
    uint8_t out[32];
    const ast_datarecord_t built =
        ast_datarecord_021_v026_assemble(out, sizeof out, &pos, AST_UAP_CAT021_VER026);
    ASSERT_TRUE(built.ok);
    const ast_datarecord_t as023 =
        ast_datarecord_decode(out, built.length, 21, &AST_UAP_CAT021_VER023);
    EXPECT_FALSE(as023.ok && as023.length == built.length);
}

TEST(Cat021, RealBlocksWithReservedExpansionField) {
    const Bytes data = readFile("cat21_re.ast");
    ASSERT_EQ(data.size(), 91u);
    const ast_uap_t* const uaps[] = {&AST_UAP_CAT021_VER21, &AST_UAP_CAT021_VER24};
    for (const ast_uap_t* uap : uaps) {
        uint64_t pos = 0;
        int blocks = 0;
        while (pos < data.size()) {
            const ast_datablock_t block =
                ast_datablock_decode(data.data() + pos, data.size() - pos, uap);
            ASSERT_TRUE(block.ok) << "block " << blocks;
            EXPECT_EQ(block.category, 21u);
            EXPECT_EQ(block.count, 1u);
            pos += block.length;
            ++blocks;
        }
        EXPECT_EQ(blocks, 2);
    }
    // Smart decode finds an edition 2.x UAP on its own; the values of both reports (two surface
    // service vehicles seen by one ground station).
    const struct {
        uint32_t address;
        const char* time;
        uint32_t emitter;
        uint32_t amplitude;
        const char* ages;
    } expected[] = {{1, "TOD:08:00:02.921", 0, 203, "SUBFIELDS:03/07"},
                    {2, "TOD:08:00:03.164", 21, 173, "SUBFIELDS:04/21"}};
    uint64_t pos = 0;
    for (const auto& e : expected) {
        const ast_datablock_t block =
            ast_datablock_smart_decode(data.data() + pos, data.size() - pos);
        ASSERT_TRUE(block.ok);
        ASSERT_EQ(block.count, 1u);
        pos += block.length;
        const ast_datarecord_t& r = block.records[0];
        ASSERT_EQ(r.count, 13u);
        const ast_cat021_v24_record_t f = ast_datarecord_021_v24_disassemble(&r);
        ASSERT_TRUE(f.ok);
        EXPECT_EQ(f.i010.sac, 0u);
        EXPECT_EQ(f.i010.sic, 1u);
        EXPECT_TRUE(f.i040.gbs);
        EXPECT_NEAR(f.i130.latitude, 61.4753, 1e-3);
        EXPECT_NEAR(f.i130.longitude, -7.8787, 1e-3);
        EXPECT_EQ(f.i080.address, e.address);
        EXPECT_EQ(f.i020.value, e.emitter);
        EXPECT_EQ(f.i132.value, e.amplitude);
        EXPECT_EQ(f.i016.report_period, 4.0);
        EXPECT_EQ(f.i210.ltt, 2u);  // 1090 ES
        EXPECT_TRUE(f.i074.present);
        EXPECT_TRUE(f.i090.present);
        char text[64];
        EXPECT_STREQ(ast_dataitem_get_summary(text, sizeof text, &r.items[4]), e.time);
        EXPECT_STREQ(ast_dataitem_get_summary(text, sizeof text, &r.items[11]), e.ages);
        EXPECT_EQ(r.items[12].type, 21998u);
        EXPECT_STREQ(ast_dataitem_get_summary(text, sizeof text, &r.items[12]),
                     "RESERVED_EXPANSION");
    }
    EXPECT_EQ(pos, data.size());
}

TEST(Cat021, HandBuiltRecordsOfEditions023And21) {
    // Edition 0.23: FRN 1 I021/010, FRN 3 I021/030, FRN 4 I021/130 in six octets.
    const Bytes v023 = hexBytes("B0 19 C8 00 00 80 1F 00 00 E2 00 00");
    const ast_datarecord_t r =
        ast_datarecord_decode(v023.data(), v023.size(), 21, &AST_UAP_CAT021_VER023);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.count, 3u);
    EXPECT_EQ(r.items[2].type, 21130u);
    const ast_wgs84_position_t pos = ast_dataitem_wgs84_low_decode(&r.items[2]);
    EXPECT_NEAR(pos.latitude, 0x1F0000 * 180.0 / 8388608.0, 1e-9);
    // Edition 0.26 reads FRN 4 as the eight-octet position: the record runs short.
    EXPECT_FALSE(ast_datarecord_decode(v023.data(), v023.size(), 21, &AST_UAP_CAT021_VER026).ok);

    // Edition 2.1: FRN 1 I021/010 and FRN 37, I021/271 of editions 1.0 to 2.1, whose second
    // octet has no FX bit (here its last bit is a length/width bit set to 1).
    const Bytes v21 = hexBytes("81 01 01 01 01 40 19 C8 01 0F");
    {
        AstLogCapture log;
        const ast_datarecord_t ok =
            ast_datarecord_decode(v21.data(), v21.size(), 21, &AST_UAP_CAT021_VER21);
        ASSERT_TRUE(ok.ok);
        EXPECT_EQ(ok.items[1].type, 21907u);
        EXPECT_EQ(ok.items[1].size, 2u);
        EXPECT_EQ(log.size(), 0u);
    }
    {
        // Edition 2.4 reads the same octets as an extensible item whose second octet extends
        // again, past its two allowed octets: the item and its record fail, and say so.
        AstLogCapture log;
        const ast_datarecord_t as24 =
            ast_datarecord_decode(v21.data(), v21.size(), 21, &AST_UAP_CAT021_VER24);
        EXPECT_EQ(log.count(AST_LOG_CRITICAL, "Dataitem length exceed max: 2"), 1);
        EXPECT_FALSE(as24.ok);
        EXPECT_EQ(as24.length, 0u);
        EXPECT_EQ(as24.count, 1u);
    }
}

// Edition 2.6 sends a longer I021/040 than edition 2.4 allows (three octets). Read as 2.4,
// cutting the item at three octets would read I021/161 from its fourth octet on: a track
// number 4095 would turn into 15 in a record that claims success.
TEST(Cat021, TargetReportDescriptorLongerThanTheEditionAllowsFailsTheRecord) {
    // FSPEC: FRN 1 I021/010, FRN 2 I021/040, FRN 3 I021/161.
    const Bytes record = hexBytes("E0 19 C8 01 01 01 00 0F FF");
    AstLogCapture log;
    const ast_datarecord_t r =
        ast_datarecord_decode(record.data(), record.size(), 21, &AST_UAP_CAT021_VER24);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.count, 1u);
    EXPECT_EQ(log.count(AST_LOG_CRITICAL, "Dataitem length exceed max: 3"), 1);
    // The same record with a three-octet descriptor decodes, track number 4095.
    const Bytes fits = hexBytes("E0 19 C8 01 01 00 0F FF");
    const ast_datarecord_t ok =
        ast_datarecord_decode(fits.data(), fits.size(), 21, &AST_UAP_CAT021_VER24);
    ASSERT_TRUE(ok.ok);
    ASSERT_EQ(ok.count, 3u);
    EXPECT_EQ(ast_dataitem_track_number_decode(&ok.items[2]).number, 4095u);
}

TEST(Cat021, ItemsWithADetailViewWriteOne) {
    const struct {
        ast_dataitem_type_t type;
        const char* hex;
    } rows[] = {{21008, "A9"},
                {21010, "19 C8"},
                {21020, "03"},
                {21030, "00 00 80"},
                {21032, "80"},
                {21040, "01 40"},
                {21070, "0F FF"},
                {21074, "41 00 00 00"},
                {21080, "78 0A 1B"},
                {21090, "5E"},
                {21110, "80 02"},
                {21130, "1F 00 00 E2 00 00"},
                {21140, "00 A0"},
                {21145, "15 E0"},
                {21146, "01 90"},
                {21150, "06 00"},
                {21151, "01 C2"},
                {21152, "40 00"},
                {21155, "FF C0"},
                {21160, "08 00 C0 00"},
                {21170, "0D 41 F1 CB 3D 20"},
                {21210, "12"},
                {21220, "10 01"},
                {21250, "00"},
                {21902, "00 3F 20 00 FF E1 00 00"},
                {21903, "42 00"},
                {21905, "03 00"},
                {21906, "18"}};
    for (const auto& row : rows) {
        const Bytes data = hexBytes(row.hex);
        const ast_dataitem_t item = ast_dataitem_decode(data.data(), data.size(), row.type);
        ASSERT_TRUE(item.ok) << row.type;
        char text[4096];
        std::memset(text, POISON, sizeof text);
        ast_dataitem_get_detail_html(text, sizeof text, &item);
        if (row.type == 21250) {
            EXPECT_STREQ(text, "") << row.type;  // no register to show
        } else {
            EXPECT_GT(std::strlen(text), 10u) << row.type;
        }
        EXPECT_GT(std::strlen(ast_dataitem_get_name(row.type)), 3u) << row.type;
    }
}
