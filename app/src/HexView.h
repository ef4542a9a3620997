#ifndef VELTMAR_HEXVIEW_H
#define VELTMAR_HEXVIEW_H

#include <QAbstractScrollArea>
#include <QByteArray>

// A hex dump of a byte array: an offset column, bytesPerLine() octets in hexadecimal and the
// same octets as ASCII (non-printable octets as '.'). The user selects octets with the mouse
// or keyboard (Shift+arrows, Ctrl+A) and copies them (Ctrl+C, context menu) as hexadecimal
// text. Read-only by default; this view never edits the data.
//
// The part of the usual hex-editor interface the program relies on: setData(), data(),
// setReadOnly(), isReadOnly(), setBytesPerLine(), selectedData(), setSelection(),
// cursorPosition().
class HexView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit HexView(QWidget* parent = nullptr);

    void setData(const QByteArray& data);
    const QByteArray& data() const { return _data; }

    void setReadOnly(bool readOnly) { _readOnly = readOnly; }
    bool isReadOnly() const { return _readOnly; }

    void setBytesPerLine(int count);
    int bytesPerLine() const { return _bytesPerLine; }

    // Selects octets [begin, end) (clamped to the data); the cursor goes to end.
    void setSelection(int begin, int end);
    int selectionBegin() const { return qMin(_anchor, _cursor); }
    int selectionEnd() const { return qMax(_anchor, _cursor); }
    // The selected octets as upper-case hexadecimal separated by blanks ("1A 2B").
    QString selectedData() const;
    QByteArray selectedBytes() const;
    int cursorPosition() const { return _cursor; }

    // The whole line of text for line `line` (offset, hex and ASCII), as drawn.
    QString lineText(int line) const;
    int lineCount() const;

    QSize sizeHint() const override;

public slots:
    void copy() const;
    void selectAll();

signals:
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int byteAt(const QPoint& viewportPos) const;
    void moveCursor(int position, bool extend);
    void updateScrollBars();
    int charWidth() const;
    int lineHeight() const;
    int hexColumnX() const;
    int asciiColumnX() const;

    QByteArray _data;
    bool _readOnly = true;
    int _bytesPerLine = 16;
    int _anchor = 0;
    int _cursor = 0;
};

#endif  // VELTMAR_HEXVIEW_H
