// The hex view of ASTERIX blocks: its lines, selection by mouse and keyboard, and copying.
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>

#include "HexView.h"

class TestHexView : public QObject {
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void selection_data();
    void selection();
    void keyboardSelectionAndCopy();
    void mouseSelection();
    void newDataResetsSelection();
};

void TestHexView::lines_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("perLine");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QByteArray() << 16 << QStringList{};
    QTest::newRow("one short line")
        << QByteArray::fromHex("15000B8080") << 16
        << QStringList{"00000000  15 00 0B 80 80" + QString(33, ' ') + "  ....."};
    QTest::newRow("printable and not, two lines")
        << QByteArray("AB\x01\xff" "CD", 6) << 4
        << QStringList{"00000000  41 42 01 FF  AB..", "00000004  43 44" + QString(6, ' ') + "  CD"};
    QTest::newRow("exactly one line") << QByteArray(16, '\x1a') << 16
                                      << QStringList{"00000000  " + QString("1A ").repeated(15) + "1A  " + QString(16, '.')};
}

void TestHexView::lines() {
    QFETCH(QByteArray, data);
    QFETCH(int, perLine);
    QFETCH(QStringList, lines);
    HexView v;
    v.setBytesPerLine(perLine);
    v.setData(data);
    QCOMPARE(v.lineCount(), lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        QCOMPARE(v.lineText(i), lines[i]);
    }
    QCOMPARE(v.lineText(lines.size()), QString());
    QCOMPARE(v.lineText(-1), QString());
}

void TestHexView::selection_data() {
    QTest::addColumn<int>("begin");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("selected");
    QTest::newRow("two octets") << 1 << 3 << "2B 3C";
    QTest::newRow("backwards") << 3 << 1 << "2B 3C";
    QTest::newRow("clamped to the data") << 2 << 99 << "3C 4D";
    QTest::newRow("nothing") << 2 << 2 << "";
    QTest::newRow("negative start") << -5 << 1 << "1A";
}

void TestHexView::selection() {
    QFETCH(int, begin);
    QFETCH(int, end);
    QFETCH(QString, selected);
    HexView v;
    v.setData(QByteArray::fromHex("1A2B3C4D"));
    v.setSelection(begin, end);
    QCOMPARE(v.selectedData(), selected);
    QCOMPARE(QString::fromLatin1(v.selectedBytes().toHex(' ').toUpper()), selected);
}

void TestHexView::keyboardSelectionAndCopy() {
    HexView v;
    v.resize(600, 200);
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    v.setData(QByteArray::fromHex("0102030405060708090A0B0C0D0E0F101112"));
    QTest::keyClick(&v, Qt::Key_Right);
    QTest::keyClick(&v, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&v, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(v.selectedData(), QStringLiteral("02 03"));
    QTest::keyClick(&v, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("02 03"));
    QTest::keyClick(&v, Qt::Key_Down, Qt::ShiftModifier);  // one line further
    QCOMPARE(v.selectionEnd(), 18);  // 3 + 16 lies past the data: clamped to its end
    QTest::keyClick(&v, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(v.selectedBytes().size(), 18);
    QVERIFY(v.isReadOnly());
}

void TestHexView::mouseSelection() {
    HexView v;
    v.resize(700, 200);
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    v.setData(QByteArray::fromHex("A0A1A2A3A4A5A6A7A8A9AAABACADAEAF"));
    const int cw = v.fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int y = v.fontMetrics().height() / 2;
    // The hex column starts after 8 offset digits and two blanks, plus a small margin; each
    // octet takes three characters.
    const auto octetX = [&](int k) { return 4 + (10 + 3 * k) * cw + cw; };
    QWidget* vp = v.viewport();
    QTest::mousePress(vp, Qt::LeftButton, Qt::NoModifier, QPoint(octetX(2), y));
    QTest::mouseMove(vp, QPoint(octetX(5), y));
    // QTest::mouseMove does not carry the pressed button: send the move by hand.
    QMouseEvent move(QEvent::MouseMove, QPointF(octetX(5), y), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(vp, &move);
    QTest::mouseRelease(vp, Qt::LeftButton, Qt::NoModifier, QPoint(octetX(5), y));
    QCOMPARE(v.selectedData(), QStringLiteral("A2 A3 A4 A5"));
}

void TestHexView::newDataResetsSelection() {
    HexView v;
    v.setData(QByteArray::fromHex("010203"));
    v.setSelection(0, 3);
    v.setData(QByteArray::fromHex("0405"));
    QCOMPARE(v.selectedData(), QString());
    QCOMPARE(v.cursorPosition(), 0);
    QCOMPARE(v.data(), QByteArray::fromHex("0405"));
}

QTEST_MAIN(TestHexView)
#include "tst_HexView.moc"
