#include "moduledata/hex_text.h"

#include <QTest>

class TestHexText : public QObject {
    Q_OBJECT
private slots:
    // Qt's own hex dump is the reference: two upper-case digits per byte, one blank between.
    void everyByteValue()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QByteArray hex = all.toHex(' ').toUpper();
        QCOMPARE(HexText::TextToHex(all), hex);
        QCOMPARE(HexText::HexToText(hex), all);
        QCOMPARE(HexText::TextToHex(QByteArray()), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestHexText)
#include "test_hex_text.moc"
