#include "AsterixBlockText.h"

#include <QCoreApplication>

#include <asterix/asterix.h>

AsterixBlockText::AsterixBlockText() : _decoded(std::make_unique<ast_datablock_t>()) {}

AsterixBlockText::~AsterixBlockText() = default;

QString AsterixBlockText::text(const QByteArray& block, unsigned cat21Version) {
    const auto* data = reinterpret_cast<const uint8_t*>(block.constData());
    const auto size = static_cast<uint64_t>(block.size());
    if (cat21Version == 26) {
        ast_datablock_decode_into(_decoded.get(), data, size, &AST_UAP_CAT021_VER026);
    } else if (cat21Version == 240) {
        ast_datablock_decode_into(_decoded.get(), data, size, &AST_UAP_CAT021_VER24);
    } else {
        ast_datablock_smart_decode_into(_decoded.get(), data, size);
    }
    if (!_decoded->ok) {
        return QCoreApplication::translate("MainWindow", "Failed to decode data");
    }
    QString out;
    char summary[256];
    for (uint64_t r = 0; r < _decoded->count; ++r) {
        const ast_datarecord_t& record = _decoded->records[r];
        out += QCoreApplication::translate("MainWindow", "Data record: %1").arg(r + 1);
        out += QLatin1Char('\n');
        for (uint64_t i = 0; i < record.count; ++i) {
            const ast_dataitem_t& item = record.items[i];
            summary[0] = '\0';
            ast_dataitem_get_summary(summary, sizeof summary, &item);
            out += QStringLiteral("  [%1][Size:%2] %3\n")
                       .arg(QString::fromLatin1(ast_dataitem_type_to_str(item.type)))
                       .arg(item.size, 2)
                       .arg(QString::fromLatin1(summary));
        }
        out += QLatin1Char('\n');
    }
    return out;
}
