#ifndef MODES_ADSBTRACKER_H
#define MODES_ADSBTRACKER_H

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <modes/ADSBAirbornePositionMessage.h>
#include <modes/ADSBAirborneVelocityMessage.h>
#include <modes/ADSBAircraftOperationalStatusMessage.h>
#include <modes/ADSBDecoder.h>
#include <modes/ADSBIdentityMessage.h>
#include <modes/ADSBTarget.h>
#include <modes/ADSBTrackerSettings.h>
#include <modes/AddressMap.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

class ADSBMessage;
class ADSBTargetReport;
class ModeSMessage;
class DFMessage;
class DF0Message;
class DF4Message;
class DF5Message;
class DF11Message;
class DF16Message;
class DF17Message;
class DF20Message;
class DF21Message;
class ADSBSurfacePositionMessage;

// Keeps one ADSBTarget per 24-bit ICAO aircraft address and updates it from decoded Mode S
// replies (procModeSMsg) or from externally tracked target reports (procTargetReport).
//
// Every update takes its time from the reply or report that causes it, never from a clock.
// Airborne positions come from global CPR decoding of an even and an odd position report
// received within 10 s of each other; the settings (ADSBTrackerSettings) add local decoding,
// surface positions, plausibility checks and a guard against targets made up from repaired
// noise. Every refused position is logged (DEBUG) and counted in the target's statistics.
// Targets carry track numbers from 1 to 4095, handed out in turn and skipping numbers in use.
//
// Copies and moves are offered: a copy owns targets of its own (targets are held by value).
// Not thread-safe.
class MODES_EXPORT ADSBTracker {
public:
    ADSBTracker();
    ADSBTracker(const ADSBTracker& other);
    ADSBTracker& operator=(const ADSBTracker& other);
    ADSBTracker(ADSBTracker&& other) noexcept;
    ADSBTracker& operator=(ADSBTracker&& other) noexcept;
    ~ADSBTracker();

    // Feeds one decoded reply. Returns the target created or updated, or nullptr when the reply
    // was ignored (too little confidence, a format not tracked, an unknown DF11 address, no
    // free track number). The pointer stays valid until the target is killed or reset.
    const ADSBTarget* procModeSMsg(const ModeSMessage* msg);

    // Feeds one external report; nullptr when it is not valid() or no track number is free.
    const ADSBTarget* procTargetReport(const ADSBTargetReport* report);

    // Decodes a 7-byte ME field with the MOPS version of the target of that address (version 0
    // when there is none). The caller owns the result; nullptr when it cannot be decoded.
    ADSBMessage* decodeADSBMsg(unsigned int icaoAddress, const std::string& me) const;

    // Copies of all targets, in ascending address order.
    std::vector<ADSBTarget> allTargets() const;
    // Copies of the targets with lastUpdate() > since.
    std::vector<ADSBTarget> allTargetsSince(unsigned long long since) const;
    // Copies of the targets with since < lastUpdate() <= until.
    std::vector<ADSBTarget> allTargetsSince(unsigned long long since,
                                            unsigned long long until) const;

    // Removes every target with lastUpdate() <= time (an absolute time: now minus the time-out)
    // and returns copies of them.
    std::vector<ADSBTarget> killTargets(unsigned long long time);

    // Removes all targets and starts track numbers from 1 again.
    void reset();

    // Barometric altitude checking: when enabled, a new altitude is dropped if it comes less
    // than windowSeconds after the last one and differs from it by more than maxJumpFeet.
    void setAltituteBaroChecking(bool enabled, unsigned int windowSeconds,
                                 unsigned int maxJumpFeet);

    // Position and target-creation measures. Returns false and keeps the settings in force
    // when a value is out of its domain: a receiver position off the globe (latitude beyond
    // +-90 or longitude beyond +-180 degrees, or not a number) or a negative or non-numeric
    // limit. Applies to the next reply; targets keep what they have.
    bool setSettings(const ADSBTrackerSettings& settings);
    const ADSBTrackerSettings& settings() const { return _settings; }

private:
    ADSBTarget* createTarget(unsigned int icao);
    // The target of a reply's address, created if need be, unless the reply needed repair and
    // new targets must come from error-free replies (then null for an unknown address).
    ADSBTarget* targetOf(const ModeSMessage& msg);
    ADSBTarget* findTarget(unsigned int icao);
    const ADSBTarget* findConstTarget(unsigned int icao) const;
    unsigned int getNextTrackId();
    // Gives a target a track number, keeping the count of targets per number up to date.
    void assignTrackId(ADSBTarget& target, unsigned int trackId);
    // Removes a target from the table, the index and the track-number counts.
    std::map<unsigned int, ADSBTarget>::iterator eraseTarget(
        std::map<unsigned int, ADSBTarget>::iterator it);
    // Rebuilds the index and the counts from the table (after a copy).
    void rebuildIndex();

