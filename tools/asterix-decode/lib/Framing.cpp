#include "Framing.h"

#include <cstring>
#include <vector>

namespace asterixdecode {

namespace {

// The blocks that `data` holds complete; returns the octets used. At the end of the input
// (atEnd) what is left is reported as damaged; before it, an incomplete block waits for more.
// *stop is set when the rest cannot be read.
size_t frameBlocks(const uint8_t* data, size_t size, bool atEnd, size_t skip, Position at,
                   BlockHandler& handler, bool* stop) {
    size_t pos = 0;
    while (pos < size) {
        const size_t left = size - pos;
        Position here{at.frame, at.offset + pos + skip};
        if (left < skip + 3) {
            if (atEnd) {
                handler.damaged(Position{at.frame, at.offset + pos},
                                std::to_string(left) + " octets at the end are too few for a block");
                *stop = true;
            }
            return atEnd ? size : pos;
        }
        const uint8_t* block = data + pos + skip;
        const size_t length = static_cast<size_t>(block[1]) << 8 | block[2];
        if (length < 3) {
            handler.damaged(here, "LEN " + std::to_string(length) +
                                      " is below the 3 octets of the block header; the rest is "
                                      "not read");
            *stop = true;
            return size;
        }
        if (length > left - skip) {
            if (!atEnd)
                return pos;
            handler.damaged(here, "LEN " + std::to_string(length) + " runs past the end (" +
                                      std::to_string(left - skip) + " octets left)");
            *stop = true;
            return size;
        }
        handler.block(block, length, here);
        pos += skip + length;
    }
    return pos;
}

}  // namespace

std::string positionText(const Position& at) {
    std::string text;
    if (at.frame)
        text = "frame " + std::to_string(at.frame) + " ";
    return text + "offset " + std::to_string(at.offset);
}

void frameDatagram(const uint8_t* data, size_t size, size_t skip, uint64_t frame,
                   BlockHandler& handler) {
    bool stop = false;
    frameBlocks(data, size, true, skip, Position{frame, 0}, handler, &stop);
}

void frameStream(ByteSource& source, size_t skip, BlockHandler& handler) {
    constexpr size_t CHUNK = 64 * 1024;
    std::vector<uint8_t> buffer(4 * CHUNK + skip);
    size_t start = 0, end = 0;
    uint64_t offset = 0;  // stream offset of buffer[start]
    bool atEnd = false, stop = false;
    while (!stop) {
        if (!atEnd) {
            // Room for one more chunk behind what is held; a block (LEN < 65536) always fits.
            if (buffer.size() - end < CHUNK) {
                std::memmove(buffer.data(), buffer.data() + start, end - start);
                end -= start;
                start = 0;
            }
            const size_t n = source.read(buffer.data() + end, buffer.size() - end);
            atEnd = n == 0;
            end += n;
        }
        const size_t used = frameBlocks(buffer.data() + start, end - start, atEnd, skip,
                                        Position{0, offset}, handler, &stop);
        start += used;
        offset += used;
        if (atEnd)
            break;
    }
}

}  // namespace asterixdecode
