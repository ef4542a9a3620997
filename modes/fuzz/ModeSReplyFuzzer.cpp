// Fuzz entry point: arbitrary bytes as a Mode S reply of either length, decoded and put
// through the one- and two-bit repair against a parity taken from the input.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <modes/ModeSMessage.h>

namespace {

template <uint8_t Bits>
class Reply : public brannic::modes::ModeSMessage {
public:
    Reply() : ModeSMessage(DOWNLINK) {}
    uint8_t bits() const override { return Bits; }
    std::vector<const brannic::modes::ModeSMessageField*> fields() const override { return {}; }

protected:
    bool decodeImpl() override { return calculateParity() != 0; }
};

template <typename R>
void exercise(const std::string& bytes, uint32_t parity) {
    R reply;
    reply.decode(bytes);
    reply.dataHexString();
    std::string copy = bytes;
    uint8_t a = 0, b = 0;
    if (reply.fixError1Bit(copy, a, parity) && a >= reply.bits())
        __builtin_trap();
    copy = bytes;
    if (reply.fixError2Bits(copy, a, b, parity) && (a >= b || b >= reply.bits()))
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    uint32_t parity = 0;
    for (size_t i = 0; i < size && i < 3; ++i)
        parity = parity << 8 | data[size - 1 - i];
    exercise<Reply<56>>(bytes, parity);
    exercise<Reply<112>>(bytes, parity);
    return 0;
}
