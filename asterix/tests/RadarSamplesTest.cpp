// The real radar samples: every block decodes with the counts of the capture, values computed
// by hand from the octets, the record getters on real records, and every item that has an
// encoder written again octet for octet from its disassembled form.

#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"
#include "PcapReader.h"

namespace {

// The data blocks of a sample: a file of concatenated blocks, or the UDP datagrams of a capture,
// each block behind `prefix` octets of a recorder's own header.
struct Sample {
    const char* file;
    bool pcap;
    size_t prefix;
};

struct Blocks {
    size_t datagrams = 0;
    std::vector<Bytes> blocks;  // each exactly one block
    bool ok = true;
};

Blocks blocksOf(const Sample& sample) {
    Blocks out;
    std::vector<Bytes> payloads;
    const Bytes file = readFile(sample.file);
    if (sample.pcap) {
        const PcapCapture capture = readPcap(file);
        out.ok = capture.ok;
        for (const UdpDatagram& d : capture.datagrams)
            payloads.push_back(d.payload);
        out.datagrams = payloads.size();
    } else {
        payloads.push_back(file);
    }
    for (const Bytes& payload : payloads) {
        size_t pos = 0;
        while (pos < payload.size()) {
            pos += sample.prefix;
            if (pos + 3 > payload.size()) {
                out.ok = false;
                break;
            }
            const size_t length = payload[pos + 1] << 8 | payload[pos + 2];
            if (length < 3 || pos + length > payload.size()) {
                out.ok = false;
                break;
            }
            out.blocks.emplace_back(payload.begin() + static_cast<long>(pos),
                                    payload.begin() + static_cast<long>(pos + length));
            pos += length;
        }
    }
    return out;
}

// Every block decoded with smart decode (the application's way).
const std::vector<Sample> SAMPLES = {{"cat048.raw", false, 0},
                                     {"cat034.raw", false, 0},
                                     {"cat_034_048.pcap", true, 0},
                                     {"cat_001_002.pcap", true, 6}};

ast_datablock_t* decoded(const Bytes& block) {
    static ast_datablock_t result;
    ast_datablock_smart_decode_into(&result, block.data(), block.size());
    return &result;
}

// The first record of the first block of a sample.
struct FirstRecord {
    Bytes block;
    ast_datablock_t decoded;
};

const ast_dataitem_t* item(const ast_datarecord_t& record, ast_dataitem_type_t type) {
    for (uint64_t i = 0; i < record.count; ++i)
        if (record.items[i].type == type)
            return &record.items[i];
    return nullptr;
}

}  // namespace

TEST(RadarSamples, EveryBlockDecodesWithTheCountsOfTheCapture) {
    const struct {
        Sample sample;
        size_t datagrams;
        std::map<uint32_t, std::pair<size_t, size_t>> counts;  // category: blocks, records
    } rows[] = {
        {SAMPLES[0], 0, {{48, {1, 1}}}},
        {SAMPLES[1], 0, {{34, {1, 1}}}},
        {SAMPLES[2], 100, {{48, {86, 128}}, {34, {34, 34}}}},
        {SAMPLES[3], 1, {{1, {5, 7}}, {2, {1, 1}}}},
    };
    for (const auto& row : rows) {
        AstLogCapture log;
        const Blocks sample = blocksOf(row.sample);
        ASSERT_TRUE(sample.ok) << row.sample.file;
        EXPECT_EQ(sample.datagrams, row.datagrams) << row.sample.file;
        std::map<uint32_t, std::pair<size_t, size_t>> counts;
        for (const Bytes& block : sample.blocks) {
            const ast_datablock_t* b = decoded(block);
            ASSERT_TRUE(b->ok) << row.sample.file << ": " << hexText(block);
            EXPECT_EQ(b->length, block.size());
            counts[b->category].first += 1;
            counts[b->category].second += b->count;
        }
        EXPECT_EQ(counts, row.counts) << row.sample.file;
        EXPECT_EQ(log.count(AST_LOG_CRITICAL, "Unsupported dataitem I048/210"), 0);
        EXPECT_EQ(log.size(), 0u) << row.sample.file << ": " << log.all().front().second;
    }
}

