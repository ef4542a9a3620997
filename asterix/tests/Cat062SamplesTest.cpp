// The real CAT062 and CAT065 samples (tests/data/cat062cat065.raw and cat_062_065.pcap): each
// record decodes with the values that an independent decoder (tshark 4.0's ASTERIX dissector)
// shows for it, checked through the item decoders, the summaries of the compound items'
// subfields, the record form and the record getters.

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AstLogCapture.h"
#include "AstTestData.h"
#include "PcapReader.h"

namespace {

// One CAT062 record as tshark shows it.
struct Track {
    uint32_t service;
    double time;  // s of day
    double latitude, longitude;
    double x, y;    // m
    double vx, vy;  // m/s
    double ax, ay;  // m/s^2
    int squawk;
    uint32_t track;
    double level136;    // FL
    double altitude130; // ft
    double level135;    // FL
    double rate220;     // ft/min
    const char* address;   // I062/380 ADR summary, "" when absent
    const char* callsign;  // callsign getter
    std::vector<std::string> ages;  // I062/290 and I062/295 subfield summaries
    uint32_t sensorSic;             // I062/340
    const char* polar;
    const char* modeC;
    std::vector<std::string> flightPlan;  // I062/390 subfield summaries
};

// One CAT065 record.
struct Status {
    uint32_t service;
    double time;
    const char* messageType;
    const char* batch;
};

struct Sample {
    const char* file;
    bool pcap;
    std::vector<Track> tracks;
    Status status;
};

const Sample SAMPLES[] = {
    {"cat062cat065.raw",
     false,
     {{4, 30911.6640625, 44.7344130277634, 13.0415278673172, -239083, -106114, -51.25, 170, 0, 0,
       04276, 4980, 157, 43300, 157, -443.75, "", "", {"PSR:7.25S", "SSR:0.00S", "MDS:63.75S",
       "MFL:0.00S", "MDA:0.00S"}, 13, "RHO:186.69 THETA:259.45", "MDC:157.00FL", {}},
      {4, 30911.828125, 45.4008078575134, 15.1331841945648, -72564.5, -36106.5, 141.5, -170.75, 0,
       0, 02535, 7977, 350, 35312.5, 350, 0, "ADDR:3C0A55", "SXD4723 ",
       {"PSR:1.00S", "SSR:0.00S", "MDS:0.00S", "MFL:0.00S", "MDA:0.00S"}, 13,
       "RHO:93.20 THETA:271.47", "MDC:350.00FL",
       {"SAC:025 SIC:100", "CS:SXD4723", "IFI:29233709", "BIN:01000100", "TAC:B738", "WTC:M", "DEP:EDDL", "DST:HELX", "RDS:", "CFL:350.00FL"}}},
     {4, 30913.0546875, "MSG_TYPE:END_OF_BATCH", "BAT:24"}},
    {"cat_062_065.pcap",
     true,
     {{1, 45827.3984375, 41.1671233177185, 15.7088667154312, -29514.5, -507088, 228.75, -47.25, 0,
       0, 01275, 4713, 390, 36481.25, 390, 0, "ADDR:4CA7A8", "RYR174C ",
       {"PSR:5.75S", "SSR:3.25S", "MDS:3.25S", "MFL:3.25S", "MDA:3.25S"}, 12,
       "RHO:147.73 THETA:192.52", "MDC:390.00FL", {}},
      {1, 45827.3984375, 41.4169389009476, 19.3891364336014, 278685.5, -473776.5, -208.75, -3.75,
       0, 2.25, 04175, 6831, 380, 42331.25, 380, 0, "ADDR:4CAC7F", "ISS2007 ",
       {"PSR:8.00S", "SSR:4.00S", "MDS:4.00S", "MFL:4.00S", "MDA:4.00S"}, 12,
       "RHO:185.55 THETA:133.18", "MDC:380.00FL", {}}},
     {1, 45827.3984375, "MSG_TYPE:END_OF_BATCH", "BAT:1"}},
};

std::vector<Bytes> blocksOf(const Sample& sample) {
    std::vector<Bytes> payloads;
    const Bytes file = readFile(sample.file);
    if (sample.pcap) {
        for (const UdpDatagram& d : readPcap(file).datagrams)
            payloads.push_back(d.payload);
    } else {
        payloads.push_back(file);
    }
    std::vector<Bytes> blocks;
    for (const Bytes& payload : payloads) {
        size_t pos = 0;
        while (pos + 3 <= payload.size()) {
            const size_t length = payload[pos + 1] << 8 | payload[pos + 2];
            if (length < 3 || pos + length > payload.size())
                break;
            blocks.emplace_back(payload.begin() + static_cast<long>(pos),
                                payload.begin() + static_cast<long>(pos + length));
            pos += length;
        }
    }
    return blocks;
}

const ast_dataitem_t* find(const ast_datarecord_t& r, ast_dataitem_type_t type) {
    for (uint64_t i = 0; i < r.count; ++i)
        if (r.items[i].type == type)
            return &r.items[i];
    return nullptr;
}

// The summaries of the present subfields of a compound item, in order.
std::vector<std::string> subfieldSummaries(const ast_dataitem_t* item) {
    std::vector<std::string> out;
    if (!item)
        return out;
    const ast_dataitem_subfields_t compound = ast_dataitem_subfields_decode(item);
    for (uint64_t i = 0; i < compound.count; ++i) {
        if (!compound.subfields[i].present)
            continue;
        char text[256];
        out.push_back(ast_subfield_get_summary(text, sizeof text, &compound.subfields[i]));
    }
    return out;
}

std::string summary(const ast_dataitem_t* item) {
    char text[512];
    return item ? ast_dataitem_get_summary(text, sizeof text, item) : "";
}

void checkTrack(const ast_datarecord_t& r, const Track& e) {
    const ast_cat062_record_t f = ast_datarecord_062_disassemble(&r);
    ASSERT_TRUE(f.ok);
    EXPECT_EQ(f.i010.sac, 25u);
    EXPECT_EQ(f.i010.sic, 100u);
    EXPECT_EQ(f.i015.value, e.service);
    EXPECT_DOUBLE_EQ(f.i070.raw / 128.0, e.time);
    EXPECT_NEAR(f.i105.latitude, e.latitude, 1e-9);
    EXPECT_NEAR(f.i105.longitude, e.longitude, 1e-9);
    EXPECT_DOUBLE_EQ(f.i100.x, e.x);
    EXPECT_DOUBLE_EQ(f.i100.y, e.y);
    EXPECT_DOUBLE_EQ(f.i185.vx, e.vx);
    EXPECT_DOUBLE_EQ(f.i185.vy, e.vy);
    EXPECT_DOUBLE_EQ(f.i210.ax, e.ax);
    EXPECT_DOUBLE_EQ(f.i210.ay, e.ay);
    EXPECT_EQ(f.i060.code, e.squawk);
    EXPECT_TRUE(f.i060.validated);
    EXPECT_EQ(f.i040.number, e.track);
    EXPECT_DOUBLE_EQ(f.i136.level, e.level136);
    EXPECT_DOUBLE_EQ(f.i130.altitude, e.altitude130);
    EXPECT_DOUBLE_EQ(f.i135.level, e.level135);
    EXPECT_DOUBLE_EQ(f.i220.rate, e.rate220);
    EXPECT_TRUE(f.i080.present);
    EXPECT_TRUE(f.i200.present);

    const ast_dataitem_t* derived = find(r, 62380);
    const std::vector<std::string> adr = subfieldSummaries(derived);
    EXPECT_EQ(adr.empty() ? std::string() : adr[0], e.address);
    std::vector<std::string> ages = subfieldSummaries(find(r, 62290));
    const std::vector<std::string> dataAges = subfieldSummaries(find(r, 62295));
    ages.insert(ages.end(), dataAges.begin(), dataAges.end());
    EXPECT_EQ(ages, e.ages);
    const std::vector<std::string> measured = subfieldSummaries(find(r, 62340));
    ASSERT_GE(measured.size(), 4u);
    char sid[32];
    std::snprintf(sid, sizeof sid, "SAC:025 SIC:%03u", e.sensorSic);
    EXPECT_EQ(measured[0], sid);
    EXPECT_EQ(measured[1], e.polar);
    EXPECT_EQ(measured[2], e.modeC);
    const std::vector<std::string> plan = subfieldSummaries(find(r, 62390));
    EXPECT_EQ(plan, e.flightPlan);

    const ast_record_sacsic_t sacsic = ast_datarecord_062_get_sacsic(&r);
    EXPECT_TRUE(sacsic.valid && sacsic.sac == 25 && sacsic.sic == 100);
    EXPECT_DOUBLE_EQ(ast_datarecord_062_get_timeofday(&r).raw / 128.0, e.time);
    EXPECT_EQ(ast_datarecord_062_get_msgtype(&r).type, uint32_t{AST_MSGTYPE_TRACK});
    EXPECT_EQ(ast_datarecord_062_get_tracknum(&r).number, e.track);
    EXPECT_EQ(ast_datarecord_062_get_squawk(&r).code, static_cast<uint32_t>(e.squawk));
    EXPECT_DOUBLE_EQ(ast_datarecord_062_get_flightlevel(&r).level, e.level136);
    const ast_record_coordinate_t position = ast_datarecord_062_get_coordinate(&r);
    EXPECT_NEAR(position.latitude, e.latitude, 1e-9);
    const ast_record_callsign_t callsign = ast_datarecord_062_get_callsign(&r);
    EXPECT_EQ(callsign.valid, *e.callsign != '\0');
    EXPECT_STREQ(callsign.callsign, e.callsign);
    const ast_record_icaoaddr_t address = ast_datarecord_062_get_icaoaddr(&r);
    EXPECT_EQ(address.valid, *e.address != '\0');
    if (address.valid) {
        char text[16];
        std::snprintf(text, sizeof text, "ADDR:%06X", address.address);
        EXPECT_STREQ(text, e.address);
    }
    // Every item summarises and details without a log line of an unknown subfield or item.
    for (uint64_t i = 0; i < r.count; ++i) {
        char html[8192];
        EXPECT_STRNE(summary(&r.items[i]).c_str(), "NOT_IMPLEMENTED")
            << ast_dataitem_type_to_str(r.items[i].type);
        ast_dataitem_get_detail_html(html, sizeof html, &r.items[i]);
    }
}

}  // namespace

