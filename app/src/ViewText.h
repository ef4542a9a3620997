#ifndef VELTMAR_VIEWTEXT_H
#define VELTMAR_VIEWTEXT_H

#include <QString>

// Text forms shared by the views.
namespace ViewText {

// A time stamp (ms since 1970-01-01 UTC) as UTC "yyyy-MM-dd HH:mm:ss".
QString utcTime(quint64 msSinceEpoch);

// Bytes as upper-case hexadecimal without separators.
QString hex(const QByteArray& bytes);

}  // namespace ViewText

#endif  // VELTMAR_VIEWTEXT_H
