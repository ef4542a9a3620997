#ifndef VELTMAR_LABELPLACER_H
#define VELTMAR_LABELPLACER_H

#include <vector>

#include <QRectF>
#include <QSize>

// Keeps labels apart: remembers the widget rectangles already taken (labels, symbols) and
// answers whether a new one would overlap any of them. Rectangles are filed in a coarse grid
// of cells, so a test looks only at the few rectangles near it, whatever the number of targets.
class LabelPlacer {
public:
    static constexpr int kCellPx = 32;

    // Forgets every rectangle; the area is the widget's size (rectangles may reach outside it).
    void reset(QSize area);
    // Takes the rectangle whatever it overlaps (a symbol, the selected target's label).
    void occupy(const QRectF& rect);
    // True when the rectangle overlaps nothing taken.
    bool isFree(const QRectF& rect) const;
    // Takes the rectangle when it is free; false (nothing taken) otherwise.
    bool tryPlace(const QRectF& rect);

private:
    struct CellRange {
        int left, right, top, bottom;
    };
    // The grid cells a rectangle touches, clamped to the grid, so that the border cells also
    // hold what reaches beyond the edge.
    CellRange cellsOf(const QRectF& rect) const;

    int _columns = 0;
    int _rows = 0;
    std::vector<QRectF> _rects;
    std::vector<std::vector<int>> _cells;  // indices into _rects, row by row
};

#endif  // VELTMAR_LABELPLACER_H
