#ifndef VELTMAR_ASTERIXBLOCKTEXT_H
#define VELTMAR_ASTERIXBLOCKTEXT_H

#include <QByteArray>
#include <QString>

#include <memory>

struct ast_datablock;

// The decoded text of an ASTERIX data block for the ASTERIX view: each record numbered from 1,
// each item with its type, size and summary. CAT021 blocks are read with the edition the
// program sends (26: edition 0.26, 240: edition 2.4); any other value lets the library pick
// the profile. A block that does not decode gives "Failed to decode data".
class AsterixBlockText {
public:
    AsterixBlockText();
    ~AsterixBlockText();
    AsterixBlockText(const AsterixBlockText&) = delete;
    AsterixBlockText& operator=(const AsterixBlockText&) = delete;

    QString text(const QByteArray& block, unsigned cat21Version);

private:
    // The library's block result is large (64 records of 32 items): kept, not rebuilt.
    std::unique_ptr<ast_datablock> _decoded;
};

#endif  // VELTMAR_ASTERIXBLOCKTEXT_H
