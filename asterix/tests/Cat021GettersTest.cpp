// CAT021 record getters: the common surveillance values of ADS-B reports of editions 0.26 and
// 2.4 and of the real blocks, read through the category's getter table.

#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"
#include "Frame.h"

namespace {

constexpr size_t SLOTS = 12;
using Expected = std::array<const char*, SLOTS>;

// Every getter result as one line of text, "-" for an invalid result. An invalid result whose
// other fields are not zero reads "dirty", so that a getter cannot pass by leaving half a value.
std::string text(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string text(const char* format, ...) {
    char buffer[128];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

std::string slotText(size_t slot, const ast_datarecord_t* record) {
    const ast::RecordGetters* g = ast::recordGetters(21);
    if (!g)
        return "no table";
    switch (slot) {
        case 0: {
            const ast_record_sacsic_t r = g->sacsic(record);
            if (!r.valid)
                return r.sac || r.sic ? "dirty" : "-";
            return text("%u/%u", r.sac, r.sic);
        }
        case 1: {
            const ast_record_timeofday_t r = g->timeofday(record);
            if (!r.valid)
                return r.source || r.raw || r.hours || r.minutes || r.seconds || r.milliseconds
                           ? "dirty"
                           : "-";
            return text("%s %02u:%02u:%02u.%03u raw %u", ast_dataitem_type_to_str(r.source),
                        r.hours, r.minutes, r.seconds, r.milliseconds, r.raw);
        }
        case 2: {
            const ast_record_msgtype_t r = g->msgtype(record);
            if (!r.valid)
                return r.type ? "dirty" : "-";
            return text("%u", r.type);
        }
        case 3: {
            const ast_record_tracknum_t r = g->tracknum(record);
            if (!r.valid)
                return r.number ? "dirty" : "-";
            return text("%u", r.number);
        }
        case 4: {
            const ast_record_squawk_t r = g->squawk(record);
            if (!r.valid)
                return r.code ? "dirty" : "-";
            return text("%04o", r.code);
        }
        case 5: {
            const ast_record_callsign_t r = g->callsign(record);
            if (!r.valid)
                return r.callsign[0] ? "dirty" : "-";
            if (std::memchr(r.callsign, '\0', sizeof r.callsign) == nullptr)
                return "unterminated";
            return text("[%s]", r.callsign);
        }
        case 6: {
            const ast_record_icaoaddr_t r = g->icaoaddr(record);
            if (!r.valid)
                return r.address ? "dirty" : "-";
            return text("%06X", r.address);
        }
        case 7: {
            const ast_record_coordinate_t r = g->coordinate(record);
            if (!r.valid)
                return r.latitude != 0.0 || r.longitude != 0.0 ? "dirty" : "-";
            return text("%.7f %.7f", r.latitude, r.longitude);
        }
        case 8: {
            const ast_record_flightlevel_t r = g->flightlevel(record);
            if (!r.valid)
                return r.level != 0.0 ? "dirty" : "-";
            return text("%.2f", r.level);
        }
        case 9:
            return g->polarcoord ? "has a getter" : "no getter";
        case 10:
        case 11: {
            const ast_record_velocity_t r = slot == 10 ? g->heading(record) : g->speed(record);
            if (!r.valid)
                return r.speed_valid || r.heading_valid || r.speed != 0.0 || r.heading != 0.0
                           ? "dirty"
                           : "-";
            return text("%s%.4f kt %s%.7f deg", r.speed_valid ? "" : "(no speed) ", r.speed,
                        r.heading_valid ? "" : "(no heading) ", r.heading);
        }
    }
    return "bad slot";
}

void expectSlots(const char* name, const ast_datarecord_t* record, const Expected& expected) {
    for (size_t slot = 0; slot < SLOTS; ++slot)
        EXPECT_EQ(slotText(slot, record), expected[slot]) << name << ", slot " << slot;
}

// A full edition 0.26 report. The positions are multiples of the coarsest LSB (180/2^23
// degrees), so every resolution holds them exactly.
ast_cat021_v026_record_t v026Form() {
    ast_cat021_v026_record_t f = {};
    f.i010 = {1, 25, 200};
    f.i020 = {1, 3};
    f.i030 = {1, 0x2A3000, 0, 0, 0, 0};  // 06:00:00
    f.i903 = {1, 0, 0, 0, 0, 0, 0, 0, 2, 2};
    f.i070 = {1, 1, 0, 0, 0, 07700};
    f.i080 = {1, {0, 0, 0}, 0x780A1B};
    f.i905 = {1, 1, 2, 3, 9};
    f.i095 = {1, 4};
    f.i902 = {1, 0, 0, -33.75, 151.875};
    f.i904 = {1, 0xC4};
    f.i145 = {1, 1401};
    f.i160 = {1, 0, 0, 450.0, 0, 270.0};
    f.i170 = {1, "CPA123"};
    f.i908 = {1, 1};
    return f;
}

// A full edition 2.4 report: both positions with different values, several times.
ast_cat021_v24_record_t v24Form() {
    ast_cat021_v24_record_t f = {};
    f.i010 = {1, 7, 42};
    f.i015 = {1, 1};
    f.i040.present = 1;
    f.i040.arc = 1;
    f.i070 = {1, 1, 0, 0, 0, 01234};
    f.i071 = {1, 0x2A3040, 0, 0, 0, 0};  // 06:00:00.500
    f.i073 = {1, 0x2A3080, 0, 0, 0, 0};  // 06:00:01.000
    f.i077 = {1, 0x2A3100, 0, 0, 0, 0};
    f.i080 = {1, {0, 0, 0}, 0x4CA2B7};
    f.i130 = {1, 0, 0, 22.5, 112.5};
    f.i131 = {1, 0, 0, -33.75, 151.875};
    f.i145 = {1, -60};
    f.i160 = {1, 0, 0, 225.0, 0, 45.0};
    f.i161 = {1, 4095};
    f.i170 = {1, "KLM1023"};
    return f;
}

// Octets of assembled records, kept for the records that point into them.
struct Built {
    uint8_t octets[256];
    ast_datarecord_t record;
};

void buildV026(Built& b, const ast_cat021_v026_record_t& form) {
    const ast_datarecord_t r =
        ast_datarecord_021_v026_assemble(b.octets, sizeof b.octets, &form, AST_UAP_CAT021_VER026);
    ASSERT_TRUE(r.ok);
    b.record = ast_datarecord_decode(b.octets, r.length, 21, &AST_UAP_CAT021_VER026);
    ASSERT_TRUE(b.record.ok);
}

void buildV24(Built& b, const ast_cat021_v24_record_t& form) {
    const ast_datarecord_t r =
        ast_datarecord_021_v24_assemble(b.octets, sizeof b.octets, &form, AST_UAP_CAT021_VER24);
    ASSERT_TRUE(r.ok);
    b.record = ast_datarecord_decode(b.octets, r.length, 21, &AST_UAP_CAT021_VER24);
    ASSERT_TRUE(b.record.ok);
}

// An OK CAT021 record of hand-written items, each exactly the octets given (so that an item
// of the wrong size can be tried).
struct HandRecord {
    std::vector<Bytes> octets;
    ast_datarecord_t record = {};
    explicit HandRecord(const std::vector<std::pair<ast_dataitem_type_t, const char*>>& items) {
        record.ok = 1;
        record.category = 21;
        octets.reserve(items.size());
        for (const auto& item : items) {
            octets.push_back(hexBytes(item.second));
            record.items[record.count++] =
                ast_dataitem_t{octets.back().data(), octets.back().size(), item.first, 1};
        }
    }
};

const Expected NOTHING = {"-", "-", "-", "-", "-", "-", "-", "-", "-", "no getter", "-", "-"};

}  // namespace

TEST(Cat021Getters, TableHoldsTheGettersInKeywordOrder) {
    const ast::RecordGetters* g = ast::recordGetters(21);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->sacsic, &ast_datarecord_021_get_sacsic);
    EXPECT_EQ(g->timeofday, &ast_datarecord_021_get_timeofday);
    EXPECT_EQ(g->msgtype, &ast_datarecord_021_get_msgtype);
    EXPECT_EQ(g->tracknum, &ast_datarecord_021_get_tracknum);
    EXPECT_EQ(g->squawk, &ast_datarecord_021_get_squawk);
    EXPECT_EQ(g->callsign, &ast_datarecord_021_get_callsign);
    EXPECT_EQ(g->icaoaddr, &ast_datarecord_021_get_icaoaddr);
    EXPECT_EQ(g->coordinate, &ast_datarecord_021_get_coordinate);
    EXPECT_EQ(g->flightlevel, &ast_datarecord_021_get_flightlevel);
    EXPECT_EQ(g->polarcoord, nullptr);
    EXPECT_EQ(g->heading, &ast_datarecord_021_get_heading);
    EXPECT_EQ(g->speed, &ast_datarecord_021_get_speed);
    // Twelve slots, nothing else.
    static_assert(sizeof(ast::RecordGetters) == SLOTS * sizeof(void (*)()), "12 getter slots");
    EXPECT_EQ(ast::recordGetters(34), nullptr);
    EXPECT_EQ(ast::recordGetters(0), nullptr);
}

TEST(Cat021Getters, AssembledReportsOfBothEditions) {
    Built v026, v24, only131, late;
    buildV026(v026, v026Form());
    buildV24(v24, v24Form());
    // Without I021/130 the high-resolution position stands in; without I021/071 the time of
    // reception for position.
    ast_cat021_v24_record_t f = {};
    f.i010 = {1, 7, 42};
    f.i131 = {1, 0, 0, 45.0, -90.0};
    f.i073 = {1, 0x2A3080, 0, 0, 0, 0};
    f.i077 = {1, 0x2A3100, 0, 0, 0, 0};
    buildV24(only131, f);
    // Only the time of report transmission.
    ast_cat021_v24_record_t g = {};
    g.i077 = {1, 86400 * 128 - 1, 0, 0, 0, 0};  // the last tick of the day
    buildV24(late, g);

    const struct {
        const char* name;
        const ast_datarecord_t* record;
        Expected expected;
    } rows[] = {
        {"edition 0.26",
         &v026.record,
         {"25/200", "I021/030 06:00:00.000 raw 2764800", "5", "-", "7700", "[CPA123  ]", "780A1B",
          "-33.7500000 151.8750000", "350.25", "no getter", "450.0000 kt 270.0000000 deg",
          "450.0000 kt 270.0000000 deg"}},
        {"edition 2.4",
         &v24.record,
         {"7/42", "I021/071 06:00:00.500 raw 2764864", "5", "4095", "1234", "[KLM1023 ]", "4CA2B7",
          "22.5000000 112.5000000", "-15.00", "no getter", "225.0000 kt 45.0000000 deg",
          "225.0000 kt 45.0000000 deg"}},
        {"edition 2.4, high-resolution position only",
         &only131.record,
         {"7/42", "I021/073 06:00:01.000 raw 2764928", "5", "-", "-", "-", "-",
          "45.0000000 -90.0000000", "-", "no getter", "-", "-"}},
        {"edition 2.4, transmission time only",
         &late.record,
         {"-", "I021/077 23:59:59.992 raw 11059199", "5", "-", "-", "-", "-", "-", "-", "no getter",
          "-", "-"}},
    };
    AstLogCapture log;
    for (const auto& row : rows)
        expectSlots(row.name, row.record, row.expected);
    EXPECT_EQ(log.size(), 0u) << "getters log nothing";
}

TEST(Cat021Getters, RealReportsOfTwoSurfaceVehicles) {
    const Bytes data = readFile("cat21_re.ast");
    ASSERT_EQ(data.size(), 91u);
    // The reports carry I021/073 as their only time and no track number, Mode 3/A, callsign,
    // flight level or ground vector. Positions worked out by hand from the I021/130 octets
    // (2B B7 3E FA 65 BA and 2B B7 3A FA 65 B3, 180/2^23 degrees).
    const Expected expected[] = {
        {"0/1", "I021/073 08:00:02.921 raw 3686774", "5", "-", "-", "-", "000001",
         "61.4753294 -7.8786993", "-", "no getter", "-", "-"},
        {"0/1", "I021/073 08:00:03.164 raw 3686805", "5", "-", "-", "-", "000002",
         "61.4752436 -7.8788495", "-", "no getter", "-", "-"},
    };
    uint64_t pos = 0;
    for (const Expected& e : expected) {
        const ast_datablock_t block =
            ast_datablock_smart_decode(data.data() + pos, data.size() - pos);
        ASSERT_TRUE(block.ok);
        ASSERT_EQ(block.count, 1u);
        expectSlots("real report", &block.records[0], e);
        pos += block.length;
    }
    EXPECT_EQ(pos, data.size());
}

TEST(Cat021Getters, ItemLimitsAndOddOctets) {
    // Largest fields, and flag bits that must not leak into the values: the top nibble of
    // I021/070 and I021/161 is spare in edition 2.4, RE of I021/160 sits above the speed.
    const HandRecord maxima({{21010, "FF FF"},
                             {21070, "FF FF"},
                             {21080, "FF FF FF"},
                             {21145, "7F FF"},
                             {21160, "FF FF FF FF"},
                             {21161, "FF FF"},
                             {21170, "2C C3 71 C3 2C E0"}});
    expectSlots("maxima", &maxima.record,
                {"255/255", "-", "5", "4095", "7777", "[KLM1023 ]", "FFFFFF", "-", "8191.75",
                 "no getter", "7199.7803 kt 359.9945068 deg", "7199.7803 kt 359.9945068 deg"});
    const HandRecord minima(
        {{21145, "80 00"}, {21160, "00 00 00 00"}, {21130, "C0 00 00 80 00 00"}});
    expectSlots("minima", &minima.record,
                {"-", "-", "5", "-", "-", "-", "-", "-90.0000000 -180.0000000", "-8192.00",
                 "no getter", "0.0000 kt 0.0000000 deg", "0.0000 kt 0.0000000 deg"});
    // An item of the right type but the wrong size does not decode: no value rather than a
    // value read from the wrong octets. The time items are tried in turn.
    const HandRecord odd({{21010, "01 02 03"},
                          {21030, "00 01"},
                          {21071, "00 00 80"},
                          {21145, "01"},
                          {21902, "00 00 00 00 00 00"},
                          {21131, "00 00 00 00 00 00 00 00"}});
    expectSlots("wrong sizes", &odd.record,
                {"-", "I021/071 00:00:01.000 raw 128", "5", "-", "-", "-", "-",
                 "0.0000000 0.0000000", "-", "no getter", "-", "-"});
}

TEST(Cat021Getters, RecordsThatAreNotOkGiveNothing) {
    Built v24;
    buildV24(v24, v24Form());
    ast_datarecord_t notOk = v24.record;
    notOk.ok = 0;
    // A record cut short keeps the items decoded before the cut but is not OK.
    const ast_datarecord_t cut =
        ast_datarecord_decode(v24.octets, v24.record.length - 1, 21, &AST_UAP_CAT021_VER24);
    ASSERT_FALSE(cut.ok);
    ASSERT_GT(cut.count, 0u);
    ast_datarecord_t otherCategory = v24.record;
    otherCategory.category = 48;
    ast_datarecord_t empty = v24.record;
    empty.count = 0;

    const struct {
        const char* name;
        const ast_datarecord_t* record;
        Expected expected;
    } rows[] = {
        {"not OK", &notOk, NOTHING},
        {"cut short", &cut, NOTHING},
        {"other category", &otherCategory, NOTHING},
        {"null record", nullptr, NOTHING},
        // An OK record without items is still an ADS-B report.
        {"no items", &empty, {"-", "-", "5", "-", "-", "-", "-", "-", "-", "no getter", "-", "-"}},
    };
    for (const auto& row : rows)
        expectSlots(row.name, row.record, row.expected);
}
