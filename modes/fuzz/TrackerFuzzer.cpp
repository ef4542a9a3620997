// Fuzz entry point: arbitrary sequences of replies through the decoder and the tracker.
//
// The input starts with one byte choosing the settings: local decoding (bit 0), a receiver
// position (bit 1), a maximum range (bit 2), speed limits (bit 3), new targets only from
// error-free replies (bit 4) and the decoder's repair setting (bits 5-6). Then a series of
// records: one control byte, then 7 or 14 reply bytes. The control byte picks the reply
// length (bit 0), forces a confidence (bits 1-2, so that replies the decoder would grade too
// low still reach every handler of the tracker), advances the clock (bits 3-5) and, on bit 6,
// kills the targets not updated for a while.
//
// Every position a target shows must lie on the globe, and within the maximum range when one
// is set.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include <modes/ADSBMessage.h>
#include <modes/ADSBTargetReport.h>
#include <modes/ADSBTracker.h>
#include <modes/Log.h>
#include <modes/ModeSDecoder.h>

#include "CPR.h"

using namespace brannic::modes;

namespace {

void checkPosition(const ADSBTarget& target, const ADSBTrackerSettings& settings) {
    if (!target.positionValid())
        return;
    const double lat = target.latitude();
    const double lon = target.longitude();
    if (!(std::fabs(lat) <= 90.0) || !(std::fabs(lon) <= 180.0))
        __builtin_trap();
    if (settings.maximumRange > 0 && settings.receiverPositionSet &&
        cpr::distanceNM(settings.receiverPosition, {lat, lon}) > settings.maximumRange + 1e-6)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Log::setShowLevel(Log::PANIC);  // keep the fuzzer's output readable
    ModeSDecoder decoder;
    ADSBTracker tracker;
    tracker.setAltituteBaroChecking(size % 2 == 0, 4, 150);
    size_t pos = 0;
    if (size > 0) {
        const uint8_t choice = data[pos++];
        ADSBTrackerSettings settings;
        settings.localDecoding = choice & 1;
        settings.receiverPositionSet = choice & 2;
        settings.receiverPosition = {51.5, 5.5};
        settings.maximumRange = (choice & 4) ? 180 : 0;
        settings.airborneSpeedLimit = (choice & 8) ? 1000 : 0;
        settings.surfaceSpeedLimit = (choice & 8) ? 80 : 0;
        settings.newTargetsOnlyFromErrorFreeReplies = choice & 16;
        if (!tracker.setSettings(settings))
            __builtin_trap();
        decoder.setErrorRepair(static_cast<ModeSDecoder::ErrorRepair>((choice >> 5) & 3));
    }
    uint64_t time = 1600000000000ull;
    while (pos < size) {
        const uint8_t control = data[pos++];
        const size_t length = (control & 1) ? 14 : 7;
        const size_t take = std::min(length, size - pos);
        const std::string reply(reinterpret_cast<const char*>(data + pos), take);
        pos += take;
        time += uint64_t((control >> 3) & 7) * 997;

        std::unique_ptr<ModeSMessage> msg(decoder.decode(ModeSMessage::DOWNLINK, reply, time));
        if (msg) {
            msg->setConfidence(static_cast<ModeSMessage::Confidence>((control >> 1) & 3));
            if (const ADSBTarget* target = tracker.procModeSMsg(msg.get())) {
                checkPosition(*target, tracker.settings());
                target->report();
                if (reply.size() == 14) {
                    std::unique_ptr<ADSBMessage> adsb(
                        tracker.decodeADSBMsg(target->icaoAddr(), reply.substr(4, 7)));
                }
            }
        }
        if (control & 0x40)
            tracker.killTargets(time - 5000);
    }
    tracker.allTargetsSince(time - 10000, time);
    tracker.killTargets(time);
    return 0;
}
