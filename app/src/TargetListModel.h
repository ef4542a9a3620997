#ifndef VELTMAR_TARGETLISTMODEL_H
#define VELTMAR_TARGETLISTMODEL_H

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QIcon>
#include <QMap>
#include <QString>

#include <array>
#include <functional>
#include <vector>

#include <modes/ADSBTarget.h>

#include "TargetEnrichment.h"

// The target list: one row per tracked aircraft, refreshed once a second from copies of the
// tracker's targets. A cell's text changes only when its value is valid and was updated (or,
// for some columns, changed) since the previous refresh, so that a value that drops out keeps
// showing what was last known. Recently updated values are shaded yellow, a new row's address
// green, and a target silent for too long gets a red LAST UPDATE.
//
// Rows are appended for new targets and removed only by removeTargets(), for targets the
// tracker deleted; refresh() never deletes rows.
class TargetListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        TID, COUNTRY, ADDRESS, REG, AC_TYPE, OPERATOR, CALLSIGN, SQUAWK, POSITION, ALTITUDE,
        SPEED, HEADING, V_RATE, AIR_GND, SPI, ALERT, EC, CA, MOPS, NUCP, NIC, PIC, NUCR,
        LAST_UPDATE, SIGNAL, DF_SUM, DF_4, DF_5, DF_11, DF_17, DF_20, DF_21, ACID, POS_G, POS_A,
        VEL_A, AC_S, TG_S, OP_S, COLUMN_COUNT
    };

    // Cell shading.
    enum class Shade { NONE, HIGHLIGHT, NEW_ROW, STALE };

    struct Cell {
        QString text;
        QString toolTip;
        QIcon icon;
        QColor background;  // invalid: transparent
    };

    struct Options {
        quint64 updatedFieldHighlightTime = 3000;    // ms
        quint64 noUpdatedTargetWarningTime = 10000;  // ms, 0: never red
    };

    using EnrichmentLookUp = std::function<TargetEnrichment(quint32 icaoAddr)>;

    explicit TargetListModel(QObject* parent = nullptr);

    void setOptions(const Options& options) { _options = options; }
    // Where country, registration, type and operator come from (the aviation database by
    // default).
    void setEnrichmentLookUp(EnrichmentLookUp lookUp) { _lookUp = std::move(lookUp); }

    // Updates the rows from `targets` (copies of all targets) at time `now` (ms). Returns the
    // number of rows appended.
    int refresh(const std::vector<brannic::modes::ADSBTarget>& targets, quint64 now);
    // Deletes the rows of targets the tracker removed.
    void removeTargets(const std::vector<brannic::modes::ADSBTarget>& removed);
    // Empties the list and forgets every row (a new start).
    void clear();

    // The row of an address, or -1.
    int rowOf(quint32 icaoAddr) const;
    quint32 addressAt(int row) const;
    const Cell& cell(int row, int column) const;
    quint64 lastRefresh() const { return _lastRefresh; }

    static QStringList headers();
    static QColor shadeColor(Shade shade);
    // The text a column shows for `target`'s current value (validity not considered); null
    // for the columns filled from the aviation database and for values that leave the text.
    static QString columnText(const brannic::modes::ADSBTarget& target, int column);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Raw value for sorting and for tests: the address in AddressRole of any cell.
    static constexpr int AddressRole = Qt::UserRole + 1;

private:
    struct Row {
        quint32 address = 0;
        std::array<Cell, COLUMN_COUNT> cells;
    };

    bool fillRow(Row& row, const brannic::modes::ADSBTarget& target, bool isNew, quint64 now);
    QIcon flagIcon(const QString& isoCode2);

    std::vector<Row> _rows;
    QHash<quint32, int> _rowOfAddress;
    QMap<QString, QIcon> _flagIcons;
    quint64 _lastRefresh = 0;
    Options _options;
    EnrichmentLookUp _lookUp;
};

#endif  // VELTMAR_TARGETLISTMODEL_H
