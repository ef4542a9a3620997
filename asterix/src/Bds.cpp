// Comm-B registers (ICAO Doc 9871, Mode S specific services): the registers 1,0, 2,0, 3,0,
// 4,0, 5,0 and 6,0 decoded from their 56 MB bits. Bits are numbered as ICAO numbers them, 1 to
// 56 from the most significant bit of the first octet. Signed fields are two's complement with
// their sign bit in front of the magnitude.

#include "Bits.h"
#include "IcaoCharacters.h"
#include "ItemCodec.h"

namespace {

namespace bits = ast::bits;

constexpr uint64_t MB_OCTETS = 7;

bool isRegister(const ast_dataitem_t* bds, uint32_t code) {
    return ast::sized(bds, MB_OCTETS, code);
}

// A signed MB field from its sign bit `first` to `last`.
int32_t signedField(const uint8_t* data, unsigned first, unsigned last) {
    return bits::signExtend(bits::mb(data, first, last), last - first + 1);
}

// An angle field given within 0 to 360 degrees.
double angle(int32_t raw, double lsb) {
    const double degrees = raw * lsb;
    return degrees < 0 ? degrees + 360.0 : degrees;
}

}  // namespace

extern "C" {

ast_dataitem_t ast_bds_decode(const uint8_t* data, uint64_t available, uint32_t code) {
    return ast_dataitem_t{data, MB_OCTETS, code,
                          data && available >= MB_OCTETS ? uint8_t{1} : uint8_t{0}};
}

ast_bds_10_t ast_bds_10_decode(const ast_dataitem_t* bds) {
    ast_bds_10_t f = {};
    if (!isRegister(bds, 0x10))
        return f;
    const uint8_t* d = bds->data;
    f.present = 1;
    f.continuation = bits::mb(d, 9, 9);
    f.tcas_operational = bits::mb(d, 16, 16);
    f.subnetwork_version = bits::mb(d, 17, 23);
    f.enhanced_protocol = bits::mb(d, 24, 24);
    f.specific_services = bits::mb(d, 25, 25);
    f.uelm = bits::mb(d, 26, 28);
    f.delm = bits::mb(d, 29, 32);
    f.aircraft_id = bits::mb(d, 33, 33);
    f.squitter = bits::mb(d, 34, 34);
    f.surveillance_id = bits::mb(d, 35, 35);
    f.gicb = bits::mb(d, 36, 36);
    return f;
}

// The register carries its own number in its first octet; any other first octet is not an
// aircraft identification.
ast_bds_20_t ast_bds_20_decode(const ast_dataitem_t* bds) {
    ast_bds_20_t f = {};
    if (!isRegister(bds, 0x20) || bds->data[0] != 0x20)
        return f;
    f.present = 1;
    ast::decodeCallsign(bds->data + 1, f.callsign);
    return f;
}

ast_bds_30_t ast_bds_30_decode(const ast_dataitem_t* bds) {
    ast_bds_30_t f = {};
    if (!isRegister(bds, 0x30))
        return f;
    const uint8_t* d = bds->data;
    f.present = 1;
    f.ara = bits::mb(d, 9, 22);
    f.ara_active = f.ara != 0;
    f.rac = bits::mb(d, 23, 26);
    f.rac_active = f.rac != 0;
    f.rat = bits::mb(d, 27, 27);
    f.mte = bits::mb(d, 28, 28);
    f.tti = bits::mb(d, 29, 30);
    if (f.tti == 1) {
        const uint32_t address = bits::mb(d, 31, 54);
        f.threat_address[0] = static_cast<uint8_t>(address >> 16);
        f.threat_address[1] = static_cast<uint8_t>(address >> 8);
        f.threat_address[2] = static_cast<uint8_t>(address);
    }
    return f;
}

ast_bds_40_t ast_bds_40_decode(const ast_dataitem_t* bds) {
    ast_bds_40_t f = {};
    if (!isRegister(bds, 0x40))
        return f;
    const uint8_t* d = bds->data;
    f.present = 1;
    if ((f.mcp_altitude_status = bits::mb(d, 1, 1)))
        f.mcp_altitude = bits::mb(d, 2, 13) * 16;
    if ((f.fms_altitude_status = bits::mb(d, 14, 14)))
        f.fms_altitude = bits::mb(d, 15, 26) * 16;
    if ((f.baro_setting_status = bits::mb(d, 27, 27)))
        f.baro_setting = bits::mb(d, 28, 39) * 0.1 + 800.0;
    if ((f.mode_status = bits::mb(d, 48, 48))) {
        f.vnav = bits::mb(d, 49, 49);
        f.alt_hold = bits::mb(d, 50, 50);
        f.approach = bits::mb(d, 51, 51);
    }
    if ((f.target_source_status = bits::mb(d, 54, 54)))
        f.target_source = bits::mb(d, 55, 56);
    return f;
}

ast_bds_50_t ast_bds_50_decode(const ast_dataitem_t* bds) {
    ast_bds_50_t f = {};
    if (!isRegister(bds, 0x50))
        return f;
    const uint8_t* d = bds->data;
    f.present = 1;
    if ((f.roll_angle_status = bits::mb(d, 1, 1)))
        f.roll_angle = signedField(d, 2, 11) * 45.0 / 256.0;
    if ((f.true_track_status = bits::mb(d, 12, 12)))
        f.true_track = angle(signedField(d, 13, 23), 90.0 / 512.0);
    if ((f.ground_speed_status = bits::mb(d, 24, 24)))
        f.ground_speed = bits::mb(d, 25, 34) * 2.0;
    if ((f.track_angle_rate_status = bits::mb(d, 35, 35)))
        f.track_angle_rate = signedField(d, 36, 45) * 8.0 / 256.0;
    if ((f.true_airspeed_status = bits::mb(d, 46, 46)))
        f.true_airspeed = bits::mb(d, 47, 56) * 2;
    return f;
}

ast_bds_60_t ast_bds_60_decode(const ast_dataitem_t* bds) {
    ast_bds_60_t f = {};
    if (!isRegister(bds, 0x60))
        return f;
    const uint8_t* d = bds->data;
    f.present = 1;
    if ((f.magnetic_heading_status = bits::mb(d, 1, 1)))
        f.magnetic_heading = angle(signedField(d, 2, 12), 90.0 / 512.0);
    if ((f.indicated_airspeed_status = bits::mb(d, 13, 13)))
        f.indicated_airspeed = bits::mb(d, 14, 23);
    if ((f.mach_status = bits::mb(d, 24, 24)))
        f.mach = bits::mb(d, 25, 34) * 2.048 / 512.0;
    if ((f.baro_altitude_rate_status = bits::mb(d, 35, 35)))
        f.baro_altitude_rate = signedField(d, 36, 45) * 32.0;
    if ((f.inertial_vertical_velocity_status = bits::mb(d, 46, 46)))
        f.inertial_vertical_velocity = signedField(d, 47, 56) * 32.0;
    return f;
}

}  // extern "C"
