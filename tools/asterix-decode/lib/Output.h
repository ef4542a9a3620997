#ifndef ASTERIX_DECODE_OUTPUT_H
#define ASTERIX_DECODE_OUTPUT_H

// Text written in large pieces: kept in memory and handed to a file descriptor when a block is
// complete and enough has gathered (or kept whole when there is no descriptor, for tests).

#include <cstddef>
#include <string>

namespace asterixdecode {

class Output {
public:
    // fd < 0: keep everything in memory (text()).
    explicit Output(int fd = -1) : _fd(fd) { _text.reserve(fd >= 0 ? 2 * FLUSH_AT : 4096); }
    ~Output() { flush(); }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void append(const char* text, size_t size) { _text.append(text, size); }
    void append(const char* text);
    void append(const std::string& text) { _text.append(text); }
    void append(char c) { _text.push_back(c); }
    void appendNumber(unsigned long long value);
    void printf(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // A point to come back to: what is written after it can be taken back until the next flush.
    size_t mark() const { return _text.size(); }
    void rollback(size_t mark) { _text.resize(mark); }
    // Writes out what gathered once it is large, or always when forced.
    void flushIfLarge() {
        if (_text.size() >= FLUSH_AT)
            flush();
    }
    void flush();
    const std::string& text() const { return _text; }

private:
    static constexpr size_t FLUSH_AT = 256 * 1024;
    int _fd;
    std::string _text;
};

}  // namespace asterixdecode

#endif  // ASTERIX_DECODE_OUTPUT_H
