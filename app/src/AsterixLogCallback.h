#ifndef VELTMAR_ASTERIXLOGCALLBACK_H
#define VELTMAR_ASTERIXLOGCALLBACK_H

#include <functional>

#include <QString>

// The log callback registered with the ASTERIX library. Until a sink is set (the main window
// sets one once it exists) library lines are dropped; afterwards each is prefixed with the
// ten-character tag of its level and handed to the sink (the ASTERIX log pane).
namespace AsterixLogCallback {

using Sink = std::function<void(const QString&)>;

// "[DEBUG   ]text" … "[PANIC   ]text"; "[UNKNOWN ]text" for any other level.
QString format(int level, const QString& text);

// Registers callback() with the ASTERIX library.
void install();
void setSink(Sink sink);
void clearSink();

// The function the library calls: (level, NUL-terminated text).
void callback(int level, const char* message);

}  // namespace AsterixLogCallback

#endif  // VELTMAR_ASTERIXLOGCALLBACK_H
