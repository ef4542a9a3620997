// The real CAT048 and CAT034 capture checked value by value against an independent decoder:
// tshark's ASTERIX dissector. For every field below, the values of each UDP datagram, in the
// order of its records, must agree. Skipped (with a message) where tshark is not installed.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AstTestData.h"
#include "PcapReader.h"

namespace {

using Values = std::vector<double>;
using Extract = std::function<Values(const ast_dataitem_t&)>;

// One tshark field and how our decoders give the same values from one item.
struct Field {
    const char* name;
    ast_dataitem_type_t type;
    Extract extract;
    // Where tshark reads a field otherwise than the category defines it: its value as the
    // definition reads it.
    double (*theirs)(double) = nullptr;
};

// tshark 4.0 reads the 14-bit flight level of I048/090 as unsigned, where CAT048 defines it in
// two's complement: the sample's 0x3FFC is -1 FL (a target on the ground), which tshark shows
// as 4095 FL.
double twosComplementFlightLevel(double unsignedLevel) {
    return unsignedLevel >= 2048.0 ? unsignedLevel - 4096.0 : unsignedLevel;
}

Values one(double value) {
    return Values{value};
}

const Field FIELDS[] = {
    {"asterix.048_010_SAC", 48010,
     [](auto& i) { return one(ast_dataitem_data_source_decode(&i).sac); }},
    {"asterix.048_010_SIC", 48010,
     [](auto& i) { return one(ast_dataitem_data_source_decode(&i).sic); }},
    {"asterix.048_140_VALUE", 48140,
     [](auto& i) { return one(ast_dataitem_time_of_day_decode(&i).raw / 128.0); }},
    {"asterix.048_020_TYP", 48020,
     [](auto& i) { return one(ast_dataitem_048_020_decode(&i).typ); }},
    {"asterix.048_020_SIM", 48020,
     [](auto& i) { return one(ast_dataitem_048_020_decode(&i).sim); }},
    {"asterix.048_020_RAB", 48020,
     [](auto& i) { return one(ast_dataitem_048_020_decode(&i).rab); }},
    {"asterix.048_040_RHO", 48040,
     [](auto& i) { return one(ast_dataitem_048_040_decode(&i).rho); }},
    {"asterix.048_040_THETA", 48040,
     [](auto& i) { return one(ast_dataitem_048_040_decode(&i).theta); }},
    {"asterix.048_042_X", 48042, [](auto& i) { return one(ast_dataitem_048_042_decode(&i).x); }},
    {"asterix.048_042_Y", 48042, [](auto& i) { return one(ast_dataitem_048_042_decode(&i).y); }},
    {"asterix.048_070_MODE3A", 48070,
     [](auto& i) { return one(ast_dataitem_mode_3a_decode(&i).code); }},
    {"asterix.048_070_V", 48070,
     [](auto& i) { return one(!ast_dataitem_mode_3a_decode(&i).validated); }},
    {"asterix.048_070_G", 48070,
     [](auto& i) { return one(ast_dataitem_mode_3a_decode(&i).garbled); }},
    {"asterix.048_090_FL", 48090,
     [](auto& i) { return one(ast_dataitem_mode_c_decode(&i).code / 4.0); },
     &twosComplementFlightLevel},
    {"asterix.048_090_V", 48090,
     [](auto& i) { return one(!ast_dataitem_mode_c_decode(&i).validated); }},
    {"asterix.048_110_3DH", 48110,
     [](auto& i) { return one(ast_dataitem_048_110_decode(&i).height); }},
    {"asterix.048_130_SRL_VALUE", 48130,
     [](auto& i) {
         const ast_dataitem_048_130_t f = ast_dataitem_048_130_decode(&i);
         return f.srl_present ? one(f.srl) : Values{};
     }},
    {"asterix.048_130_SRR_VALUE", 48130,
     [](auto& i) {
         const ast_dataitem_048_130_t f = ast_dataitem_048_130_decode(&i);
         return f.srr_present ? one(f.srr) : Values{};
     }},
    {"asterix.048_130_SAM_VALUE", 48130,
     [](auto& i) {
         const ast_dataitem_048_130_t f = ast_dataitem_048_130_decode(&i);
         return f.sam_present ? one(f.sam) : Values{};
     }},
    {"asterix.048_130_PRL_VALUE", 48130,
     [](auto& i) {
         const ast_dataitem_048_130_t f = ast_dataitem_048_130_decode(&i);
         return f.prl_present ? one(f.prl) : Values{};
     }},
    {"asterix.048_130_PAM_VALUE", 48130,
     [](auto& i) {
         const ast_dataitem_048_130_t f = ast_dataitem_048_130_decode(&i);
         return f.pam_present ? one(f.pam) : Values{};
     }},
    {"asterix.048_130_RPD_VALUE", 48130,
     [](auto& i) {
         const ast_dataitem_048_130_t f = ast_dataitem_048_130_decode(&i);
         return f.rpd_present ? one(f.rpd) : Values{};
     }},
    {"asterix.048_130_APD_VALUE", 48130,
     [](auto& i) {
         const ast_dataitem_048_130_t f = ast_dataitem_048_130_decode(&i);
         return f.apd_present ? one(f.apd) : Values{};
     }},
    {"asterix.048_161_TRN", 48161,
     [](auto& i) { return one(ast_dataitem_track_number_decode(&i).number); }},
    {"asterix.048_170_CNF", 48170,
     [](auto& i) { return one(ast_dataitem_048_170_decode(&i).cnf); }},
    {"asterix.048_170_RAD", 48170,
     [](auto& i) { return one(ast_dataitem_048_170_decode(&i).rad); }},
    {"asterix.048_170_CDM", 48170,
     [](auto& i) { return one(ast_dataitem_048_170_decode(&i).cdm); }},
    {"asterix.048_200_GSP", 48200,
     [](auto& i) {
         // tshark gives NM/s: the raw ground speed in 2^-14 NM/s.
         return one(ast_dataitem_polar_velocity_decode(&i).speed_raw / 16384.0);
     }},
    {"asterix.048_200_HDG", 48200,
     [](auto& i) { return one(ast_dataitem_polar_velocity_decode(&i).heading); }},
    {"asterix.048_220_VALUE", 48220,
     [](auto& i) { return one(ast_dataitem_target_address_decode(&i).address); }},
    {"asterix.048_230_COM", 48230,
     [](auto& i) { return one(ast_dataitem_048_230_decode(&i).com); }},
    {"asterix.048_230_STAT", 48230,
     [](auto& i) { return one(ast_dataitem_048_230_decode(&i).stat); }},
    {"asterix.048_230_ARC", 48230,
     [](auto& i) { return one(ast_dataitem_048_230_decode(&i).arc); }},
    {"asterix.048_230_B1B", 48230,
     [](auto& i) { return one(ast_dataitem_048_230_decode(&i).b1b); }},
    {"asterix.048_250_MBDATA", 48250,
     [](auto& i) {
         Values values;
         const ast_mb_data_t mb = ast_dataitem_mb_data_decode(&i);
         for (uint32_t e = 0; e < mb.count; ++e) {
             uint64_t v = 0;
             for (uint8_t octet : mb.elements[e].mb)
                 v = v << 8 | octet;
             values.push_back(static_cast<double>(v));
         }
         return values;
     }},
    {"asterix.048_250_BDS1", 48250,
     [](auto& i) {
         Values values;
         const ast_mb_data_t mb = ast_dataitem_mb_data_decode(&i);
         for (uint32_t e = 0; e < mb.count; ++e)
             values.push_back(mb.elements[e].bds1);
         return values;
     }},
    {"asterix.048_250_BDS2", 48250,
     [](auto& i) {
         Values values;
         const ast_mb_data_t mb = ast_dataitem_mb_data_decode(&i);
         for (uint32_t e = 0; e < mb.count; ++e)
             values.push_back(mb.elements[e].bds2);
         return values;
     }},
    {"asterix.034_000_VALUE", 34000,
     [](auto& i) { return one(ast_dataitem_message_type_decode(&i).value); }},
    {"asterix.034_010_SAC", 34010,
     [](auto& i) { return one(ast_dataitem_data_source_decode(&i).sac); }},
    {"asterix.034_010_SIC", 34010,
     [](auto& i) { return one(ast_dataitem_data_source_decode(&i).sic); }},
    {"asterix.034_020_VALUE", 34020,
     [](auto& i) { return one(ast_dataitem_sector_number_decode(&i).azimuth); }},
    {"asterix.034_030_VALUE", 34030,
     [](auto& i) { return one(ast_dataitem_time_of_day_decode(&i).raw / 128.0); }},
    {"asterix.034_041_VALUE", 34041,
     [](auto& i) { return one(ast_dataitem_034_041_decode(&i).period); }},
    {"asterix.034_050_COM_NOGO", 34050,
     [](auto& i) {
         const ast_dataitem_034_050_t f = ast_dataitem_034_050_decode(&i);
         return f.com_present ? one(f.nogo) : Values{};
     }},
    {"asterix.034_050_COM_RDPC", 34050,
     [](auto& i) {
         const ast_dataitem_034_050_t f = ast_dataitem_034_050_decode(&i);
         return f.com_present ? one(f.rdpc) : Values{};
     }},
    {"asterix.034_050_COM_TSV", 34050,
     [](auto& i) {
         const ast_dataitem_034_050_t f = ast_dataitem_034_050_decode(&i);
         return f.com_present ? one(f.tsv) : Values{};
     }},
    {"asterix.034_050_PSR_CHAB", 34050,
     [](auto& i) {
         const ast_dataitem_034_050_t f = ast_dataitem_034_050_decode(&i);
         return f.psr_present ? one(f.psr_ch_ab) : Values{};
     }},
    {"asterix.034_050_SSR_CHAB", 34050,
     [](auto& i) {
         const ast_dataitem_034_050_t f = ast_dataitem_034_050_decode(&i);
         return f.ssr_present ? one(f.ssr_ch_ab) : Values{};
     }},
    {"asterix.034_050_MDS_CHAB", 34050,
     [](auto& i) {
         const ast_dataitem_034_050_t f = ast_dataitem_034_050_decode(&i);
         return f.mds_present ? one(f.mds_ch_ab) : Values{};
     }},
    {"asterix.034_050_MDS_OVLDLF", 34050,
     [](auto& i) {
         const ast_dataitem_034_050_t f = ast_dataitem_034_050_decode(&i);
         return f.mds_present ? one(f.mds_ovl_dlf) : Values{};
     }},
    {"asterix.034_060_COM_REDRDP", 34060,
     [](auto& i) {
         const ast_dataitem_034_060_t f = ast_dataitem_034_060_decode(&i);
         return f.com_present ? one(f.red_rdp) : Values{};
     }},
    {"asterix.034_060_PSR_STC", 34060,
     [](auto& i) {
         const ast_dataitem_034_060_t f = ast_dataitem_034_060_decode(&i);
         return f.psr_present ? one(f.psr_stc) : Values{};
     }},
    {"asterix.034_060_MDS_CLU", 34060,
     [](auto& i) {
         const ast_dataitem_034_060_t f = ast_dataitem_034_060_decode(&i);
         return f.mds_present ? one(f.mds_clu) : Values{};
     }},
};

bool haveTshark() {
    return std::system("tshark -v > /dev/null 2>&1") == 0;
}

// The whole output of a command.
std::string run(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char chunk[4096];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, pipe)) > 0)
        out.append(chunk, n);
    pclose(pipe);
    return out;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.emplace_back();
    return parts;
}

