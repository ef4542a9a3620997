#ifndef ASTERIX_DECODE_FRAMING_H
#define ASTERIX_DECODE_FRAMING_H

// Cutting data blocks out of datagrams and streams: CAT, two octets of LEN (the whole block),
// records; optionally behind a fixed prefix of a recorder's own per block.

#include <cstddef>
#include <cstdint>
#include <string>

#include "ByteSource.h"

namespace asterixdecode {

// Where a block starts: a frame of a capture or a received datagram (1-based), or 0 for a
// stream, and the offset of its CAT octet within that frame's payload or the stream.
struct Position {
    uint64_t frame = 0;
    uint64_t offset = 0;
};
// "offset 12" or "frame 3 offset 12".
std::string positionText(const Position& at);

class BlockHandler {
public:
    virtual ~BlockHandler() = default;
    // One block of exactly LEN octets.
    virtual void block(const uint8_t* data, size_t size, const Position& at) = 0;
    // Octets that are no block: the rest of the datagram or stream is not read.
    virtual void damaged(const Position& at, const std::string& why) = 0;
};

// Every block of one datagram (or of a whole file in memory). A LEN below 3 or past the end of
// the datagram ends it, since the next block cannot be found.
void frameDatagram(const uint8_t* data, size_t size, size_t skip, uint64_t frame,
                   BlockHandler& handler);

// Every block of a stream, read in chunks, at most one block and its prefix held at a time.
void frameStream(ByteSource& source, size_t skip, BlockHandler& handler);

}  // namespace asterixdecode

#endif  // ASTERIX_DECODE_FRAMING_H
