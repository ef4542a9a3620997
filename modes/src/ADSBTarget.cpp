#include <modes/ADSBTarget.h>

#include <algorithm>
#include <array>
#include <cstddef>

#include <modes/ADSBTargetReport.h>
#include <modes/Log.h>

#include "CPR.h"

namespace brannic {
namespace modes {

namespace {

const char* const kSource = "ADSBTarget";

// --- Position quality indicators -------------------------------------------------------------
//
// The airborne position type code states the containment radius of the reported position; the
// NIC supplements sharpen it from DO-260A on. DO-260 (version 0) reports it as NUCp and the
// target also derives NIC, PIC (the position integrity category of ASTERIX I021/090), NACp and SIL
// from it; DO-260A and DO-260B give NIC and PIC, with NACp and SIL coming from the operational
// status message instead.

// What a rule requires of one NIC supplement: nothing, received and true, received and false.
enum class Supp : uint8_t { ANY, SET, CLEAR };

struct QualityRule {
    uint8_t typeCode;
    Supp a, b, c;
    uint8_t nucp, nic, pic, nacp, sil;
};

// Per version, the rules in order; the first rule whose type code and supplement
// requirements match gives the values. A type code with no matching rule gives 0 for all.
// Columns a, b, c: o = any, Y = received and true, N = received and false.
constexpr Supp o = Supp::ANY;
constexpr Supp Y = Supp::SET;
constexpr Supp N = Supp::CLEAR;

// DO-260: NUCp from the type code, and NIC, PIC, NACp, SIL as a DO-260 position implies.
const QualityRule kRulesV0[] = {
    {5, o, o, o, 9, 11, 14, 11, 2},  {9, o, o, o, 9, 11, 14, 11, 2},
    {20, o, o, o, 9, 11, 14, 11, 2}, {6, o, o, o, 8, 10, 13, 10, 2},
    {10, o, o, o, 8, 10, 13, 10, 2}, {21, o, o, o, 8, 10, 13, 10, 2},
    {7, o, o, o, 7, 8, 11, 8, 2},    {11, o, o, o, 7, 8, 11, 8, 2},
    {12, o, o, o, 6, 7, 10, 7, 2},   {13, o, o, o, 5, 6, 8, 6, 2},
    {14, o, o, o, 4, 5, 6, 5, 2},    {15, o, o, o, 3, 4, 5, 4, 2},
    {16, o, o, o, 2, 1, 2, 1, 2},    {17, o, o, o, 1, 1, 1, 1, 2},
};

// DO-260A: NIC supplement A refines type codes 7, 8, 11, 13 and 16.
const QualityRule kRulesV1[] = {
    {5, o, o, o, 9, 11, 14, 0, 0}, {9, o, o, o, 9, 11, 14, 0, 0},  {20, o, o, o, 9, 11, 14, 0, 0},
    {6, o, o, o, 8, 10, 13, 0, 0}, {10, o, o, o, 8, 10, 13, 0, 0}, {21, o, o, o, 8, 10, 13, 0, 0},
    {7, Y, o, o, 7, 9, 12, 0, 0},  {7, o, o, o, 7, 8, 11, 0, 0},   {11, Y, o, o, 7, 9, 12, 0, 0},
    {11, o, o, o, 7, 8, 11, 0, 0}, {8, Y, o, o, 6, 7, 10, 0, 0},   {12, o, o, o, 6, 7, 10, 0, 0},
    {13, N, o, o, 5, 6, 8, 0, 0},  {13, o, o, o, 4, 6, 7, 0, 0},   {14, o, o, o, 4, 5, 6, 0, 0},
    {15, o, o, o, 3, 4, 5, 0, 0},  {16, Y, o, o, 2, 3, 4, 0, 0},   {16, o, o, o, 2, 2, 3, 0, 0},
    {17, o, o, o, 1, 1, 1, 0, 0},
};

// DO-260B: supplement A refines 7, supplements A and C refine 8, supplement B refines 11 and 16,
// supplements A and B refine 13.
const QualityRule kRulesV2[] = {
    {5, o, o, o, 9, 11, 14, 0, 0}, {9, o, o, o, 9, 11, 14, 0, 0},  {20, o, o, o, 9, 11, 14, 0, 0},
    {6, o, o, o, 8, 10, 13, 0, 0}, {10, o, o, o, 8, 10, 13, 0, 0}, {21, o, o, o, 8, 10, 13, 0, 0},
    {7, Y, o, o, 7, 9, 12, 0, 0},  {7, o, o, o, 7, 8, 11, 0, 0},   {8, Y, o, Y, 6, 7, 10, 0, 0},
    {8, Y, o, N, 5, 6, 9, 0, 0},   {8, N, o, Y, 4, 6, 7, 0, 0},    {11, o, Y, o, 7, 9, 12, 0, 0},
    {11, o, o, o, 7, 8, 11, 0, 0}, {12, o, o, o, 6, 7, 10, 0, 0},  {13, N, Y, o, 5, 6, 9, 0, 0},
    {13, o, N, o, 5, 6, 8, 0, 0},  {13, o, o, o, 4, 6, 7, 0, 0},   {14, o, o, o, 4, 5, 6, 0, 0},
    {15, o, o, o, 3, 4, 5, 0, 0},  {16, o, Y, o, 2, 3, 4, 0, 0},   {16, o, o, o, 2, 2, 3, 0, 0},
    {17, o, o, o, 1, 1, 1, 0, 0},
};

// Where the rules of each type code lie in a version's table: from its first rule to past its
// last, an empty span for a code without rules. A look-up reads only that span.
struct RuleSpan {
    uint8_t begin = 0;
    uint8_t end = 0;
};
using RuleSpans = std::array<RuleSpan, 32>;  // by five-bit type code

template <std::size_t N>
RuleSpans spansOf(const QualityRule (&rules)[N]) {
    static_assert(N < 256, "rule indices are bytes");
    RuleSpans spans{};
    for (std::size_t i = 0; i < N; ++i) {
        RuleSpan& span = spans[rules[i].typeCode];
        if (span.begin == span.end)
            span.begin = static_cast<uint8_t>(i);
        span.end = static_cast<uint8_t>(i + 1);
    }
    return spans;
}

// A supplement "received" is one whose last update is set; its value then decides SET/CLEAR.
bool meets(Supp required, const TimedValue<bool>& supplement) {
    switch (required) {
        case Supp::ANY:
            return true;
        case Supp::SET:
            return supplement.valid() && supplement.value();
        case Supp::CLEAR:
            return supplement.valid() && !supplement.value();
    }
    return false;
}

}  // namespace

ADSBTarget::ADSBTarget(unsigned int icaoAddr) : _icaoAddr(icaoAddr) {}

ADSBTarget::~ADSBTarget() = default;

void ADSBTarget::setCallsign(const std::string& callsign, uint64_t time) {
    setCallsign(callsign, time, time);
}

void ADSBTarget::setCallsign(const std::string& callsign, uint64_t lastUpdate,
                             uint64_t lastChange) {
    const std::string old = _callsign.value();
    if (_callsign.setTracked(callsign, lastUpdate, lastChange) && !old.empty() &&
        old != callsign) {
        Log::log(Log::INFO, kSource, "Callsign Change old = %s new = %s", old.c_str(),
                 callsign.c_str());
    }
}

void ADSBTarget::setEmitterCategory(uint8_t category, uint64_t time) {
    setEmitterCategory(category, time, time);
}

void ADSBTarget::setEmitterCategory(uint8_t category, uint64_t lastUpdate, uint64_t lastChange) {
    const uint8_t old = _emitterCategory.value();
    if (_emitterCategory.setTracked(category, lastUpdate, lastChange) && old != category) {
        Log::log(Log::DEBUG, kSource, "Emitter category change old = %u new = %u",
                 static_cast<unsigned>(old), static_cast<unsigned>(category));
    }
}

void ADSBTarget::setSquawk(uint32_t squawk, uint64_t time) {
    const uint32_t old = _squawk.value();
    if (_squawk.setTracked(squawk, time) && old != 0 && old != squawk) {
        // Mode A codes are four octal digits.
        Log::log(Log::INFO, kSource, "Squawk Change old = %.4o new = %.4o", old, squawk);
    }
}

void ADSBTarget::setSpi(bool spi, uint64_t time) {
    const bool old = _spiStatus.value();
    if (_spiStatus.setTracked(spi, time) && old != spi)
        Log::log(Log::INFO, kSource, "SPI change old = %d new = %d", old ? 1 : 0, spi ? 1 : 0);
}

void ADSBTarget::setAlert(bool alert, uint64_t time) {
    const bool old = _alertStatus.value();
    if (_alertStatus.setTracked(alert, time) && old != alert) {
        Log::log(Log::INFO, kSource, "Alert status change old = %d new = %d", old ? 1 : 0,
                 alert ? 1 : 0);
    }
}

void ADSBTarget::setNUCp(uint8_t nucp, uint64_t time) {
    _nucp.setTracked(nucp, time);
}

void ADSBTarget::setNUCr(uint8_t nucr, uint64_t time) {
    if (mopsVersion() == MOPS_V0)
        _nucr.setTracked(nucr, time);
}

void ADSBTarget::setNIC(uint8_t nic, uint64_t time) {
    _nic.setTracked(nic, time);
}

void ADSBTarget::setPIC(uint8_t pic, uint64_t time) {
    _pic.setTracked(pic, time);
}

void ADSBTarget::setNACp(uint8_t nacp, uint64_t time) {
    _nacp.setTracked(nacp, time);
}

void ADSBTarget::setSIL(uint8_t sil, uint64_t time) {
    _sil.setTracked(sil, time);
}

void ADSBTarget::setPosition(double latitude, double longitude, uint64_t time) {
    _position.set({latitude, longitude}, time);
}

void ADSBTarget::setSignalAmplitude(uint8_t amplitude, uint64_t time) {
    _signalAmplitude.set(amplitude, time);
}

void ADSBTarget::setAltitudeBaro(int32_t altitude, uint64_t time) {
    _altitudeBaro.set(altitude, time);
}

void ADSBTarget::setAltitudeGeo(int32_t altitude, uint64_t time) {
    _altitudeGeo.set(altitude, time);
}

void ADSBTarget::setGroundSpeed(double speed, uint64_t time) {
    _groundSpeed.set(speed, time);
}

void ADSBTarget::setHeading(double heading, uint64_t time) {
    _heading.set(heading, time);
    _heading.setValid(true);
}

void ADSBTarget::setVerticalRateBaro(int32_t rate, uint64_t time) {
    _verticalRateBaro.set(rate, time);
}

void ADSBTarget::setTransponderCommCapability(uint8_t capability, uint64_t time) {
    _transponderCommCapability.set(capability, time);
}

void ADSBTarget::setNICSupplementA(bool supplement, uint64_t time) {
    _nicSupplementA.set(supplement, time);
}

void ADSBTarget::setNICSupplementB(bool supplement, uint64_t time) {
    _nicSupplementB.set(supplement, time);
}

void ADSBTarget::setNICSupplementC(bool supplement, uint64_t time) {
    _nicSupplementC.set(supplement, time);
}

void ADSBTarget::setGroundStatus(GroundStatus status, uint64_t time) {
    _groundStatus.setOnChange(status, time);
}

void ADSBTarget::setMOPSVersion(MOPSVersion version, uint64_t time) {
    if (_mopsVersion.setOnChange(version, time))
        resetQualityIndicators();
}

void ADSBTarget::setMOPSVersionAssumed(uint64_t time) {
    _mopsVersion.setLastUpdate(time);
    if (_mopsVersionConfirmed) {
        _mopsVersionConfirmed = false;
        _mopsVersion.setLastChange(time);
    }
}

void ADSBTarget::setMOPSVersionConfirmed(uint64_t time) {
    _mopsVersion.setLastUpdate(time);
    if (!_mopsVersionConfirmed) {
        _mopsVersionConfirmed = true;
        _mopsVersion.setLastChange(time);
    }
}

void ADSBTarget::setCPROdd(int32_t latitude, int32_t longitude, uint64_t time) {
    _cprOdd = {latitude, longitude, time};
}

void ADSBTarget::setCPREven(int32_t latitude, int32_t longitude, uint64_t time) {
    _cprEven = {latitude, longitude, time};
}

void ADSBTarget::setCPRSurface(bool odd, int32_t latitude, int32_t longitude, uint64_t time) {
    (odd ? _cprSurfaceOdd : _cprSurfaceEven) = {latitude, longitude, time};
}

void ADSBTarget::countRefusedPosition(uint64_t time) {
    ++_statisticRefusedPositions;
    _statisticLastUpdate = time;
}

void ADSBTarget::updateQualityIndicators(uint8_t typeCode, uint64_t time) {
    static const RuleSpans spansV0 = spansOf(kRulesV0);
    static const RuleSpans spansV1 = spansOf(kRulesV1);
    static const RuleSpans spansV2 = spansOf(kRulesV2);
    const QualityRule* rules = nullptr;
    const RuleSpans* spans = nullptr;
    switch (mopsVersion()) {
        case MOPS_V0:
            rules = kRulesV0;
            spans = &spansV0;
            break;
        case MOPS_V1:
            rules = kRulesV1;
            spans = &spansV1;
            break;
        case MOPS_V2:
            rules = kRulesV2;
            spans = &spansV2;
            break;
        default:
            resetQualityIndicators();
            return;
    }
    QualityRule values{typeCode, o, o, o, 0, 0, 0, 0, 0};
    const RuleSpan span = typeCode < spans->size() ? (*spans)[typeCode] : RuleSpan{};
    for (const QualityRule* rule = rules + span.begin; rule != rules + span.end; ++rule) {
        if (rule->typeCode == typeCode && meets(rule->a, _nicSupplementA) &&
            meets(rule->b, _nicSupplementB) && meets(rule->c, _nicSupplementC)) {
            values = *rule;
            break;
        }
    }
    setNUCp(values.nucp, time);
    setNIC(values.nic, time);
    setPIC(values.pic, time);
    if (mopsVersion() == MOPS_V0) {
        setNACp(values.nacp, time);
        setSIL(values.sil, time);
    }
}

void ADSBTarget::resetQualityIndicators() {
    // NACp and SIL count as valid by their last change, so both times go back to never;
    // otherwise indicators derived under the old version would stay valid.
    _nucp.clear();
    _nic.clear();
    _pic.clear();
    _nacp.clear();
    _sil.clear();
}

uint32_t ADSBTarget::statisticDfMsgCount(DownlinkFormat df) const {
    return df >= 0 && df < kDownlinkFormatCount ? _statisticDf[df] : 0;
}

uint32_t ADSBTarget::statisticDfMsgCount() const {
    uint32_t sum = 0;
    for (uint32_t count : _statisticDf) {
        sum += count;
    }
    return sum;
}

uint32_t ADSBTarget::statisticADSBMsgCount(ADSBMessageType type) const {
    return type >= 0 && type < kADSBMessageTypeCount ? _statisticADSB[type] : 0;
}

void ADSBTarget::resetStatistic() {
    _statisticDf.fill(0);
    _statisticADSB.fill(0);
    _statisticRefusedPositions = 0;
    _statisticLastUpdate = 0;
}

uint32_t ADSBTarget::increaseStatistic(DownlinkFormat df, uint64_t time) {
    if (df < 0 || df >= kDownlinkFormatCount) {
        return 0;
    }
    _statisticLastUpdate = time;
    return ++_statisticDf[df];
}

uint32_t ADSBTarget::increaseStatistic(ADSBMessageType type, uint64_t time) {
    if (type < 0 || type >= kADSBMessageTypeCount) {
        return 0;
    }
    _statisticLastUpdate = time;
    return ++_statisticADSB[type];
}

void ADSBTarget::copySquawk(uint32_t squawk, uint64_t lastUpdate) {
    _squawk.set(squawk, lastUpdate);
}

bool ADSBTarget::decodeCPRPosition() {
    const bool oddNewer = _cprEven.time <= _cprOdd.time;
    double latitude = 0.0;
    double longitude = 0.0;
    if (!cpr::decodeGlobalAirborne({_cprEven.latitude, _cprEven.longitude},
                                   {_cprOdd.latitude, _cprOdd.longitude}, oddNewer, latitude,
                                   longitude)) {
        return false;
    }
    setPosition(latitude, longitude, std::max(_cprOdd.time, _cprEven.time));
    _positionOnSurface = false;
    return true;
}

}  // namespace modes
}  // namespace brannic
