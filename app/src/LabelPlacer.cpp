#include "LabelPlacer.h"

#include <algorithm>
#include <cmath>

void LabelPlacer::reset(QSize area) {
    _columns = std::max(1, (area.width() + kCellPx - 1) / kCellPx);
    _rows = std::max(1, (area.height() + kCellPx - 1) / kCellPx);
    _rects.clear();
    _cells.resize(size_t(_columns) * size_t(_rows));
    for (auto& cell : _cells)
        cell.clear();
}

LabelPlacer::CellRange LabelPlacer::cellsOf(const QRectF& rect) const {
    const auto cell = [](double v, int count) {
        return std::clamp(int(std::floor(v / kCellPx)), 0, count - 1);
    };
    return CellRange{cell(rect.left(), _columns), cell(rect.right(), _columns),
                     cell(rect.top(), _rows), cell(rect.bottom(), _rows)};
}

void LabelPlacer::occupy(const QRectF& rect) {
    if (_cells.empty())
        return;
    const int index = int(_rects.size());
    _rects.push_back(rect);
    const CellRange range = cellsOf(rect);
    for (int row = range.top; row <= range.bottom; ++row) {
        for (int column = range.left; column <= range.right; ++column)
            _cells[size_t(row * _columns + column)].push_back(index);
    }
}

bool LabelPlacer::isFree(const QRectF& rect) const {
    if (_cells.empty())
        return true;
    const CellRange range = cellsOf(rect);
    for (int row = range.top; row <= range.bottom; ++row) {
        for (int column = range.left; column <= range.right; ++column) {
            for (int index : _cells[size_t(row * _columns + column)]) {
                const QRectF& other = _rects[size_t(index)];
                if (rect.left() < other.right() && other.left() < rect.right() &&
                    rect.top() < other.bottom() && other.top() < rect.bottom())
                    return false;
            }
        }
    }
    return true;
}

bool LabelPlacer::tryPlace(const QRectF& rect) {
    if (!isFree(rect))
        return false;
    occupy(rect);
    return true;
}
