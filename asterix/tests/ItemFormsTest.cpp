// The shared decoded forms: decoding, encoding (round trip through the encoder), refusals and
// summaries.

#include <cstring>
#include <functional>

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"

namespace {

ast_dataitem_t itemOf(const Bytes& data, ast_dataitem_type_t type) {
    return ast_dataitem_t{data.data(), data.size(), type, 1};
}

std::string summary(const Bytes& data, ast_dataitem_type_t type) {
    const ast_dataitem_t item = ast_dataitem_decode(data.data(), data.size(), type);
    char text[512];
    std::memset(text, POISON, sizeof text);
    return ast_dataitem_get_summary(text, sizeof text, &item);
}

// Decodes `hex` as `type`, encodes the decoded form again and returns the octets written: with
// the type's descriptor, or with `encode` for the shared forms whose items have no encoder in
// their descriptor table (CAT062 and CAT020 are read, not written).
template <typename Form>
std::string roundTrip(Form (*decode)(const ast_dataitem_t*), ast_dataitem_type_t type,
                      const std::string& hex, ast_encode_fn encode = nullptr) {
    const Bytes data = hexBytes(hex);
    const ast_dataitem_t item = ast_dataitem_decode(data.data(), data.size(), type);
    if (!item.ok)
        return "decode failed";
    Form form = decode(&item);
    if (!form.present)
        return "not present";
    uint8_t out[64];
    std::memset(out, POISON, sizeof out);
    ast_dataitem_value_t value = {type, &form};
    const ast_dataitem_t written = encode ? encode(out, sizeof out, &value)
                                          : ast_dataitem_encode(out, sizeof out, &value);
    if (!written.ok)
        return "encode failed";
    if (written.data != out || written.type != type)
        return "wrong result";
    return hexText(out, written.size);
}

}  // namespace

