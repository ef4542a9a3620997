#include "Gzip.h"

#include <zlib.h>

namespace avistorebuild {

bool isGzip(const QByteArray& data) {
    return data.startsWith("\x1F\x8B");
}

bool gunzip(const QByteArray& data, QByteArray* out, QString* error) {
    out->clear();
    z_stream stream{};
    // 16 + MAX_WBITS: expect the gzip wrapper and check its CRC-32 and length.
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
        *error = QStringLiteral("zlib initialisation failed");
        return false;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = uInt(data.size());
    char buffer[65536];
    int result = Z_OK;
    while (true) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        result = inflate(&stream, Z_NO_FLUSH);
        out->append(buffer, int(sizeof buffer - stream.avail_out));
        if (result == Z_STREAM_END) {
            // Concatenated members form one file.
            if (stream.avail_in == 0)
                break;
            if (inflateReset(&stream) != Z_OK)
                break;
            continue;
        }
        if (result != Z_OK)
            break;
        if (stream.avail_in == 0 && stream.avail_out != 0) {
            result = Z_BUF_ERROR;  // input ended inside a member
            break;
        }
    }
    inflateEnd(&stream);
    if (result != Z_STREAM_END) {
        *error = QStringLiteral("damaged or truncated gzip data");
        out->clear();
        return false;
    }
    return true;
}

}  // namespace avistorebuild
