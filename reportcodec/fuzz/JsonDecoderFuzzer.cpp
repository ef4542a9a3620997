// Fuzz entry point: arbitrary bytes as a JSON document from an external tracker. Every report
// that comes out is also rendered as text and HTML, which formats whatever numbers the
// document carried.

#include <cstddef>
#include <cstdint>
#include <string>

#include <modes/Log.h>
#include <reportcodec/ADSBTargetReportJsonDecoder.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool quiet = [] {
        brannic::modes::Log::setShowLevel(brannic::modes::Log::PANIC);
        return true;
    }();
    (void)quiet;
    static const brannic::modes::ADSBTargetReportJsonDecoder decoder;
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const auto& report : decoder.decode(text)) {
        if (!report.valid()) {
            __builtin_trap();
        }
        report.positionString();
        report.icaoAddressString();
        report.squawkString();
        report.toHtml("td { color: black; }");
    }
    return 0;
}
