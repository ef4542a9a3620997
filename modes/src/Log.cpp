#include <modes/Log.h>

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <iostream>

#include <modes/LogHandler.h>

namespace brannic {
namespace modes {

namespace {

Log::Level _showLevel = Log::INFO;
LogHandler* _logHandler = nullptr;
std::size_t _sourceWidth = 10;
char _buffer[1024];

}  // namespace

void Log::setShowLevel(Level level) {
    _showLevel = level;
}

Log::Level Log::showLevel() {
    return _showLevel;
}

void Log::setLogHandler(LogHandler* handler) {
    _logHandler = handler;
}

const std::string& Log::levelTag(Level level) {
    static const std::array<std::string, 5> tags = {"[DEBUG   ]", "[INFO    ]", "[WARNING ]",
                                                    "[CRITICAL]", "[PANIC   ]"};
    static const std::string unknown = "[UNKNOWN ]";
    const auto index = static_cast<int32_t>(level);
    return index >= 0 && index < static_cast<int32_t>(tags.size()) ? tags[index] : unknown;
}

void Log::log(Level level, const std::string& source, const std::string& message) {
    if (level < _showLevel)
        return;
    _sourceWidth = std::max(_sourceWidth, source.size());

    std::string line;
    line.reserve(12 + _sourceWidth + message.size());
    line += levelTag(level);
    line += '[';
    line += source;
    line.append(_sourceWidth - source.size(), ' ');
    line += "] ";
    line += message;

    if (_logHandler != nullptr) {
        _logHandler->logMessage(line);
    } else {
        std::clog << line << std::endl;
    }
}

void Log::log(Level level, const std::string& source, const char* format, ...) {
    // A line below the shown level is dropped before its text is built.
    if (level < _showLevel)
        return;
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(_buffer, sizeof(_buffer), format, args);
    va_end(args);
    if (written < 0)
        _buffer[0] = '\0';
    log(level, source, std::string(_buffer));
}

}  // namespace modes
}  // namespace brannic
