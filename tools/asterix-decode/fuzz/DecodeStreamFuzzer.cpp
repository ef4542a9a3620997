// libFuzzer entry point: the whole decoding path of asterix-decode over one input (a stream of
// blocks or a pcap capture), with the output format, the prefix to skip, the profile choice
// and inspection taken from the first octet.

#include <cstddef>
#include <cstdint>

#include <asterix/asterix.h>

#include "Run.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const uint8_t mode = data[0];
    asterixdecode::DecodeOptions options;
    options.format = static_cast<asterixdecode::Format>(mode % 3);
    options.inspect = (mode & 0x04) != 0;
    if (mode & 0x08)
        options.uaps[21] = &AST_UAP_CAT021_VER24;
    if (mode & 0x10)
        options.filters.emplace_back(AST_KEYWORD_CALLSIGN, "A");
    for (uint32_t k = 0; k < AST_KEYWORD_COUNT; ++k)
        options.keywords.push_back(k);
    const size_t skip = (mode & 0x20) ? 6 : 0;
    asterixdecode::Output out, err;
    asterixdecode::Decoder decoder(options, out, err);
    asterixdecode::MemorySource source(data + 1, size - 1);
    asterixdecode::decodeInput(source, "fuzz", skip, decoder, err);
    decoder.writeCounts();
    return 0;
}
