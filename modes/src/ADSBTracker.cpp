#include <modes/ADSBTracker.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>

#include <modes/ADSBAirbornePositionMessageV2.h>
#include <modes/ADSBAirborneVelocityMessageV0.h>
#include <modes/ADSBAircraftOperationalStatusMessage.h>
#include <modes/ADSBIdentityMessage.h>
#include <modes/ADSBSurfacePositionMessage.h>
#include <modes/ADSBTargetReport.h>
#include <modes/DF0Message.h>
#include <modes/DF11Message.h>
#include <modes/DF16Message.h>
#include <modes/DF17Message.h>
#include <modes/DF20Message.h>
#include <modes/DF21Message.h>
#include <modes/DF4Message.h>
#include <modes/DF5Message.h>
#include <modes/Log.h>

#include "Bits.h"
#include "PositionSolver.h"

namespace brannic {
namespace modes {

namespace {

const char* const kSource = "ADSBTracker";

// Ground status, SPI and alert by flight status (ICAO Annex 10 Vol. IV 3.1.2.6.5.1).
struct FlightStatusEffect {
    bool known;  // FS 6 and 7 are reserved: nothing changes
    ADSBTarget::GroundStatus ground;
    bool spi;
    bool alert;
};

constexpr FlightStatusEffect kFlightStatusEffects[8] = {
    {true, ADSBTarget::AIRBORNE, false, false},   // 0 airborne
    {true, ADSBTarget::ON_GROUND, false, false},  // 1 on ground
    {true, ADSBTarget::AIRBORNE, false, true},    // 2 alert, airborne
    {true, ADSBTarget::ON_GROUND, false, true},   // 3 alert, on ground
    {true, ADSBTarget::UNKNOWN, true, true},      // 4 alert and SPI
    {true, ADSBTarget::UNKNOWN, true, false},     // 5 SPI
    {false, ADSBTarget::UNKNOWN, false, false},   // 6 reserved
    {false, ADSBTarget::UNKNOWN, false, false},   // 7 not assigned
};

// Even and odd airborne positions further apart than this are not paired.
constexpr unsigned long long kCPRPairWindowMs = 10000;

}  // namespace

ADSBTracker::ADSBTracker() {
    reset();
    Log::log(Log::INFO, kSource, "Initialized.");
}

ADSBTracker::ADSBTracker(const ADSBTracker& other)
    : _mopsV0ConfirmCount(other._mopsV0ConfirmCount),
      _decoder(other._decoder),
      _targets(other._targets),
      _trackIdLowest(other._trackIdLowest),
      _trackIdHighest(other._trackIdHighest),
      _nextTrackId(other._nextTrackId),
      _altitudeCheck(other._altitudeCheck),
      _altitudeCheckWindow(other._altitudeCheckWindow),
      _altitudeCheckMaxJump(other._altitudeCheckMaxJump),
      _settings(other._settings),
      _positionChecks(other._positionChecks) {
    rebuildIndex();
}

ADSBTracker& ADSBTracker::operator=(const ADSBTracker& other) {
    if (this != &other) {
        ADSBTracker copy(other);
        *this = std::move(copy);
    }
    return *this;
}

// Moving a std::map moves its nodes, not the targets in them: the index stays right.
ADSBTracker::ADSBTracker(ADSBTracker&& other) noexcept = default;
ADSBTracker& ADSBTracker::operator=(ADSBTracker&& other) noexcept = default;
ADSBTracker::~ADSBTracker() = default;

void ADSBTracker::reset() {
    _targets.clear();
    _index.clear();
    _trackIdUse.assign(_trackIdHighest - _trackIdLowest + 1, 0);
    _nextTrackId = _trackIdLowest;
}

void ADSBTracker::rebuildIndex() {
    _index.clear();
    _trackIdUse.assign(_trackIdHighest - _trackIdLowest + 1, 0);
    for (auto& entry : _targets) {
        *_index.findOrInsert(entry.first) = &entry.second;
        const unsigned int id = entry.second.trackId();
        if (id >= _trackIdLowest && id <= _trackIdHighest)
            ++_trackIdUse[id - _trackIdLowest];
    }
}

void ADSBTracker::assignTrackId(ADSBTarget& target, unsigned int trackId) {
    const unsigned int old = target.trackId();
    if (old >= _trackIdLowest && old <= _trackIdHighest)
        --_trackIdUse[old - _trackIdLowest];
    if (trackId >= _trackIdLowest && trackId <= _trackIdHighest)
        ++_trackIdUse[trackId - _trackIdLowest];
    target.setTrackId(trackId);
}

std::map<unsigned int, ADSBTarget>::iterator ADSBTracker::eraseTarget(
    std::map<unsigned int, ADSBTarget>::iterator it) {
    assignTrackId(it->second, 0);
    _index.erase(it->first);
    return _targets.erase(it);
}

bool ADSBTracker::setSettings(const ADSBTrackerSettings& settings) {
    const GeoPosition& receiver = settings.receiverPosition;
    const bool receiverOk =
        !settings.receiverPositionSet ||
        (std::fabs(receiver.latitude) <= 90.0 && std::fabs(receiver.longitude) <= 180.0);
    // Comparisons with NaN are false, so a limit that is not a number fails too.
    const bool limitsOk = settings.airborneSpeedLimit >= 0 && settings.surfaceSpeedLimit >= 0 &&
                          settings.maximumRange >= 0;
    if (!receiverOk || !limitsOk)
        return false;
    _settings = settings;
    _positionChecks = PositionSolver::active(settings);
    return true;
}

void ADSBTracker::setAltituteBaroChecking(bool enabled, unsigned int windowSeconds,
                                          unsigned int maxJumpFeet) {
    _altitudeCheck = enabled;
    _altitudeCheckWindow = windowSeconds;
    _altitudeCheckMaxJump = maxJumpFeet;
}

ADSBTarget* ADSBTracker::findTarget(unsigned int icao) {
    ADSBTarget* const* target = _index.find(icao);
    return target != nullptr ? *target : nullptr;
}

const ADSBTarget* ADSBTracker::findConstTarget(unsigned int icao) const {
    ADSBTarget* const* target = _index.find(icao);
    return target != nullptr ? *target : nullptr;
}

unsigned int ADSBTracker::getNextTrackId() {
    const unsigned int range = _trackIdHighest - _trackIdLowest + 1;
    if (_targets.size() >= range)
        return 0;
    // The cursor skips the numbers that some target carries.
    if (_nextTrackId < _trackIdLowest || _nextTrackId > _trackIdHighest)
        _nextTrackId = _trackIdLowest;
    while (_trackIdUse[_nextTrackId - _trackIdLowest] != 0) {
        ++_nextTrackId;
        if (_nextTrackId > _trackIdHighest)
            _nextTrackId = _trackIdLowest;
    }
    return _nextTrackId++;
}

ADSBTarget* ADSBTracker::createTarget(unsigned int icao) {
    if (ADSBTarget* existing = findTarget(icao))
        return existing;
    const unsigned int trackId = getNextTrackId();
    if (trackId == 0)
        return nullptr;
    // The one address the index cannot hold (its empty-slot marker) gets no target.
    ADSBTarget** slot = _index.findOrInsert(icao);
    if (slot == nullptr)
        return nullptr;
    ADSBTarget& target = _targets.emplace(icao, ADSBTarget(icao)).first->second;
    *slot = &target;
    assignTrackId(target, trackId);
    return &target;
}

ADSBTarget* ADSBTracker::targetOf(const ModeSMessage& msg) {
    if (msg.correctedBits() == 0 || !_settings.newTargetsOnlyFromErrorFreeReplies)
        return createTarget(msg.icaoAddress());
    if (ADSBTarget* existing = findTarget(msg.icaoAddress()))
        return existing;
    Log::log(Log::DEBUG, kSource, "No new target %.2X from a reply with %u repaired bits.",
             msg.icaoAddress(), unsigned{msg.correctedBits()});
    return nullptr;
}

const ADSBTarget* ADSBTracker::procModeSMsg(const ModeSMessage* msg) {
    if (msg == nullptr || msg->modeSMsgType() != ModeSMessage::DOWNLINK)
        return nullptr;
    return procDFMsg(static_cast<const DFMessage*>(msg));
}

const ADSBTarget* ADSBTracker::procDFMsg(const DFMessage* msg) {
    switch (msg->downlinkFormat()) {
        case DF_0:
            return procDF0Msg(static_cast<const DF0Message*>(msg));
        case DF_4:
            return procDF4Msg(static_cast<const DF4Message*>(msg));
        case DF_5:
            return procDF5Msg(static_cast<const DF5Message*>(msg));
        case DF_11:
            return procDF11Msg(static_cast<const DF11Message*>(msg));
        case DF_16:
            return procDF16Msg(static_cast<const DF16Message*>(msg));
        case DF_17:
            return procDF17Msg(static_cast<const DF17Message*>(msg));
        case DF_20:
            return procDF20Msg(static_cast<const DF20Message*>(msg));
        case DF_21:
            return procDF21Msg(static_cast<const DF21Message*>(msg));
        default:
            Log::log(Log::WARNING, kSource, "Unsupported %s message detected.",
                     msg->downlinkFormatName().c_str());
            return nullptr;
    }
}

bool ADSBTracker::updateTargetAltituteBaro(ADSBTarget* target, int altitude,
                                           unsigned long long time) {
    if (!_altitudeCheck) {
        target->setAltitudeBaro(altitude, time);
        return false;
    }
    if (target->altitudeBaroValid() &&
        time < target->altitudeBaroLastUpdate() + _altitudeCheckWindow * 1000ull &&
        static_cast<unsigned int>(std::abs(altitude - target->altitudeBaro())) >
            _altitudeCheckMaxJump) {
        return false;
    }
    target->setAltitudeBaro(altitude, time);
    return true;
}

// DF0 and DF16: vertical status and altitude.
template <typename Message>
const ADSBTarget* ADSBTracker::procVerticalStatusReply(const Message* msg) {
    if (msg->confidence() < ModeSMessage::HIGH)
        return nullptr;
    ADSBTarget* target = targetOf(*msg);
    if (target == nullptr)
        return nullptr;
    const unsigned long long time = msg->timeStamp();
    target->setLastUpdate(time);
    target->setGroundStatus(msg->constFieldVS().verticalStatus() == ModeSMessageFieldVS::ON_GROUND
                                ? ADSBTarget::ON_GROUND
                                : ADSBTarget::AIRBORNE,
                            time);
    updateTargetAltituteBaro(target, msg->constFieldAC().altitude(), time);
    target->increaseStatistic(msg->downlinkFormat(), time);
    return target;
}

// DF4/DF20 (altitude) and DF5/DF21 (identity): target, last update and flight status.
template <typename Message>
ADSBTarget* ADSBTracker::procFlightStatusReply(const Message* msg) {
    if (msg->confidence() < ModeSMessage::HIGH)
        return nullptr;
    ADSBTarget* target = targetOf(*msg);
    if (target == nullptr)
        return nullptr;
    const unsigned long long time = msg->timeStamp();
    target->setLastUpdate(time);
    const FlightStatusEffect& effect = kFlightStatusEffects[msg->constFieldFS().flightStatus() & 7];
    if (effect.known) {
        target->setGroundStatus(effect.ground, time);
        target->setSpi(effect.spi, time);
        target->setAlert(effect.alert, time);
    }
    return target;
}

const ADSBTarget* ADSBTracker::procDF0Msg(const DF0Message* msg) {
    return procVerticalStatusReply(msg);
}

const ADSBTarget* ADSBTracker::procDF16Msg(const DF16Message* msg) {
    return procVerticalStatusReply(msg);
}

// DF4 and DF20 carry the altitude after the flight status.
template <typename Message>
const ADSBTarget* ADSBTracker::procAltitudeReply(const Message* msg) {
    ADSBTarget* target = procFlightStatusReply(msg);
    if (target == nullptr)
        return nullptr;
    updateTargetAltituteBaro(target, msg->constFieldAC().altitude(), msg->timeStamp());
    target->increaseStatistic(msg->downlinkFormat(), msg->timeStamp());
    return target;
}

// DF5 and DF21 carry the Mode A code after the flight status.
template <typename Message>
const ADSBTarget* ADSBTracker::procIdentityReply(const Message* msg) {
    ADSBTarget* target = procFlightStatusReply(msg);
    if (target == nullptr)
        return nullptr;
    target->setSquawk(msg->constFieldID().identity(), msg->timeStamp());
    target->increaseStatistic(msg->downlinkFormat(), msg->timeStamp());
    return target;
}

const ADSBTarget* ADSBTracker::procDF4Msg(const DF4Message* msg) {
    return procAltitudeReply(msg);
}

const ADSBTarget* ADSBTracker::procDF20Msg(const DF20Message* msg) {
    return procAltitudeReply(msg);
}

const ADSBTarget* ADSBTracker::procDF5Msg(const DF5Message* msg) {
    return procIdentityReply(msg);
}

const ADSBTarget* ADSBTracker::procDF21Msg(const DF21Message* msg) {
    return procIdentityReply(msg);
}

const ADSBTarget* ADSBTracker::procDF11Msg(const DF11Message* msg) {
    if (msg->confidence() < ModeSMessage::HIGH)
        return nullptr;
    // An all-call reply never creates a target: it only confirms one already tracked.
    ADSBTarget* target = findTarget(msg->icaoAddress());
    if (target == nullptr)
        return nullptr;
    const unsigned long long time = msg->timeStamp();
    target->setLastUpdate(time);
    target->setTransponderCommCapability(msg->constFieldCA().capability(), time);
    target->increaseStatistic(msg->downlinkFormat(), time);
    return target;
}

const ADSBTarget* ADSBTracker::procDF17Msg(const DF17Message* msg) {
    if (msg->confidence() != ModeSMessage::FULL)
        return nullptr;
    ADSBTarget* target = targetOf(*msg);
    if (target == nullptr)
        return nullptr;
    const unsigned long long time = msg->timeStamp();
    target->setLastUpdate(time);
    target->setSignalAmplitude(msg->signalAmplitude(), time);

    // Identification, operational status, airborne positions and velocities, most of all
    // squitters, are decoded straight into their values; the other types through the
    // decoder's reusable message objects. Both decode only where the target's transmitter
    // version has a message class of the type.
    const std::string& meBytes = msg->constFieldME().data();
    const unsigned char* me = bits::bytes(meBytes);
    const bool complete = meBytes.size() >= 7;
    const uint8_t typeCode = complete ? static_cast<uint8_t>(me[0] >> 3) : 0;
    ADSBMessageType type = complete ? ADSBMessage::typeByCode(typeCode) : RESERVED;
    const MOPSVersion version = target->mopsVersion();
    const bool valuesOfTheirOwn =
        type == ACID || type == POS_AIR || type == AIR_VEL || type == OP_STATUS;
    if (valuesOfTheirOwn && ADSBDecoder::hasClass(type, version)) {
        if (!procADSBValuesMsg(target, me, type, typeCode, time))
            return target;
    } else {
        // The decoder's own message object, valid until its next decode.
        ADSBMessage* adsb = _decoder.decodeForTracking(version, meBytes);
        if (adsb == nullptr)
            return target;
        adsb->setTimeStamp(time);
        adsb->setSignalAmplitude(msg->signalAmplitude());
        type = adsb->type();
        // Surface positions need a reference to decode: they move a target only with local
        // decoding on. Test, aircraft status and target state messages count in the
        // statistics only.
        if (type == POS_GND && _settings.localDecoding)
            procADSBSurfacePositionMsg(target,
                                       static_cast<const ADSBSurfacePositionMessage*>(adsb));
    }

    // MOPS version bookkeeping, before this reply is counted. An aircraft that has sent
    // enough squitters without any message type introduced by DO-260A is taken to be DO-260;
    // one that then sends aircraft status or target state messages is not sure any more.
    if (target->mopsVersion() == MOPS_V0 && target->mopsVersionAssumed() &&
        target->statisticDfMsgCount(DF_17) >= _mopsV0ConfirmCount &&
        target->statisticADSBMsgCount(AC_STATUS) == 0 &&
        target->statisticADSBMsgCount(TG_STATUS) == 0 &&
        target->statisticADSBMsgCount(OP_STATUS) == 0) {
        target->setMOPSVersionConfirmed(time);
        Log::log(Log::DEBUG, kSource, "Track #%u MOPS version 0 confirmed.", target->trackId());
    } else if (target->mopsVersion() == MOPS_V0 && target->mopsVersionConfirmed() &&
               (target->statisticADSBMsgCount(AC_STATUS) != 0 ||
                target->statisticADSBMsgCount(TG_STATUS) != 0)) {
        target->setMOPSVersionAssumed(time);
    }

    target->increaseStatistic(DF_17, time);
    target->increaseStatistic(type, time);
    return target;
}

bool ADSBTracker::procADSBValuesMsg(ADSBTarget* target, const unsigned char* me,
                                    ADSBMessageType type, uint8_t typeCode,
                                    unsigned long long time) {
    switch (type) {
        case POS_AIR: {
            ADSBAirbornePositionMessage::Values position;
            if (!ADSBAirbornePositionMessage::decodeValues(me, typeCode, position))
                return false;
            procADSBAirbornePositionMsg(target, me, typeCode, position, time);
            return true;
        }
        case AIR_VEL: {
            ADSBAirborneVelocityMessage::Values velocity;
            if (!ADSBAirborneVelocityMessage::decodeValues(me, velocity))
                return false;
            procADSBAirborneVelocityMsg(target, me, velocity, time);
            return true;
        }
        case OP_STATUS: {
            ADSBAircraftOperationalStatusMessage::Values status;
            if (!ADSBAircraftOperationalStatusMessage::decodeValues(me, status))
                return false;
            procADSBAircraftOperationalStatusMsg(target, status, time);
            return true;
        }
        case ACID: {
            ADSBIdentityMessage::Values identification;
            ADSBIdentityMessage::decodeValues(me, identification);
            procADSBIdentificationMsg(target, identification, time);
            return true;
        }
        default:  // the other types have no values of their own here
            return false;
    }
}

void ADSBTracker::procADSBIdentificationMsg(ADSBTarget* target,
                                            const ADSBIdentityMessage::Values& identification,
                                            unsigned long long time) {
    target->setEmitterCategory(identification.emitterCategory, time);
    target->setCallsign(std::string(identification.callsign, sizeof(identification.callsign)),
                        time);
}

void ADSBTracker::procADSBAircraftOperationalStatusMsg(
    ADSBTarget* target, const ADSBAircraftOperationalStatusMessage::Values& status,
    unsigned long long time) {
    switch (status.version()) {
        case MOPS_V1:
            target->setMOPSVersion(MOPS_V1, time);
            target->setMOPSVersionConfirmed(time);
            break;
        case MOPS_V2:
            target->setMOPSVersion(MOPS_V2, time);
            target->setMOPSVersionConfirmed(time);
            break;
        case MOPS_UNKNOWN:  // a newer version than we know: decode as the newest, unconfirmed
            target->setMOPSVersion(MOPS_V2, time);
            target->setMOPSVersionAssumed(time);
            break;
        default:
            target->setMOPSVersion(MOPS_V0, time);
            target->setMOPSVersionConfirmed(time);
            break;
    }
    target->setNICSupplementA(status.nicSupplementA, time);
}

void ADSBTracker::procADSBAirborneVelocityMsg(ADSBTarget* target, const unsigned char* me,
                                              const ADSBAirborneVelocityMessage::Values& velocity,
                                              unsigned long long time) {
    // A component or a rate of 0 means "no information": it leaves the target's value as it
    // is rather than making a speed of 0 kt, a track of 0 degrees or a level flight valid.
    if (velocity.velocityType == ADSBAirborneVelocityMessage::GROUND_SPEED ||
        velocity.velocityType == ADSBAirborneVelocityMessage::GROUND_SPEED_SUPER_SONIC) {
        if (velocity.groundSpeedValid)
            target->setGroundSpeed(velocity.groundSpeed, time);
        if (velocity.headingValid())
            target->setHeading(velocity.heading, time);
    }
    if (velocity.verticalRateSource == BARO && velocity.verticalRateValid)
        target->setVerticalRateBaro(velocity.verticalRate, time);
    switch (target->mopsVersion()) {
        case MOPS_V0:
            procADSBAirborneVelocityMsgV0(target, me, time);
            break;
        case MOPS_V1:
            procADSBAirborneVelocityMsgV1(target, me, time);
            break;
        default:
            procADSBAirborneVelocityMsgV2(target, me, time);
            break;
    }
}

void ADSBTracker::procADSBAirborneVelocityMsgV0(ADSBTarget* target, const unsigned char* me,
                                                unsigned long long time) {
    // NUCr only exists in DO-260; later versions report NACv in the operational status.
    target->setNUCr(ADSBAirborneVelocityMessageV0::decodeNUCr(me), time);
}

void ADSBTracker::procADSBAirborneVelocityMsgV1(ADSBTarget*, const unsigned char*,
                                                unsigned long long) {}

void ADSBTracker::procADSBAirborneVelocityMsgV2(ADSBTarget*, const unsigned char*,
                                                unsigned long long) {}

void ADSBTracker::procADSBAirbornePositionMsg(ADSBTarget* target, const unsigned char* me,
                                              uint8_t typeCode,
                                              const ADSBAirbornePositionMessage::Values& position,
                                              unsigned long long time) {
    target->setGroundStatus(ADSBTarget::AIRBORNE, time);
    // Type codes 20 to 22 carry the GNSS height above the ellipsoid, not a pressure altitude:
    // it must never pass for a flight level.
    if (position.altitudeSource == GNSS)
        target->setAltitudeGeo(position.altitude, time);
    else
        updateTargetAltituteBaro(target, position.altitude, time);

    const bool odd = position.cprFormat == ODD;
    if (odd) {
        target->setCPROdd(position.cprLatitude, position.cprLongitude, time);
    } else {
        target->setCPREven(position.cprLatitude, position.cprLongitude, time);
    }
    if (_positionChecks) {
        updatePosition(target, false, odd, time);
    } else {
        const unsigned long long oddTime = target->cprOddTime();
        const unsigned long long evenTime = target->cprEvenTime();
        const unsigned long long gap = oddTime > evenTime ? oddTime - evenTime : evenTime - oddTime;
        if (gap <= kCPRPairWindowMs)
            target->decodeCPRPosition();
    }

    switch (target->mopsVersion()) {
        case MOPS_V0:
            procADSBAirbornePositionMsgV0(target, me, time);
            break;
        case MOPS_V1:
            procADSBAirbornePositionMsgV1(target, me, time);
            break;
        default:
            procADSBAirbornePositionMsgV2(target, me, time);
            break;
    }
    target->updateQualityIndicators(typeCode, time);
}

void ADSBTracker::procADSBAirbornePositionMsgV0(ADSBTarget*, const unsigned char*,
                                                unsigned long long) {}

// An aircraft on the ground: its movement field gives the ground speed (codes 1 to 124; 0 is
// "no information"), the ground track comes with its own status bit, and the position decodes
// in the surface zones, four times finer than the airborne ones.
void ADSBTracker::procADSBSurfacePositionMsg(ADSBTarget* target,
                                             const ADSBSurfacePositionMessage* msg) {
    const unsigned long long time = msg->timeStamp();
    target->setGroundStatus(ADSBTarget::ON_GROUND, time);
    if (msg->movement())
        target->setGroundSpeed(msg->groundSpeed(), time);
    if (msg->headingValid())
        target->setHeading(msg->heading(), time);
    const bool odd = msg->cprFormat() == ODD;
    target->setCPRSurface(odd, msg->cprLatitude(), msg->cprLongitude(), time);
    updatePosition(target, true, odd, time);
    target->updateQualityIndicators(msg->typeCode(), time);
}

void ADSBTracker::updatePosition(ADSBTarget* target, bool surface, bool odd,
                                 unsigned long long time) {
    using Slot = ADSBTarget::CPRSlot;
    const Slot& even = surface ? target->cprSurfaceEven() : target->cprEven();
    const Slot& oddSlot = surface ? target->cprSurfaceOdd() : target->cprOdd();
    PositionSolver::Track track;
    track.even = {{even.latitude, even.longitude}, even.time};
    track.odd = {{oddSlot.latitude, oddSlot.longitude}, oddSlot.time};
    track.positionValid = target->positionValid();
    track.position = {target->latitude(), target->longitude()};
    track.positionTime = target->positionLastUpdate();
    track.positionOnSurface = target->positionOnSurface();
    const PositionSolver::Report& current = odd ? track.odd : track.even;

    const PositionSolver::Outcome outcome =
        PositionSolver(_settings).solve(track, {current.cpr, time}, odd, surface);
    if (!outcome.decoded)
        return;
    const unsigned address = target->icaoAddr();
    switch (outcome.refusal) {
        case PositionSolver::Refusal::NONE:
            target->setPosition(outcome.position.latitude, outcome.position.longitude,
                                outcome.time);
            target->setPositionOnSurface(surface);
            return;
        case PositionSolver::Refusal::REFERENCE:
            Log::log(Log::DEBUG, kSource,
                     "Position of %.2X refused: %.1f NM from its local reference, beyond %.0f NM.",
                     address, outcome.measure, outcome.limit);
            break;
        case PositionSolver::Refusal::DISAGREEMENT:
            Log::log(Log::DEBUG, kSource,
                     "Position of %.2X refused: global and local decoding %.3f NM apart.", address,
                     outcome.measure);
            break;
        case PositionSolver::Refusal::RANGE:
            Log::log(Log::DEBUG, kSource,
                     "Position of %.2X refused: %.1f NM from the receiver, beyond %.1f NM.",
                     address, outcome.measure, outcome.limit);
            break;
        case PositionSolver::Refusal::SPEED:
            Log::log(Log::DEBUG, kSource,
                     "Position of %.2X refused: %.0f kt from the last position, above %.0f kt.",
                     address, outcome.measure, outcome.limit);
            break;
    }
    target->countRefusedPosition(time);
}

void ADSBTracker::procADSBAirbornePositionMsgV1(ADSBTarget*, const unsigned char*,
                                                unsigned long long) {}

void ADSBTracker::procADSBAirbornePositionMsgV2(ADSBTarget* target, const unsigned char* me,
                                                unsigned long long time) {
    target->setNICSupplementB(ADSBAirbornePositionMessageV2::decodeNICSupplementB(me), time);
}

ADSBMessage* ADSBTracker::decodeADSBMsg(unsigned int icaoAddress, const std::string& me) const {
    const ADSBTarget* target = findConstTarget(icaoAddress);
    return _decoder.decode(target != nullptr ? target->mopsVersion() : MOPS_V0, me);
}

const ADSBTarget* ADSBTracker::procTargetReport(const ADSBTargetReport* report) {
    if (report == nullptr || !report->valid())
        return nullptr;
    ADSBTarget* target = createTarget(report->icaoAddress());
    if (target == nullptr)
        return nullptr;

    assignTrackId(*target, report->trackIdValid() ? report->trackId() : 0);
    const unsigned long long time = report->lastUpdate();
    target->setLastUpdate(time);

    if (report->callsignValid()) {
        target->setCallsign(report->callsign(), report->callsignLastUpdate(),
                            report->callsignLastChange());
    }
    if (report->emitterCategoryValid()) {
        target->setEmitterCategory(report->emitterCategory(), report->emitterCategoryLastUpdate(),
                                   report->emitterCategoryLastChange());
    }
    if (report->squawkValid())
        target->copySquawk(report->squawk(), report->squawkLastUpdate());
    if (report->positionValid()) {
        target->setPosition(report->latitude(), report->longitude(), report->positionLastUpdate());
        target->setPositionOnSurface(false);
    }
    if (report->signalAmplitudeValid()) {
        target->setSignalAmplitude(report->signalAmplitude(), report->signalAmplitudeLastUpdate());
    }
    if (report->altitudeBaroValid()) {
        updateTargetAltituteBaro(target, report->altitudeBaro(), report->altitudeBaroLastUpdate());
    }
    if (report->altitudeGeoValid())
        target->setAltitudeGeo(report->altitudeGeo(), report->altitudeGeoLastUpdate());
    if (report->groundSpeedValid())
        target->setGroundSpeed(report->groundSpeed(), report->groundSpeedLastUpdate());
    if (report->headingValid())
        target->setHeading(report->heading(), time);
    if (report->verticalRateBaroValid()) {
        target->setVerticalRateBaro(report->verticalRateBaro(),
                                    report->verticalRateBaroLastUpdate());
    }
    if (report->groundStatusValid()) {
        target->setGroundStatus(
            report->groundStatus() ? ADSBTarget::ON_GROUND : ADSBTarget::AIRBORNE,
            report->groundStatusLastUpdate());
    }
    return target;
}

std::vector<ADSBTarget> ADSBTracker::allTargets() const {
    std::vector<ADSBTarget> result;
    result.reserve(_targets.size());
    for (const auto& entry : _targets)
        result.push_back(entry.second);
    return result;
}

std::vector<ADSBTarget> ADSBTracker::allTargetsSince(unsigned long long since) const {
    return allTargetsSince(since, std::numeric_limits<unsigned long long>::max());
}

std::vector<ADSBTarget> ADSBTracker::allTargetsSince(unsigned long long since,
                                                     unsigned long long until) const {
    const auto changed = [since, until](const ADSBTarget& target) {
        const unsigned long long t = target.lastUpdate();
        return t > since && t <= until;
    };
    // Counted first: a target is a large copy, and growing the vector would copy each again.
    std::size_t count = 0;
    for (const auto& entry : _targets)
        count += changed(entry.second);
    std::vector<ADSBTarget> result;
    result.reserve(count);
    for (const auto& entry : _targets) {
        if (changed(entry.second))
            result.push_back(entry.second);
    }
    return result;
}

std::vector<ADSBTarget> ADSBTracker::killTargets(unsigned long long time) {
    std::vector<ADSBTarget> killed;
    for (auto it = _targets.begin(); it != _targets.end();) {
        if (it->second.lastUpdate() <= time) {
            Log::log(Log::DEBUG, kSource, "Target #%u killed.", it->second.trackId());
            killed.push_back(std::move(it->second));  // the track number stays behind
            it = eraseTarget(it);
        } else {
            ++it;
        }
    }
    return killed;
}

}  // namespace modes
}  // namespace brannic
