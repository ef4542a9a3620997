#include "feedgen/CsvRecordingReader.h"

namespace feedgen {

namespace {

constexpr size_t kMaxSecondDigits = 10;
constexpr int64_t kMaxSeconds = 9000000000;  // the year 2255; nanoseconds still fit 64 bits
constexpr size_t kMaxFractionDigits = 9;

// The fields of a line, each without surrounding spaces and double quotes.
std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (start <= line.size()) {
        size_t end = line.find(',', start);
        if (end == std::string::npos)
            end = line.size();
        size_t first = start;
        size_t last = end;
        while (first < last && (line[first] == ' ' || line[first] == '"'))
            ++first;
        while (last > first && (line[last - 1] == ' ' || line[last - 1] == '"'))
            --last;
        fields.push_back(line.substr(first, last - first));
        start = end + 1;
    }
    return fields;
}

// "1457996400" or "1457996400.25" as nanoseconds; false for anything else.
bool parseSeconds(const std::string& text, int64_t& ns) {
    const size_t dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    const std::string fraction = dot == std::string::npos ? std::string() : text.substr(dot + 1);
    if (whole.empty() || whole.size() > kMaxSecondDigits || fraction.size() > kMaxFractionDigits ||
        (dot != std::string::npos && fraction.empty()))
        return false;
    int64_t seconds = 0;
    for (char c : whole) {
        if (c < '0' || c > '9')
            return false;
        seconds = seconds * 10 + (c - '0');
    }
    if (seconds > kMaxSeconds)
        return false;
    int64_t nanos = 0;
    int64_t scale = 100000000;
    for (char c : fraction) {
        if (c < '0' || c > '9')
            return false;
        nanos += (c - '0') * scale;
        scale /= 10;
    }
    ns = seconds * 1000000000 + nanos;
    return true;
}

}  // namespace

void CsvRecordingReader::readLine(const std::string& line, std::vector<RecordedFrame>& out) {
    if (line.front() == '#')
        return;
    const bool first = _firstLine;
    _firstLine = false;
    const std::vector<std::string> fields = splitFields(line);
    RecordedFrame recorded;
    if (!parseSeconds(fields.front(), recorded.timeNs)) {
        if (!first)
            ++_errors;
        return;
    }
    recorded.timeBase = TimeBase::Epoch;
    for (size_t i = 1; i < fields.size(); ++i) {
        const Frame frame = Frame::fromHex(fields[i]);
        if (frame.size == Frame::kShortBytes || frame.size == Frame::kLongBytes) {
            recorded.frame = frame;
            out.push_back(recorded);
            return;
        }
    }
    ++_errors;
}

}  // namespace feedgen
