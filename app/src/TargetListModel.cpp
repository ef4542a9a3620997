#include "TargetListModel.h"

#include <QCoreApplication>
#include <QGeoCoordinate>
#include <QLocale>

#include "ViewText.h"

using brannic::modes::ADSBTarget;

namespace {

using Shade = TargetListModel::Shade;

// When a column takes a new text.
enum class Rule {
    NEW_ROW_ONLY,   // written once, when the row is created
    ON_UPDATE,      // valid and updated since the previous refresh
    ON_CHANGE,      // valid and changed since the previous refresh
    ON_STATISTICS,  // statistics updated since the previous refresh
    EVERY_REFRESH,  // always
};

// One column of the target list. Text functions may return a null QString to leave the cell
// as it is.
struct ColumnRule {
    const char* header;
    Rule rule;
    Shade shade;
    bool alignLeft;
    bool (*valid)(const ADSBTarget&);
    uint64_t (*time)(const ADSBTarget&);  // the update or change time the rule compares
    uint64_t (*updated)(const ADSBTarget&);  // the last update the highlight looks at
    QString (*text)(const ADSBTarget&);
};

QString number(qint64 v) {
    return QString::number(v);
}

bool always(const ADSBTarget&) {
    return true;
}
uint64_t never(const ADSBTarget&) {
    return 0;
}
bool statisticsValid(const ADSBTarget& t) {
    return t.statisticLastUpdate() > 0;
}
uint64_t statisticsTime(const ADSBTarget& t) {
    return t.statisticLastUpdate();
}

template <brannic::modes::DownlinkFormat DF>
QString dfCount(const ADSBTarget& t) {
    return number(t.statisticDfMsgCount(DF));
}
template <brannic::modes::ADSBMessageType TYPE>
QString adsbCount(const ADSBTarget& t) {
    return number(t.statisticADSBMsgCount(TYPE));
}

#define STATISTICS(header, textFn)                                                          \
    { header, Rule::ON_STATISTICS, Shade::NONE, false, statisticsValid, statisticsTime,    \
      statisticsTime, textFn }

// The columns in display order; the texts are translated through the MainWindow context.
const ColumnRule kColumns[TargetListModel::COLUMN_COUNT] = {
    {QT_TRANSLATE_NOOP("MainWindow", "TID"), Rule::NEW_ROW_ONLY, Shade::NONE, false, always, never,
     never, [](const ADSBTarget& t) { return number(t.trackId()); }},
    // COUNTRY, ADDRESS, REG, AC TYPE, OPERATOR: written from the aviation database on the
    // new row (see fillRow).
    {QT_TRANSLATE_NOOP("MainWindow", "COUNTRY"), Rule::NEW_ROW_ONLY, Shade::NONE, false, always,
     never, never, nullptr},
    {QT_TRANSLATE_NOOP("MainWindow", "ADDRESS"), Rule::NEW_ROW_ONLY, Shade::NEW_ROW, false, always,
     never, never,
     [](const ADSBTarget& t) { return QString::number(t.icaoAddr(), 16).toUpper(); }},
    {QT_TRANSLATE_NOOP("MainWindow", "REG"), Rule::NEW_ROW_ONLY, Shade::NONE, true, always, never,
     never, nullptr},
    {QT_TRANSLATE_NOOP("MainWindow", "AC TYPE"), Rule::NEW_ROW_ONLY, Shade::NONE, true, always,
     never, never, nullptr},
    {QT_TRANSLATE_NOOP("MainWindow", "OPERATOR"), Rule::NEW_ROW_ONLY, Shade::NONE, true, always,
     never, never, nullptr},
    {QT_TRANSLATE_NOOP("MainWindow", "CALLSIGN"), Rule::ON_CHANGE, Shade::HIGHLIGHT, false,
     [](const ADSBTarget& t) { return t.callsignLastUpdate() > 0; },
     [](const ADSBTarget& t) { return t.callsignLastChange(); },
     [](const ADSBTarget& t) { return t.callsignLastUpdate(); },
     [](const ADSBTarget& t) { return QString::fromStdString(t.callsign()); }},
    {QT_TRANSLATE_NOOP("MainWindow", "SQUAWK"), Rule::ON_UPDATE, Shade::HIGHLIGHT, false,
     [](const ADSBTarget& t) { return t.squawkValid(); },
     [](const ADSBTarget& t) { return t.squawkLastUpdate(); },
     [](const ADSBTarget& t) { return t.squawkLastUpdate(); },
     [](const ADSBTarget& t) {
         return QStringLiteral("%1").arg(t.squawk(), 4, 8, QLatin1Char('0'));
     }},
    {QT_TRANSLATE_NOOP("MainWindow", "POSITION"), Rule::ON_UPDATE, Shade::HIGHLIGHT, true,
     [](const ADSBTarget& t) { return t.positionValid(); },
     [](const ADSBTarget& t) { return t.positionLastUpdate(); },
     [](const ADSBTarget& t) { return t.positionLastUpdate(); },
     [](const ADSBTarget& t) {
         return QGeoCoordinate(t.latitude(), t.longitude()).toString(QGeoCoordinate::Degrees);
     }},
    {QT_TRANSLATE_NOOP("MainWindow", "ALTITUDE"), Rule::ON_UPDATE, Shade::HIGHLIGHT, false,
     [](const ADSBTarget& t) { return t.altitudeBaroValid(); },
     [](const ADSBTarget& t) { return t.altitudeBaroLastUpdate(); },
     [](const ADSBTarget& t) { return t.altitudeBaroLastUpdate(); },
     [](const ADSBTarget& t) { return number(t.altitudeBaro()); }},
    {QT_TRANSLATE_NOOP("MainWindow", "SPEED"), Rule::ON_UPDATE, Shade::HIGHLIGHT, false,
     [](const ADSBTarget& t) { return t.groundSpeedValid(); },
     [](const ADSBTarget& t) { return t.groundSpeedLastUpdate(); },
     [](const ADSBTarget& t) { return t.groundSpeedLastUpdate(); },
     [](const ADSBTarget& t) { return QString::number(t.groundSpeed(), 'g', 6); }},
    {QT_TRANSLATE_NOOP("MainWindow", "HEADING"), Rule::ON_UPDATE, Shade::HIGHLIGHT, false,
     [](const ADSBTarget& t) { return t.headingValid(); },
     [](const ADSBTarget& t) { return t.headingLastUpdate(); },
     [](const ADSBTarget& t) { return t.headingLastUpdate(); },
     [](const ADSBTarget& t) { return QString::number(t.heading(), 'f', 2); }},
    {QT_TRANSLATE_NOOP("MainWindow", "V_RATE"), Rule::ON_UPDATE, Shade::HIGHLIGHT, false,
     [](const ADSBTarget& t) { return t.verticalRateBaroValid(); },
     [](const ADSBTarget& t) { return t.verticalRateBaroLastUpdate(); },
     [](const ADSBTarget& t) { return t.verticalRateBaroLastUpdate(); },
     [](const ADSBTarget& t) { return number(t.verticalRateBaro()); }},
    {QT_TRANSLATE_NOOP("MainWindow", "AIR/GND"), Rule::ON_UPDATE, Shade::HIGHLIGHT, false,
     [](const ADSBTarget& t) { return t.groundStatusValid(); },
     [](const ADSBTarget& t) { return t.groundStatusLastUpdate(); },
     [](const ADSBTarget& t) { return t.groundStatusLastUpdate(); },
     [](const ADSBTarget& t) {
         switch (t.groundStatus()) {
         case ADSBTarget::UNKNOWN: return QStringLiteral("???");
         case ADSBTarget::ON_GROUND: return QStringLiteral("GND");
         case ADSBTarget::AIRBORNE: return QStringLiteral("AIR");
         default: return QString();  // leave the text
         }
     }},
    {QT_TRANSLATE_NOOP("MainWindow", "SPI"), Rule::ON_UPDATE, Shade::HIGHLIGHT, false,
     [](const ADSBTarget& t) { return t.spiStatusValid(); },
     [](const ADSBTarget& t) { return t.spiStatusLastUpdate(); },
     [](const ADSBTarget& t) { return t.spiStatusLastUpdate(); },
     [](const ADSBTarget& t) { return QString::fromLatin1(t.spiStatus() ? "SPI" : "---"); }},
    {QT_TRANSLATE_NOOP("MainWindow", "ALERT"), Rule::ON_UPDATE, Shade::HIGHLIGHT, false,
     [](const ADSBTarget& t) { return t.alertStatusValid(); },
     [](const ADSBTarget& t) { return t.alertStatusLastUpdate(); },
     [](const ADSBTarget& t) { return t.alertStatusLastUpdate(); },
     [](const ADSBTarget& t) { return QString::fromLatin1(t.alertStatus() ? "ALR" : "---"); }},
    {QT_TRANSLATE_NOOP("MainWindow", "EC"), Rule::ON_UPDATE, Shade::HIGHLIGHT, false,
     [](const ADSBTarget& t) { return t.emitterCategoryValid(); },
     [](const ADSBTarget& t) { return t.emitterCategoryLastUpdate(); },
     [](const ADSBTarget& t) { return t.emitterCategoryLastUpdate(); },
     [](const ADSBTarget& t) { return number(t.emitterCategory()); }},
    {QT_TRANSLATE_NOOP("MainWindow", "CA"), Rule::ON_UPDATE, Shade::HIGHLIGHT, false,
     [](const ADSBTarget& t) { return t.transponderCommCapabilityValid(); },
     [](const ADSBTarget& t) { return t.transponderCommCapabilityLastUpdate(); },
     [](const ADSBTarget& t) { return t.transponderCommCapabilityLastUpdate(); },
     [](const ADSBTarget& t) { return number(t.transponderCommCapability()); }},
    {QT_TRANSLATE_NOOP("MainWindow", "MOPS"), Rule::ON_CHANGE, Shade::HIGHLIGHT, false,
     [](const ADSBTarget& t) { return t.mopsVersionLastUpdate() > 0; },
     [](const ADSBTarget& t) { return t.mopsVersionLastChange(); },
     [](const ADSBTarget& t) { return t.mopsVersionLastUpdate(); },
     [](const ADSBTarget& t) {
         switch (t.mopsVersion()) {
         case brannic::modes::MOPS_V0:
             return QString::fromLatin1(t.mopsVersionAssumed() ? "0?" : "0");
         case brannic::modes::MOPS_V1: return QStringLiteral("1");
         case brannic::modes::MOPS_V2:
             return QString::fromLatin1(t.mopsVersionAssumed() ? "2+" : "2");
         default: return QStringLiteral("");
         }
     }},
    {QT_TRANSLATE_NOOP("MainWindow", "NUCp"), Rule::ON_CHANGE, Shade::HIGHLIGHT, false,
     [](const ADSBTarget& t) { return t.nucpValid(); },
     [](const ADSBTarget& t) { return t.nucpLastChange(); },
     [](const ADSBTarget& t) { return t.nucpLastUpdate(); },
     [](const ADSBTarget& t) { return number(t.nucp()); }},
    {QT_TRANSLATE_NOOP("MainWindow", "NIC"), Rule::ON_CHANGE, Shade::HIGHLIGHT, false,
     [](const ADSBTarget& t) { return t.nicValid(); },
     [](const ADSBTarget& t) { return t.nicLastChange(); },
     [](const ADSBTarget& t) { return t.nicLastUpdate(); },
     [](const ADSBTarget& t) { return number(t.nic()); }},
    {QT_TRANSLATE_NOOP("MainWindow", "PIC"), Rule::ON_CHANGE, Shade::HIGHLIGHT, false,
     [](const ADSBTarget& t) { return t.picValid(); },
     [](const ADSBTarget& t) { return t.picLastChange(); },
     [](const ADSBTarget& t) { return t.picLastUpdate(); },
     [](const ADSBTarget& t) { return number(t.pic()); }},
    {QT_TRANSLATE_NOOP("MainWindow", "NUCr"), Rule::ON_CHANGE, Shade::HIGHLIGHT, false,
     [](const ADSBTarget& t) { return t.nucrValid(); },
     [](const ADSBTarget& t) { return t.nucrLastChange(); },
     [](const ADSBTarget& t) { return t.nucrLastUpdate(); },
     [](const ADSBTarget& t) { return number(t.nucr()); }},
    {QT_TRANSLATE_NOOP("MainWindow", "LAST UPDATE"), Rule::EVERY_REFRESH, Shade::STALE, false,
     always, never, never, [](const ADSBTarget& t) { return ViewText::utcTime(t.lastUpdate()); }},
    {QT_TRANSLATE_NOOP("MainWindow", "SIGNAL"), Rule::ON_UPDATE, Shade::NONE, false,
     [](const ADSBTarget& t) { return t.signalAmplitudeValid(); },
     [](const ADSBTarget& t) { return t.signalAmplitudeLastUpdate(); },
     [](const ADSBTarget& t) { return t.signalAmplitudeLastUpdate(); },
     [](const ADSBTarget& t) { return number(t.signalAmplitude()); }},
    STATISTICS(QT_TRANSLATE_NOOP("MainWindow", "DF SUM"),
               [](const ADSBTarget& t) { return number(t.statisticDfMsgCount()); }),
    STATISTICS(QT_TRANSLATE_NOOP("MainWindow", "DF-4"), dfCount<brannic::modes::DF_4>),
    STATISTICS(QT_TRANSLATE_NOOP("MainWindow", "DF-5"), dfCount<brannic::modes::DF_5>),
    STATISTICS(QT_TRANSLATE_NOOP("MainWindow", "DF-11"), dfCount<brannic::modes::DF_11>),
    STATISTICS(QT_TRANSLATE_NOOP("MainWindow", "DF-17"), dfCount<brannic::modes::DF_17>),
    STATISTICS(QT_TRANSLATE_NOOP("MainWindow", "DF-20"), dfCount<brannic::modes::DF_20>),
    STATISTICS(QT_TRANSLATE_NOOP("MainWindow", "DF-21"), dfCount<brannic::modes::DF_21>),
    STATISTICS(QT_TRANSLATE_NOOP("MainWindow", "ACID"), adsbCount<brannic::modes::ACID>),
    STATISTICS(QT_TRANSLATE_NOOP("MainWindow", "POS/G"), adsbCount<brannic::modes::POS_GND>),
    STATISTICS(QT_TRANSLATE_NOOP("MainWindow", "POS/A"), adsbCount<brannic::modes::POS_AIR>),
    STATISTICS(QT_TRANSLATE_NOOP("MainWindow", "VEL/A"), adsbCount<brannic::modes::AIR_VEL>),
    STATISTICS(QT_TRANSLATE_NOOP("MainWindow", "AC/S"), adsbCount<brannic::modes::AC_STATUS>),
    STATISTICS(QT_TRANSLATE_NOOP("MainWindow", "TG/S"), adsbCount<brannic::modes::TG_STATUS>),
    STATISTICS(QT_TRANSLATE_NOOP("MainWindow", "OP/S"), adsbCount<brannic::modes::OP_STATUS>),
};

#undef STATISTICS

}  // namespace