// CAT001 plots and tracks have different UAPs; smart decode picks each record's by the TYP bit of
// I001/020. The sample's seven records are tracks; a plot joins one of them here.
TEST(RadarSamples, Cat001PlotOrTrackPerRecord) {
    const Blocks sample = blocksOf(SAMPLES[3]);
    for (const Bytes& block : sample.blocks) {
        const ast_datablock_t* b = decoded(block);
        ASSERT_TRUE(b->ok);
        for (uint64_t r = 0; r < b->count; ++r) {
            if (b->category == 1) {
                EXPECT_EQ(b->records[r].uap.get_dataitem, AST_UAP_STANDARD.get_dataitem);
            }
        }
    }
    // A plot (TYP 0): FRN 1 I001/010, FRN 2 I001/020, FRN 3 I001/040 of the plot UAP, behind
    // the sample's first track record.
    const Bytes track = hexBytes(
        "F7 C6 19 C9 A0 0E B2 76 7F 18 94 08 AA 42 D8 03 34 05 C8 80 0D "
        "40 0E");
    const Bytes plot = hexBytes("E0 19 C9 20 76 7F 18 94");
    Bytes block = {1, 0, 0};
    block.insert(block.end(), plot.begin(), plot.end());
    block.insert(block.end(), track.begin(), track.end());
    block[2] = static_cast<uint8_t>(block.size());
    const ast_datablock_t* b = decoded(block);
    ASSERT_TRUE(b->ok);
    ASSERT_EQ(b->count, 2u);
    EXPECT_EQ(b->records[0].uap.get_dataitem, AST_UAP_CAT001_PLOT.get_dataitem);
    EXPECT_EQ(b->records[0].items[2].type, 1040u);
    EXPECT_EQ(b->records[1].uap.get_dataitem, AST_UAP_STANDARD.get_dataitem);
    EXPECT_EQ(ast_datarecord_001_get_msgtype(&b->records[0]).type, uint32_t{AST_MSGTYPE_PLOT});
    EXPECT_EQ(ast_datarecord_001_get_msgtype(&b->records[1]).type, uint32_t{AST_MSGTYPE_TRACK});
}

