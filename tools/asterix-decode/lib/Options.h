#ifndef ASTERIX_DECODE_OPTIONS_H
#define ASTERIX_DECODE_OPTIONS_H

// The command line of asterix-decode.

#include <cstdint>
#include <string>
#include <vector>

#include "Decoder.h"

namespace asterixdecode {

struct RunOptions {
    DecodeOptions decode;
    std::vector<std::string> files;  // "-" is standard input; none and no UDP: standard input
    bool udp = false;
    std::string group;      // multicast group, empty for unicast
    uint16_t port = 0;
    std::string interface;  // name or address of the interface for the group
    uint64_t count = 0;     // datagrams to take, 0 for no limit
    double timeout = 0;     // seconds without a datagram that end the reception, 0 for none
    size_t skip = 0;        // octets in front of each block
    bool counts = true;     // counts at the end
};

enum class ParseResult { Run, Help, Error };

// On Error, *error says what is wrong with which argument.
ParseResult parseOptions(int argc, const char* const* argv, RunOptions* options,
                         std::string* error);
std::string usageText();

}  // namespace asterixdecode

#endif  // ASTERIX_DECODE_OPTIONS_H
