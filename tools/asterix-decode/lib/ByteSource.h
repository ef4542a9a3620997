#ifndef ASTERIX_DECODE_BYTESOURCE_H
#define ASTERIX_DECODE_BYTESOURCE_H

// Where the octets of a file, a pipe or a test come from, read in chunks.

#include <cstddef>
#include <cstdint>

namespace asterixdecode {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Up to `capacity` octets into `out`; 0 at the end of the input or on a read error.
    virtual size_t read(uint8_t* out, size_t capacity) = 0;
    // Reads until `size` octets are in or the input ends; the count read.
    size_t readFully(uint8_t* out, size_t size);
};

// A file descriptor (a file, standard input, a pipe), read through a buffer of its own so that
// the small reads of a capture's frame headers cost no system call each; the descriptor is not
// closed.
class FdSource : public ByteSource {
public:
    explicit FdSource(int fd) : _fd(fd) {}
    size_t read(uint8_t* out, size_t capacity) override;
    bool failed() const { return _failed; }

private:
    size_t fill(uint8_t* out, size_t capacity);
    int _fd;
    bool _failed = false;
    uint8_t _buffer[64 * 1024];
    size_t _pos = 0, _end = 0;
};

// Octets in memory, not owned.
class MemorySource : public ByteSource {
public:
    MemorySource(const uint8_t* data, size_t size) : _data(data), _size(size) {}
    size_t read(uint8_t* out, size_t capacity) override;

private:
    const uint8_t* _data;
    size_t _size;
    size_t _pos = 0;
};

// Octets already read (such as a sniffed file header) in front of the rest of a source.
class PrefixedSource : public ByteSource {
public:
    PrefixedSource(const uint8_t* prefix, size_t size, ByteSource& rest)
        : _prefix(prefix, size), _rest(rest) {}
    size_t read(uint8_t* out, size_t capacity) override;

private:
    MemorySource _prefix;
    ByteSource& _rest;
};

}  // namespace asterixdecode

#endif  // ASTERIX_DECODE_BYTESOURCE_H