TEST(Cat062Samples, DecodeWithTheValuesOfAnIndependentDecoder) {
    for (const Sample& sample : SAMPLES) {
        SCOPED_TRACE(sample.file);
        const std::vector<Bytes> blocks = blocksOf(sample);
        ASSERT_EQ(blocks.size(), 2u);
        AstLogCapture log;
        const ast_datablock_t tracks =
            ast_datablock_decode(blocks[0].data(), blocks[0].size(), &AST_UAP_STANDARD);
        ASSERT_TRUE(tracks.ok);
        EXPECT_EQ(tracks.category, 62u);
        ASSERT_EQ(tracks.count, sample.tracks.size());
        for (size_t i = 0; i < sample.tracks.size(); ++i) {
            SCOPED_TRACE(i);
            checkTrack(tracks.records[i], sample.tracks[i]);
        }
        const ast_datablock_t status =
            ast_datablock_decode(blocks[1].data(), blocks[1].size(), &AST_UAP_STANDARD);
        ASSERT_TRUE(status.ok);
        ASSERT_EQ(status.count, 1u);
        const ast_cat065_record_t f = ast_datarecord_065_disassemble(&status.records[0]);
        ASSERT_TRUE(f.ok);
        EXPECT_EQ(f.i010.sac, 25u);
        EXPECT_EQ(f.i010.sic, 100u);
        EXPECT_EQ(f.i015.value, sample.status.service);
        EXPECT_DOUBLE_EQ(f.i030.raw / 128.0, sample.status.time);
        EXPECT_EQ(summary(find(status.records[0], 65000)), sample.status.messageType);
        EXPECT_EQ(summary(find(status.records[0], 65020)), sample.status.batch);
        EXPECT_EQ(log.count(AST_LOG_CRITICAL, "Unsupported Subfield type 0"), 0);
        for (const auto& line : log.all())
            EXPECT_LT(line.first, AST_LOG_CRITICAL) << line.second;
        // Smart decode finds the same blocks.
        EXPECT_TRUE(ast_datablock_smart_decode(blocks[0].data(), blocks[0].size()).ok);
        EXPECT_TRUE(ast_datablock_smart_decode(blocks[1].data(), blocks[1].size()).ok);
    }
}
