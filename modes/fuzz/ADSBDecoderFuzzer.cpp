// Fuzz entry point: the first input byte picks the transmitter version (0 to 3, or a value
// outside the enumeration), the rest is the ME field (any length; only 0 to 10 bytes are
// interesting). Every message that decodes is described and listed, and a copy is decoded
// again.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include <modes/ADSBDecoder.h>
#include <modes/Log.h>

namespace {

const brannic::modes::ADSBDecoder& decoder() {
    // Keep the log quiet: formatting still runs, the lines are dropped.
    brannic::modes::Log::setShowLevel(brannic::modes::Log::PANIC);
    static const brannic::modes::ADSBDecoder instance;
    return instance;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace brannic::modes;
    if (size == 0)
        return 0;
    static const MOPSVersion kVersions[] = {MOPS_V0, MOPS_V1, MOPS_V2, MOPS_UNKNOWN,
                                            static_cast<MOPSVersion>(-7)};
    const MOPSVersion version = kVersions[data[0] % 5];
    const std::string me(reinterpret_cast<const char*>(data + 1), size > 11 ? 10 : size - 1);

    std::unique_ptr<ADSBMessage> message(decoder().decode(version, me));
    if (!message)
        return 0;
    if (!message->valid() || message->data() != me.substr(0, 7))
        __builtin_trap();
    message->description();
    message->dataHexString();
    uint8_t previous = 0;
    for (const auto& field : message->fields()) {
        if (field.pos() < previous || field.pos() + field.bits() > 56)
            __builtin_trap();
        previous = field.pos();
        field.name();
        field.fullName();
        field.description();
    }
    // A copy decodes the same bytes again (and lists its fields twice).
    std::unique_ptr<ADSBMessage> copy(decoder().decode(version, message->data()));
    if (!copy || copy->description() != message->description())
        __builtin_trap();
    return 0;
}