// The record of cat048.raw, item by item from its octets:
// FD F7 02 | 19 C9 | 35 6D 4D | A0 | C5 AF F1 E0 | 02 00 | 05 28 | 3C 66 0C |
// 10 C2 36 D4 18 20 | 01 C0 78 00 31 BC 00 00 40 | 0D EB | 07 B9 58 2E | 41 00 | 20 F5
TEST(RadarSamples, Cat048RecordByHand) {
    const Bytes block = readFile("cat048.raw");
    const ast_datablock_t* b = decoded(block);
    ASSERT_TRUE(b->ok);
    const ast_datarecord_t& r = b->records[0];
    // I048/140: 0x356D4D = 3501389 / 128 s = 27354.6015625 s = 07:35:54.601.
    const ast_time_of_day_t tod = ast_dataitem_time_of_day_decode(item(r, 48140));
    EXPECT_EQ(tod.raw, 3501389u);
    EXPECT_EQ(tod.hours * 3600 + tod.minutes * 60 + tod.seconds, 27354u);
    EXPECT_EQ(tod.milliseconds, 601u);
    // I048/020 A0: TYP 5 (Mode S roll-call), no further flags, no extension.
    const ast_dataitem_048_020_t trd = ast_dataitem_048_020_decode(item(r, 48020));
    EXPECT_EQ(trd.typ, 5u);
    EXPECT_FALSE(trd.sim || trd.rdp || trd.spi || trd.rab || trd.tst);
    // I048/040: rho 0xC5AF = 50607 / 256 NM, theta 0xF1E0 = 61920 x 360 / 65536 degrees.
    const ast_polar_position_t pos = ast_dataitem_048_040_decode(item(r, 48040));
    EXPECT_DOUBLE_EQ(pos.rho, 197.68359375);
    EXPECT_DOUBLE_EQ(pos.theta, 340.13671875);
    // I048/070 02 00: code 01000 (octal), validated; I048/090 05 28: 1320 quarters, FL 330.
    EXPECT_EQ(ast_dataitem_mode_3a_decode(item(r, 48070)).code, 01000);
    const ast_mode_c_t modeC = ast_dataitem_mode_c_decode(item(r, 48090));
    EXPECT_EQ(modeC.code, 1320);
    EXPECT_TRUE(modeC.validated);
    // I048/220 and I048/240.
    EXPECT_EQ(ast_dataitem_target_address_decode(item(r, 48220)).address, 0x3C660Cu);
    EXPECT_STREQ(ast_dataitem_aircraft_id_decode(item(r, 48240)).callsign, "DLH65A  ");
    // I048/161 0D EB: track 3563. I048/200: 0x07B9 = 1977 x 2^-14 NM/s = 434.399 kt, heading
    // 0x582E = 22574 x 360 / 65536.
    EXPECT_EQ(ast_dataitem_track_number_decode(item(r, 48161)).number, 3563u);
    const ast_polar_velocity_t v = ast_dataitem_polar_velocity_decode(item(r, 48200));
    EXPECT_DOUBLE_EQ(v.speed, 1977 * 0.2197265625);
    EXPECT_DOUBLE_EQ(v.heading, 22574 * 360.0 / 65536.0);
    // I048/170 41 00: confirmed SSR/Mode S track (RAD 2), FX to an empty extension.
    const ast_dataitem_048_170_t status = ast_dataitem_048_170_decode(item(r, 48170));
    EXPECT_EQ(status.rad, 2u);
    EXPECT_FALSE(status.cnf || status.tre || status.gho);
    // I048/230 20 F5: COM 1, STAT 0; MSSC, ARC, AIC, B1A set; B1B 5.
    const ast_dataitem_048_230_t cap = ast_dataitem_048_230_decode(item(r, 48230));
    EXPECT_EQ(cap.com, 1u);
    EXPECT_EQ(cap.stat, 0u);
    EXPECT_TRUE(cap.mssc && cap.arc && cap.aic && cap.b1a);
    EXPECT_EQ(cap.b1b, 5u);
    // I048/250: one BDS 4,0 register C0 78 00 31 BC 00 00. Bit 1 status, bits 2-13 =
    // 100000001111 = 2063 x 16 = 33008 ft; bit 14 (FMS) clear; bit 27 status, bits 28-39 =
    // 100011011110 = 2270, so 800 + 227.0 mb.
    const ast_mb_data_t mb = ast_dataitem_mb_data_decode(item(r, 48250));
    ASSERT_EQ(mb.count, 1u);
    EXPECT_EQ(mb.elements[0].bds1, 4);
    EXPECT_EQ(mb.elements[0].bds2, 0);
    const ast_cat048_record_t form = ast_datarecord_048_disassemble(&r);
    ASSERT_TRUE(form.ok);
    const ast_dataitem_t bds = ast_bds_decode(mb.elements[0].mb, 7, 0x40);
    const ast_bds_40_t r40 = ast_bds_40_decode(&bds);
    EXPECT_EQ(r40.mcp_altitude, 33008u);
    EXPECT_FALSE(r40.fms_altitude_status);
    EXPECT_DOUBLE_EQ(r40.baro_setting, 1027.0);
    EXPECT_EQ(form.i250.count, 1u);
    EXPECT_EQ(form.i220.address, 0x3C660Cu);
}

