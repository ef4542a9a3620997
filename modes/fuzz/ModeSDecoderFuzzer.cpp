// Fuzz entry point: up to 20 arbitrary bytes, any first byte, handed to the Mode S decoder as
// a downlink and as an uplink reply, with and without a time stamp, through both the byte
// string and the pointer overloads. Every message returned is described, its fields listed
// and described, and deleted. A decoder that lives across inputs lets the address and
// interrogator tables grow as they would on a long run.

#include <cstddef>
#include <cstdint>
#include <string>

#include <modes/Log.h>
#include <modes/LogHandler.h>
#include <modes/ModeSDecoder.h>
#include <modes/ModeSMessageField.h>

namespace {

using brannic::modes::Log;
using brannic::modes::LogHandler;
using brannic::modes::ModeSDecoder;
using brannic::modes::ModeSMessage;

class Discard : public LogHandler {
public:
    void logMessage(const std::string& line) override {
        if (line.size() < 12)
            __builtin_trap();  // every line has its tag and source
    }
};

void inspect(ModeSMessage* message) {
    if (message == nullptr)
        return;
    if (!message->valid())
        __builtin_trap();  // only decoded messages come back
    std::string text = message->description() + message->dataHexString() +
                       message->icaoAddressHexString() + message->calculatedParityHexString();
    for (const auto* field : message->fields()) {
        text += field->description();
        text += field->name();
        text += field->fullName();
    }
    (void)text;
    delete message;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Discard discard;
    static bool initialized = false;
    if (!initialized) {
        Log::setLogHandler(&discard);
        Log::setShowLevel(Log::DEBUG);
        initialized = true;
    }
    static ModeSDecoder longLived;

    if (size > 20)
        size = 20;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const uint64_t stamp = size > 0 ? uint64_t{data[size - 1]} * 1000 : 0;

    inspect(longLived.decode(ModeSMessage::DOWNLINK, bytes));
    inspect(longLived.decode(ModeSMessage::DOWNLINK, data, size, stamp));
    inspect(longLived.decode(ModeSMessage::UPLINK, bytes));

    ModeSDecoder fresh;
    inspect(fresh.decode(ModeSMessage::DOWNLINK, bytes, stamp));
    inspect(fresh.decode(ModeSMessage::UPLINK, data, size));
    return 0;
}