TargetListModel::TargetListModel(QObject* parent) : QAbstractTableModel(parent) {
    const bool chinese = QLocale::system().name() == QLatin1String("zh_CN");
    _lookUp = [chinese](quint32 address) { return TargetEnrichment::lookUp(address, chinese); };
}

QStringList TargetListModel::headers() {
    QStringList list;
    for (const ColumnRule& c : kColumns) {
        list << QCoreApplication::translate("MainWindow", c.header);
    }
    return list;
}

QString TargetListModel::columnText(const ADSBTarget& target, int column) {
    if (column < 0 || column >= COLUMN_COUNT || !kColumns[column].text) {
        return QString();
    }
    return kColumns[column].text(target);
}

QColor TargetListModel::shadeColor(Shade shade) {
    switch (shade) {
    case Shade::HIGHLIGHT: return QColor(0xff, 0xf1, 0x76);  // yellow
    case Shade::NEW_ROW: return QColor(0x9c, 0xe0, 0x9c);    // green
    case Shade::STALE: return QColor(0xf0, 0x8a, 0x8a);      // red
    default: return QColor();
    }
}

QIcon TargetListModel::flagIcon(const QString& isoCode2) {
    auto it = _flagIcons.find(isoCode2);
    if (it == _flagIcons.end()) {
        it = _flagIcons.insert(isoCode2,
                               QIcon(QStringLiteral(":/flags/%1.png").arg(isoCode2.toLower())));
    }
    return it.value();
}