// I048/090 in two's complement (0x3FFC is -1 FL), I048/042 and I048/110 and I048/130 of the
// capture, each from the octets.
TEST(RadarSamples, Cat048SignedAndCompoundItemsByHand) {
    const struct {
        ast_dataitem_type_t type;
        const char* hex;
        std::function<void(const ast_dataitem_t&)> check;
    } rows[] = {
        {48090, "3F FC",
         [](const ast_dataitem_t& i) {
             EXPECT_EQ(ast_dataitem_mode_c_decode(&i).code, -4);  // 14 bits: 0x3FFC - 0x4000
         }},
        {48042, "4B F6 C3 04",
         [](const ast_dataitem_t& i) {
             const ast_radar_cartesian_t c = ast_dataitem_048_042_decode(&i);
             EXPECT_EQ(c.x_raw, 0x4BF6);          // 19446 / 128 NM
             EXPECT_EQ(c.y_raw, 0xC304 - 65536);  // -15612 / 128 NM
             EXPECT_DOUBLE_EQ(c.x, 151.921875);
             EXPECT_DOUBLE_EQ(c.y, -121.96875);
         }},
        {48110, "06 40",
         [](const ast_dataitem_t& i) {
             EXPECT_EQ(ast_dataitem_048_110_decode(&i).height, 1600 * 25);
         }},
        {48110, "1F FF",
         [](const ast_dataitem_t& i) {
             EXPECT_EQ(ast_dataitem_048_110_decode(&i).height, 8191 * 25);  // sign bit clear
         }},
        {48110, "3F FF",
         [](const ast_dataitem_t& i) {
             EXPECT_EQ(ast_dataitem_048_110_decode(&i).height, -25);  // 14-bit -1
         }},
        // I048/130 E0 56 0B B8: SRL 0x56 = 86 x 360/2^13, SRR 11, SAM 0xB8 = -72 dBm.
        {48130, "E0 56 0B B8",
         [](const ast_dataitem_t& i) {
             const ast_dataitem_048_130_t p = ast_dataitem_048_130_decode(&i);
             EXPECT_TRUE(p.srl_present && p.srr_present && p.sam_present);
             EXPECT_FALSE(p.prl_present || p.pam_present || p.rpd_present || p.apd_present);
             EXPECT_DOUBLE_EQ(p.srl, 86 * 360.0 / 8192.0);
             EXPECT_EQ(p.srr, 11u);
             EXPECT_EQ(p.sam, -72);
         }},
        // RPD and APD are two's complement: 0x80 is -128/256 NM and -128 x 360/2^14 degrees.
        {48130, "06 80 80",
         [](const ast_dataitem_t& i) {
             const ast_dataitem_048_130_t p = ast_dataitem_048_130_decode(&i);
             EXPECT_DOUBLE_EQ(p.rpd, -0.5);
             EXPECT_DOUBLE_EQ(p.apd, -2.8125);
         }},
        // I048/040 01 00 40 00: 1 NM at 90 degrees.
        {48040, "01 00 40 00",
         [](const ast_dataitem_t& i) {
             const ast_polar_position_t p = ast_dataitem_048_040_decode(&i);
             EXPECT_DOUBLE_EQ(p.rho, 1.0);
             EXPECT_DOUBLE_EQ(p.theta, 90.0);
         }},
    };
    for (const auto& row : rows) {
        const Bytes data = hexBytes(row.hex);
        const ast_dataitem_t i = ast_dataitem_decode(data.data(), data.size(), row.type);
        ASSERT_TRUE(i.ok) << row.hex;
        ASSERT_EQ(i.size, data.size()) << row.hex;
        SCOPED_TRACE(row.hex);
        row.check(i);
    }
}

// cat034.raw: F6 | 19 0E | 02 | 3A 69 2B | 40 | 88 40 40 | 80 00
TEST(RadarSamples, Cat034RecordByHand) {
    const Bytes block = readFile("cat034.raw");
    const ast_datablock_t* b = decoded(block);
    ASSERT_TRUE(b->ok);
    const ast_cat034_record_t f = ast_datarecord_034_disassemble(&b->records[0]);
    ASSERT_TRUE(f.ok);
    EXPECT_EQ(f.i000.value, 2u);  // sector crossing
    EXPECT_EQ(f.i010.sac, 25u);
    EXPECT_EQ(f.i010.sic, 14u);
    EXPECT_EQ(f.i030.raw, 0x3A692Bu);  // 3828011 / 128 s = 08:18:26.335
    EXPECT_EQ(f.i030.hours, 8u);
    EXPECT_EQ(f.i030.minutes, 18u);
    EXPECT_EQ(f.i030.seconds, 26u);
    EXPECT_DOUBLE_EQ(f.i020.azimuth, 90.0);  // 0x40 of 256 sectors
    // I034/050 88 40 40: primary 0x88 announces COM (1) and SSR (5). COM 0x40: RDPC; SSR 0x40:
    // channel B (bits 7-6 = 10).
    ASSERT_TRUE(f.i050.present);
    EXPECT_TRUE(f.i050.com_present);
    EXPECT_TRUE(f.i050.rdpc);
    EXPECT_FALSE(f.i050.nogo);
    EXPECT_FALSE(f.i050.psr_present);
    EXPECT_TRUE(f.i050.ssr_present);
    EXPECT_EQ(f.i050.ssr_ch_ab, 2u);
    EXPECT_FALSE(f.i050.mds_present);
    // I034/060 80 00: COM with no reduction.
    EXPECT_TRUE(f.i060.com_present);
    EXPECT_EQ(f.i060.red_rdp, 0u);
    char text[256];
    EXPECT_STREQ(ast_dataitem_get_summary(text, sizeof text, &b->records[0].items[1]),
                 "MSG_TYPE:SECTOR_CORSSING");
    EXPECT_STREQ(ast_subfield_034_050_get_id(34050005), "SSR");
}

