#ifndef MODES_LOGHANDLER_H
#define MODES_LOGHANDLER_H

#include <string>

#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Receives every finished line of the library log once installed with Log::setLogHandler().
// The library never deletes a handler; keep it alive while it is installed.
class MODES_EXPORT LogHandler {
public:
    // `line` is the complete text: level tag, padded source and message, without end of line.
    virtual void logMessage(const std::string& line) = 0;

protected:
    LogHandler() = default;
    LogHandler(const LogHandler&) = default;
    LogHandler& operator=(const LogHandler&) = default;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_LOGHANDLER_H
