// Any file handed to "Open Recording..." — our recordings, Beast dumps, AVR text, CSV of frames
// with times, or anything else — is read to its end without crashing or hanging, and every
// reply it gives is a 2, 7 or 14-byte Mode S or Mode A/C reply.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

#include "FuzzInput.h"
#include "RecordingReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("recording"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    RecordingReader reader;
    if (!reader.open(path))
        return 0;
    RecordedReply reply;
    size_t replies = 0;
    while (reader.next(reply)) {
        const int n = reply.reply.size();
        fuzzinput::check(n == 2 || n == 7 || n == 14, "reply length");
        // A 2-byte reply is the shortest frame any format can carry.
        fuzzinput::check(++replies <= size / 2 + 1, "more replies than the file can hold");
    }
    return 0;
}