// tshark prints integers in decimal or as 0x hex, doubles in decimal.
double number(const std::string& text) {
    if (text.rfind("0x", 0) == 0)
        return static_cast<double>(std::strtoull(text.c_str(), nullptr, 16));
    return std::strtod(text.c_str(), nullptr);
}

// Our values of every field, per datagram, in record order.
std::vector<std::map<std::string, Values>> ourValues(const PcapCapture& capture) {
    std::vector<std::map<std::string, Values>> frames;
    static ast_datablock_t block;
    for (const UdpDatagram& datagram : capture.datagrams) {
        std::map<std::string, Values> frame;
        size_t pos = 0;
        while (pos < datagram.payload.size()) {
            ast_datablock_decode_into(&block, datagram.payload.data() + pos,
                                      datagram.payload.size() - pos, &AST_UAP_STANDARD);
            if (!block.ok)
                break;
            for (uint64_t r = 0; r < block.count; ++r)
                for (uint64_t i = 0; i < block.records[r].count; ++i)
                    for (const Field& field : FIELDS)
                        if (field.type == block.records[r].items[i].type) {
                            const Values v = field.extract(block.records[r].items[i]);
                            frame[field.name].insert(frame[field.name].end(), v.begin(), v.end());
                        }
            pos += block.length;
        }
        frames.push_back(frame);
    }
    return frames;
}

}  // namespace

