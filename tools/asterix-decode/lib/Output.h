#ifndef ASTERIX_DECODE_OUTPUT_H
#define ASTERIX_DECODE_OUTPUT_H

// Text written in large pieces: kept in memory and handed to a file descriptor when a block is
// complete and enough has gathered (or kept whole when there is no descriptor, for tests).

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>

namespace asterixdecode {

// The decimal digits of value into out (room for 20), without NUL; how many.
size_t formatNumber(char* out, unsigned long long value);

class Output {
public:
    // fd < 0: keep everything in memory (text()).
    explicit Output(int fd = -1);
    ~Output() { flush(); }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void append(const char* text, size_t size) {
        std::memcpy(room(size), text, size);
        _size += size;
    }
    void append(const char* text) { append(text, std::strlen(text)); }
    // A string literal, its length known at compile time.
    template <size_t N>
    void appendLiteral(const char (&text)[N]) {
        append(text, N - 1);
    }
    void append(const std::string& text) { append(text.data(), text.size()); }
    void append(char c) {
        *room(1) = c;
        ++_size;
    }
    // The digits of value, zero-padded to at least `width` of them.
    void appendNumber(unsigned long long value, unsigned width = 0) {
        if (value < 10 && width <= 1)
            append(static_cast<char>('0' + value));
        else
            appendNumberSlowly(value, width);
    }
    void printf(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Writing in place: room for `size` more characters at the end, which commit() then keeps.
    char* room(size_t size) {
        if (_capacity - _size < size)
            grow(size);
        return _data.get() + _size;
    }
    void commit(size_t size) { _size += size; }

    // A point to come back to: what is written after it can be taken back until the next flush.
    size_t mark() const { return _size; }
    void rollback(size_t mark) { _size = mark < _size ? mark : _size; }
    // Writes out what gathered once it is large, or always when forced.
    void flushIfLarge() {
        if (_size >= FLUSH_AT)
            flush();
    }
    void flush();
    std::string text() const { return std::string(_data.get(), _size); }

private:
    static constexpr size_t FLUSH_AT = 256 * 1024;
    void grow(size_t size);
    void appendNumberSlowly(unsigned long long value, unsigned width);

    int _fd;
    std::unique_ptr<char[]> _data;
    size_t _size = 0;
    size_t _capacity = 0;
};

}  // namespace asterixdecode

#endif  // ASTERIX_DECODE_OUTPUT_H