TEST(ItemForms, RoundTripThroughTheEncoders) {
    const struct {
        const char* name;
        std::function<std::string(const std::string&)> trip;
        const char* hex;
    } rows[] = {
        {"data source",
         [](auto& h) { return roundTrip(ast_dataitem_data_source_decode, 21010, h); }, "19 C8"},
        {"time of day",
         [](auto& h) { return roundTrip(ast_dataitem_time_of_day_decode, 48140, h); }, "A8 BF FF"},
        {"mode 3/A", [](auto& h) { return roundTrip(ast_dataitem_mode_3a_decode, 48070, h); },
         "E9 23"},
        {"mode C", [](auto& h) { return roundTrip(ast_dataitem_mode_c_decode, 48090, h); },
         "FF 38"},
        {"track 12 bit",
         [](auto& h) { return roundTrip(ast_dataitem_track_number_decode, 48161, h); }, "0F FF"},
        {"track 16 bit",
         [](auto& h) { return roundTrip(ast_dataitem_track_number_decode, 62040, h); }, "FF FE"},
        {"address", [](auto& h) { return roundTrip(ast_dataitem_target_address_decode, 21080, h); },
         "78 0A 1B"},
        {"aircraft id",
         [](auto& h) { return roundTrip(ast_dataitem_aircraft_id_decode, 48240, h); },
         "0D 41 F1 CB 3D 20"},
        {"target id", [](auto& h) { return roundTrip(ast_dataitem_target_id_decode, 62245, h,
                                                 &ast_dataitem_target_id_encode); },
         "40 0D 41 F1 CB 3D 20"},
        {"wgs84", [](auto& h) { return roundTrip(ast_dataitem_wgs84_decode, 21902, h); },
         "00 3F 20 00 FF E1 00 00"},
        {"wgs84 131", [](auto& h) { return roundTrip(ast_dataitem_wgs84_decode, 21131, h); },
         "10 00 00 00 E0 00 00 00"},
        {"wgs84 low", [](auto& h) { return roundTrip(ast_dataitem_wgs84_low_decode, 21130, h); },
         "1F 00 00 E2 00 00"},
        {"cartesian position",
         [](auto& h) { return roundTrip(ast_dataitem_cartesian_position_decode, 62100, h,
                                           &ast_dataitem_cartesian_position_encode); },
         "FF FF 9C 00 01 00"},
        {"cartesian velocity",
         [](auto& h) { return roundTrip(ast_dataitem_cartesian_velocity_decode, 62185, h,
                                           &ast_dataitem_cartesian_velocity_encode); },
         "FF 9C 00 64"},
        {"polar velocity",
         [](auto& h) { return roundTrip(ast_dataitem_polar_velocity_decode, 48200, h); },
         "06 00 40 00"},
        {"vertical rate",
         [](auto& h) { return roundTrip(ast_dataitem_vertical_rate_decode, 21155, h); }, "FF C0"},
        {"vertical rate RE",
         [](auto& h) { return roundTrip(ast_dataitem_vertical_rate_decode, 21157, h); }, "80 40"},
        {"height", [](auto& h) { return roundTrip(ast_dataitem_height_decode, 20105, h,
                                                 &ast_dataitem_height_encode); },
         "FC 18"},
        {"sector", [](auto& h) { return roundTrip(ast_dataitem_sector_number_decode, 34020, h); },
         "80"},
        {"service id", [](auto& h) { return roundTrip(ast_dataitem_service_id_decode, 21015, h); },
         "07"},
        {"amplitude", [](auto& h) { return roundTrip(ast_dataitem_service_id_decode, 21132, h); },
         "C4"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.trip(row.hex), row.hex) << row.name;
}

TEST(ItemForms, DecodedValues) {
    {
        const Bytes d = hexBytes("00 00 80");
        const ast_time_of_day_t t =
            ast_dataitem_time_of_day_decode(&(const ast_dataitem_t&)itemOf(d, 21030));
        EXPECT_EQ(t.raw, 128u);
        EXPECT_EQ(t.hours * 10000 + t.minutes * 100 + t.seconds, 1u);
        EXPECT_EQ(t.milliseconds, 0u);
    }
    const struct {
        const char* hex;
        ast_dataitem_type_t type;
        const char* summary;
    } rows[] = {
        {"00 00 80", 21030, "TOD:00:00:01.000"},
        {"A8 BF FF", 19140, "TOD:23:59:59.992"},
        {"0F FF", 48070, "MODE_3/A:7777"},
        {"E9 23", 48070, "MODE_3/A:4443 NOT_VALIDATED GARBLED SMOOTHED"},
        {"29 23", 62060, "MODE_3/A:4443 CHANGED"},
        {"05 78", 48090, "MODE_C:1400"},
        {"FF 38", 48090, "MODE_C:-200 NOT_VALIDATED GARBLED"},
        {"FF FF", 48161, "TRACK_NUM:4095"},
        {"FF FF", 1161, "TRACK_NUM:65535"},
        {"78 0A 1B", 21080, "ADDR:780A1B"},
        {"0D 41 F1 CB 3D 20", 48240, "ACID:CTG1234 "},
        {"40 0D 41 F1 CB 3D 20", 62245, "REGISTRATION:CTG1234 "},
        {"00 0D 41 F1 CB 3D 20", 20245, "CALLSIGN:CTG1234 "},
        {"C0 0D 41 F1 CB 3D 20", 20245, "TARGET_ID:UNDIFINED"},
        {"00 3F 20 00 FF E1 00 00", 20041, "WGS84:221133N0105354W"},
        {"FF 9C 00 64", 62185, "VX:-25.00 VY:25.00 LSB:M/S"},
        {"FF FF 9C 00 01 00", 62100, "X:-50.0 Y:128.0 LSB:M"},
        {"06 00 40 00", 48200, "SPD:337.50 HDG:90.00"},
        {"FF C0", 21155, "VR:-400.00FT/M"},
        {"FC 18", 20105, "H:-6250.00 LSB:FT"},
        {"40", 2020, "SECTOR:090DEG"},
        {"07", 21015, "SVC_ID:007"},
        {"C4", 21132, "AMP:196"},
        {"41 00 00 00", 21074, "FSI:1 TOMR:0.015625"},
        {"80 00 00 00", 21076, "FSI:-1 TOMR:0.000000"},
        {"20 00 00 00", 21074, "FSI:0 TOMR:0.500000"},
        {"02 0102030405060740 0102030405060750", 48250, "BDS:40 50 "},
        {"00", 48250, "BDS:"},
        {"03 AA BB", 1998, "RESERVED_EXPANSION"},
        {"02 AA", 48999, "SPECIAL_PURPOSE"},
        {"0F FF", 1080, "QTY:111111111111"},
        {"C5 78 00 01", 48100, "CODE:2570 QTY:000000000001 NOT_VALIDATED GARBLED"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(summary(hexBytes(row.hex), row.type), row.summary) << row.hex;
}

TEST(ItemForms, EncoderInputsAndRefusals) {
    uint8_t out[16];
    // Time from fields when raw is 0: 00:00:01.000 -> 128.
    ast_time_of_day_t tod = {1, 0, 0, 0, 1, 0};
    ast_dataitem_value_t value = {21030, &tod};
    ast_dataitem_t item = ast_dataitem_encode(out, sizeof out, &value);
    ASSERT_TRUE(item.ok);
    EXPECT_EQ(hexText(item), "00 00 80");

    // A callsign shorter than eight characters is blank-padded; lower case is accepted.
    ast_aircraft_id_t acid = {1, "ab1"};
    value = {21170, &acid};
    item = ast_dataitem_encode(out, sizeof out, &value);
    ASSERT_TRUE(item.ok);
    const ast_dataitem_t again = {out, 6, 21170, 1};
    EXPECT_STREQ(ast_dataitem_aircraft_id_decode(&again).callsign, "AB1     ");

    // Latitude -0.5 degrees truncates toward zero: raw -93206 at the 2^25 scale.
    ast_wgs84_position_t pos = {1, 0, 0, -0.5, 10.0};
    value = {21902, &pos};
    item = ast_dataitem_encode(out, sizeof out, &value);
    ASSERT_TRUE(item.ok);
    const ast_dataitem_t posItem = {out, 8, 21902, 1};
    EXPECT_EQ(ast_dataitem_wgs84_decode(&posItem).lat_raw, -93206);

    // Polar velocity from speed and heading stores the raws back into the value.
    ast_polar_velocity_t vel = {1, 0, 0, 337.5, 90.0};
    value = {48200, &vel};
    item = ast_dataitem_encode(out, sizeof out, &value);
    ASSERT_TRUE(item.ok);
    EXPECT_EQ(vel.speed_raw, 0x600);
    EXPECT_EQ(vel.heading_raw, 0x4000);

    // The address encoder refreshes the octets of the value.
    ast_target_address_t addr = {1, {0, 0, 0}, 0xABCDEF};
    value = {21080, &addr};
    ASSERT_TRUE(ast_dataitem_encode(out, sizeof out, &value).ok);
    EXPECT_EQ(addr.octets[0], 0xAB);
    EXPECT_EQ(addr.octets[2], 0xEF);

    // The sector encoder rounds the azimuth and stores the raw.
    ast_sector_number_t sector = {1, 0, 90.0};
    value = {34020, &sector};
    ASSERT_TRUE(ast_dataitem_encode(out, sizeof out, &value).ok);
    EXPECT_EQ(sector.raw, 64u);
    EXPECT_EQ(out[0], 64);

    // Vertical rate from the rate, truncated.
    ast_vertical_rate_t vr = {1, 0, 0, -406.0};
    value = {21155, &vr};
    ASSERT_TRUE(ast_dataitem_encode(out, sizeof out, &value).ok);
    EXPECT_EQ(hexText(out, 2), "7F C0");

    // The amplitude encoder writes the low octet unchecked; the service id encoder refuses.
    ast_one_octet_t one = {1, 0x1FF};
    value = {21132, &one};
    item = ast_dataitem_encode(out, sizeof out, &value);
    ASSERT_TRUE(item.ok);
    EXPECT_EQ(out[0], 0xFF);
    value = {21015, &one};
    EXPECT_FALSE(ast_dataitem_encode(out, sizeof out, &value).ok);
}

TEST(ItemForms, TimeOfDayEncoderKeepsWithinOneDay) {
    // 86400 s x 128 = 11059200 ticks; the last tick of the day is 23:59:59.9921875.
    const struct {
        const char* name;
        ast_time_of_day_t form;
        const char* octets;  // nullptr: refused
    } rows[] = {
        {"last tick of the day (raw)", {1, 11059199, 0, 0, 0, 0}, "A8 BF FF"},
        {"24:00:00 (raw)", {1, 11059200, 0, 0, 0, 0}, nullptr},
        {"24:00:01 (raw)", {1, 11059328, 0, 0, 0, 0}, nullptr},
        {"largest 24-bit raw", {1, 0xFFFFFF, 0, 0, 0, 0}, nullptr},
        {"beyond 24 bits", {1, 0x1000000, 0, 0, 0, 0}, nullptr},
        {"negative raw", {1, static_cast<uint32_t>(-1), 0, 0, 0, 0}, nullptr},
        {"23:59:59.999 (fields)", {1, 0, 23, 59, 59, 999}, "A8 BF FF"},
        {"24:00:00 (fields)", {1, 0, 24, 0, 0, 0}, nullptr},
        {"24:00:01 (fields)", {1, 0, 24, 0, 1, 0}, nullptr},
        {"negative hours", {1, 0, static_cast<uint32_t>(-1), 0, 0, 0}, nullptr},
        {"midnight", {1, 0, 0, 0, 0, 0}, "00 00 00"},
    };
    for (const auto& row : rows) {
        uint8_t out[4];
        std::memset(out, POISON, sizeof out);
        ast_time_of_day_t form = row.form;
        const ast_dataitem_value_t value = {48140, &form};
        const ast_dataitem_t item = ast_dataitem_encode(out, sizeof out, &value);
        if (row.octets) {
            ASSERT_TRUE(item.ok) << row.name;
            EXPECT_EQ(hexText(item), row.octets) << row.name;
        } else {
            EXPECT_FALSE(item.ok) << row.name;
            EXPECT_EQ(item.size, 0u) << row.name;
            EXPECT_EQ(out[0], POISON) << row.name;
        }
    }
}

TEST(ItemForms, EncodersRefuseWithoutWriting) {
    ast_data_source_t badSac = {1, 256, 1}, absent = {0, 1, 1}, good = {1, 1, 2};
    ast_mode_3a_t negative = {1, 1, 0, 0, 0, -1}, tooBig = {1, 1, 0, 0, 0, 010000};
    ast_target_address_t zero = {1, {0, 0, 0}, 0};
    ast_wgs84_position_t north = {1, 0, 0, 90.5, 0}, east = {1, 0, 0, 0, 180.5};
    ast_track_number_t track = {1, 0x1000};
    ast_sector_number_t sector = {1, 256, -1.0};
    const struct {
        const char* name;
        ast_dataitem_value_t value;
        uint64_t capacity;
    } rows[] = {
        {"sac above 255", {21010, &badSac}, 16},
        {"present flag missing", {21010, &absent}, 16},
        {"no form", {21010, nullptr}, 16},
        {"capacity below size", {21010, &good}, 1},
        {"negative mode 3/A", {48070, &negative}, 16},
        {"mode 3/A beyond 7777", {48070, &tooBig}, 16},
        {"address 0", {21080, &zero}, 16},
        {"latitude beyond 90", {21902, &north}, 16},
        {"longitude beyond 180", {21130, &east}, 16},
        {"track beyond 12 bits", {48161, &track}, 16},
        {"sector raw 256", {34020, &sector}, 16},
    };
    for (const auto& row : rows) {
        uint8_t out[16];
        std::memset(out, POISON, sizeof out);
        const ast_dataitem_t item = ast_dataitem_encode(out, row.capacity, &row.value);
        EXPECT_FALSE(item.ok) << row.name;
        EXPECT_EQ(item.size, 0u) << row.name;
        EXPECT_EQ(out[0], POISON) << row.name;
    }
    AstLogCapture log;
    uint8_t out[4];
    ast_dataitem_value_t noEncoder = {21074, &good};
    EXPECT_FALSE(ast_dataitem_encode(out, sizeof out, &noEncoder).ok);
    EXPECT_EQ(
        log.count(AST_LOG_WARNING, "Enconding function not implemented for dataitem I021/074."), 1);
    EXPECT_FALSE(ast_dataitem_encode(nullptr, 4, &noEncoder).ok);
    EXPECT_FALSE(ast_dataitem_encode(out, 4, nullptr).ok);
}

TEST(ItemForms, DecodersRefuseWrongSizesAndFailedItems) {
    const Bytes d = hexBytes("01 02 03");
    const ast_dataitem_t wrongSize = {d.data(), 3, 21010, 1};
    const ast_dataitem_t notOk = {d.data(), 2, 21010, 0};
    EXPECT_FALSE(ast_dataitem_data_source_decode(&wrongSize).present);
    EXPECT_FALSE(ast_dataitem_data_source_decode(&notOk).present);
    EXPECT_FALSE(ast_dataitem_data_source_decode(nullptr).present);
    EXPECT_EQ(ast_dataitem_data_source_decode(&notOk).sac, 0u);
    char text[32];
    EXPECT_STREQ(ast_dataitem_get_summary(text, sizeof text, &notOk), "NOT_IMPLEMENTED");
}

TEST(ItemServices, GenericDecodeEncodeCopyAndNames) {
    AstLogCapture log;
    const Bytes d = hexBytes("19 C8 FF");
    ast_dataitem_t item = ast_dataitem_decode(d.data(), 3, 21010);
    EXPECT_TRUE(item.ok);
    EXPECT_EQ(item.size, 2u);
    item = ast_dataitem_decode(d.data(), 1, 21010);
    EXPECT_FALSE(item.ok);
    EXPECT_EQ(item.size, 0u);
    EXPECT_EQ(item.type, 21010u);
    item = ast_dataitem_decode(d.data(), 3, 21010);

    uint8_t out[4];
    std::memset(out, POISON, sizeof out);
    EXPECT_FALSE(ast_dataitem_copy(out, 1, &item).ok);
    EXPECT_EQ(out[0], POISON);
    const ast_dataitem_t copy = ast_dataitem_copy(out, 2, &item);
    EXPECT_TRUE(copy.ok);
    EXPECT_EQ(copy.data, out);
    EXPECT_EQ(copy.type, 21010u);
    EXPECT_EQ(hexText(copy), "19 C8");

    EXPECT_STREQ(ast_dataitem_get_name(21010), "Data Source Identifier");
    EXPECT_STREQ(ast_dataitem_021_get_name(21010), "Data Source Identifier");
    EXPECT_STREQ(ast_dataitem_get_name(48240), "Aircraft Identification");
    EXPECT_EQ(log.size(), 0u);
    EXPECT_STREQ(ast_dataitem_get_name(99001), "");
    EXPECT_EQ(log.count(AST_LOG_WARNING, "Unknown dataitem name: I099/001."), 1);
    EXPECT_EQ(ast_dataitem_get_size(d.data(), 3, 48140), 3u);
}
