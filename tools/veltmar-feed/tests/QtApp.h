#ifndef VELTMAR_FEED_TESTS_QTAPP_H
#define VELTMAR_FEED_TESTS_QTAPP_H

// The application object Qt's sockets and timers need, made once for the test program.

#include <QCoreApplication>

namespace feedtest {

inline void ensureApp() {
    if (QCoreApplication::instance() != nullptr)
        return;
    static int argc = 1;
    static char name[] = "veltmar_feed_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

}  // namespace feedtest

#endif  // VELTMAR_FEED_TESTS_QTAPP_H
