#ifndef MODES_LOG_H
#define MODES_LOG_H

#include <cstdint>
#include <string>

#include <modes/modes_export.h>

namespace brannic {
namespace modes {

class LogHandler;

// The process-wide log of the modes library and of the libraries built on it.
//
// A line reads "<tag>[<source padded>] <message>", for example
//   "[INFO    ][ModeSDecoder] Initialized."
// where the tag is always ten characters and the source is padded on the right to the
// longest source name seen so far. Lines below the show level are dropped. Without a handler
// lines go to std::clog, one per line.
//
// Not thread-safe: the show level, the source width, the handler and the formatting buffer
// are shared state meant for one logging thread.
class MODES_EXPORT Log {
public:
    enum Level : int32_t { DEBUG = 0, INFO = 1, WARNING = 2, CRITICAL = 3, PANIC = 4 };

    // Lines below `level` are dropped. INFO at start.
    static void setShowLevel(Level level);
    static Level showLevel();

    // Installs `handler` (not owned); nullptr restores std::clog.
    static void setLogHandler(LogHandler* handler);

    static void log(Level level, const std::string& source, const std::string& message);

    // printf-style. The text is cut to 1023 characters. Formatting always happens, even when
    // the line is then dropped by the show level.
    static void log(Level level, const std::string& source, const char* format, ...)
        __attribute__((format(printf, 3, 4)));

    // The ten-character tag of a level, "[UNKNOWN ]" for a value outside the enumeration.
    static const std::string& levelTag(Level level);

private:
    Log() = delete;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_LOG_H
