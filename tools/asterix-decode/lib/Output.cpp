#include "Output.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <unistd.h>

namespace asterixdecode {

Output::Output(int fd) : _fd(fd) {
    grow(fd >= 0 ? 2 * FLUSH_AT : 4096);
}

void Output::grow(size_t size) {
    size_t capacity = _capacity ? _capacity : 4096;
    while (capacity - _size < size)
        capacity *= 2;
    std::unique_ptr<char[]> data(new char[capacity]);
    if (_size)
        std::memcpy(data.get(), _data.get(), _size);
    _data = std::move(data);
    _capacity = capacity;
}

size_t formatNumber(char* out, unsigned long long value) {
    char digits[24];
    char* end = digits + sizeof digits;
    char* p = end;
    do {
        *--p = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value);
    const size_t length = static_cast<size_t>(end - p);
    std::memcpy(out, p, length);
    return length;
}

void Output::appendNumberSlowly(unsigned long long value, unsigned width) {
    unsigned count = 1;
    for (unsigned long long rest = value; rest >= 10; rest /= 10)
        ++count;
    const size_t length = count > width ? count : width;
    // Written in place, backwards from the last digit, the zeros of the width in front.
    char* const out = room(length);
    char* p = out + length;
    do {
        *--p = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value);
    while (p > out)
        *--p = '0';
    commit(length);
}

void Output::printf(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n > 0)
        append(buffer, static_cast<size_t>(n) < sizeof buffer ? static_cast<size_t>(n)
                                                              : sizeof buffer - 1);
}

void Output::flush() {
    if (_fd < 0 || _size == 0)
        return;
    const char* p = _data.get();
    size_t left = _size;
    while (left) {
        const ssize_t n = ::write(_fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;  // a closed pipe: what is left is dropped
        p += n;
        left -= static_cast<size_t>(n);
    }
    _size = 0;
}

}  // namespace asterixdecode