// cat_001_002.pcap: the first track record
// F7 C6 | 19 C9 | A0 | 0E B2 | 76 7F 18 94 | 08 AA 42 D8 | 03 34 | 05 C8 | 80 0D | 40 | 0E
// and the CAT002 record F0 | 19 C9 | 02 | 50 | 59 81 17.
TEST(RadarSamples, Cat001AndCat002RecordsByHand) {
    const Blocks sample = blocksOf(SAMPLES[3]);
    ASSERT_EQ(sample.blocks.size(), 6u);
    const ast_datablock_t* b = decoded(sample.blocks[0]);
    ASSERT_TRUE(b->ok);
    ASSERT_EQ(b->count, 3u);
    const ast_cat001_record_t t = ast_datarecord_001_disassemble(&b->records[0]);
    ASSERT_TRUE(t.ok);
    EXPECT_EQ(t.i020.typ, 1u);                    // track
    EXPECT_EQ(t.i020.ssr_psr, 2u);                // sole secondary
    EXPECT_EQ(t.i161.number, 3762u);              // all 16 bits of the CAT001 track number
    EXPECT_DOUBLE_EQ(t.i040.rho, 30335 / 128.0);  // 1/128 NM in CAT001
    EXPECT_DOUBLE_EQ(t.i040.theta, 6292 * 360.0 / 65536.0);
    EXPECT_DOUBLE_EQ(t.i200.speed, 2218 * 0.2197265625);
    EXPECT_DOUBLE_EQ(t.i200.heading, 17112 * 360.0 / 65536.0);
    EXPECT_EQ(t.i070.code, 01464);
    EXPECT_EQ(t.i090.code, 1480);    // FL 370
    EXPECT_EQ(t.i141.raw, 0x800Du);  // 256.101 s into the 512 s period
    EXPECT_EQ(t.i170.rad, 1u);       // 0x40: SSR or combined track
    EXPECT_EQ(t.i170.rdpc, 1u);
    EXPECT_EQ(t.i210.q1, 7u);  // 0x0E >> 1
    char text[128];
    EXPECT_STREQ(ast_dataitem_get_summary(text, sizeof text, &b->records[0].items[7]),
                 "TTOD:256.101");

    const ast_datablock_t* service = decoded(sample.blocks[2]);
    ASSERT_TRUE(service->ok);
    ASSERT_EQ(service->category, 2u);
    const ast_cat002_record_t s = ast_datarecord_002_disassemble(&service->records[0]);
    ASSERT_TRUE(s.ok);
    EXPECT_EQ(s.i000.value, 2u);
    EXPECT_DOUBLE_EQ(s.i020.azimuth, 112.5);  // 0x50 = 80 of 256 sectors
    EXPECT_EQ(s.i030.raw, 0x598117u);         // 5865751 / 128 s = 12:43:46.179
    EXPECT_EQ(s.i030.hours, 12u);
    EXPECT_EQ(s.i030.minutes, 43u);
    EXPECT_EQ(s.i030.seconds, 46u);
    EXPECT_EQ(s.i030.milliseconds, 179u);
    const ast_record_msgtype_t type = ast_datarecord_002_get_msgtype(&service->records[0]);
    EXPECT_TRUE(type.valid);
    EXPECT_EQ(type.type, uint32_t{AST_MSGTYPE_SECTOR_CROSSING});
}

