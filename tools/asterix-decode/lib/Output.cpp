#include "Output.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace asterixdecode {

void Output::append(const char* text) {
    _text.append(text, std::strlen(text));
}

void Output::appendNumber(unsigned long long value) {
    char digits[24];
    char* end = digits + sizeof digits;
    char* p = end;
    do {
        *--p = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value);
    _text.append(p, static_cast<size_t>(end - p));
}

void Output::printf(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n > 0)
        _text.append(buffer, static_cast<size_t>(n) < sizeof buffer ? static_cast<size_t>(n)
                                                                       : sizeof buffer - 1);
}

void Output::flush() {
    if (_fd < 0 || _text.empty())
        return;
    const char* p = _text.data();
    size_t left = _text.size();
    while (left) {
        const ssize_t n = ::write(_fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;  // a closed pipe: what is left is dropped
        p += n;
        left -= static_cast<size_t>(n);
    }
    _text.clear();
}

}  // namespace asterixdecode