    const ADSBTarget* procDFMsg(const DFMessage* msg);
    const ADSBTarget* procDF0Msg(const DF0Message* msg);
    const ADSBTarget* procDF4Msg(const DF4Message* msg);
    const ADSBTarget* procDF5Msg(const DF5Message* msg);
    const ADSBTarget* procDF11Msg(const DF11Message* msg);
    const ADSBTarget* procDF16Msg(const DF16Message* msg);
    const ADSBTarget* procDF17Msg(const DF17Message* msg);
    const ADSBTarget* procDF20Msg(const DF20Message* msg);
    const ADSBTarget* procDF21Msg(const DF21Message* msg);

    // Shared by the formats that carry the same fields (DF0/16, DF4/20, DF5/21).
    template <typename Message>
    const ADSBTarget* procVerticalStatusReply(const Message* msg);
    template <typename Message>
    ADSBTarget* procFlightStatusReply(const Message* msg);
    template <typename Message>
    const ADSBTarget* procAltitudeReply(const Message* msg);
    template <typename Message>
    const ADSBTarget* procIdentityReply(const Message* msg);

    void procADSBIdentificationMsg(ADSBTarget* target,
                                   const ADSBIdentityMessage::Values& identification,
                                   unsigned long long time);
    // Identification, operational status, airborne positions and velocities, the bulk of all
    // squitters, are taken straight from the ME field's bytes `me` and their decoded values;
    // the version variants read what the target's transmitter version adds.
    void procADSBAirbornePositionMsg(ADSBTarget* target, const unsigned char* me, uint8_t typeCode,
                                     const ADSBAirbornePositionMessage::Values& position,
                                     unsigned long long time);
    void procADSBAirbornePositionMsgV0(ADSBTarget* target, const unsigned char* me,
                                       unsigned long long time);
    void procADSBAirbornePositionMsgV1(ADSBTarget* target, const unsigned char* me,
                                       unsigned long long time);
    void procADSBAirbornePositionMsgV2(ADSBTarget* target, const unsigned char* me,
                                       unsigned long long time);
    void procADSBAirborneVelocityMsg(ADSBTarget* target, const unsigned char* me,
                                     const ADSBAirborneVelocityMessage::Values& velocity,
                                     unsigned long long time);
    void procADSBAirborneVelocityMsgV0(ADSBTarget* target, const unsigned char* me,
                                       unsigned long long time);
    void procADSBAirborneVelocityMsgV1(ADSBTarget* target, const unsigned char* me,
                                       unsigned long long time);
    void procADSBAirborneVelocityMsgV2(ADSBTarget* target, const unsigned char* me,
                                       unsigned long long time);
    // Decodes and applies an identification, operational status, airborne position or
    // velocity (`type`) from a transmitter of a version that has a message class of that type;
    // false, the target untouched, when the ME field does not decode.
    bool procADSBValuesMsg(ADSBTarget* target, const unsigned char* me, ADSBMessageType type,
                           uint8_t typeCode, unsigned long long time);
    void procADSBAircraftOperationalStatusMsg(
        ADSBTarget* target, const ADSBAircraftOperationalStatusMessage::Values& status,
        unsigned long long time);
    void procADSBSurfacePositionMsg(ADSBTarget* target, const ADSBSurfacePositionMessage* msg);

    // Decides the position after a CPR report of the given kind and format (already in the
    // target's slots) under the settings, and sets it or logs and counts the refusal.
    void updatePosition(ADSBTarget* target, bool surface, bool odd, unsigned long long time);

    bool updateTargetAltituteBaro(ADSBTarget* target, int altitude, unsigned long long time);

    unsigned int _mopsV0ConfirmCount = 20;
    ADSBDecoder _decoder;
    std::map<unsigned int, ADSBTarget> _targets;
    // The same targets by address, for the look-up of every reply: the table's nodes never
    // move, so the index holds pointers to them.
    AddressMap<ADSBTarget*> _index;
    unsigned int _trackIdLowest = 1;
    unsigned int _trackIdHighest = 4095;
    unsigned int _nextTrackId = 1;
    // How many targets carry each number of the range (reports may give one number to
    // several), so that drawing a number needs no walk over the targets.
    std::vector<uint16_t> _trackIdUse;
    bool _altitudeCheck = false;
    unsigned int _altitudeCheckWindow = 4;
    unsigned int _altitudeCheckMaxJump = 150;
    ADSBTrackerSettings _settings;
    bool _positionChecks = false;  // any position measure on
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBTRACKER_H
