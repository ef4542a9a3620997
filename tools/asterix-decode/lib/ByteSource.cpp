#include "ByteSource.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace asterixdecode {

size_t ByteSource::readFully(uint8_t* out, size_t size) {
    size_t done = 0;
    while (done < size) {
        const size_t n = read(out + done, size - done);
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

size_t FdSource::read(uint8_t* out, size_t capacity) {
    if (_pos == _end) {
        // Large reads go straight through; small ones refill the buffer.
        if (capacity >= sizeof _buffer)
            return fill(out, capacity);
        _pos = 0;
        _end = fill(_buffer, sizeof _buffer);
    }
    const size_t n = capacity < _end - _pos ? capacity : _end - _pos;
    std::memcpy(out, _buffer + _pos, n);
    _pos += n;
    return n;
}

size_t FdSource::fill(uint8_t* out, size_t capacity) {
    for (;;) {
        const ssize_t n = ::read(_fd, out, capacity);
        if (n >= 0)
            return static_cast<size_t>(n);
        if (errno != EINTR) {
            _failed = true;
            return 0;
        }
    }
}

size_t MemorySource::read(uint8_t* out, size_t capacity) {
    const size_t n = capacity < _size - _pos ? capacity : _size - _pos;
    if (n)
        std::memcpy(out, _data + _pos, n);
    _pos += n;
    return n;
}

size_t PrefixedSource::read(uint8_t* out, size_t capacity) {
    const size_t n = _prefix.read(out, capacity);
    return n ? n : _rest.read(out, capacity);
}

}  // namespace asterixdecode
