#ifndef MODES_TESTS_LOGCAPTURE_H
#define MODES_TESTS_LOGCAPTURE_H

// Captures the library log for the duration of a test, so that tests can assert which lines
// were written and how often. The show level is lowered to DEBUG while it is installed.

#include <algorithm>
#include <string>
#include <vector>

#include <modes/Log.h>
#include <modes/LogHandler.h>

namespace brannic {
namespace modes {

class LogCapture : public LogHandler {
public:
    explicit LogCapture(Log::Level level = Log::DEBUG) : _previousLevel(Log::showLevel()) {
        Log::setShowLevel(level);
        Log::setLogHandler(this);
    }
    ~LogCapture() {
        Log::setLogHandler(nullptr);
        Log::setShowLevel(_previousLevel);
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    void logMessage(const std::string& line) override { lines.push_back(line); }

    // Lines whose message (the text after "] ") is exactly `message`.
    int count(const std::string& message) const {
        return static_cast<int>(
            std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
                const auto end = l.find("] ", 10);
                return end != std::string::npos && l.substr(end + 2) == message;
            }));
    }
    // Lines containing `text` anywhere.
    int countContaining(const std::string& text) const {
        return static_cast<int>(
            std::count_if(lines.begin(), lines.end(),
                          [&](const std::string& l) { return l.find(text) != std::string::npos; }));
    }
    void clear() { lines.clear(); }

    std::vector<std::string> lines;

private:
    Log::Level _previousLevel;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_TESTS_LOGCAPTURE_H
