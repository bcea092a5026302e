#include "moduledata/hex_text.h"

#include <QTest>

class TestHexText : public QObject {
    Q_OBJECT
private slots:
    void everyByteValue()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QByteArray hex = HexText::TextToHex(all);
        QCOMPARE(hex.size(), 3 * 256 - 1);
        for (int b = 0; b < 256; ++b) {
            const QByteArray expected = QByteArray::number(b, 16).toUpper().rightJustified(2, '0');
            QCOMPARE(hex.mid(3 * b, 2), expected);
            if (b < 255)
                QCOMPARE(hex.at(3 * b + 2), ' ');
        }
        QCOMPARE(HexText::HexToText(hex), all);
    }

    void examples_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("abc") << QByteArray("abc") << QByteArray("61 62 63");
        QTest::newRow("one byte") << QByteArray("\x0A", 1) << QByteArray("0A");
        QTest::newRow("zero bytes") << QByteArray(3, '\0') << QByteArray("00 00 00");
    }
    void examples()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, hex);
        QCOMPARE(HexText::TextToHex(bytes), hex);
        QCOMPARE(HexText::HexToText(hex), bytes);
    }
};

QTEST_GUILESS_MAIN(TestHexText)
#include "test_hex_text.moc"
