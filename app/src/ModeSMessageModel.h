#ifndef VELTMAR_MODESMESSAGEMODEL_H
#define VELTMAR_MODESMESSAGEMODEL_H

#include <memory>

#include <modes/ADSBMessage.h>
#include <modes/ModeSMessage.h>

#include "MessageListModel.h"

// One decoded Mode S reply of the message list, with the ADS-B message its ME field gave (for a
// valid DF17). The row owns both; their texts are built only when the row is shown.
struct ModeSRow {
    quint32 sequence = 0;
    std::unique_ptr<const brannic::modes::ModeSMessage> message;
    std::unique_ptr<const brannic::modes::ADSBMessage> adsb;
};

// The Mode-S message view: SEQUENCE, TIME STAMP, TYPE, BITS, DATA, CRC, ADDRESS, CONFIDENCE,
// MODE-S, ADS-B.
class ModeSMessageModel : public MessageListModel<ModeSRow> {
public:
    enum Column { SEQUENCE, TIME_STAMP, TYPE, BITS, DATA, CRC, ADDRESS, CONFIDENCE, MODE_S, ADS_B,
                  COLUMN_COUNT };

    explicit ModeSMessageModel(QObject* parent = nullptr);

    static QStringList headers();
    // The text of one cell of a reply's row.
    static QString cellText(const ModeSRow& row, int column);
    static Qt::Alignment cellAlignment(int column);

protected:
    QVariant cellData(const ModeSRow& row, int column, int role) const override;
};

#endif  // VELTMAR_MODESMESSAGEMODEL_H
