#ifndef VELTMAR_ASTERIXMESSAGEMODEL_H
#define VELTMAR_ASTERIXMESSAGEMODEL_H

#include <QByteArray>

#include "MessageListModel.h"

// One ASTERIX data block sent by the program.
struct AsterixRow {
    quint64 sequence = 0;
    quint64 timeStamp = 0;  // ms since the epoch, UTC
    int category = 0;
    QByteArray bytes;
};

// The ASTERIX message view: SEQUENCE, TIME STAMP, CATEGORY, BYTES, DATA.
class AsterixMessageModel : public MessageListModel<AsterixRow> {
public:
    enum Column { SEQUENCE, TIME_STAMP, CATEGORY, BYTES, DATA, COLUMN_COUNT };

    explicit AsterixMessageModel(QObject* parent = nullptr);

    static QStringList headers();
    static QString cellText(const AsterixRow& row, int column);

protected:
    QVariant cellData(const AsterixRow& row, int column, int role) const override;
};

#endif  // VELTMAR_ASTERIXMESSAGEMODEL_H
