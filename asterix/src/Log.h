#ifndef ASTERIX_SRC_LOG_H
#define ASTERIX_SRC_LOG_H

// The library log: one process-wide handler registered by the host (ast_log_handler_reg).

#include <cstdint>

#include <asterix/asterix.h>

namespace ast {

// Formats into a 512-octet buffer and hands the line to the registered handler; formats
// nothing when no handler is registered.
ASTERIX_EXPORT void log(int level, const char* format, ...) __attribute__((format(printf, 2, 3)));
bool logEnabled();
// "Binary data size: %d", then the first `limit` octets as "0x%.2X, ", 16 a line, and, when the
// data is longer, "%llu further octets left out.", all at DEBUG.
void logDump(const uint8_t* data, uint64_t size, uint64_t limit);

}  // namespace ast

#endif  // ASTERIX_SRC_LOG_H
