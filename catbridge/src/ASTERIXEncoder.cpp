#include <catbridge/ASTERIXEncoder.h>

#include <asterix/asterix.h>

#include <cmath>
#include <cstring>
#include <string>

#include <modes/ADSBServiceStatus.h>
#include <modes/ADSBTarget.h>
#include <modes/Log.h>

#include "TimeOfDay.h"

namespace brannic {
namespace modes {

namespace {

const char* const kSource = "ASTERIXEncoder";

constexpr uint8_t kCategory = 21;
// Room for the largest record either edition can make here (about 70 octets).
constexpr uint64_t kRecordCapacity = 256;

// What the items can carry (EUROCONTROL CAT021): I021/145 from -15 FL to 1500 FL in quarters;
// I021/160 ground speed in 15 bits of 2^-14 NM/s (below 2 NM/s, that is 7200 kt); I021/155
// barometric vertical rate in 15 bits, two's complement, of 6.25 ft/min; the Mode 3/A code in
// twelve bits (four octal digits); I021/161 track number in twelve bits.
constexpr int32_t kFeetPerQuarterFlightLevel = 25;
constexpr int32_t kMinQuarterFlightLevel = -60;
constexpr int32_t kMaxQuarterFlightLevel = 6000;
constexpr double kKnotsPerSpeedUnit = 0.2197265625;
constexpr double kMaxSpeedUnits = 32767;
constexpr double kFeetPerMinutePerRateUnit = 6.25;
constexpr double kMinRateUnits = -16384;
constexpr double kMaxRateUnits = 16383;
constexpr uint32_t kMaxModeACode = 07777;
constexpr uint32_t kMaxTrackNumber = 0x0FFF;

// I021/210 link technology type: 1090 MHz Extended Squitter.
constexpr uint32_t kLink1090ES = 2;
// I021/200 priority status "general emergency" and surveillance status "SPI condition";
// the edition 0.26 target status "general emergency".
constexpr uint32_t kGeneralEmergency = 1;
constexpr uint32_t kSpiCondition = 3;

bool alertOn(const ADSBTarget& t) {
    return t.alertStatusValid() && t.alertStatus();
}

bool spiOn(const ADSBTarget& t) {
    return t.spiStatusValid() && t.spiStatus();
}

bool onGround(const ADSBTarget& t) {
    return t.groundStatus() == ADSBTarget::ON_GROUND;
}

ast_data_source_t dataSource(const ADSBServiceStatus& status) {
    ast_data_source_t item = {};
    item.present = 1;
    item.sac = status.sac();
    item.sic = status.sic();
    return item;
}

ast_time_of_day_t timeOfDay(uint64_t timeMs) {
    ast_time_of_day_t item = {};
    item.present = 1;
    item.raw = catbridge::asterixTimeOfDay(timeMs);
    return item;
}

ast_one_octet_t oneOctet(bool present, uint32_t value) {
    ast_one_octet_t item = {};
    item.present = present ? 1 : 0;
    item.value = present ? value : 0;
    return item;
}

// The squawk as the twelve Mode 3/A bits A4..D1, validated, neither garbled nor changed.
ast_mode_3a_t mode3A(const ADSBTarget& t) {
    ast_mode_3a_t item = {};
    if (t.squawkValid() && t.squawk() <= kMaxModeACode) {
        item.present = 1;
        item.validated = 1;
        item.code = static_cast<int32_t>(t.squawk());
    }
    return item;
}

ast_target_address_t targetAddress(const ADSBTarget& t) {
    ast_target_address_t item = {};
    item.present = 1;
    item.address = t.icaoAddr();
    return item;
}

ast_wgs84_position_t position(const ADSBTarget& t) {
    ast_wgs84_position_t item = {};
    item.present = 1;
    item.latitude = t.latitude();
    item.longitude = t.longitude();
    return item;
}

// Quarter flight levels: feet / 25, truncated towards zero (-1010 ft is -40).
ast_dataitem_021_145_t flightLevel(const ADSBTarget& t) {
    ast_dataitem_021_145_t item = {};
    if (t.altitudeBaroValid()) {
        const int32_t quarters = t.altitudeBaro() / kFeetPerQuarterFlightLevel;
        if (quarters >= kMinQuarterFlightLevel && quarters <= kMaxQuarterFlightLevel) {
            item.present = 1;
            item.raw = quarters;
        }
    }
    return item;
}

// A direction in [0, 360): 360° and -90° are north and west as much as 0° and 270° are.
bool normalisedAngle(double degrees, double& out) {
    if (!std::isfinite(degrees))
        return false;
    double angle = std::fmod(degrees, 360.0);
    if (angle < 0.0)
        angle += 360.0;
    out = angle < 360.0 ? angle : 0.0;  // -1e-20 + 360 rounds to 360
    return true;
}

ast_dataitem_021_160_t groundVector(const ADSBTarget& t) {
    ast_dataitem_021_160_t item = {};
    double track = 0.0;
    const double speed = t.groundSpeed();
    if (t.groundSpeedValid() && t.headingValid() && normalisedAngle(t.heading(), track) &&
        speed >= 0.0 && std::trunc(speed / kKnotsPerSpeedUnit) <= kMaxSpeedUnits) {
        item.present = 1;
        item.re = 0;
        item.ground_speed = speed;
        item.track_angle = track;
    }
    return item;
}

ast_vertical_rate_t verticalRate(const ADSBTarget& t) {
    ast_vertical_rate_t item = {};
    if (t.verticalRateBaroValid()) {
        const double rate = t.verticalRateBaro();
        const double units = std::trunc(rate / kFeetPerMinutePerRateUnit);
        if (units >= kMinRateUnits && units <= kMaxRateUnits) {
            item.present = 1;
            item.range_exceeded = 0;
            item.rate = rate;
        }
    }
    return item;
}

ast_track_number_t trackNumber(const ADSBTarget& t) {
    ast_track_number_t item = {};
    if (t.trackId() <= kMaxTrackNumber) {
        item.present = 1;
        item.number = t.trackId();
    }
    return item;
}

// At most the first eight characters; the item's encoder pads with blanks.
ast_aircraft_id_t identification(const ADSBTarget& t) {
    ast_aircraft_id_t item = {};
    const std::string callsign = t.callsign();
    if (!callsign.empty()) {
        item.present = 1;
        callsign.copy(item.callsign, sizeof item.callsign - 1);
    }
    return item;
}

DataRecord assembled(const ast_datarecord_t& result, const uint8_t* buffer) {
    if (!result.ok || result.length == 0 || result.length > kRecordCapacity)
        return DataRecord();
    return DataRecord(kCategory,
                      std::string(reinterpret_cast<const char*>(buffer),
                                  static_cast<std::size_t>(result.length)),
                      0);
}

}  // namespace

ASTERIXEncoder::ASTERIXEncoder() {
    Log::log(Log::INFO, kSource, "Initialized.");
}

ASTERIXEncoder::~ASTERIXEncoder() = default;

DataRecord ASTERIXEncoder::createTargetReport(const ADSBTarget* target,
                                              const ADSBServiceStatus* serviceStatus,
                                              ASTERIXVersion version) const {
    if (target == nullptr || serviceStatus == nullptr)
        return DataRecord();
    switch (version) {
        case CAT021_V026:
            return createTargetReport026(target, serviceStatus);
        case CAT021_V24:
            return createTargetReport240(target, serviceStatus);
    }
    return DataRecord();
}

// Edition 0.26: the descriptor, figure of merit, position, amplitude and target status items
// have layouts of their own in this edition (types 21903, 21905, 21902, 21904 and 21908).
DataRecord ASTERIXEncoder::createTargetReport026(const ADSBTarget* target,
                                                 const ADSBServiceStatus* serviceStatus) const {
    const ADSBTarget& t = *target;
    ast_cat021_v026_record_t form;
    std::memset(&form, 0, sizeof form);

    form.i010 = dataSource(*serviceStatus);
    form.i020 = oneOctet(t.emitterCategoryValid(), t.emitterCategory());
    form.i030 = timeOfDay(t.lastUpdate());

    // A report from the target's own transponder; the equipment cannot give a selected
    // altitude; 24-bit ICAO address; altitude reported in 25 ft.
    form.i903.present = 1;
    form.i903.dcr = 0;
    form.i903.gbs = onGround(t) ? 1 : 0;
    form.i903.sim = 0;
    form.i903.tst = 0;
    form.i903.rab = 0;
    form.i903.saa = 1;
    form.i903.spi = spiOn(t) ? 1 : 0;
    form.i903.atp = 0;
    form.i903.arc = 1;

    form.i070 = mode3A(t);
    form.i080 = targetAddress(t);

    form.i905.present = 1;
    form.i905.pa = t.nucp();

    form.i095 = oneOctet(true, t.nucr());
    form.i902 = position(t);
    form.i904 = oneOctet(t.signalAmplitudeValid(), t.signalAmplitude());
    form.i145 = flightLevel(t);
    form.i160 = groundVector(t);
    form.i170 = identification(t);
    form.i908 = oneOctet(alertOn(t), kGeneralEmergency);

    uint8_t buffer[kRecordCapacity];
    return assembled(
        ast_datarecord_021_v026_assemble(buffer, sizeof buffer, &form, AST_UAP_CAT021_VER026),
        buffer);
}

// Edition 2.4. I021/071, 072, 131, 140, 150 and 157 stay empty: the tracker keeps no times of
// applicability, no high-resolution position, no geometric altitude or rate and no air speed.
DataRecord ASTERIXEncoder::createTargetReport240(const ADSBTarget* target,
                                                 const ADSBServiceStatus* serviceStatus) const {
    const ADSBTarget& t = *target;
    ast_cat021_v24_record_t form;
    std::memset(&form, 0, sizeof form);

    form.i010 = dataSource(*serviceStatus);
    form.i015 = oneOctet(true, serviceStatus->serviceId());
    form.i020 = oneOctet(t.emitterCategoryValid(), t.emitterCategory());

    // 24-bit ICAO address, 25 ft altitude resolution, range check passed, from the target's own
    // transponder; every further flag clear.
    form.i040.present = 1;
    form.i040.atp = 0;
    form.i040.arc = 1;
    form.i040.rc = 1;
    form.i040.rab = 0;
    form.i040.dcr = 0;
    form.i040.gbs = onGround(t) ? 1 : 0;

    form.i070 = mode3A(t);
    form.i073 = timeOfDay(t.positionLastUpdate());
    if (t.groundSpeedLastUpdate() != 0)
        form.i075 = timeOfDay(t.groundSpeedLastUpdate());
    form.i077 = timeOfDay(t.lastUpdate());
    form.i080 = targetAddress(t);

    // NIC for barometric altitude stays 0: the tracker keeps no barometric integrity, and the
    // horizontal NIC says nothing about it.
    form.i090.present = 1;
    form.i090.nucr_nacv = t.nucrValid() ? t.nucr() : 0;
    form.i090.nucp_nic = t.nucpValid() ? t.nucp() : 0;
    form.i090.nic_baro = 0;
    form.i090.sil = t.silValid() ? t.sil() : 0;
    form.i090.nacp = t.nacpValid() ? t.nacp() : 0;
    form.i090.pic = t.picValid() ? t.pic() : 0;

    form.i130 = position(t);
    form.i132 = oneOctet(t.signalAmplitudeValid(), t.signalAmplitude());
    form.i145 = flightLevel(t);
    form.i155 = verticalRate(t);
    form.i160 = groundVector(t);
    form.i161 = trackNumber(t);
    form.i170 = identification(t);

    if (alertOn(t) || spiOn(t)) {
        form.i200.present = 1;
        form.i200.ps = alertOn(t) ? kGeneralEmergency : 0;
        form.i200.ss = spiOn(t) ? kSpiCondition : 0;
    }
    if (t.mopsVersionConfirmed()) {
        const MOPSVersion version = t.mopsVersion();
        form.i210.present = 1;
        form.i210.vns = version == MOPS_UNKNOWN ? 1 : 0;
        form.i210.vn = version == MOPS_V2 ? 2 : version == MOPS_V1 ? 1 : 0;
        form.i210.ltt = kLink1090ES;
    }

    uint8_t buffer[kRecordCapacity];
    return assembled(
        ast_datarecord_021_v24_assemble(buffer, sizeof buffer, &form, AST_UAP_CAT021_VER24),
        buffer);
}

}  // namespace modes
}  // namespace brannic
