#ifndef AVISTORE_BUILD_GZIP_H
#define AVISTORE_BUILD_GZIP_H

#include <QByteArray>
#include <QString>

namespace avistorebuild {

// True when the bytes start with the gzip magic number (RFC 1952: 1F 8B).
bool isGzip(const QByteArray& data);

// Decompresses a gzip file (every member, as gunzip does). False, with a message, on a
// damaged or truncated stream.
bool gunzip(const QByteArray& data, QByteArray* out, QString* error);

}  // namespace avistorebuild

#endif  // AVISTORE_BUILD_GZIP_H
