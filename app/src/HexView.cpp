#include "HexView.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

namespace {
constexpr int kOffsetDigits = 8;
constexpr int kMargin = 4;
// Blank columns between the offset, hex and ASCII areas, in characters.
constexpr int kGap = 2;

char printable(char c) {
    return (c >= 0x20 && c < 0x7f) ? c : '.';
}
}  // namespace

HexView::HexView(QWidget* parent) : QAbstractScrollArea(parent) {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    setFont(font);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    horizontalScrollBar()->setSingleStep(charWidth());
}

void HexView::setData(const QByteArray& data) {
    _data = data;
    _anchor = _cursor = 0;
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    viewport()->update();
    emit selectionChanged();
}

void HexView::setBytesPerLine(int count) {
    _bytesPerLine = qBound(1, count, 256);
    updateScrollBars();
    viewport()->update();
}

void HexView::setSelection(int begin, int end) {
    const int size = _data.size();
    _anchor = qBound(0, begin, size);
    _cursor = qBound(0, end, size);
    viewport()->update();
    emit selectionChanged();
}

QByteArray HexView::selectedBytes() const {
    return _data.mid(selectionBegin(), selectionEnd() - selectionBegin());
}

QString HexView::selectedData() const {
    return QString::fromLatin1(selectedBytes().toHex(' ').toUpper());
}

int HexView::lineCount() const {
    return (_data.size() + _bytesPerLine - 1) / _bytesPerLine;
}

QString HexView::lineText(int line) const {
    const int first = line * _bytesPerLine;
    if (line < 0 || first >= _data.size()) {
        return QString();
    }
    const int count = qMin(_bytesPerLine, _data.size() - first);
    const QByteArray bytes = _data.mid(first, count);
    QString text = QStringLiteral("%1").arg(first, kOffsetDigits, 16, QLatin1Char('0')).toUpper();
    text += QString(kGap, QLatin1Char(' '));
    QString hex = QString::fromLatin1(bytes.toHex(' ').toUpper());
    hex = hex.leftJustified(_bytesPerLine * 3 - 1, QLatin1Char(' '));
    text += hex;
    text += QString(kGap, QLatin1Char(' '));
    for (char c : bytes) {
        text += QLatin1Char(printable(c));
    }
    return text;
}

int HexView::charWidth() const {
    return fontMetrics().horizontalAdvance(QLatin1Char('0'));
}

int HexView::lineHeight() const {
    return fontMetrics().height();
}

int HexView::hexColumnX() const {
    return kMargin + (kOffsetDigits + kGap) * charWidth();
}

int HexView::asciiColumnX() const {
    return hexColumnX() + (_bytesPerLine * 3 - 1 + kGap) * charWidth();
}

QSize HexView::sizeHint() const {
    const int width = asciiColumnX() + _bytesPerLine * charWidth() + kMargin +
                      verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    return QSize(width, 12 * lineHeight());
}

