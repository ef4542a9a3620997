// libFuzzer entry point: a capture file, frame by frame, and the UDP payload of each frame.

#include <cstddef>
#include <cstdint>
#include <string>

#include "Pcap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    asterixdecode::MemorySource source(data, size);
    asterixdecode::PcapReader reader(source);
    std::string error;
    if (!reader.open(&error))
        return 0;
    asterixdecode::PcapFrame frame;
    size_t octets = 0;
    while (reader.next(&frame, &error)) {
        asterixdecode::UdpPayload payload;
        std::string why;
        if (asterixdecode::udpPayload(frame.data.data(), frame.data.size(), reader.linkType(),
                                      &payload, &why) == asterixdecode::UdpResult::Payload) {
            // The payload must lie within the frame.
            if (payload.data < frame.data.data() ||
                payload.data + payload.size > frame.data.data() + frame.data.size())
                __builtin_trap();
            for (size_t i = 0; i < payload.size; ++i)
                octets += payload.data[i];
        }
    }
    return octets == 1 ? 0 : 0;
}
