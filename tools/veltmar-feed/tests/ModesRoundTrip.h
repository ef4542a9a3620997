#ifndef VELTMAR_FEED_TESTS_MODESROUNDTRIP_H
#define VELTMAR_FEED_TESTS_MODESROUNDTRIP_H

// Round trips through the modes library: the generator's frames decoded by the decoder the
// program uses, with the library's log kept quiet (it logs every refusal).

#include <memory>
#include <string>

#include <modes/ADSBDecoder.h>
#include <modes/ADSBMessage.h>
#include <modes/Log.h>
#include <modes/LogHandler.h>
#include <modes/ModeSDecoder.h>
#include <modes/ModeSMessage.h>

#include "feedgen/Frame.h"

namespace feedtest {

namespace modes = brannic::modes;

inline void quietModesLog() {
    struct Quiet : modes::LogHandler {
        void logMessage(const std::string&) override {}
    };
    static Quiet quiet;
    static const bool installed = [] {
        modes::Log::setLogHandler(&quiet);
        return true;
    }();
    (void)installed;
}

// The decoder's message for a frame, or null.
inline std::unique_ptr<modes::ModeSMessage> decodeReply(modes::ModeSDecoder& decoder,
                                                        const feedgen::Frame& frame,
                                                        uint64_t timeMs = 0) {
    quietModesLog();
    return std::unique_ptr<modes::ModeSMessage>(
        decoder.decode(modes::ModeSMessage::DOWNLINK, frame.toString(), timeMs));
}

template <typename Message>
const Message* as(const std::unique_ptr<modes::ModeSMessage>& message) {
    return dynamic_cast<const Message*>(message.get());
}

// The ADS-B message of a DF17 frame's ME field (bytes 4 to 10), decoded for a version.
inline std::unique_ptr<modes::ADSBMessage> decodeME(const feedgen::Frame& frame,
                                                    modes::MOPSVersion version = modes::MOPS_V2) {
    quietModesLog();
    static const modes::ADSBDecoder decoder;
    const std::string me(reinterpret_cast<const char*>(frame.data()) + 4, 7);
    return std::unique_ptr<modes::ADSBMessage>(decoder.decode(version, me));
}

template <typename Message>
const Message* asADSB(const std::unique_ptr<modes::ADSBMessage>& message) {
    return dynamic_cast<const Message*>(message.get());
}

}  // namespace feedtest

#endif  // VELTMAR_FEED_TESTS_MODESROUNDTRIP_H
