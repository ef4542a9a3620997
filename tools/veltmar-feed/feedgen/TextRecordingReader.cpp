#include "feedgen/TextRecordingReader.h"

namespace feedgen {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

void TextRecordingReader::endLine(std::vector<RecordedFrame>& out) {
    if (!_overlong) {
        size_t first = 0;
        size_t last = _line.size();
        while (first < last && isSpace(_line[first]))
            ++first;
        while (last > first && isSpace(_line[last - 1]))
            --last;
        if (last > first)
            readLine(_line.substr(first, last - first), out);
    }
    _line.clear();
    _overlong = false;
}

void TextRecordingReader::feed(const uint8_t* data, size_t size, std::vector<RecordedFrame>& out) {
    for (size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\n') {
            endLine(out);
        } else if (!_overlong) {
            _line.push_back(c);
            if (_line.size() > kMaxLine) {
                ++_errors;
                _overlong = true;
                _line.clear();
            }
        }
    }
}

void TextRecordingReader::finish(std::vector<RecordedFrame>& out) {
    endLine(out);
}

}  // namespace feedgen
