// Fuzz entry point: arbitrary sequences of replies through the decoder and the tracker.
//
// The input is a series of records: one control byte, then 7 or 14 reply bytes. The control
// byte picks the reply length (bit 0), forces a confidence (bits 1-2, so that replies the
// decoder would grade too low still reach every handler of the tracker), advances the clock
// (bits 3-5) and, on bit 6, kills the targets not updated for a while.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include <modes/ADSBMessage.h>
#include <modes/ADSBTargetReport.h>
#include <modes/ADSBTracker.h>
#include <modes/Log.h>
#include <modes/ModeSDecoder.h>

using namespace brannic::modes;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Log::setShowLevel(Log::PANIC);  // keep the fuzzer's output readable
    ModeSDecoder decoder;
    ADSBTracker tracker;
    tracker.setAltituteBaroChecking(size % 2 == 0, 4, 150);
    uint64_t time = 1600000000000ull;
    size_t pos = 0;
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
