#include "AsterixLogCallback.h"

#include <asterix/asterix.h>

namespace {
AsterixLogCallback::Sink& sink() {
    static AsterixLogCallback::Sink s;
    return s;
}
}  // namespace

QString AsterixLogCallback::format(int level, const QString& text) {
    static const char* const patterns[] = {"[DEBUG   ]%1", "[INFO    ]%1", "[WARNING ]%1",
                                           "[CRITICAL]%1", "[PANIC   ]%1"};
    const char* pattern = (level >= 0 && level < 5) ? patterns[level] : "[UNKNOWN ]%1";
    return QString::fromLatin1(pattern).arg(text);
}

void AsterixLogCallback::install() {
    ast_log_handler_reg(&AsterixLogCallback::callback);
}

void AsterixLogCallback::setSink(Sink s) {
    sink() = std::move(s);
}

void AsterixLogCallback::clearSink() {
    sink() = nullptr;
}

void AsterixLogCallback::callback(int level, const char* message) {
    if (!sink()) {
        return;
    }
    sink()(format(level, QString::fromUtf8(message ? message : "")));
}
