#ifndef AVISTORE_BUILD_MOCATALOGUE_H
#define AVISTORE_BUILD_MOCATALOGUE_H

// A GNU gettext message catalogue in its compiled (.mo) form: a header with a magic number
// (0x950412DE in the file's byte order), a revision, the string count N and the offsets of two
// tables of N (length, offset) pairs, one for the original strings, sorted, and one for their
// translations. Strings are NUL-terminated; a plural entry holds its forms separated by NUL.

#include <QByteArray>
#include <QHash>
#include <QString>

namespace avistorebuild {

// Reads the catalogue into msgid → msgstr (UTF-8 decoded; the first form of a plural entry;
// the header entry with the empty msgid is left out). False, with a message, when the data
// is not a catalogue or a table points outside it.
bool parseMo(const QByteArray& data, QHash<QString, QString>* translations, QString* error);

}  // namespace avistorebuild

#endif  // AVISTORE_BUILD_MOCATALOGUE_H
