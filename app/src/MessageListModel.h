#ifndef VELTMAR_MESSAGELISTMODEL_H
#define VELTMAR_MESSAGELISTMODEL_H

#include <QAbstractTableModel>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

// A message list (Mode S replies, ASTERIX blocks) that grows at the bottom and trims itself:
// when, after an append, the row count exceeds both the maximum and the minimum, the oldest
// rows are removed in one go, leaving the newest minimum rows.
//
// Rows arrive faster than anyone can read them, so they are kept aside and inserted in one
// batch per pass of the event loop (flush()); the result is exactly the list that appending
// and trimming row by row would give. Cell texts are built when the view asks for them
// (cellData), never when a row arrives.
//
// `Row` is the derived model's row record; it may be move-only.
template <class Row>
class MessageListModel : public QAbstractTableModel {
public:
    // What one flush did, for the view side of the list (sizing, scrolling).
    struct Flushed {
        int rowCount = 0;
        // True when the count passed through one of the sizing counts (1, 10, 30, 100) while
        // the rows were appended one by one.
        bool sizingCountReached = false;
    };
    using FlushedHandler = std::function<void(const Flushed&)>;

    explicit MessageListModel(const QStringList& headers, QObject* parent = nullptr)
        : QAbstractTableModel(parent), _headers(headers) {}

    void setLimits(quint32 minRows, quint32 maxRows) {
        _minRows = minRows;
        _maxRows = maxRows;
    }
    void setFlushedHandler(FlushedHandler handler) { _flushed = std::move(handler); }

    // Queues a row; it reaches the model at the next pass of the event loop or flush().
    void append(Row row) {
        _pending.push_back(std::move(row));
        if (!_flushScheduled) {
            _flushScheduled = true;
            QTimer::singleShot(0, this, [this] { flush(); });
        }
    }

    void flush() {
        _flushScheduled = false;
        if (_pending.empty()) {
            return;
        }
        // Replay the row-by-row rule on counts only: which rows survive, and whether a
        // sizing count is passed on the way.
        const quint64 threshold = qMax(_minRows, _maxRows);
        quint64 count = _rows.size();
        bool sizing = false;
        for (std::size_t i = 0; i < _pending.size(); ++i) {
            ++count;
            sizing = sizing || isSizingCount(count);
            if (count > threshold) {
                count = _minRows;
            }
        }
        // The survivors are the newest `count` rows of old rows followed by new ones.
        const quint64 total = _rows.size() + _pending.size();
        const quint64 dropTotal = total - count;
        const quint64 dropOld = qMin<quint64>(dropTotal, _rows.size());
        const quint64 dropNew = dropTotal - dropOld;
        if (dropOld > 0) {
            beginRemoveRows(QModelIndex(), 0, static_cast<int>(dropOld) - 1);
            _rows.erase(_rows.begin(), _rows.begin() + static_cast<std::ptrdiff_t>(dropOld));
            endRemoveRows();
        }
        const int first = static_cast<int>(_rows.size());
        const int added = static_cast<int>(_pending.size() - dropNew);
        if (added > 0) {
            beginInsertRows(QModelIndex(), first, first + added - 1);
            for (std::size_t i = dropNew; i < _pending.size(); ++i) {
                _rows.push_back(std::move(_pending[i]));
            }
            endInsertRows();
        }
        _pending.clear();
        if (_flushed) {
            _flushed(Flushed{static_cast<int>(_rows.size()), sizing});
        }
    }

    void clear() {
        beginResetModel();
        _rows.clear();
        _pending.clear();
        endResetModel();
    }

    const Row& row(int index) const { return _rows[static_cast<std::size_t>(index)]; }
    int pendingCount() const { return static_cast<int>(_pending.size()); }

    static bool isSizingCount(quint64 n) { return n == 1 || n == 10 || n == 30 || n == 100; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(_rows.size());
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : _headers.size();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < _headers.size()) {
            return _headers[section];
        }
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
            return QVariant();
        }
        return cellData(row(index.row()), index.column(), role);
    }

protected:
    virtual QVariant cellData(const Row& row, int column, int role) const = 0;

private:
    QStringList _headers;
    std::deque<Row> _rows;
    std::vector<Row> _pending;
    quint32 _minRows = 101;
    quint32 _maxRows = 999;
    bool _flushScheduled = false;
    FlushedHandler _flushed;
};

#endif  // VELTMAR_MESSAGELISTMODEL_H
