#ifndef VELTMAR_FUZZ_FUZZINPUT_H
#define VELTMAR_FUZZ_FUZZINPUT_H

// What the framer fuzz targets share: reading a fuzz input as a stream of choices, cutting a
// byte stream into chunks where those choices say, and stopping loudly on a broken promise.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <QByteArray>
#include <QList>

namespace fuzzinput {

// Hands out the input's bytes one at a time; zeros once they are used up.
class Choices {
public:
    Choices(const uint8_t* data, size_t size) : _data(data), _size(size) {}
    uint8_t next() { return _pos < _size ? _data[_pos++] : 0; }
    bool empty() const { return _pos >= _size; }
    // A value in [0, n).
    int below(int n) { return n <= 1 ? 0 : next() % n; }

private:
    const uint8_t* _data;
    size_t _size;
    size_t _pos = 0;
};

// The stream in pieces of 1 to 64 bytes, the sizes taken from `choices`.
inline QList<QByteArray> cut(const QByteArray& stream, Choices& choices) {
    QList<QByteArray> pieces;
    for (int pos = 0; pos < stream.size();) {
        const int size = 1 + choices.below(64);
        pieces << stream.mid(pos, size);
        pos += size;
    }
    return pieces;
}

[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void check(bool condition, const char* what) {
    if (!condition)
        fail(what);
}

}  // namespace fuzzinput

#endif  // VELTMAR_FUZZ_FUZZINPUT_H
