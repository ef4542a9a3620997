#ifndef ASTERIX_SRC_TEXT_H
#define ASTERIX_SRC_TEXT_H

// Bounded text writing into caller buffers, shared by every summary and detail view.

#include <cstdarg>
#include <cstddef>
#include <cstdint>

namespace ast {

// Appends to a caller buffer without ever passing its capacity; the text is NUL-terminated
// whenever the capacity is not 0.
class Text {
public:
    Text(char* buffer, size_t capacity) : _buffer(buffer), _capacity(buffer ? capacity : 0) {
        if (_capacity)
            _buffer[0] = '\0';
    }
    void append(const char* text) {
        if (!_capacity || !text)
            return;
        char* p = _buffer + _length;
        char* const last = _buffer + _capacity - 1;
        while (*text && p < last)
            *p++ = *text++;
        *p = '\0';
        _length = static_cast<size_t>(p - _buffer);
    }
    void append(const char* text, size_t length);
    void append(char c) { append(&c, 1); }
    // Numbers as printf writes them (see Digits.h), without its cost: "%0*lld", "%0*llX",
    // "%0*llo" and "%.*f".
    void appendDecimal(long long value, unsigned width = 0);
    void appendHex(unsigned long long value, unsigned width = 0);
    void appendOctal(unsigned long long value, unsigned width = 0);
    void appendFixed(double value, unsigned decimals);
    void printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void vprintf(const char* format, va_list args);
    // Drops the last `count` characters.
    void chop(size_t count);
    size_t length() const { return _length; }
    char* buffer() const { return _buffer; }
    char* remaining() const { return _capacity ? _buffer + _length : nullptr; }
    size_t remainingCapacity() const { return _capacity ? _capacity - _length : 0; }
    // Takes over what a nested writer wrote into remaining().
    void advanceOver();

private:
    template <typename Write>
    void appendNumber(Write write);

    char* _buffer;
    size_t _capacity;
    size_t _length = 0;
};

// "NOT_IMPLEMENTED": the summary of an item or subfield that has none.
char* writeNotImplemented(char* buffer, size_t capacity);

// The eight bits of an octet as "0" and "1", most significant first, NUL-terminated.
void binaryOctet(uint8_t octet, char* out);

}  // namespace ast

#endif  // ASTERIX_SRC_TEXT_H