bool TargetListModel::fillRow(Row& row, const ADSBTarget& t, bool isNew, quint64 now) {
    bool changed = false;
    if (isNew) {
        const TargetEnrichment e = _lookUp ? _lookUp(t.icaoAddr()) : TargetEnrichment();
        if (e.countryValid) {
            Cell& country = row.cells[COUNTRY];
            country.icon = flagIcon(e.isoCode2);
            country.text = e.isoCode3;
            country.toolTip = e.countryName;
        }
        if (e.aircraftValid) {
            row.cells[REG].text = e.registration;
            row.cells[AC_TYPE].text = e.acType;
            row.cells[AC_TYPE].toolTip = e.acTypeDescription;
            row.cells[OPERATOR].text = e.operatorName;
        }
    }
    for (int c = 0; c < COLUMN_COUNT; ++c) {
        const ColumnRule& rule = kColumns[c];
        Cell& cell = row.cells[static_cast<std::size_t>(c)];
        const bool valid = rule.valid(t);
        bool write = false;
        switch (rule.rule) {
        case Rule::NEW_ROW_ONLY: write = isNew; break;
        case Rule::EVERY_REFRESH: write = true; break;
        case Rule::ON_UPDATE:
        case Rule::ON_CHANGE:
        case Rule::ON_STATISTICS: write = valid && (isNew || rule.time(t) >= _lastRefresh); break;
        }
        if (write && rule.text) {
            const QString text = rule.text(t);
            if (!text.isNull() && text != cell.text) {
                cell.text = text;
                changed = true;
            }
        }
        QColor background;
        switch (rule.shade) {
        case Shade::NONE: continue;
        case Shade::NEW_ROW: background = isNew ? shadeColor(Shade::NEW_ROW) : QColor(); break;
        case Shade::HIGHLIGHT:
            if (valid && rule.updated(t) + _options.updatedFieldHighlightTime >= now) {
                background = shadeColor(Shade::HIGHLIGHT);
            }
            break;
        case Shade::STALE:
            if (_options.noUpdatedTargetWarningTime != 0 && t.lastUpdate() != 0 &&
                t.lastUpdate() + _options.noUpdatedTargetWarningTime <= now) {
                background = shadeColor(Shade::STALE);
            }
            break;
        }
        if (background != cell.background) {
            cell.background = background;
            changed = true;
        }
    }
    return changed;
}