// Every item of every real record that has an encoder, written again from its disassembled form,
// gives the octets it came from (I048/240 only when its characters are all of the ICAO set).
TEST(RadarSamples, ItemsWithEncodersRewriteOctetForOctet) {
    size_t rewritten = 0;
    for (const Sample& sample : SAMPLES) {
        const Blocks blocks = blocksOf(sample);
        for (const Bytes& block : blocks.blocks) {
            const ast_datablock_t* b = decoded(block);
            ASSERT_TRUE(b->ok);
            for (uint64_t r = 0; r < b->count; ++r) {
                const ast_datarecord_t& record = b->records[r];
                // One form per category; each field the assembly writes points to its item.
                ast_cat001_record_t f001 = ast_datarecord_001_disassemble(&record);
                ast_cat002_record_t f002 = ast_datarecord_002_disassemble(&record);
                ast_cat034_record_t f034 = ast_datarecord_034_disassemble(&record);
                static ast_cat048_record_t f048;
                f048 = ast_datarecord_048_disassemble(&record);
                const std::map<ast_dataitem_type_t, void*> fields = {
                    {1010, &f001.i010},  {1020, &f001.i020},  {1040, &f001.i040},
                    {1042, &f001.i042},  {1070, &f001.i070},  {1090, &f001.i090},
                    {1141, &f001.i141},  {1161, &f001.i161},  {1170, &f001.i170},
                    {1200, &f001.i200},  {2000, &f002.i000},  {2010, &f002.i010},
                    {2020, &f002.i020},  {2030, &f002.i030},  {34000, &f034.i000},
                    {34010, &f034.i010}, {34020, &f034.i020}, {34030, &f034.i030},
                    {48010, &f048.i010}, {48020, &f048.i020}, {48040, &f048.i040},
                    {48070, &f048.i070}, {48090, &f048.i090}, {48140, &f048.i140},
                    {48161, &f048.i161}, {48200, &f048.i200}, {48220, &f048.i220},
                    {48240, &f048.i240}};
                for (uint64_t i = 0; i < record.count; ++i) {
                    const ast_dataitem_t& original = record.items[i];
                    const auto field = fields.find(original.type);
                    if (field == fields.end())
                        continue;
                    // Character codes outside the ICAO six-bit set (here all zero: no
                    // identification) decode to NUL and cannot come back; the form holds text.
                    if (original.type == 48240 && std::strlen(f048.i240.callsign) < 8)
                        continue;
                    uint8_t out[16];
                    std::memset(out, POISON, sizeof out);
                    const ast_dataitem_value_t value = {original.type, field->second};
                    const ast_dataitem_t again = ast_dataitem_encode(out, sizeof out, &value);
                    ASSERT_TRUE(again.ok) << ast_dataitem_type_to_str(original.type);
                    EXPECT_EQ(hexText(again), hexText(original))
                        << ast_dataitem_type_to_str(original.type) << " of " << sample.file;
                    ++rewritten;
                }
            }
        }
    }
    EXPECT_GT(rewritten, 1400u);
}

TEST(RadarSamples, GettersOfRealRecords) {
    const Bytes block = readFile("cat048.raw");
    const ast_datablock_t* b048 = decoded(block);
    ASSERT_TRUE(b048->ok);
    const ast_datarecord_t* r = &b048->records[0];
    EXPECT_EQ(ast_datarecord_048_get_sacsic(r).sic, 201u);
    EXPECT_EQ(ast_datarecord_048_get_timeofday(r).raw, 3501389u);
    EXPECT_EQ(ast_datarecord_048_get_timeofday(r).source, 48140u);
    EXPECT_EQ(ast_datarecord_048_get_msgtype(r).type, uint32_t{AST_MSGTYPE_TRACK});
    EXPECT_EQ(ast_datarecord_048_get_tracknum(r).number, 3563u);
    EXPECT_EQ(ast_datarecord_048_get_squawk(r).code, 01000u);
    EXPECT_STREQ(ast_datarecord_048_get_callsign(r).callsign, "DLH65A  ");
    EXPECT_EQ(ast_datarecord_048_get_icaoaddr(r).address, 0x3C660Cu);
    EXPECT_DOUBLE_EQ(ast_datarecord_048_get_flightlevel(r).level, 330.0);
    EXPECT_DOUBLE_EQ(ast_datarecord_048_get_polarcoord(r).rho, 197.68359375);
    const ast_record_velocity_t heading = ast_datarecord_048_get_heading(r);
    EXPECT_TRUE(heading.valid && heading.speed_valid && heading.heading_valid);
    EXPECT_NEAR(heading.heading, 124.0026855, 1e-6);
    EXPECT_NEAR(heading.speed, 434.399, 1e-3);
}
