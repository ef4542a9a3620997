#include <modes/DFMessage.h>

#include <array>

#include <modes/Log.h>
#include <modes/ModeSMessageFieldAA.h>
#include <modes/ModeSMessageFieldME.h>
#include <modes/ModeSMessageFieldPI.h>

#include "Bits.h"

namespace brannic {
namespace modes {

namespace {

const std::array<std::string, kDownlinkFormatCount>& formatNames() {
    static const std::array<std::string, kDownlinkFormatCount> names = [] {
        std::array<std::string, kDownlinkFormatCount> result;
        for (int df = 0; df < kDownlinkFormatCount; ++df)
            result[df] = "DF-" + std::to_string(df);
        return result;
    }();
    return names;
}

}  // namespace

DFMessage::DFMessage(DownlinkFormat downlinkFormat)
    : ModeSMessage(DOWNLINK), _downlinkFormat(downlinkFormat) {}

const std::string& DFMessage::downlinkFormatName() const {
    const auto index = static_cast<int32_t>(_downlinkFormat);
    return formatNames()[index >= 0 && index < kDownlinkFormatCount ? index : DF_24];
}

DownlinkFormat DFMessage::downlinkFormatByCode(uint8_t code) {
    return code < DF_24 ? static_cast<DownlinkFormat>(code) : DF_24;
}

std::string DFMessage::description() const {
    return "Mode-S " + downlinkFormatName() + " Message";
}

bool DFMessage::decodeImpl() {
    const std::string& reply = data();
    if (reply.size() < size())
        return false;
    if (downlinkFormatByCode(static_cast<uint8_t>(bits::field(reply, 0, 4))) != _downlinkFormat) {
        static const std::string source = "DFMessage";
        static const std::string message = "DF format mismatch.";
        Log::log(Log::INFO, source, message);
        return false;
    }
    return true;
}

bool DFMessage::decodeSquitter(ModeSMessageFieldAA& aa, ModeSMessageFieldME& me,
                               ModeSMessageFieldPI& pi, const std::string& source) {
    const std::string& reply = data();
    bool ok = aa.decode(reply, 8);
    ok &= me.decode(reply, 32);
    ok &= pi.decode(reply, 88);
    if (pi.setInterrogatorId(0) != calculatedParity()) {
        static const std::string message = "Parity check failed.";
        Log::log(Log::INFO, source, message);
        return false;
    }
    setIcaoAddress(aa.icaoAddress());
    return ok;
}

}  // namespace modes
}  // namespace brannic