int TargetListModel::refresh(const std::vector<ADSBTarget>& targets, quint64 now) {
    if (targets.empty()) {
        _lastRefresh = now;
        return 0;
    }
    int firstChanged = -1;
    int lastChanged = -1;
    std::vector<Row> added;
    for (const ADSBTarget& t : targets) {
        const auto it = _rowOfAddress.constFind(t.icaoAddr());
        if (it == _rowOfAddress.constEnd()) {
            Row row;
            row.address = t.icaoAddr();
            fillRow(row, t, true, now);
            added.push_back(std::move(row));
        } else if (fillRow(_rows[static_cast<std::size_t>(*it)], t, false, now)) {
            firstChanged = firstChanged < 0 ? *it : qMin(firstChanged, *it);
            lastChanged = qMax(lastChanged, *it);
        }
    }
    if (firstChanged >= 0) {
        emit dataChanged(index(firstChanged, 0), index(lastChanged, COLUMN_COUNT - 1));
    }
    if (!added.empty()) {
        const int first = static_cast<int>(_rows.size());
        beginInsertRows(QModelIndex(), first, first + static_cast<int>(added.size()) - 1);
        for (Row& row : added) {
            _rowOfAddress.insert(row.address, static_cast<int>(_rows.size()));
            _rows.push_back(std::move(row));
        }
        endInsertRows();
    }
    _lastRefresh = now;
    return static_cast<int>(added.size());
}