void HexView::updateScrollBars() {
    const int visibleLines = qMax(1, viewport()->height() / qMax(1, lineHeight()));
    verticalScrollBar()->setRange(0, qMax(0, lineCount() - visibleLines));
    verticalScrollBar()->setPageStep(visibleLines);
    const int contentWidth = asciiColumnX() + _bytesPerLine * charWidth() + kMargin;
    horizontalScrollBar()->setRange(0, qMax(0, contentWidth - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void HexView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void HexView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QPalette& pal = palette();
    painter.fillRect(viewport()->rect(), pal.base());
    const int cw = charWidth();
    const int lh = lineHeight();
    const int ascent = fontMetrics().ascent();
    const int dx = -horizontalScrollBar()->value();
    const int firstLine = verticalScrollBar()->value();
    const int lines = viewport()->height() / lh + 2;
    const int selBegin = selectionBegin();
    const int selEnd = selectionEnd();

    // Offset column background, as a gutter.
    painter.fillRect(QRect(0, 0, dx + hexColumnX() - cw, viewport()->height()),
                     pal.alternateBase());
    for (int i = 0; i < lines; ++i) {
        const int line = firstLine + i;
        const int first = line * _bytesPerLine;
        if (first >= _data.size()) {
            break;
        }
        const int y = i * lh;
        const int count = qMin(_bytesPerLine, _data.size() - first);
        painter.setPen(pal.color(QPalette::Disabled, QPalette::Text));
        painter.drawText(dx + kMargin, y + ascent,
                         QStringLiteral("%1").arg(first, kOffsetDigits, 16, QLatin1Char('0')).toUpper());
        for (int k = 0; k < count; ++k) {
            const int index = first + k;
            const bool selected = index >= selBegin && index < selEnd;
            const int hx = dx + hexColumnX() + k * 3 * cw;
            const int ax = dx + asciiColumnX() + k * cw;
            if (selected) {
                painter.fillRect(QRect(hx, y, 2 * cw, lh), pal.highlight());
                painter.fillRect(QRect(ax, y, cw, lh), pal.highlight());
                painter.setPen(pal.highlightedText().color());
            } else {
                painter.setPen(pal.text().color());
            }
            const uchar byte = static_cast<uchar>(_data.at(index));
            painter.drawText(hx, y + ascent,
                             QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper());
            painter.drawText(ax, y + ascent, QString(QLatin1Char(printable(char(byte)))));
        }
    }
    if (hasFocus() && _data.size() > 0) {
        // The cursor as a thin bar before the octet at the cursor position.
        const int line = _cursor / _bytesPerLine - firstLine;
        const int column = _cursor % _bytesPerLine;
        painter.setPen(pal.text().color());
        const int x = dx + hexColumnX() + column * 3 * cw;
        painter.drawLine(x, line * lh, x, line * lh + lh - 1);
    }
}

int HexView::byteAt(const QPoint& pos) const {
    const int cw = charWidth();
    const int x = pos.x() + horizontalScrollBar()->value();
    const int line = verticalScrollBar()->value() + pos.y() / lineHeight();
    int column;
    if (x >= asciiColumnX()) {
        column = (x - asciiColumnX()) / cw;
    } else {
        column = (x - hexColumnX() + cw / 2) / (3 * cw);
    }
    column = qBound(0, column, _bytesPerLine);
    return qBound(0, line * _bytesPerLine + column, _data.size());
}

void HexView::moveCursor(int position, bool extend) {
    _cursor = qBound(0, position, _data.size());
    if (!extend) {
        _anchor = _cursor;
    }
    const int line = _cursor / _bytesPerLine;
    QScrollBar* bar = verticalScrollBar();
    if (line < bar->value()) {
        bar->setValue(line);
    } else if (line >= bar->value() + bar->pageStep()) {
        bar->setValue(line - bar->pageStep() + 1);
    }
    viewport()->update();
    emit selectionChanged();
}

void HexView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        moveCursor(byteAt(event->pos()), event->modifiers() & Qt::ShiftModifier);
    }
}

void HexView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        // Dragging selects up to and including the octet under the mouse.
        const int at = byteAt(event->pos());
        moveCursor(at >= _anchor ? qMin(at + 1, _data.size()) : at, true);
    }
}

void HexView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Left: moveCursor(_cursor - 1, extend); return;
    case Qt::Key_Right: moveCursor(_cursor + 1, extend); return;
    case Qt::Key_Up: moveCursor(_cursor - _bytesPerLine, extend); return;
    case Qt::Key_Down: moveCursor(_cursor + _bytesPerLine, extend); return;
    case Qt::Key_Home: moveCursor(_cursor - _cursor % _bytesPerLine, extend); return;
    case Qt::Key_End:
        moveCursor(qMin(_data.size(), _cursor - _cursor % _bytesPerLine + _bytesPerLine), extend);
        return;
    case Qt::Key_PageUp:
        moveCursor(_cursor - _bytesPerLine * verticalScrollBar()->pageStep(), extend);
        return;
    case Qt::Key_PageDown:
        moveCursor(_cursor + _bytesPerLine * verticalScrollBar()->pageStep(), extend);
        return;
    default: QAbstractScrollArea::keyPressEvent(event);
    }
}

void HexView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copyAction = menu.addAction(tr("&Copy"), this, &HexView::copy, QKeySequence::Copy);
    copyAction->setEnabled(selectionEnd() > selectionBegin());
    menu.addAction(tr("Select &All"), this, &HexView::selectAll, QKeySequence::SelectAll);
    menu.exec(event->globalPos());
}

void HexView::copy() const {
    if (selectionEnd() > selectionBegin()) {
        QApplication::clipboard()->setText(selectedData());
    }
}

void HexView::selectAll() {
    setSelection(0, _data.size());
}