TEST(Tshark, RadarCaptureAgreesFieldByField) {
    if (!haveTshark())
        GTEST_SKIP() << "tshark is not installed: the cross-check against its ASTERIX dissector "
                        "is skipped";
    const std::string path = std::string(VELTMAR_TEST_DATA_DIR) + "/cat_034_048.pcap";
    const PcapCapture capture = readPcap(readFile("cat_034_048.pcap"));
    ASSERT_TRUE(capture.ok);
    ASSERT_EQ(capture.datagrams.size(), capture.frames);  // every frame is a datagram

    std::set<uint16_t> ports;
    for (const UdpDatagram& datagram : capture.datagrams)
        ports.insert(datagram.destinationPort);
    std::string command = "tshark -n -r '" + path + "'";
    for (uint16_t port : ports)
        command += " -d udp.port==" + std::to_string(port) + ",asterix";
    command +=
        " -T fields -E separator='|' -E occurrence=a -E aggregator=';' -e frame.number "
        "-e _ws.malformed -e _ws.expert.severity -e asterix.category";
    for (const Field& field : FIELDS)
        command += std::string(" -e ") + field.name;
    const std::vector<std::string> lines = split(run(command + " 2>/dev/null"), '\n');

    const auto ours = ourValues(capture);
    size_t frames = 0, compared = 0, blocks = 0;
    for (const std::string& line : lines) {
        if (line.empty())
            continue;
        const std::vector<std::string> columns = split(line, '|');
        ASSERT_EQ(columns.size(), 4 + sizeof FIELDS / sizeof FIELDS[0]) << line;
        const size_t frame = std::strtoul(columns[0].c_str(), nullptr, 10);
        ASSERT_GE(frame, 1u);
        ASSERT_LE(frame, ours.size());
        ++frames;
        EXPECT_EQ(columns[1], "") << "tshark finds frame " << frame << " malformed";
        blocks += split(columns[3], ';').size();
        for (size_t f = 0; f < sizeof FIELDS / sizeof FIELDS[0]; ++f) {
            const std::string& text = columns[4 + f];
            const std::vector<std::string> theirs =
                text.empty() ? std::vector<std::string>{} : split(text, ';');
            const auto found = ours[frame - 1].find(FIELDS[f].name);
            const Values mine = found == ours[frame - 1].end() ? Values{} : found->second;
            ASSERT_EQ(mine.size(), theirs.size()) << FIELDS[f].name << " frame " << frame;
            for (size_t k = 0; k < mine.size(); ++k) {
                const double expected =
                    FIELDS[f].theirs ? FIELDS[f].theirs(number(theirs[k])) : number(theirs[k]);
                EXPECT_NEAR(mine[k], expected, 1e-9 * std::max(1.0, std::fabs(expected)))
                    << FIELDS[f].name << " frame " << frame << " value " << k;
                ++compared;
            }
        }
    }
    EXPECT_EQ(frames, 100u);
    EXPECT_EQ(blocks, 120u);
    EXPECT_GT(compared, 2500u);
}