void TargetListModel::removeTargets(const std::vector<ADSBTarget>& removed) {
    for (const ADSBTarget& t : removed) {
        const auto it = _rowOfAddress.find(t.icaoAddr());
        if (it == _rowOfAddress.end()) {
            continue;
        }
        const int r = *it;
        beginRemoveRows(QModelIndex(), r, r);
        _rows.erase(_rows.begin() + r);
        _rowOfAddress.erase(it);
        endRemoveRows();
        for (auto i = _rowOfAddress.begin(); i != _rowOfAddress.end(); ++i) {
            if (*i > r) {
                --*i;
            }
        }
    }
}

void TargetListModel::clear() {
    beginResetModel();
    _rows.clear();
    _rowOfAddress.clear();
    endResetModel();
}

int TargetListModel::rowOf(quint32 icaoAddr) const {
    return _rowOfAddress.value(icaoAddr, -1);
}

quint32 TargetListModel::addressAt(int row) const {
    return (row >= 0 && row < static_cast<int>(_rows.size()))
               ? _rows[static_cast<std::size_t>(row)].address
               : 0;
}

const TargetListModel::Cell& TargetListModel::cell(int row, int column) const {
    return _rows[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)];
}

int TargetListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(_rows.size());
}

int TargetListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : COLUMN_COUNT;
}

QVariant TargetListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return QVariant();
    }
    const Cell& c = cell(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole: return c.text;
    case Qt::ToolTipRole: return c.toolTip.isEmpty() ? QVariant() : QVariant(c.toolTip);
    case Qt::DecorationRole: return c.icon.isNull() ? QVariant() : QVariant(c.icon);
    case Qt::BackgroundRole: return c.background.isValid() ? QVariant(c.background) : QVariant();
    case Qt::ForegroundRole:
        // Shaded cells are light: keep their text dark whatever the palette.
        return c.background.isValid() ? QVariant(QColor(Qt::black)) : QVariant();
    case Qt::TextAlignmentRole:
        return static_cast<int>(kColumns[index.column()].alignLeft ? (Qt::AlignLeft | Qt::AlignVCenter)
                                                                   : Qt::Alignment(Qt::AlignCenter));
    case AddressRole: return _rows[static_cast<std::size_t>(index.row())].address;
    default: return QVariant();
    }
}

QVariant TargetListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < COLUMN_COUNT) {
        return QCoreApplication::translate("MainWindow", kColumns[section].header);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}
